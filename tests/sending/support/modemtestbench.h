#pragma once

#include "modemmanagerprocess.h"
#include "polkitauthority.h"
#include "privatebus.h"
#include "simulatedmodem.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace velmora::test {

// Everything a sending test needs around the program: a private bus (the session and the system bus of
// this process), a polkit authority that allows ModemManager's actions until told otherwise, the real
// ModemManager, and simulated modems it drives. Every process is started and stopped by PID here.
//
//     ModemTestBench bench;                       // one per test process, before any D-Bus use
//     QVERIFY2(bench.start(), qPrintable(bench.errorString()));
//     QVERIFY2(bench.startModemManager(), qPrintable(bench.errorString()));
//     SimulatedModem* modem = bench.plugInModem();  // exported by ModemManager when this returns
//     ... the code under test talks to org.freedesktop.ModemManager1 on QDBusConnection::systemBus() ...
//     modem->refuseNextSend(500); bench.polkit().refuse(PolkitAuthority::messaging); bench.unplugModem(*modem);
//     if (QTest::currentTestFailed()) qInfo().noquote() << bench.diagnostics();
//     bench.stopModemManager();                   // between test functions: the next starts afresh
class ModemTestBench {
public:
    ModemTestBench();
    ~ModemTestBench();
    ModemTestBench(const ModemTestBench&) = delete;
    ModemTestBench& operator=(const ModemTestBench&) = delete;

    // The bus and the polkit authority; false with errorString() when a tool is missing or fails.
    bool start();
    // ModemManager, without modems; a test of "ModemManager not running" leaves this out.
    bool startModemManager();
    // Unplugs every modem, then stops ModemManager.
    void stopModemManager();

    // A new simulated modem, added to ModemManager; returns once ModemManager exported it (enabled or
    // not: a new modem is disabled, a PIN-locked one stays locked). Null, with errorString(), on failure.
    SimulatedModem* plugInModem(const ModemProfile& profile = {});
    // The modem's object path under /org/freedesktop/ModemManager1/Modem/.
    QString modemPath(const SimulatedModem& modem) const;
    // The modem closes its port and ModemManager removes it from the bus (InterfacesRemoved follows).
    bool unplugModem(SimulatedModem& modem);

    PolkitAuthority& polkit() { return polkit_; }
    QString busAddress() const { return bus_.address(); }
    QString errorString() const { return error_; }
    // ModemManager's debug log, each modem's AT dialogue and the helpers' output: print it when a test
    // fails.
    QString diagnostics() const;

private:
    struct Plugged {
        std::unique_ptr<SimulatedModem> modem;
        QString profileId;
        QString path;
    };

    bool fail(const QString& why);
    const Plugged* find(const SimulatedModem& modem) const;

    QTemporaryDir directory_;
    PrivateBus bus_;
    PolkitAuthority polkit_;
    ModemManagerProcess modemManager_;
    std::vector<Plugged> modems_;
    int modemsPlugged_ = 0;
    QString error_;
};

} // namespace velmora::test
