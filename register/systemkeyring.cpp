#include "systemkeyring.h"

#include <QTimer>
#include <memory>
#include <qt6keychain/keychain.h>

namespace velmora {
namespace {

KeyringReply::Status statusOf(QKeychain::Error error)
{
    switch (error) {
    case QKeychain::NoError:
        return KeyringReply::Status::Done;
    case QKeychain::EntryNotFound:
        return KeyringReply::Status::NotFound;
    // The Secret Service's "is locked", and a wallet or prompt the user turned down.
    case QKeychain::AccessDenied:
    case QKeychain::AccessDeniedByUser:
        return KeyringReply::Status::Locked;
    default:
        return KeyringReply::Status::NoKeyring;
    }
}

KeyringReply replyOf(QKeychain::Job* job)
{
    KeyringReply reply{statusOf(job->error()), {}, job->errorString()};
    if (auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(job); read != nullptr && job->error() == 0) {
        reply.secret = read->textData();
        reply.technical.clear();
    }
    return reply;
}

} // namespace

SystemKeyring::SystemKeyring(QString service, std::chrono::milliseconds answerLimit)
    : service_(std::move(service)), answerLimit_(answerLimit)
{}

void SystemKeyring::store(const QString& key, const QString& secret, const QObject* context, Done done)
{
    auto* job = new QKeychain::WritePasswordJob(service_);
    job->setTextData(secret);
    run(job, key, context, std::move(done));
}

void SystemKeyring::read(const QString& key, const QObject* context, Done done)
{
    run(new QKeychain::ReadPasswordJob(service_), key, context, std::move(done));
}

void SystemKeyring::remove(const QString& key, const QObject* context, Done done)
{
    run(new QKeychain::DeletePasswordJob(service_), key, context, std::move(done));
}

// A job deletes itself once finished. One that never finishes is left alone rather than deleted: the
// keyring's answer may still come and would reach a deleted job.
void SystemKeyring::run(QKeychain::Job* job, const QString& key, const QObject* context, Done done) const
{
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(key);
    auto answered = std::make_shared<bool>(false);
    auto answer = [answered, done = std::move(done)](const KeyringReply& reply) {
        if (!std::exchange(*answered, true)) {
            done(reply);
        }
    };
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [answer](QKeychain::Job* finished) { answer(replyOf(finished)); });
    QTimer::singleShot(answerLimit_, context, [answer, limit = answerLimit_] {
        answer(
            {KeyringReply::Status::NoKeyring, {}, QStringLiteral("no answer within %1 ms").arg(qint64(limit.count()))});
    });
    job->start();
}

} // namespace velmora
