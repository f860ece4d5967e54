// Opening a page, from the call that opens it to its first frame on the screen: each page once for the first
// time, then again. The program starts as shipped and the pages are opened once it has prepared them, as a user's
// first click finds them. Prints one line per page: its name, then the first and the second opening in
// nanoseconds.
#include "firstframe.h"
#include "mainpage.h"
#include "page.h"
#include "pageset.h"
#include "startup.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <xcb/xcb.h>

namespace {

// A frame is on the screen once the X server has drawn it: a round trip returns after the server has handled
// every request sent before it, the frame's among them. The offscreen platform of the checks has no server.
void waitForTheServer()
{
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return;
    }
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Nanoseconds from the opening call to the page's first frame on the screen; the page is closed right after it.
long long timeOpening(velmora::Page* page)
{
    const auto start = std::chrono::steady_clock::now();
    auto painted = start;
    velmora::afterFirstFrame(page, [page, &painted] {
        waitForTheServer();
        painted = std::chrono::steady_clock::now();
        page->close();
    });
    page->showModally();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(painted - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    velmora::Program program;
    velmora::PageSet& pages = program.pages();
    pages.mainPage().show();
    while (!pages.allPrepared()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    for (velmora::Page* page : pages.mainPage().findChildren<velmora::Page*>(Qt::FindDirectChildrenOnly)) {
        const long long first = timeOpening(page);
        const long long again = timeOpening(page);
        std::printf("%s %lld %lld\n", qPrintable(page->objectName()), first, again);
    }
    return 0;
}
