#pragma once

#include <functional>

class QWidget;

namespace velmora {

// Asks `mayClose` before `window` closes, whether by the window's own close button or by code (the main page's exit
// picture calls close()); false keeps the window open.
void askBeforeClosing(QWidget* window, std::function<bool()> mayClose);

} // namespace velmora
