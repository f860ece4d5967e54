#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace velmora::bench {

// Prints the moment on the monotonic clock, in nanoseconds, for the caller that started the process, then
// leaves without tearing down, so that the process's counters (instructions, peak memory) end there.
[[noreturn]] inline void printNowAndExit()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    std::printf("%lld\n", static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
    std::fflush(stdout);
    std::_Exit(0);
}

// Ends the process right after the watched widget's first frame: the paint event is followed in the same
// pass by the flush to the screen, so a zero timer queued from it runs once the frame is out. For a window
// that paints itself; the program's own windows are watched by velmora::afterFirstFrame.
class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(QObject* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] { printNowAndExit(); });
        }
        return false;
    }
};

} // namespace velmora::bench
