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

namespace {

// Nanoseconds from the opening call to the page's first frame; the page is closed right after it.
long long timeOpening(velmora::Page* page)
{
    const auto start = std::chrono::steady_clock::now();
    auto painted = start;
    velmora::afterFirstFrame(page, [page, &painted] {
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
