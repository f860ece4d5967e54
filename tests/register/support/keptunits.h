#pragma once

#include "fakekeyring.h"
#include "registeraccess.h"
#include "testhome.h"

#include <memory>

namespace velmora::test {

// Hands each call on to a keyring that outlives it.
class LentKeyring final : public Keyring {
public:
    explicit LentKeyring(Keyring& owner) : owner_(owner) {}

    void store(const QString& key, const QString& secret, const QObject* context, Done done) override
    {
        owner_.store(key, secret, context, std::move(done));
    }
    void read(const QString& key, const QObject* context, Done done) override
    {
        owner_.read(key, context, std::move(done));
    }
    void remove(const QString& key, const QObject* context, Done done) override
    {
        owner_.remove(key, context, std::move(done));
    }

private:
    Keyring& owner_;
};

// The installer's units kept between runs of the program: a home of the test's own, where the register lies in the
// user's data folder as start-up places it, and a keyring in memory. Each run's register is made as start-up makes
// it, lent that keyring, so that a program made again finds the units and codes the one before stored.
struct KeptUnits {
    TestHome home;
    FakeKeyring keyring;

    std::unique_ptr<RegisterAccess> makeAccess()
    {
        return std::make_unique<RegisterAccess>([this] { return std::make_unique<LentKeyring>(keyring); });
    }
};

} // namespace velmora::test
