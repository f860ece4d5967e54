#pragma once

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace velmora::bench {

// Ends the process right after the watched window's first frame: the paint event is followed in the same
// pass by the flush to the screen, so a zero timer queued from it runs once the frame is out. Prints the
// moment on the monotonic clock, in nanoseconds, for the caller that started the process, then leaves
// without tearing down, so that the process's counters (instructions, peak memory) end at that frame.
class FirstPaintProbe final : public QObject {
public:
    explicit FirstPaintProbe(QObject* window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("%lld\n",
                            static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
};

} // namespace velmora::bench
