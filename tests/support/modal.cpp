#include "modal.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace velmora::test {

bool waitUntilActive(QWidget* window)
{
    return QTest::qWaitFor([window] {
        const QWidget* focus = QApplication::focusWidget();
        return QApplication::activeWindow() == window && focus != nullptr && focus->window() == window;
    });
}

ModalWatcher::ModalWatcher(std::function<void(QWidget*)> onShown) : onShown_(std::move(onShown))
{
    connect(&timer_, &QTimer::timeout, this, &ModalWatcher::poll);
    timer_.start(5);
}

ModalWatcher::ModalWatcher(const QWidget* below, std::function<void(QWidget*)> onShown)
    : ModalWatcher(std::move(onShown))
{
    below_ = below;
}

void ModalWatcher::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == below_ || !modal->isVisible()) {
        return;
    }
    seen_ << modal->objectName();
    if (onShown_) {
        onShown_(modal);
    }
    modal->close();
}

} // namespace velmora::test
