#include "picturebox.h"

#include <QMouseEvent>
#include <QPixmap>

namespace velmora {

PictureBox::PictureBox(const char* name, const QImage& picture, QSize box, QWidget* parent) : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setFixedSize(box);
    setAlignment(Qt::AlignCenter);
    if (!picture.isNull()) {
        setPixmap(QPixmap::fromImage(picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    }
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace velmora
