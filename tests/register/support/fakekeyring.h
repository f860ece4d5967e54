#pragma once

#include "keyring.h"

#include <QTimer>
#include <map>

namespace velmora::test {

// A keyring in memory that answers from the event loop, as the real one does, with the status the test sets.
class FakeKeyring final : public Keyring {
public:
    using Status = KeyringReply::Status;

    // From now on every call answers with `status`; only Done reads and changes the entries.
    void answerWith(Status status) { status_ = status; }

    void store(const QString& key, const QString& secret, const QObject* context, Done done) override
    {
        if (status_ == Status::Done) {
            entries[key] = secret;
        }
        answer(context, std::move(done), {status_, {}, {}});
    }

    void read(const QString& key, const QObject* context, Done done) override
    {
        const auto found = entries.find(key);
        if (status_ == Status::Done && found == entries.end()) {
            return answer(context, std::move(done), {Status::NotFound, {}, {}});
        }
        answer(context, std::move(done), {status_, status_ == Status::Done ? found->second : QString(), {}});
    }

    void remove(const QString& key, const QObject* context, Done done) override
    {
        if (status_ == Status::Done) {
            entries.erase(key);
        }
        answer(context, std::move(done), {status_, {}, {}});
    }

    std::map<QString, QString> entries;

private:
    static void answer(const QObject* context, Done done, KeyringReply reply)
    {
        QTimer::singleShot(0, context, [done = std::move(done), reply] { done(reply); });
    }

    Status status_ = Status::Done;
};

} // namespace velmora::test
