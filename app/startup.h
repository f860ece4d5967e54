#pragma once

#include "combinedfinder.h"
#include "errorbox.h"
#include "modemfinder.h"
#include "outbox.h"
#include "pageset.h"
#include "phoneroutes.h"
#include "registeraccess.h"
#include "sendquestions.h"

#include <QTranslator>

class QIcon;

namespace velmora {

// What the program sets up before its first page: Qt's own texts (a field's context menu, a dialog's standard
// buttons) in Polish, as the rest of the program, when Qt's Polish translations are installed; and the desktop
// file name, which ties the windows to the menu entry on Wayland.
void setUpApplication(QTranslator& qtTexts);

// The program's icon, as the menu entry shows it, in the sizes a taskbar and a window switcher ask for. Reading it
// costs a twentieth of start-up, so the windows get it just after the main window's first frame.
QIcon programIcon();

// The program as it starts, for the shipped program and the benchmarks alike: Qt's texts in Polish, the error and
// question boxes, the ways to send (a modem or a paired phone; no bus is touched before a send window opens), the
// register of units (made at its first use: when sending starts, or the units window opens) and every page; the
// windows get the program's icon just after the main window's first frame.
class Program {
public:
    Program();

    PageSet& pages() { return pages_; }

private:
    QTranslator qtTexts_;
    ModalErrorBox errors_;
    ModalSendQuestions questions_;
    ModemFinder modems_;
    PhoneFinder phones_;
    CombinedFinder routes_{{&modems_, &phones_}};
    Outbox outbox_{routes_};
    RegisterAccess units_;
    PageSet pages_;
};

} // namespace velmora
