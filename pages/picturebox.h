#pragma once

#include <QImage>
#include <QLabel>

namespace velmora {

// A picture scaled proportionally into a box of fixed size; a click on it is reported.
class PictureBox final : public QLabel {
    Q_OBJECT

public:
    PictureBox(const char* name, const QImage& picture, QSize box, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velmora
