#pragma once

#include <QDBusObjectPath>
#include <QMap>
#include <QString>
#include <QVariantMap>

namespace velmora {

// The D-Bus ObjectManager's answer: each object's interfaces with their properties.
using InterfaceProperties = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, InterfaceProperties>;

// Makes the types above known to QtDBus; call before the first call that carries them.
void registerDBusTypes();

} // namespace velmora
