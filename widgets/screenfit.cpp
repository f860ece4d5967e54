#include "screenfit.h"

#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWindow>

namespace velmora {
namespace {

// Asks for room for its whole content, so that a window shows it unscrolled wherever the screen allows.
class BodyArea final : public QScrollArea {
public:
    explicit BodyArea(QWidget* parent) : QScrollArea(parent)
    {
        setObjectName(QStringLiteral("Body"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        // Tab reaches the controls inside, and the area scrolls to each of them.
        setFocusPolicy(Qt::NoFocus);
    }

    QSize sizeHint() const override { return widget() != nullptr ? widget()->sizeHint() : QScrollArea::sizeHint(); }
};

QSize roomOnScreen(const QWidget* window)
{
    QMargins frame = window->windowHandle() != nullptr ? window->windowHandle()->frameMargins() : QMargins();
    if (frame.isNull()) {
        // Until the window manager has framed the window, leave room for a title bar.
        frame.setTop(window->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    }
    return window->screen()->availableGeometry().size().shrunkBy(frame);
}

} // namespace

void layOutScrolling(QWidget* window, QLayout* body, QLayout* footer)
{
    auto* content = new QWidget;
    content->setLayout(body);
    auto* area = new BodyArea(window);
    area->setWidget(content);

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(area, 1);
    if (footer != nullptr) {
        auto* bottom = new QWidget(window);
        bottom->setLayout(footer);
        layout->addWidget(bottom);
    }
}

void fitToScreen(QWidget* window, QSize specified)
{
    const QSize natural = window->sizeHint();
    const QSize wanted = specified.isValid() ? specified.expandedTo(natural) : natural;
    if (wanted.isValid()) {
        window->resize(wanted.boundedTo(roomOnScreen(window)));
    }
}

} // namespace velmora
