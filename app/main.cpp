#include "mainpage.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The program takes no arguments: only its own name is handed to Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    velmora::Program program;
    program.pages().mainPage().show();
    return QApplication::exec();
}
