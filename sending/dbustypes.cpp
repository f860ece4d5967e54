#include "dbustypes.h"

#include <QDBusMetaType>

namespace velmora {

void registerDBusTypes()
{
    // QtDBus connects a proxy's signal only when it finds each argument's type by the name moc wrote, and fails
    // silently otherwise: QDBusObjectPath is not known by that name until something registers it, and the
    // aliases need their own names.
    qRegisterMetaType<QDBusObjectPath>("QDBusObjectPath");
    qRegisterMetaType<InterfaceProperties>("velmora::InterfaceProperties");
    qRegisterMetaType<ManagedObjects>("velmora::ManagedObjects");
    qDBusRegisterMetaType<InterfaceProperties>();
    qDBusRegisterMetaType<ManagedObjects>();
    qDBusRegisterMetaType<PhoneAddress>();
    qDBusRegisterMetaType<QList<PhoneAddress>>();
}

} // namespace velmora

QDBusArgument& operator<<(QDBusArgument& argument, const velmora::PhoneAddress& address)
{
    argument.beginStructure();
    argument << address.number;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, velmora::PhoneAddress& address)
{
    argument.beginStructure();
    argument >> address.number;
    argument.endStructure();
    return argument;
}
