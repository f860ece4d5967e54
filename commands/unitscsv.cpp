#include "unitscsv.h"

#include "encoding.h"
#include "unitfields.h"

#include <algorithm>
#include <array>

namespace velmora {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::array<std::string_view, 3> kHeaderNames = {"nazwa", "numer", "uwagi"};

using Fields = std::vector<std::string>;

// Reads a file's rows one at a time, quotes honoured: a row ends at a line break outside quotes.
class RowReader {
public:
    explicit RowReader(std::string_view text) : rest_(text) {}

    bool atEnd() const { return rest_.empty(); }
    // The row last read, as a spreadsheet numbers it: a line break inside quotes starts no new row.
    std::size_t row() const { return row_; }
    // The next row's fields, or why it cannot be read.
    std::variant<Fields, std::string> next();

private:
    std::optional<std::string> readQuoted(std::string& field);
    void readPlain(std::string& field);

    std::string_view rest_;
    std::size_t row_ = 0;
};

std::variant<Fields, std::string> RowReader::next()
{
    ++row_;
    Fields fields(1);
    for (;;) {
        if (rest_.starts_with('"')) {
            if (auto fault = readQuoted(fields.back())) {
                return *std::move(fault);
            }
        } else {
            readPlain(fields.back());
        }
        if (rest_.starts_with(';')) {
            rest_.remove_prefix(1);
            fields.emplace_back();
            continue;
        }
        if (rest_.starts_with("\r\n")) {
            rest_.remove_prefix(2);
        } else if (rest_.starts_with('\n')) {
            rest_.remove_prefix(1);
        } else if (!rest_.empty()) {
            return std::string("po cudzysłowie zamykającym pole jest tekst zamiast „;” lub końca wiersza");
        }
        return fields;
    }
}

// A field in quotes: a doubled quote stands for one, and a line break inside is kept as "\n".
std::optional<std::string> RowReader::readQuoted(std::string& field)
{
    rest_.remove_prefix(1);
    for (;;) {
        const std::size_t quote = rest_.find('"');
        if (quote == std::string_view::npos) {
            return std::string("pole otwarte cudzysłowem nie ma cudzysłowu zamykającego");
        }
        for (std::string_view piece = rest_.substr(0, quote); !piece.empty();) {
            const std::size_t crlf = piece.find("\r\n");
            field.append(piece.substr(0, crlf));
            piece.remove_prefix(crlf == std::string_view::npos ? piece.size() : crlf + 1);
        }
        rest_.remove_prefix(quote + 1);
        if (!rest_.starts_with('"')) {
            return std::nullopt;
        }
        field += '"';
        rest_.remove_prefix(1);
    }
}

// A field without quotes runs to the next ";" or line break; a quote inside is taken as it stands.
void RowReader::readPlain(std::string& field)
{
    const std::size_t end = std::min(rest_.find_first_of(";\n"), rest_.size());
    std::string_view piece = rest_.substr(0, end);
    // "\r" ends the line only with "\n" after it, or at the end of the file.
    if (piece.ends_with('\r') && (end == rest_.size() || rest_[end] == '\n')) {
        piece.remove_suffix(1);
    }
    field.append(piece);
    rest_.remove_prefix(end);
}

bool isHeader(const Fields& fields)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::equal(fields.begin(), fields.end(), kHeaderNames.begin(), kHeaderNames.end(),
                      [&](const std::string& field, std::string_view name) {
                          return std::equal(field.begin(), field.end(), name.begin(), name.end(),
                                            [&](char a, char b) { return lower(a) == b; });
                      });
}

bool isUtf8(std::string_view text)
{
    for (Utf8Reader reader(text); !reader.atEnd();) {
        if (reader.next() == Utf8Reader::kInvalid) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> recordFault(const UnitRecord& record, std::size_t row, const UnitRecordCheck& check)
{
    if (!isUtf8(record.number)) {
        return std::string("tekst nie jest zapisany w kodowaniu UTF-8");
    }
    if (auto fault = unitNameFault(record.name)) {
        return fault;
    }
    if (auto fault = unitNotesFault(record.notes)) {
        return fault;
    }
    return check ? check(record, row) : std::nullopt;
}

std::string fieldText(std::string_view field)
{
    if (field.find_first_of(";\"\r\n") == std::string_view::npos) {
        return std::string(field);
    }
    std::string quoted = "\"";
    for (const char c : field) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

} // namespace

std::string UnitsCsvRefusal::message() const
{
    return row == 0 ? reason : "Wiersz " + std::to_string(row) + ": " + reason + ".";
}

std::variant<std::vector<UnitRecord>, UnitsCsvRefusal> readUnitsCsv(std::string_view text, const UnitRecordCheck& check)
{
    if (text.size() > kUnitsCsvLimit) {
        return UnitsCsvRefusal{"Plik jest za duży jak na listę central."};
    }
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    if (text.empty()) {
        return UnitsCsvRefusal{"Plik jest pusty."};
    }
    RowReader reader(text);
    const auto header = reader.next();
    if (!std::holds_alternative<Fields>(header) || !isHeader(std::get<Fields>(header))) {
        return UnitsCsvRefusal{"Pierwszy wiersz pliku nie jest nagłówkiem „" + std::string(kUnitsCsvHeader) + "”."};
    }
    std::vector<UnitRecord> records;
    while (!reader.atEnd()) {
        auto read = reader.next();
        if (auto* fault = std::get_if<std::string>(&read)) {
            return UnitsCsvRefusal{std::move(*fault), reader.row()};
        }
        Fields& fields = std::get<Fields>(read);
        if (fields.size() == 1 && fields.front().empty()) {
            continue; // an empty row, as spreadsheets leave between blocks
        }
        if (fields.size() != kHeaderNames.size()) {
            return UnitsCsvRefusal{"liczba pól w wierszu to " + std::to_string(fields.size()) +
                                       ", a powinny być trzy: nazwa, numer i uwagi",
                                   reader.row()};
        }
        UnitRecord record{std::move(fields[0]), std::move(fields[1]), std::move(fields[2])};
        if (auto fault = recordFault(record, reader.row(), check)) {
            return UnitsCsvRefusal{*std::move(fault), reader.row()};
        }
        records.push_back(std::move(record));
    }
    if (records.empty()) {
        return UnitsCsvRefusal{"Plik nie zawiera żadnej centrali."};
    }
    return records;
}

std::string writeUnitsCsv(std::span<const UnitRecord> records)
{
    std::string text(kByteOrderMark);
    text.append(kUnitsCsvHeader).append("\r\n");
    for (const UnitRecord& record : records) {
        text.append(fieldText(record.name)).append(";").append(fieldText(record.number)).append(";");
        text.append(fieldText(record.notes)).append("\r\n");
    }
    return text;
}

} // namespace velmora
