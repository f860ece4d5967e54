#include "modemmanagertypes.h"

#include <QDBusMetaType>

namespace velmora::test {

void registerModemManagerTypes()
{
    // QtDBus (6.4) connects a proxy's signal only when it finds each argument's type by the name moc wrote,
    // and fails silently otherwise: QDBusObjectPath is not known by name until something registers it, and
    // the aliases need their own names.
    qRegisterMetaType<QDBusObjectPath>("QDBusObjectPath");
    qRegisterMetaType<InterfaceProperties>("velmora::test::InterfaceProperties");
    qRegisterMetaType<ManagedObjects>("velmora::test::ManagedObjects");
    qDBusRegisterMetaType<InterfaceProperties>();
    qDBusRegisterMetaType<ManagedObjects>();
}

} // namespace velmora::test
