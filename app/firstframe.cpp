#include "firstframe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace velmora {
namespace {

// Watches the whole application only until the first frame: the window itself may be covered by its children
// and never painted.
class FirstFrameWatcher final : public QObject {
public:
    FirstFrameWatcher(QWidget* window, std::function<void()> then)
        : QObject(window), window_(window), then_(std::move(then))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> then_;
};

} // namespace

void afterFirstFrame(QWidget* window, std::function<void()> then)
{
    new FirstFrameWatcher(window, std::move(then));
}

} // namespace velmora
