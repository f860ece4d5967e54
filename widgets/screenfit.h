#pragma once

#include <QSize>

class QLayout;
class QWidget;

namespace velmora {

// Lays `window` out as `body` over `footer`: the body scrolls when the screen is too small for the whole window,
// while the footer (a display band, a back button) stays in view under it.
void layOutScrolling(QWidget* window, QLayout* body, QLayout* footer = nullptr);

// Sizes a window before it is first shown: at `specified` where given, grown to what its content needs to show
// without scrolling, and never larger than the screen's available area less the window's frame.
void fitToScreen(QWidget* window, QSize specified = {});

} // namespace velmora
