#pragma once

#include "commandhandoff.h"

#include <QStringList>

namespace velmora::test {

// Remembers what a band handed on, and how often the plan window was asked for.
class RecordingHandoff final : public CommandHandoff {
public:
    explicit RecordingHandoff(bool canSend) : canSend_(canSend) {}

    void showQrCode(const QString& command) override { handed << QStringLiteral("QR ") + command; }
    bool canSend() const override { return canSend_; }
    void send(const QString& title, const QString& command) override
    {
        handed << QStringLiteral("SMS ") + title + QLatin1Char(' ') + command;
    }
    int addToPlan(const QString& title, const QString& command) override
    {
        handed << QStringLiteral("PLAN ") + title + QLatin1Char(' ') + command;
        return refusePlan ? 0 : int(handed.size());
    }
    int planCount() const override { return 0; }
    void showPlan() override { handed << QStringLiteral("PLAN WINDOW"); }
    void watchPlanCount(QObject*, std::function<void(int)>) override {}

    QStringList handed;
    bool refusePlan = false;

private:
    bool canSend_;
};

} // namespace velmora::test
