#pragma once

#include <QString>
#include <QStringList>

namespace velmora::test {

// Where the program's description of a D-Bus interface (the XML its proxies are generated from) parts from the
// service's own introspection: each member the program uses must exist there with the same arguments, in the
// same directions and of the same types, and each property with the same type. The service may have more.
// Empty when they agree; otherwise one line per difference, naming the interface and member.
QStringList interfaceDifferences(const QString& programXml, const QString& serviceXml);

} // namespace velmora::test
