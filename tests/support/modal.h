#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

namespace velmora::test {

// Waits until `window` is the active window and holds the focus. A modal page shown over an active parent is
// reported active by QTest::qWaitForWindowActive before the platform has handed it the focus.
bool waitUntilActive(QWidget* window);

// Waits for modal windows to appear while the code under test is blocked in exec(), hands each to
// `onShown` (which may act on it), then closes it. Polls the active modal widget, never sleeps a fixed time.
class ModalWatcher final : public QObject {
    Q_OBJECT

public:
    explicit ModalWatcher(std::function<void(QWidget*)> onShown = {});
    // Watches only the modal windows opened above `below`, which an outer watcher holds open: once a dialog
    // closes, `below` is the active modal window again and must not be taken for the next dialog.
    ModalWatcher(const QWidget* below, std::function<void(QWidget*)> onShown);

    // objectNames of the modal windows seen, in order.
    const QStringList& seen() const { return seen_; }

private:
    void poll();

    const QWidget* below_ = nullptr;
    std::function<void(QWidget*)> onShown_;
    QStringList seen_;
    QTimer timer_;
};

} // namespace velmora::test
