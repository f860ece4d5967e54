#include "interfacecheck.h"

#include <QMap>
#include <QXmlStreamReader>

namespace velmora::test {

namespace {

// Each member of each interface as "kind name" -> its arguments as "direction type" (properties: "type access").
using Members = QMap<QString, QStringList>;
using Interfaces = QMap<QString, Members>;

Interfaces read(const QString& xml)
{
    Interfaces interfaces;
    QXmlStreamReader reader(xml);
    QString interface;
    QString member;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = reader.name();
        const auto attributes = reader.attributes();
        if (name == QLatin1String("interface")) {
            interface = attributes.value(QLatin1String("name")).toString();
            interfaces[interface];
        } else if (name == QLatin1String("method") || name == QLatin1String("signal")) {
            member = name.toString() + QLatin1Char(' ') + attributes.value(QLatin1String("name")).toString();
            interfaces[interface][member];
        } else if (name == QLatin1String("property")) {
            member = QStringLiteral("property ") + attributes.value(QLatin1String("name")).toString();
            interfaces[interface][member] = {attributes.value(QLatin1String("type")).toString() + QLatin1Char(' ') +
                                             attributes.value(QLatin1String("access")).toString()};
        } else if (name == QLatin1String("arg")) {
            // Signal arguments have no direction; method arguments are "in" unless they say otherwise.
            QString direction = attributes.value(QLatin1String("direction")).toString();
            if (direction.isEmpty() && member.startsWith(QLatin1String("method"))) {
                direction = QStringLiteral("in");
            }
            interfaces[interface][member]
                << direction + QLatin1Char(' ') + attributes.value(QLatin1String("type")).toString();
        }
    }
    return interfaces;
}

} // namespace

QStringList interfaceDifferences(const QString& programXml, const QString& serviceXml)
{
    const Interfaces program = read(programXml);
    const Interfaces service = read(serviceXml);
    QStringList differences;
    for (auto interface = program.cbegin(); interface != program.cend(); ++interface) {
        if (!service.contains(interface.key())) {
            differences << QStringLiteral("%1: not offered").arg(interface.key());
            continue;
        }
        const Members& offered = service[interface.key()];
        for (auto member = interface->cbegin(); member != interface->cend(); ++member) {
            if (!offered.contains(member.key())) {
                differences << QStringLiteral("%1: no %2").arg(interface.key(), member.key());
            } else if (offered[member.key()] != member.value()) {
                differences << QStringLiteral("%1: %2 is (%3), not (%4)")
                                   .arg(interface.key(), member.key(), offered[member.key()].join(QStringLiteral(", ")),
                                        member->join(QStringLiteral(", ")));
            }
        }
    }
    return differences;
}

} // namespace velmora::test
