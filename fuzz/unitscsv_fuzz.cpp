// Units files as the user might import them: any bytes, saved by any spreadsheet, edited by hand, cut anywhere.
#include "check.h"
#include "encoding.h"
#include "unitfields.h"
#include "unitscsv.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace velmora;
using namespace velmora::fuzz;

namespace {

// A stand-in for the register's number rule, so that the reader's use of its check is covered too.
std::optional<std::string> digitsOnly(const UnitRecord& record, std::size_t /*row*/)
{
    if (record.number.empty() || !isDigitsOnly(record.number)) {
        return std::string("zły numer");
    }
    return std::nullopt;
}

// A spreadsheet shows at most one row per line of the file, and the header is one of them.
std::size_t rowsShown(const std::string& text)
{
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
}

void checkRecord(const UnitRecord& record)
{
    require(!unitNameFault(record.name), "an imported name passes the name rule", record.name);
    require(!unitNotesFault(record.notes), "imported notes pass the notes rule", record.notes);
    require(!digitsOnly(record, 0), "an imported number passed the check", record.number);
    require(record.notes.find('\r') == std::string::npos, "a line break in notes is kept as \"\\n\"", record.notes);
}

// What was imported is exported in a form that imports to the same records.
void checkRoundTrip(const std::vector<UnitRecord>& records)
{
    const std::string written = writeUnitsCsv(records);
    require(written.starts_with("\xEF\xBB\xBFnazwa;numer;uwagi\r\n"), "an export starts with the mark and header",
            written);
    const auto again = readUnitsCsv(written, digitsOnly);
    require(std::holds_alternative<std::vector<UnitRecord>>(again) &&
                std::get<std::vector<UnitRecord>>(again) == records,
            "an exported file imports to the records it was written from", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto read = readUnitsCsv(text, digitsOnly);
    if (const auto* refusal = std::get_if<UnitsCsvRefusal>(&read)) {
        require(!refusal->reason.empty(), "a refusal names a message");
        require(refusal->row <= rowsShown(text), "a refused row is one of the file's rows", refusal->message());
        return 0;
    }
    const auto& records = std::get<std::vector<UnitRecord>>(read);
    require(!records.empty(), "an imported file has a unit");
    std::for_each(records.begin(), records.end(), checkRecord);
    checkRoundTrip(records);
    return 0;
}
