#pragma once

#include <QDBusObjectPath>
#include <QMap>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace velmora::test {

// a{sa{sv}}: each interface of an object with its properties.
using InterfaceProperties = QMap<QString, QVariantMap>;
// a{oa{sa{sv}}}: what org.freedesktop.DBus.ObjectManager.GetManagedObjects returns.
using ManagedObjects = QMap<QDBusObjectPath, InterfaceProperties>;

// Makes the two dictionaries known to QtDBus; call before the first call or signal that carries them.
void registerModemManagerTypes();

} // namespace velmora::test

Q_DECLARE_METATYPE(velmora::test::InterfaceProperties)
Q_DECLARE_METATYPE(velmora::test::ManagedObjects)
