// Draws the program's pictures: the product logo and the exit picture (JPEG) and the back-arrow glyph
// (24-bit BMP). Run it from the build tree to remake them:
//   cmake --build build --target make-artwork && build/resources/make-artwork resources
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <cstdio>

namespace {

QImage drawLogo()
{
    QImage image(300, 185, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 185);
    sky.setColorAt(0, QColor(18, 52, 120));
    sky.setColorAt(1, QColor(6, 20, 58));
    painter.fillRect(image.rect(), sky);

    // A shield with radio waves: a unit that guards the house and speaks by SMS.
    QPainterPath shield;
    shield.moveTo(60, 28);
    shield.cubicTo(80, 38, 100, 38, 112, 30);
    shield.lineTo(112, 82);
    shield.cubicTo(112, 112, 90, 128, 86, 132);
    shield.cubicTo(82, 128, 60, 112, 60, 82);
    shield.closeSubpath();
    shield.translate(-26, 0);
    painter.setPen(QPen(QColor(255, 255, 255), 3));
    painter.setBrush(QColor(220, 40, 40));
    painter.drawPath(shield);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 3; ++ring) {
        const int r = 12 + ring * 9;
        painter.drawArc(QRectF(60 - r, 78 - r, 2 * r, 2 * r), 40 * 16, 100 * 16);
    }
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(60, 80), 4, 4);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setBold(true);
    // The largest size at which the name still fits beside the shield.
    for (int size = 38; size > 12; --size) {
        name.setPixelSize(size);
        if (QFontMetrics(name).horizontalAdvance(QStringLiteral("VELMORA")) <= 184) {
            break;
        }
    }
    painter.setFont(name);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(104, 40, 190, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("VELMORA"));
    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(17);
    painter.setFont(line);
    painter.setPen(QColor(255, 210, 90));
    painter.drawText(QRectF(106, 88, 190, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("alarm GSM  SMS"));
    painter.setPen(QPen(QColor(255, 210, 90), 2));
    painter.drawLine(QPointF(106, 120), QPointF(284, 120));
    QFont tag(QStringLiteral("DejaVu Sans"));
    tag.setPixelSize(13);
    painter.setFont(tag);
    painter.setPen(QColor(200, 215, 240));
    painter.drawText(QRectF(0, 140, 300, 30), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Tarvik SMS  konfigurator"));
    return image;
}

QImage drawExit()
{
    QImage image(106, 100, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The door frame, with daylight beyond it.
    QRadialGradient light(QPointF(53, 50), 50);
    light.setColorAt(0, QColor(255, 244, 190));
    light.setColorAt(1, QColor(250, 200, 90));
    painter.setPen(QPen(QColor(90, 55, 25), 5));
    painter.setBrush(light);
    painter.drawRect(QRectF(28, 10, 50, 82));
    // The leaf, swung open towards the viewer.
    const QPolygonF leaf({QPointF(28, 10), QPointF(8, 2), QPointF(8, 98), QPointF(28, 92)});
    painter.setPen(QPen(QColor(70, 40, 15), 2));
    painter.setBrush(QColor(150, 95, 45));
    painter.drawPolygon(leaf);
    painter.setBrush(QColor(240, 200, 60));
    painter.drawEllipse(QPointF(13, 52), 3, 3);
    // An arrow walking out.
    painter.setPen(QPen(QColor(30, 120, 40), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(44, 52), QPointF(98, 52));
    painter.drawLine(QPointF(98, 52), QPointF(84, 40));
    painter.drawLine(QPointF(98, 52), QPointF(84, 64));
    return image;
}

QImage drawBackGlyph()
{
    QImage image(32, 32, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow({QPointF(3, 16), QPointF(15, 4), QPointF(15, 11), QPointF(29, 11), QPointF(29, 21),
                           QPointF(15, 21), QPointF(15, 28)});
    painter.setPen(QPen(QColor(0, 0, 140), 1.5));
    painter.setBrush(QColor(30, 90, 230));
    painter.drawPolygon(arrow);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    out.mkpath(QStringLiteral("pictures"));
    out.mkpath(QStringLiteral("glyphs"));
    const bool saved = drawLogo().save(out.filePath(QStringLiteral("pictures/logo.jpg")), "JPG", 92) &&
                       drawExit().save(out.filePath(QStringLiteral("pictures/exit.jpg")), "JPG", 92) &&
                       drawBackGlyph().save(out.filePath(QStringLiteral("glyphs/back.bmp")), "BMP");
    if (!saved) {
        std::fputs("could not write the pictures\n", stderr);
        return 1;
    }
    return 0;
}
