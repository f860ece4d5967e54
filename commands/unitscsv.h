#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora {

// A units file lists the register's units without their IKU codes, as a spreadsheet saves it: UTF-8 text,
// fields separated by ";", a header line, one unit per row:
//
//   nazwa;numer;uwagi
//   Dom Kowalskich;48601123456;"ul. Polna 3; furtka od podwórza"
//   Sklep;48602000111;"Klucz u sąsiada
//   (pan Nowak)"
//
// A field holding ";", a quote or a line break is put in quotes, a quote inside doubled. Reading also takes
// what spreadsheets add: a byte order mark, lines ended by "\r\n", quoted fields that need no quotes, empty
// rows, and the header's words in capitals.
inline constexpr std::string_view kUnitsCsvHeader = "nazwa;numer;uwagi";

// Larger files are refused unread: ten thousand units with long notes take a few megabytes.
inline constexpr std::size_t kUnitsCsvLimit = 32 * 1024 * 1024;

// One unit of a units file.
struct UnitRecord {
    std::string name;
    std::string number;
    std::string notes;

    bool operator==(const UnitRecord&) const = default;
};

// Why a file is not read. `row` is the row a spreadsheet shows it in, the header being row 1; 0 when the
// file as a whole is at fault.
struct UnitsCsvRefusal {
    std::string reason;
    std::size_t row = 0;

    // The reason as a sentence, with its row.
    std::string message() const;

    bool operator==(const UnitsCsvRefusal&) const = default;
};

// What the reader cannot judge by itself, such as the number's form or whether another unit has it: why the
// record in `row` is refused, or nothing.
using UnitRecordCheck = std::function<std::optional<std::string>(const UnitRecord& record, std::size_t row)>;

// The records of a whole file, each with a name and notes the unit rules accept (unitfields.h) and passing
// `check`, or why the file is refused: the first fault, as a file with one bad row is refused whole.
std::variant<std::vector<UnitRecord>, UnitsCsvRefusal> readUnitsCsv(std::string_view text,
                                                                    const UnitRecordCheck& check);

// The file for these records: a byte order mark (so that a spreadsheet reads the file as UTF-8), the header,
// then one row each, every line ended by "\r\n"; a line break inside notes stays "\n".
std::string writeUnitsCsv(std::span<const UnitRecord> records);

} // namespace velmora
