#pragma once

#include "historyrecorder.h"
#include "keyring.h"
#include "unitbook.h"

#include <QObject>
#include <functional>
#include <memory>

namespace velmora {

// The register of the run with its keyring and its history recorder, each made when first needed: start-up makes
// none of them, and a run that neither sends nor opens the units window never makes the register at all. The
// windows and the recorder share the one register, so that what is recorded shows in the windows as it comes.
class RegisterAccess final : public QObject {
    Q_OBJECT

public:
    using MakeKeyring = std::function<std::unique_ptr<Keyring>()>;

    // With `path` empty, the register is the one in the user's data folder (UnitRegister::defaultPath()).
    explicit RegisterAccess(MakeKeyring makeKeyring, QString path = {}, QObject* parent = nullptr);
    ~RegisterAccess() override;

    // The register, made at the first call; its file is looked at only when it is read.
    UnitRegister& units();
    // The units with their codes; the keyring is made at the first call.
    UnitBook& book();

    // From the outbox's start on, records the history of its messages (HistoryRecorder), which opens the register
    // only when it exists. Call before the outbox starts.
    void recordFrom(Outbox& outbox);
    // Whether this run still follows the recorded message (HistoryRecorder::follows); none before sending starts.
    bool follows(qint64 message) const;

private:
    MakeKeyring makeKeyring_;
    QString path_;
    std::unique_ptr<UnitRegister> units_;
    std::unique_ptr<Keyring> keyring_;
    std::unique_ptr<UnitBook> book_;
    std::unique_ptr<HistoryRecorder> recorder_;
};

} // namespace velmora
