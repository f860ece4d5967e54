#pragma once

#include "routebox.h"

#include <QLineEdit>
#include <QString>
#include <optional>

class QFormLayout;

namespace velmora {

class QuestionBox;
class Route;

// What the user chose to send through: the route, the unit's number ("+" and the digits), and whether the user
// agreed to what the route must do first.
struct Dispatch {
    Route* route;
    QString number;
    bool consented;
};

// The unit's number and the route to it, as the send window and the plan window take them, and the one place
// that asks the user before anything goes out.
class SendChoice {
public:
    // Makes the number field and the route box as children of `window`, named as the window names them.
    SendChoice(QWidget* window, const char* numberName, const char* routeName, QuestionBox& questions);

    // The unit's number, digits only.
    QLineEdit* numberField() const { return number_; }
    RouteBox* routeBox() const { return route_; }

    // The number's row and the route's row, each with its label.
    void addRows(QFormLayout* form) const;

    // Calls the window's `update` whenever the number or the route changes.
    template <typename Window> void whenChanged(Window* window, void (Window::*update)()) const
    {
        QObject::connect(number_, &QLineEdit::textChanged, window, update);
        QObject::connect(route_, &QComboBox::currentIndexChanged, window, update);
    }

    // A number that can be sent to, and a route.
    bool isComplete() const;

    // Asks what must be asked before sending: the route's consent question, if it has one. Nothing when the
    // choice is not complete or the user said no.
    std::optional<Dispatch> ask() const;

private:
    QuestionBox& questions_;
    QLineEdit* number_;
    RouteBox* route_;
};

} // namespace velmora
