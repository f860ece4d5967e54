#include "modemtestbench.h"

#include "dbustypes.h"

#include <QCoreApplication>
#include <QDir>

namespace velmora::test {

namespace {

constexpr int exportTimeoutMs = 30000;

QString section(const QString& title, const QString& text)
{
    return QStringLiteral("----- %1 -----\n%2\n").arg(title, text);
}

} // namespace

ModemTestBench::ModemTestBench()
    : directory_(QDir::temp().filePath(QStringLiteral("velmora-modem-XXXXXX"))), bus_(directory_.path()),
      polkit_(QDir(directory_.path()).filePath(QStringLiteral("polkitd.log"))), modemManager_(directory_.path())
{
    registerDBusTypes();
}

ModemTestBench::~ModemTestBench()
{
    // Modems first: ModemManager may still talk to them on its way out.
    stopModemManager();
    polkit_.stop();
    bus_.stop();
}

bool ModemTestBench::start()
{
    if (!directory_.isValid()) {
        return fail(QStringLiteral("no temporary directory: ") + directory_.errorString());
    }
    if (!bus_.start()) {
        return fail(bus_.errorString());
    }
    if (!polkit_.start(bus_.connection())) {
        return fail(polkit_.errorString());
    }
    return true;
}

bool ModemTestBench::startModemManager()
{
    return modemManager_.start(bus_.connection()) || fail(modemManager_.errorString());
}

void ModemTestBench::stopModemManager()
{
    for (Plugged& plugged : modems_) {
        plugged.modem->disappear();
    }
    modemManager_.stop();
    modems_.clear();
}

SimulatedModem* ModemTestBench::plugInModem(const ModemProfile& profile)
{
    // Unique across test processes running side by side: abstract socket names are machine-wide.
    const QString name = QStringLiteral("velmora-%1-%2").arg(QCoreApplication::applicationPid()).arg(++modemsPlugged_);
    auto modem = std::make_unique<SimulatedModem>(name, profile);
    if (!modem->listen()) {
        fail(QStringLiteral("the simulated modem cannot listen on %1: %2").arg(modem->port(), modem->errorString()));
        return nullptr;
    }
    const QString path = modemManager_.addModem(name, modem->port(), exportTimeoutMs);
    if (path.isEmpty()) {
        fail(modemManager_.errorString());
        return nullptr;
    }
    modems_.push_back({std::move(modem), name, path});
    return modems_.back().modem.get();
}

QString ModemTestBench::modemPath(const SimulatedModem& modem) const
{
    const Plugged* plugged = find(modem);
    return plugged ? plugged->path : QString();
}

bool ModemTestBench::unplugModem(SimulatedModem& modem)
{
    const Plugged* plugged = find(modem);
    if (plugged == nullptr) {
        return fail(QStringLiteral("that modem is not plugged in"));
    }
    modem.disappear();
    return modemManager_.removeModem(plugged->profileId) || fail(modemManager_.errorString());
}

QString ModemTestBench::diagnostics() const
{
    QString text = section(QStringLiteral("ModemManager"), modemManager_.log());
    for (const Plugged& plugged : modems_) {
        text += section(QStringLiteral("AT dialogue of %1").arg(plugged.modem->port()),
                        plugged.modem->transcript().join(QLatin1Char('\n')));
    }
    text += section(QStringLiteral("polkit authority"), polkit_.log());
    text += section(QStringLiteral("dbus-daemon"), bus_.log());
    return text;
}

bool ModemTestBench::fail(const QString& why)
{
    error_ = why;
    return false;
}

const ModemTestBench::Plugged* ModemTestBench::find(const SimulatedModem& modem) const
{
    for (const Plugged& plugged : modems_) {
        if (plugged.modem.get() == &modem) {
            return &plugged;
        }
    }
    return nullptr;
}

} // namespace velmora::test
