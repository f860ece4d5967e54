// The program's own start-up, every page object made as in the shipped program, ending right after the main window's first frame.
#include "errorbox.h"
#include "firstpaint.h"
#include "mainpage.h"
#include "pageset.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    velmora::ModalErrorBox errors;
    velmora::PageSet pages(errors);
    velmora::bench::FirstPaintProbe probe(&pages.mainPage());
    pages.mainPage().show();
    return QApplication::exec();
}
