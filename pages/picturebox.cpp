#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace velmora {
namespace {

// Bilinear filtering: as smooth as averaging for the small reductions of the main page, at a fraction of
// its cost at start-up.
QImage scaledInto(const QImage& picture, QSize box)
{
    const QSize size = picture.size().scaled(box, Qt::KeepAspectRatio);
    QImage scaled(size, QImage::Format_RGB32);
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    return scaled;
}

} // namespace

PictureBox::PictureBox(const char* name, const QImage& picture, QSize box, QWidget* parent) : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setFixedSize(box);
    setAlignment(Qt::AlignCenter);
    if (!picture.isNull()) {
        setPixmap(QPixmap::fromImage(scaledInto(picture, box)));
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
