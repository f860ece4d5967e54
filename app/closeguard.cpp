#include "closeguard.h"

#include <QCloseEvent>
#include <QWidget>

namespace velmora {
namespace {

class CloseGuard final : public QObject {
public:
    CloseGuard(QWidget* window, std::function<bool()> mayClose) : QObject(window), mayClose_(std::move(mayClose))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Close || mayClose_()) {
            return QObject::eventFilter(watched, event);
        }
        event->ignore();
        return true;
    }

private:
    std::function<bool()> mayClose_;
};

} // namespace

void askBeforeClosing(QWidget* window, std::function<bool()> mayClose)
{
    new CloseGuard(window, std::move(mayClose));
}

} // namespace velmora
