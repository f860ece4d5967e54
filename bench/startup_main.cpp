// The program's own start-up, as in the shipped program, ending right after the main window's first frame.
#include "firstframe.h"
#include "firstpaint.h"
#include "mainpage.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    velmora::Program program;
    velmora::afterFirstFrame(&program.pages().mainPage(), velmora::bench::printNowAndExit);
    program.pages().mainPage().show();
    return QApplication::exec();
}
