#include "sendchoice.h"

#include "controls.h"
#include "questionbox.h"
#include "route.h"

#include <QFormLayout>
#include <QLabel>

namespace velmora {

SendChoice::SendChoice(QWidget* window, const char* numberName, const char* routeName, QuestionBox& questions)
    : questions_(questions),
      number_(makeNumberField(window, numberName,
                              QStringLiteral("Numer karty SIM centrali w postaci międzynarodowej: kod kraju i "
                                             "numer, same cyfry."))),
      route_(new RouteBox(routeName, window))
{}

void SendChoice::addRows(QFormLayout* form) const
{
    QWidget* window = number_->parentWidget();
    form->addRow(makeBuddy(window, QStringLiteral("&Numer karty SIM centrali:"), number_), number_);
    form->addRow(makeBuddy(window, QStringLiteral("Wyślij &przez:"), route_), route_);
}

bool SendChoice::isComplete() const
{
    return isInternationalNumber(number_->text()) && route_->chosen() != nullptr;
}

std::optional<Dispatch> SendChoice::ask() const
{
    if (!isComplete()) {
        return std::nullopt;
    }
    Route* route = route_->chosen();
    const QString question = route->consentQuestion();
    if (!question.isEmpty() && !questions_.ask(question)) {
        return std::nullopt;
    }
    return Dispatch{route, QLatin1Char('+') + number_->text(), !question.isEmpty()};
}

} // namespace velmora
