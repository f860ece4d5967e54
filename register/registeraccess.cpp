#include "registeraccess.h"

namespace velmora {

RegisterAccess::RegisterAccess(MakeKeyring makeKeyring, QString path, QObject* parent)
    : QObject(parent), makeKeyring_(std::move(makeKeyring)), path_(std::move(path))
{}

RegisterAccess::~RegisterAccess() = default;

UnitRegister& RegisterAccess::units()
{
    if (!units_) {
        units_ = std::make_unique<UnitRegister>(path_.isEmpty() ? UnitRegister::defaultPath() : path_);
    }
    return *units_;
}

UnitBook& RegisterAccess::book()
{
    if (!book_) {
        keyring_ = makeKeyring_();
        book_ = std::make_unique<UnitBook>(units(), *keyring_);
    }
    return *book_;
}

void RegisterAccess::recordFrom(Outbox& outbox)
{
    connect(&outbox, &Outbox::started, this, [this, &outbox] {
        if (!recorder_) {
            recorder_ = std::make_unique<HistoryRecorder>(outbox, units());
        }
    });
}

bool RegisterAccess::follows(qint64 message) const
{
    return recorder_ && recorder_->follows(message);
}

} // namespace velmora
