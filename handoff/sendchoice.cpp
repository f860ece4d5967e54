#include "sendchoice.h"

#include "controls.h"
#include "grammar.h"
#include "route.h"
#include "sendquestions.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace velmora {
namespace {

// What sending the command loses in the unit, in a sentence; empty when it loses nothing.
QString lossOf(const QString& command)
{
    const std::optional<std::string_view> loss = wipeOf(command.toStdString());
    return loss ? QString::fromUtf8(loss->data(), qsizetype(loss->size())) : QString();
}

// The question before commands that wipe what the unit holds, naming what each loses; empty when none does.
QString wipeQuestion(std::span<const ToSend> commands)
{
    QStringList losses;
    for (const ToSend& command : commands) {
        const QString loss = lossOf(command.command);
        if (loss.isEmpty()) {
            continue;
        }
        if (command.position == 0) {
            return loss + QStringLiteral("\n\nWysłać to polecenie do centrali?");
        }
        losses << QStringLiteral("%1. %2 – %3").arg(command.position).arg(command.title, loss);
    }
    if (losses.isEmpty()) {
        return {};
    }
    return QStringLiteral("Plan zawiera polecenia, po których centrala straci zapisane w niej dane:\n\n%1\n\nWysłać "
                          "plan?")
        .arg(losses.join(QLatin1Char('\n')));
}

} // namespace

SendChoice::SendChoice(QWidget* window, const Names& names, RouteFinder& finder, SendQuestions& questions)
    : finder_(finder), questions_(questions),
      number_(makeNumberField(window, names.number,
                              QStringLiteral("Numer karty SIM centrali w postaci międzynarodowej: kod kraju i "
                                             "numer, same cyfry."))),
      route_(new RouteBox(names.route, window)),
      rescan_(makeButton(window, names.rescan, QStringLiteral("Szukaj ponownie"),
                         QStringLiteral("Szuka jeszcze raz modemów i telefonów, np. gdy podłączony modem się nie "
                                        "pojawił")))
{
    QObject::connect(rescan_, &QPushButton::clicked, &finder_, &RouteFinder::rescan);
}

void SendChoice::addRows(QFormLayout* form) const
{
    QWidget* window = number_->parentWidget();
    form->addRow(makeBuddy(window, QStringLiteral("&Numer karty SIM centrali:"), number_), number_);
    auto* routeRow = new QHBoxLayout;
    routeRow->addWidget(route_, 1);
    routeRow->addWidget(rescan_);
    form->addRow(makeBuddy(window, QStringLiteral("Wyślij &przez:"), route_), routeRow);
}

void SendChoice::refreshRoutes()
{
    route_->refresh(finder_);
}

RouteAbsence SendChoice::absence() const
{
    if (!route_->isEmpty()) {
        return {};
    }
    if (finder_.isSearching()) {
        return {QStringLiteral("Szukanie modemu GSM i telefonu…"), finder_.absenceReason()};
    }
    return {QStringLiteral("Nie znaleziono modemu ani telefonu, przez który można wysłać SMS. Podłącz do komputera "
                           "modem GSM na USB z kartą SIM albo sparuj telefon z Androidem przez KDE Connect: pojawi się "
                           "w polu „Wyślij przez” bez zamykania okna (jeśli nie, naciśnij „Szukaj ponownie”)."),
            finder_.absenceReason()};
}

bool SendChoice::isComplete() const
{
    return isInternationalNumber(number_->text()) && route_->chosen() != nullptr;
}

std::optional<Dispatch> SendChoice::ask(std::span<const ToSend> commands) const
{
    if (!isComplete()) {
        return std::nullopt;
    }
    std::optional<Dispatch> dispatch = askForRoute(commands);
    if (dispatch) {
        dispatch->number = QLatin1Char('+') + number_->text();
    }
    return dispatch;
}

std::optional<Dispatch> SendChoice::askForRoute(std::span<const ToSend> commands) const
{
    Route* route = route_->chosen();
    if (route == nullptr) {
        return std::nullopt;
    }
    if (const QString wipe = wipeQuestion(commands); !wipe.isEmpty() && !questions_.confirmSending(wipe)) {
        return std::nullopt;
    }
    const QString question = route->consentQuestion();
    if (!question.isEmpty() && !questions_.ask(question)) {
        return std::nullopt;
    }
    return Dispatch{route, {}, !question.isEmpty()};
}

} // namespace velmora
