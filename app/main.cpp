#include "combinedfinder.h"
#include "errorbox.h"
#include "mainpage.h"
#include "modemroutes.h"
#include "outbox.h"
#include "pageset.h"
#include "phoneroutes.h"
#include "questionbox.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // The program takes no arguments: only its own name is handed to Qt.
    int qtArgc = argc > 0 ? 1 : 0;
    QApplication app(qtArgc, argv);
    velmora::ModalErrorBox errors;
    velmora::ModalQuestionBox questions;
    // Made now, but no bus is touched before a send window opens.
    velmora::ModemFinder modems;
    velmora::PhoneFinder phones;
    velmora::CombinedFinder routes({&modems, &phones});
    velmora::Outbox outbox(routes);
    velmora::PageSet pages(errors, velmora::Sending{outbox, questions});
    pages.mainPage().show();
    return QApplication::exec();
}
