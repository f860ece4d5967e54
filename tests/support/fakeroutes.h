#pragma once

#include "route.h"

#include <QList>
#include <utility>
#include <vector>

namespace velmora::test {

// A route that remembers what it was handed and ends each message when the test says so.
class FakeRoute final : public Route {
    Q_OBJECT

public:
    struct Handed {
        OutgoingSms sms;
        bool consented;
    };

    explicit FakeRoute(QString label, QObject* parent = nullptr) : Route(parent), label_(std::move(label)) {}

    QString label() const override { return label_; }
    QString consentQuestion() const override { return question_; }
    void send(const OutgoingSms& sms, bool consented) override
    {
        handed_.push_back({sms, consented});
        if (answerAtOnce_) {
            emit progressed(*answerAtOnce_);
        }
    }

    void askFirst(QString question) { question_ = std::move(question); }
    // Ends every later message inside send(), as a route that can refuse without asking anyone does.
    void answerAtOnce(const SendProgress& progress) { answerAtOnce_ = progress; }
    // Ends the message on its way.
    void finish(const SendProgress& progress) { emit progressed(progress); }
    // A later stage of a message finished as sent with `key`.
    void followUp(const QString& key, const SendProgress& progress) { emit followedUp(key, progress); }

    const std::vector<Handed>& handed() const { return handed_; }

private:
    QString label_;
    QString question_;
    std::optional<SendProgress> answerAtOnce_;
    std::vector<Handed> handed_;
};

// A finder whose routes and replies the test sets.
class FakeFinder final : public RouteFinder {
    Q_OBJECT

public:
    void start() override { ++starts_; }
    QList<Route*> routes() const override { return routes_; }
    QString absenceReason() const override { return QStringLiteral("Brak drogi."); }
    bool isSearching() const override { return searching_; }
    void rescan() override { ++rescans_; }

    void setRoutes(QList<Route*> routes)
    {
        routes_ = std::move(routes);
        emit routesChanged();
    }
    void deliver(const IncomingSms& sms) { emit received(sms); }
    // Still waiting for a service's answer, or no longer.
    void setSearching(bool searching)
    {
        searching_ = searching;
        emit routesChanged();
    }
    int starts() const { return starts_; }
    int rescans() const { return rescans_; }

private:
    QList<Route*> routes_;
    bool searching_ = false;
    int starts_ = 0;
    int rescans_ = 0;
};

} // namespace velmora::test
