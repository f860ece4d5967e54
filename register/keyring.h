#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace velmora {

// What the keyring answered.
struct KeyringReply {
    enum class Status {
        Done,      // stored, read or removed
        NotFound,  // nothing under the key (a read)
        NoKeyring, // no keyring on the session bus, or no answer in time
        Locked,    // the keyring is there but locked, and was not unlocked
    };

    Status status = Status::Done;
    // A read that is Done: the secret.
    QString secret;
    // What the keyring said, for the log; never shown as it stands.
    QString technical;
};

// The desktop's store of secrets, where each unit's IKU code is kept under the unit's own key, and nowhere
// else. Every call answers later, once, through `done`, run in `context`'s thread; never if `context` is gone
// by then. No answer within the store's limit counts as NoKeyring.
class Keyring {
public:
    using Done = std::function<void(const KeyringReply& reply)>;

    virtual ~Keyring() = default;

    virtual void store(const QString& key, const QString& secret, const QObject* context, Done done) = 0;
    virtual void read(const QString& key, const QObject* context, Done done) = 0;
    // Removing what is not there is Done.
    virtual void remove(const QString& key, const QObject* context, Done done) = 0;
};

} // namespace velmora
