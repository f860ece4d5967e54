#pragma once

#include <functional>

class QWidget;

namespace velmora {

// Runs `then` once, right after `window`'s first frame is on the screen: some widget of the window has been
// painted, and a zero timer queued from that paint runs once the frame has been flushed.
void afterFirstFrame(QWidget* window, std::function<void()> then);

} // namespace velmora
