#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLabel>
#include <QPixmap>

namespace velmora {

// A picture scaled proportionally into a box of fixed size.
class PictureBox final : public QLabel {
    Q_OBJECT

public:
    PictureBox(const char* name, const QImage& picture, QSize box, QWidget* parent = nullptr);
};

// A picture that acts when pressed, drawn as a PictureBox is. Being a button, it takes the focus, is pressed
// from the keyboard and is announced to screen readers as a button called `accessibleName`.
class PictureButton final : public QAbstractButton {
    Q_OBJECT

public:
    PictureButton(const char* name, const QImage& picture, QSize box, const QString& accessibleName,
                  QWidget* parent = nullptr);

    const QPixmap& picture() const { return picture_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

} // namespace velmora
