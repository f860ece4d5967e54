#pragma once

#include "routebox.h"

#include <QLineEdit>
#include <QString>
#include <optional>
#include <span>

class QFormLayout;
class QPushButton;

namespace velmora {

class Route;
class RouteFinder;
class SendQuestions;

// What the user chose to send through: the route, the unit's number ("+" and the digits), and whether the user
// agreed to what the route must do first.
struct Dispatch {
    Route* route;
    QString number;
    bool consented;
};

// A command about to go: its operation's title and the command, and its place in a plan (from 1; 0 for a command
// sent alone).
struct ToSend {
    QString title;
    QString command;
    int position = 0;
};

// While no route is offered, what a window says: what to plug in or pair, in an installer's words, and the
// services' own reasons, for its tool tip. Both empty while a route is there.
struct RouteAbsence {
    QString text;
    QString cause;
};

// The unit's number and the route to it, as the send window and the plan window take them, and the one place
// that asks the user before anything goes out.
class SendChoice {
public:
    struct Names {
        const char* number;
        const char* route;
        const char* rescan;
    };

    // Makes the number field, the route box and "Szukaj ponownie" as children of `window`, with the window's names.
    SendChoice(QWidget* window, const Names& names, RouteFinder& finder, SendQuestions& questions);

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

    // Takes in the routes the finder offers now, keeping the one picked while it is still there.
    void refreshRoutes();
    RouteAbsence absence() const;

    // A number that can be sent to, and a route.
    bool isComplete() const;

    // Asks what must be asked before these commands go: whether to send those that wipe what the unit holds
    // ("Wyślij" or "Anuluj"), then the route's consent question, if it has one. Nothing when the choice is not
    // complete or the user said no.
    std::optional<Dispatch> ask(std::span<const ToSend> commands) const;
    // The same questions for commands that go to units whose numbers are known elsewhere: only the route need be
    // chosen, and the dispatch has no number.
    std::optional<Dispatch> askForRoute(std::span<const ToSend> commands) const;

private:
    RouteFinder& finder_;
    SendQuestions& questions_;
    QLineEdit* number_;
    RouteBox* route_;
    QPushButton* rescan_;
};

} // namespace velmora
