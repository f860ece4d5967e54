#include "dbustypes.h"

#include <QDBusMetaType>

namespace velmora {

void registerDBusTypes()
{
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
