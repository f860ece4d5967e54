#pragma once

#include <QDialog>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;

namespace velmora {

// The modules of a QR code, row by row; empty when the text does not fit any QR code.
struct QrMatrix {
    int size = 0;
    std::vector<bool> dark;

    bool isEmpty() const { return size == 0; }
    bool at(int x, int y) const { return dark[static_cast<std::size_t>(y * size + x)]; }
};

// Encodes the text's bytes as they stand (8-bit mode), at error correction level M.
QrMatrix encodeQr(const QByteArray& data);

// Draws a QR code with its quiet zone, each module a whole number of pixels, so it stays crisp at any size.
class QrCodeView final : public QWidget {
    Q_OBJECT

public:
    explicit QrCodeView(QWidget* parent = nullptr);

    void setMatrix(QrMatrix matrix);
    const QrMatrix& matrix() const { return matrix_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QrMatrix matrix_;
};

// Shows a command as a QR code that a phone's camera opens in its messaging app, text filled in:
// "SMSTO:<number>:<command>". The unit's SIM number is optional and lives only as long as the window.
class QrWindow final : public QDialog {
    Q_OBJECT

public:
    explicit QrWindow(QWidget* parent = nullptr);

    // Shows the window modally for this command; returns when it is closed.
    void showFor(const QString& command);

    QString payload() const;

    // The unit's number, digits only.
    QLineEdit* numberField() const { return number_; }

private:
    void refresh();

    QString command_;
    QLineEdit* number_;
    QrCodeView* code_;
    QLabel* text_;
};

} // namespace velmora
