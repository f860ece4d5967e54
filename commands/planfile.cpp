#include "planfile.h"

#include "encoding.h"
#include "ikucode.h"
#include "rules.h"
#include "systemparameters.h"

#include <algorithm>
#include <array>
#include <vector>

namespace velmora {
namespace {

constexpr std::string_view kTrailer = "koniec ";

// What follows a command's code, as the pages compose it.
enum class Fields {
    None,            // "#S#"
    Number,          // "#L#10#"
    NoneOrNumber,    // "#P#" or "#P#2#"
    UserNumbers,     // five numbers, each possibly empty: "#G#48601123456#####"
    Selection,       // numbers, or "W" for all: "#C#1#3#", "#CN#W#"
    Mask,            // ones and zeros: "#SM#10100#"
    NumberAndName,   // "#MCI#3#Kuchnia#"
    Name,            // "#N#Dom#"
    NumberAndPeriod, // "#TC#1#24#"
    TestSms,         // "#TS#1#24#Test#": the text, last, may hold "#"
};

struct ComposedCode {
    std::string_view code;
    Fields fields;
};

// The command codes the pages compose, each followed by "#"; the balance check number "#K…" is apart.
constexpr std::array<ComposedCode, 35> kComposedCodes = {{
    {"0", Fields::Number},
    {"A", Fields::Number},
    {"AN", Fields::Selection},
    {"C", Fields::Selection},
    {"CIN", Fields::Selection},
    {"CM", Fields::Mask},
    {"CMW", Fields::Mask},
    {"CMZ", Fields::Mask},
    {"CN", Fields::Selection},
    {"D", Fields::None},
    {"DN", Fields::None},
    {"E", Fields::Number},
    {"F", Fields::None},
    {"G", Fields::UserNumbers},
    {"GN", Fields::Selection},
    {"L", Fields::Number},
    {"MCI", Fields::NumberAndName},
    {"N", Fields::Name},
    {"NK", Fields::Number},
    {"o", Fields::Selection},
    {"ON", Fields::Selection},
    {"P", Fields::NoneOrNumber},
    {"PN", Fields::Selection},
    {"RI", Fields::NumberAndName},
    {"RIN", Fields::Selection},
    {"RM", Fields::Mask},
    {"RN", Fields::None},
    {"S", Fields::None},
    {"SM", Fields::Mask},
    {"TC", Fields::NumberAndPeriod},
    {"TK", Fields::Number},
    {"TR", Fields::Number},
    {"TS", Fields::TestSms},
    {"TU", Fields::Number},
    {"Z", Fields::Mask},
}};
constexpr std::size_t kUserNumberCount = 5;
constexpr std::size_t kTestSmsNumbers = 2;

// The fields between the code's "#" and the closing one; the test SMS text, last, is taken whole.
std::vector<std::string_view> splitFields(std::string_view fields, std::size_t most)
{
    std::vector<std::string_view> split;
    if (fields.empty()) {
        return split;
    }
    while (split.size() + 1 < most) {
        const std::size_t end = fields.find('#');
        if (end == std::string_view::npos) {
            break;
        }
        split.push_back(fields.substr(0, end));
        fields.remove_prefix(end + 1);
    }
    split.push_back(fields);
    return split;
}

bool isNumber(std::string_view field)
{
    return !field.empty() && isDigitsOnly(field);
}

bool isMask(std::string_view field)
{
    return !field.empty() && field.find_first_not_of("01") == std::string_view::npos;
}

// Whether the fields have the form the pages give this code: a stray or missing "#" shows as a wrong count.
bool hasComposedForm(Fields form, std::string_view fields)
{
    const std::vector<std::string_view> split =
        splitFields(fields, form == Fields::TestSms ? kTestSmsNumbers + 1 : std::string_view::npos);
    const auto all = [&](auto test) { return std::all_of(split.begin(), split.end(), test); };
    switch (form) {
    case Fields::None:
        return split.empty();
    case Fields::Number:
        return split.size() == 1 && isNumber(split[0]);
    case Fields::NoneOrNumber:
        return split.empty() || (split.size() == 1 && isNumber(split[0]));
    case Fields::UserNumbers:
        return split.size() == kUserNumberCount && all([](std::string_view f) { return f.empty() || isDigitsOnly(f); });
    case Fields::Selection:
        return (split.size() == 1 && split[0] == "W") || (!split.empty() && all(isNumber));
    case Fields::Mask:
        return split.size() == 1 && isMask(split[0]);
    case Fields::NumberAndName:
        return split.size() == 2 && isNumber(split[0]);
    case Fields::Name:
        return split.size() == 1;
    case Fields::NumberAndPeriod:
        return split.size() == 2 && all(isNumber);
    case Fields::TestSms:
        return split.size() == kTestSmsNumbers + 1 && isNumber(split[0]) && isNumber(split[1]);
    }
    return false;
}

constexpr std::string_view kBalanceCheckCode = "#K";
constexpr std::size_t kShownCodeLimit = 12;

// What the unit reads: no control character, nothing above code 125. "#" separates the arguments.
const TextAndLength kUnitCharacters{TextAndLength::kNoLimit, "", "", /*forbidHash*/ false, /*highestCode*/ 125};
// Titles are the pages' own operation names: printable Windows-1250 text of a line.
const TextAndLength kTitleCharacters{TextAndLength::kNoLimit, "", "", /*forbidHash*/ false, /*highestCode*/ 255};

bool startsWithIku(std::string_view command)
{
    return command.size() > kIkuLength && isDigitsOnly(command.substr(0, kIkuLength)) && command[kIkuLength] == '#';
}

std::optional<std::string> titleFault(std::string_view title)
{
    if (title.empty()) {
        return "brak tytułu operacji";
    }
    if (characterCount(title) > kPlanTitleLimit) {
        return "tytuł operacji jest dłuższy niż " + std::to_string(kPlanTitleLimit) + " znaków";
    }
    if (kTitleCharacters(title)) {
        return std::string("tytuł operacji zawiera niedozwolony znak");
    }
    return std::nullopt;
}

std::variant<PlanEntry, std::string> readRow(std::string_view line)
{
    const std::size_t tab = line.find('\t');
    if (tab == std::string_view::npos) {
        return std::string("brak tabulatora między tytułem operacji a poleceniem");
    }
    PlanEntry entry{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
    if (auto fault = titleFault(entry.title)) {
        return *std::move(fault);
    }
    if (auto fault = planCommandFault(entry.command)) {
        return *std::move(fault);
    }
    return entry;
}

// A count line's number; none for anything else, or for a count past any real plan.
std::optional<std::size_t> countOf(std::string_view digits)
{
    if (digits.empty() || digits.size() > 6 || !isDigitsOnly(digits)) {
        return std::nullopt;
    }
    return std::stoul(std::string(digits));
}

// The file's lines, each without its "\n" (and a "\r" before it, as editors on other systems write).
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

std::optional<PlanRefusal> headerFault(std::string_view header)
{
    const PlanRefusal notAPlan{"To nie jest plik planu wysyłki."};
    if (!header.starts_with(kPlanFormatName) || header.substr(kPlanFormatName.size(), 1) != " ") {
        return notAPlan;
    }
    const std::string_view version = header.substr(kPlanFormatName.size() + 1);
    if (version.empty() || !isDigitsOnly(version) || compareDecimal(version, 0) == 0) {
        return notAPlan;
    }
    if (compareDecimal(version, kPlanFormatVersion) > 0) {
        return PlanRefusal{"Plan zapisała nowsza wersja programu; ta wersja czyta plany w wersji " +
                           std::to_string(kPlanFormatVersion) + "."};
    }
    return std::nullopt;
}

} // namespace

std::string PlanRefusal::message() const
{
    if (row == 0) {
        return reason;
    }
    return "Polecenie " + std::to_string(row) + " planu (wiersz " + std::to_string(row + 1) + " pliku): " + reason +
           ".";
}

std::optional<std::string> planCommandFault(std::string_view command)
{
    if (startsWithIku(command)) {
        return std::string("polecenie zawiera kod IKU, którego plan nie przechowuje");
    }
    if (!command.starts_with('#')) {
        return std::string("polecenie nie zaczyna się znakiem „#”");
    }
    // The balance check number is the one text a page lets through with codes up to 255: a plan saved from it
    // must open again.
    if (command.starts_with(kBalanceCheckCode)) {
        const std::string_view number = command.substr(kBalanceCheckCode.size());
        if (number.empty()) {
            return std::string("brak numeru badania stanu konta po „#K”");
        }
        if (balanceCheckNumberRule()(number)) {
            return std::string("numer badania stanu konta zawiera znak sterujący lub nieznany centrali");
        }
        return std::nullopt;
    }
    if (kUnitCharacters(command)) {
        return std::string(
            "polecenie zawiera znak, którego centrala nie przyjmie (sterujący lub o kodzie powyżej 125)");
    }
    const std::size_t codeEnd = command.find('#', 1);
    const std::string_view code = command.substr(1, codeEnd == std::string_view::npos ? command.npos : codeEnd - 1);
    const auto* composed = std::find_if(kComposedCodes.begin(), kComposedCodes.end(),
                                        [&](const ComposedCode& known) { return known.code == code; });
    if (composed == kComposedCodes.end()) {
        const std::string shown(code.substr(0, kShownCodeLimit));
        return "nieznany kod polecenia „" + shown + (code.size() > kShownCodeLimit ? "…" : "") + "”";
    }
    if (codeEnd == std::string_view::npos || !command.ends_with('#')) {
        return std::string("polecenie nie kończy się znakiem „#”");
    }
    const std::string_view fields = command.substr(std::min(codeEnd + 1, command.size() - 1));
    if (!hasComposedForm(composed->fields, fields.substr(0, fields.size() - 1))) {
        return "pola polecenia „" + std::string(code) +
               "” nie mają postaci, jaką składa program (np. zbędny lub brakujący znak „#”)";
    }
    return std::nullopt;
}

std::string writePlanFile(std::span<const PlanEntry> entries)
{
    std::string text;
    text.append(kPlanFormatName).append(" ").append(std::to_string(kPlanFormatVersion)).append("\n");
    for (const PlanEntry& entry : entries) {
        const std::size_t hash = entry.command.find('#');
        const std::string_view command =
            std::string_view(entry.command).substr(hash == std::string::npos ? entry.command.size() : hash);
        text.append(entry.title).append("\t").append(command).append("\n");
    }
    text.append(kTrailer).append(std::to_string(entries.size())).append("\n");
    return text;
}

std::variant<std::vector<PlanEntry>, PlanRefusal> readPlanFile(std::string_view text)
{
    if (text.empty()) {
        return PlanRefusal{"Plik jest pusty."};
    }
    if (text.size() > kPlanFileLimit) {
        return PlanRefusal{"Plik jest za duży jak na plan wysyłki."};
    }
    const std::vector<std::string_view> lines = linesOf(text);
    if (auto fault = headerFault(lines.front())) {
        return *std::move(fault);
    }
    // A file cut short ends in the middle of a line or before its count.
    const PlanRefusal cutOff{"Plik planu urywa się przed końcem: część poleceń mogła się nie zapisać."};
    if (!text.ends_with('\n') || lines.size() < 2 || !lines.back().starts_with(kTrailer)) {
        return cutOff;
    }
    const std::optional<std::size_t> count = countOf(lines.back().substr(kTrailer.size()));
    if (!count) {
        return cutOff;
    }
    std::vector<PlanEntry> entries;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        auto row = readRow(lines[i]);
        if (auto* fault = std::get_if<std::string>(&row)) {
            return PlanRefusal{std::move(*fault), i};
        }
        entries.push_back(std::get<PlanEntry>(std::move(row)));
    }
    if (entries.size() != *count) {
        return PlanRefusal{"Plik planu jest niepełny: liczba poleceń na jego końcu (" + std::to_string(*count) +
                           ") nie zgadza się z liczbą poleceń w nim (" + std::to_string(entries.size()) + ")."};
    }
    if (entries.empty()) {
        return PlanRefusal{"Plan nie zawiera żadnego polecenia."};
    }
    return entries;
}

} // namespace velmora
