#pragma once

#include "errorbox.h"

#include <chrono>
#include <functional>

namespace velmora::bench {

// An error box that says nothing, so that a refusal costs no modal loop in a measurement.
class SilentErrorBox final : public ErrorBox {
public:
    void report(const QString& /*message*/) override {}
};

// The only function that does the measured work: callgrind's --toggle-collect=*measuredLoop* counts it alone.
[[gnu::noinline]] inline void measuredLoop(const std::function<void(int)>& operation, int count)
{
    for (int i = 0; i < count; ++i) {
        operation(i);
    }
}

// Nanoseconds per operation, after a few that load fonts and fill caches every later one finds ready.
inline double nanosecondsPerOperation(const std::function<void(int)>& operation, int count)
{
    measuredLoop(operation, 4);
    const auto start = std::chrono::steady_clock::now();
    measuredLoop(operation, count);
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / count;
}

} // namespace velmora::bench
