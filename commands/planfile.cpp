#include "planfile.h"

#include "encoding.h"
#include "grammar.h"
#include "ikucode.h"
#include "rules.h"

#include <algorithm>
#include <vector>

namespace velmora {
namespace {

constexpr std::string_view kTrailer = "koniec ";
constexpr std::size_t kShownCodeLimit = 12;

// What the unit reads: no control character, nothing above code 125. "#" separates the arguments.
const TextAndLength kUnitCharacters{TextAndLength::kNoLimit, "", "", /*forbidHash*/ false, /*highestCode*/ 125};
// Titles are the pages' own operation names: printable Windows-1250 text of a line.
const TextAndLength kTitleCharacters{TextAndLength::kNoLimit, "", "", /*forbidHash*/ false, /*highestCode*/ 255};

bool startsWithIku(std::string_view command)
{
    return command.size() > kIkuLength && isDigitsOnly(command.substr(0, kIkuLength)) && command[kIkuLength] == '#';
}

std::string quoted(std::string_view text)
{
    return "„" + std::string(text) + "”";
}

// At most kShownCodeLimit characters of a command, as a message quotes them.
std::string shortened(std::string_view text)
{
    return quoted(std::string(text.substr(0, kShownCodeLimit)) + (text.size() > kShownCodeLimit ? "…" : ""));
}

// What a field of a kind holds, as the words after "powinno zawierać" say it.
std::string_view holds(Field kind)
{
    switch (kind) {
    case Field::Number:
        return "same cyfry";
    case Field::Digits:
        return "same cyfry albo nic";
    case Field::Mask:
        return "same zera i jedynki";
    case Field::Selection:
        return "numery, każdy zakończony znakiem „#”, albo samo „W#”";
    case Field::Name:
    case Field::Text:
    case Field::Typed:
        break; // any character the unit reads; the unit's characters are checked before the fields
    }
    return "znaki, które przyjmuje centrala";
}

// One character a field never holds: a stray "#", a letter or another sign.
std::string characterWords(std::string_view character)
{
    if (character == "#") {
        return "zbędny znak „#”";
    }
    const bool letter = (character.front() >= 'a' && character.front() <= 'z') ||
                        (character.front() >= 'A' && character.front() <= 'Z');
    return (letter ? "literę " : "znak ") + quoted(character);
}

// Where a command departs from its form, naming the field by what the user knows it as and what it should hold.
std::string misfitWords(const CommandForm& command, const Misfit& misfit)
{
    const std::string field = misfit.field != nullptr ? "pole " + quoted(misfit.field->name) : std::string();
    switch (misfit.kind) {
    case Misfit::Kind::Missing:
        return "brak pola " + quoted(misfit.field->name);
    case Misfit::Kind::Extra:
        if (misfit.field == nullptr) {
            return "polecenie " + quoted(command.code()) + " nie ma pól, a po jego kodzie jest zbędny tekst " +
                   shortened(misfit.rest);
        }
        return "po polu " + quoted(misfit.field->name) + " jest zbędny tekst " + shortened(misfit.rest);
    case Misfit::Kind::Empty:
        return field + " jest puste, a powinno zawierać " + std::string(holds(misfit.field->kind));
    case Misfit::Kind::BadCharacter:
        if (misfit.field->kind == Field::Typed) {
            return field + " zawiera znak sterujący lub nieznany centrali";
        }
        return field + " zawiera " + characterWords(misfit.rest) + ", a powinno zawierać " +
               std::string(holds(misfit.field->kind));
    }
    return {};
}

// Why a command of characters the unit reads is not one of the commands composed, with its fields in their forms.
// Of two forms of one code ("#P#" with a number and without) the one with more fields says what is wrong.
std::optional<std::string> formFault(std::span<const CommandForm* const> commands, std::string_view command)
{
    const std::size_t codeEnd = command.find('#', 1);
    const std::string_view code = command.substr(1, codeEnd == std::string_view::npos ? command.npos : codeEnd - 1);
    const CommandForm* closest = nullptr;
    for (const CommandForm* known : commands) {
        if (known->code() == code && (closest == nullptr || known->fields().size() > closest->fields().size())) {
            closest = known;
        }
    }
    if (closest == nullptr) {
        return "nieznany kod polecenia " + shortened(code);
    }
    if (codeEnd == std::string_view::npos || !command.ends_with('#')) {
        return std::string("polecenie nie kończy się znakiem „#”");
    }
    if (std::any_of(commands.begin(), commands.end(),
                    [&](const CommandForm* known) { return known->code() == code && known->fits(command); })) {
        return std::nullopt;
    }
    // The command has this code and a "#" after it, so only its fields can be at fault.
    return misfitWords(*closest, *closest->misfit(command));
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
    const std::span<const CommandForm* const> commands = composedCommands();
    const auto typed = std::find_if(commands.begin(), commands.end(), [&](const CommandForm* known) {
        return known->isTyped() && command.substr(1).starts_with(known->code());
    });
    if (typed != commands.end()) {
        // The balance check number, the one typed command, is the one text a page lets through with codes up to
        // 255: its field's own rule decides its characters, so a plan saved from it opens again.
        const std::optional<Misfit> misfit = (*typed)->misfit(command);
        return misfit ? std::optional(misfitWords(**typed, *misfit)) : std::nullopt;
    }
    if (kUnitCharacters(command)) {
        return std::string(
            "polecenie zawiera znak, którego centrala nie przyjmie (sterujący lub o kodzie powyżej 125)");
    }
    return formFault(commands, command);
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
