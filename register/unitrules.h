#pragma once

#include <QString>
#include <optional>

namespace velmora {

// The fields a user gives a unit, in the dialog or a units file.
struct UnitFields {
    QString name;
    // The number of the unit's SIM card as the send window takes it: country code and number, digits only.
    QString number;
    // Free text over any number of lines: the address, the customer.
    QString notes;

    bool operator==(const UnitFields&) const = default;
};

// Why the fields cannot be kept, as a clause ("brak nazwy centrali"); nothing when they can. Whether another
// unit has the number is the register's to say (numberTakenFault).
std::optional<QString> unitFieldsFault(const UnitFields& fields);

// The clause for a number another unit already has.
QString numberTakenFault(const QString& number, const QString& holder);

// A clause made the sentence the dialog's error box shows.
QString asSentence(const QString& clause);

// The text the filter compares: lower case, accents taken off and "ł" read as "l", so "lodz" finds "Łódź".
QString foldedForSearch(const QString& text);

// The last nine digits of a number, the national part that isSameNumber() compares: two numbers that reach
// the same phone have the same tail.
QString numberTail(const QString& number);

} // namespace velmora
