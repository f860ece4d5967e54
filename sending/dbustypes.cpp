#include "dbustypes.h"

#include <QDBusMetaType>

namespace velmora {

void registerDBusTypes()
{
    qDBusRegisterMetaType<InterfaceProperties>();
    qDBusRegisterMetaType<ManagedObjects>();
}

} // namespace velmora
