#pragma once

#include "keyring.h"

#include <chrono>

namespace QKeychain {
class Job;
}

namespace velmora {

// The keyring of the desktop session through QtKeychain: the Secret Service (GNOME Keyring, KeePassXC…) or
// KWallet, whichever the desktop offers. Never QtKeychain's plain-text fallback: without a keyring, nothing is
// stored.
class SystemKeyring final : public Keyring {
public:
    static constexpr std::chrono::milliseconds kAnswerLimit = std::chrono::seconds(10);

    // Entries go under the program's name as the keyring's service.
    explicit SystemKeyring(QString service = QStringLiteral("velmora-sms"),
                           std::chrono::milliseconds answerLimit = kAnswerLimit);

    void store(const QString& key, const QString& secret, const QObject* context, Done done) override;
    void read(const QString& key, const QObject* context, Done done) override;
    void remove(const QString& key, const QObject* context, Done done) override;

private:
    void run(QKeychain::Job* job, const QString& key, const QObject* context, Done done) const;

    QString service_;
    std::chrono::milliseconds answerLimit_;
};

} // namespace velmora
