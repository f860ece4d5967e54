// The yardstick for start-up: the least a Qt Widgets program shows, one label in a window.
#include "firstpaint.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Velmora"));
    window.resize(608, 608);
    velmora::bench::FirstPaintProbe probe(&window);
    window.show();
    return QApplication::exec();
}
