#pragma once

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QMap>
#include <QString>
#include <QVariantMap>

namespace velmora {

// The D-Bus ObjectManager's answer: each object's interfaces with their properties.
using InterfaceProperties = QMap<QString, QVariantMap>;
using ManagedObjects = QMap<QDBusObjectPath, InterfaceProperties>;

// A phone number as KDE Connect takes it: a structure of one string.
struct PhoneAddress {
    QString number;
};

// Makes the types above known to QtDBus; call before the first call that carries them.
void registerDBusTypes();

} // namespace velmora

QDBusArgument& operator<<(QDBusArgument& argument, const velmora::PhoneAddress& address);
const QDBusArgument& operator>>(const QDBusArgument& argument, velmora::PhoneAddress& address);

Q_DECLARE_METATYPE(velmora::PhoneAddress)
Q_DECLARE_METATYPE(velmora::InterfaceProperties)
Q_DECLARE_METATYPE(velmora::ManagedObjects)
