#include "planfile.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace std::literals;

namespace {

const std::vector<PlanEntry> kRows = {
    {"Definiowanie Centrum SMS", "5317#0#48601000310#"},
    {"Definiowanie nagłówka komunikatów SMS", "5317#N#Dom {lato}#"},
    {"Definiowanie numeru badania stanu konta", "5317#K*101#"},
};

std::vector<PlanEntry> readRows(std::string_view text)
{
    auto read = readPlanFile(text);
    if (auto* refusal = std::get_if<PlanRefusal>(&read)) {
        ADD_FAILURE() << refusal->message();
        return {};
    }
    return std::get<std::vector<PlanEntry>>(read);
}

std::string refusalOf(std::string_view text)
{
    auto read = readPlanFile(text);
    if (!std::holds_alternative<PlanRefusal>(read)) {
        return "accepted";
    }
    return std::get<PlanRefusal>(read).message();
}

} // namespace

TEST(PlanFile, IsWrittenAsTheReadmeShowsIt)
{
    const std::vector<PlanEntry> rows = {{"Definiowanie Centrum SMS", "0123#0#48601000310#"},
                                         {"Definiowanie trybu serwisowego", "0123#S#"}};
    EXPECT_EQ(writePlanFile(rows), "velmora-sms-plan 1\n"
                                   "Definiowanie Centrum SMS\t#0#48601000310#\n"
                                   "Definiowanie trybu serwisowego\t#S#\n"
                                   "koniec 2\n");
}

TEST(PlanFile, ReadsBackWhatItWroteWithoutTheIku)
{
    const std::string text = writePlanFile(kRows);
    EXPECT_EQ(text.find("5317"), std::string::npos) << text;
    const std::vector<PlanEntry> expected = {
        {"Definiowanie Centrum SMS", "#0#48601000310#"},
        {"Definiowanie nagłówka komunikatów SMS", "#N#Dom {lato}#"},
        {"Definiowanie numeru badania stanu konta", "#K*101#"},
    };
    EXPECT_EQ(readRows(text), expected);
    // Read rows carry no code to cut: writing them again gives the same file.
    EXPECT_EQ(writePlanFile(expected), text);
}

TEST(PlanFile, ReadsLinesEndedTheWindowsWay)
{
    EXPECT_EQ(readRows("velmora-sms-plan 1\r\nDefiniowanie trybu serwisowego\t#S#\r\nkoniec 1\r\n"),
              (std::vector<PlanEntry>{{"Definiowanie trybu serwisowego", "#S#"}}));
}

// An argument may be empty, and a header is composed empty too: "#N##" is a header, not a stray "#".
TEST(PlanFile, TakesAnEmptyFieldWhereThePagesComposeOne)
{
    const std::vector<PlanEntry> rows = {{"Definiowanie nagłówka komunikatów SMS", "#N##"},
                                         {"Dezaktywacja opcji SMS testowego", "#TS#0#0##"},
                                         {"Definiowanie numerów użytkowników", "#G######"},
                                         {"Definiowanie nazwy czujki", "#MCI#3##"}};
    EXPECT_EQ(readRows(writePlanFile(rows)), rows);
}

TEST(PlanFile, RefusesABadFileWhole)
{
    const std::string header = "velmora-sms-plan 1\n";
    const std::string good = "Definiowanie trybu serwisowego\t#S#\n";
    struct Case {
        std::string what;
        std::string text;
        std::string refusal;
    };
    const Case cases[] = {
        {"empty", "", "Plik jest pusty."},
        {"another file", "[Desktop Entry]\nName=Velmora\n", "To nie jest plik planu wysyłki."},
        {"name without a version", "velmora-sms-plan\n" + good + "koniec 1\n", "To nie jest plik planu wysyłki."},
        {"version zero", "velmora-sms-plan 0\n" + good + "koniec 1\n", "To nie jest plik planu wysyłki."},
        {"version not a number", "velmora-sms-plan 1a\n" + good + "koniec 1\n", "To nie jest plik planu wysyłki."},
        {"newer version", "velmora-sms-plan 2\n" + good + "koniec 1\n",
         "Plan zapisała nowsza wersja programu; ta wersja czyta plany w wersji 1."},
        {"newer version, long", "velmora-sms-plan 100000000000000000001\n" + good + "koniec 1\n",
         "Plan zapisała nowsza wersja programu; ta wersja czyta plany w wersji 1."},
        {"header only", header, "Plik planu urywa się przed końcem: część poleceń mogła się nie zapisać."},
        {"cut inside a row", header + good + "Definiowanie trybu",
         "Plik planu urywa się przed końcem: część poleceń mogła się nie zapisać."},
        {"cut after a row", header + good, "Plik planu urywa się przed końcem: część poleceń mogła się nie zapisać."},
        {"cut inside the count", header + good + "koniec 1",
         "Plik planu urywa się przed końcem: część poleceń mogła się nie zapisać."},
        {"count not a number", header + good + "koniec jeden\n",
         "Plik planu urywa się przed końcem: część poleceń mogła się nie zapisać."},
        {"rows lost", header + good + "koniec 3\n",
         "Plik planu jest niepełny: liczba poleceń na jego końcu (3) nie zgadza się z liczbą poleceń w nim (1)."},
        {"no rows", header + "koniec 0\n", "Plan nie zawiera żadnego polecenia."},
        {"row without a tab", header + good + "Definiowanie trybu serwisowego #S#\nkoniec 2\n",
         "Polecenie 2 planu (wiersz 3 pliku): brak tabulatora między tytułem operacji a poleceniem."},
        {"row without a title", header + "\t#S#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): brak tytułu operacji."},
        {"title with a control character", header + "Tryb\x1b serwisowy\t#S#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): tytuł operacji zawiera niedozwolony znak."},
        {"title in broken UTF-8", header + "Tryb \xc5 serwisowy\t#S#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): tytuł operacji zawiera niedozwolony znak."},
        {"title too long", header + std::string(201, 'a') + "\t#S#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): tytuł operacji jest dłuższy niż 200 znaków."},
        {"command with its IKU code", header + good + "Definiowanie trybu serwisowego\t1234#S#\nkoniec 2\n",
         "Polecenie 2 planu (wiersz 3 pliku): polecenie zawiera kod IKU, którego plan nie przechowuje."},
        {"command without its first #", header + "Definiowanie trybu serwisowego\tS#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): polecenie nie zaczyna się znakiem „#”."},
        {"empty command", header + "Definiowanie trybu serwisowego\t\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): polecenie nie zaczyna się znakiem „#”."},
        {"unknown code", header + good + good + "Coś\t#X#1#\nkoniec 3\n",
         "Polecenie 3 planu (wiersz 4 pliku): nieznany kod polecenia „X”."},
        {"code in the wrong case", header + "Definiowanie trybu serwisowego\t#s#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): nieznany kod polecenia „s”."},
        {"long unknown code", header + "Coś\t#ABCDEFGHIJKLMNOP#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): nieznany kod polecenia „ABCDEFGHIJKL…”."},
        {"only a #", header + "Coś\t#\nkoniec 1\n", "Polecenie 1 planu (wiersz 2 pliku): nieznany kod polecenia „”."},
        {"code never closed", header + "Definiowanie trybu serwisowego\t#S\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): polecenie nie kończy się znakiem „#”."},
        {"argument never closed", header + "Definiowanie nagłówka\t#N#Dom\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): polecenie nie kończy się znakiem „#”."},
        {"character above 125", header + "Definiowanie nagłówka\t#N#Dom~#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): polecenie zawiera znak, którego centrala nie przyjmie (sterujący lub "
         "o kodzie powyżej 125)."},
        {"Polish letter", header + "Definiowanie nagłówka\t#N#Dóm#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): polecenie zawiera znak, którego centrala nie przyjmie (sterujący lub "
         "o kodzie powyżej 125)."},
        {"control character", header + "Definiowanie nagłówka\t#N#D\tom#\nkoniec 1\n",
         "Polecenie 1 planu (wiersz 2 pliku): polecenie zawiera znak, którego centrala nie przyjmie (sterujący lub "
         "o kodzie powyżej 125)."},
        {"NUL", header + std::string("Definiowanie nagłówka\t#N#D\0m#\nkoniec 1\n"sv),
         "Polecenie 1 planu (wiersz 2 pliku): polecenie zawiera znak, którego centrala nie przyjmie (sterujący lub "
         "o kodzie powyżej 125)."},
        {"a row after the count", header + good + "koniec 1\n" + good,
         "Plik planu urywa się przed końcem: część poleceń mogła się nie zapisać."},
        {"too large", header + std::string(kPlanFileLimit, 'x'), "Plik jest za duży jak na plan wysyłki."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refusalOf(c.text), c.refusal) << c.what;
    }
}

// A row the pages would not have composed names the field at fault by what the pages call it, and what it should
// hold: a letter O typed for a zero, a stray or missing "#", a field left empty.
TEST(PlanFile, NamesTheFieldOfABadRowAndWhatItShouldHold)
{
    struct Case {
        std::string command;
        std::string reason;
    };
    const Case cases[] = {
        {"#0#48601OOO310#", "pole „numer Centrum SMS” zawiera literę „O”, a powinno zawierać same cyfry"},
        {"#0#+48601000310#", "pole „numer Centrum SMS” zawiera znak „+”, a powinno zawierać same cyfry"},
        {"#0##", "pole „numer Centrum SMS” jest puste, a powinno zawierać same cyfry"},
        {"#0#4860#1000310#", "po polu „numer Centrum SMS” jest zbędny tekst „1000310#”"},
        {"#0#48601000310#486010003101#", "po polu „numer Centrum SMS” jest zbędny tekst „486010003101…”"},
        {"#MCI#3#Kuchnia##", "po polu „nazwa czujki” jest zbędny tekst „#”"},
        {"#MCI#x#Kuchnia#", "pole „numer czujki” zawiera literę „x”, a powinno zawierać same cyfry"},
        {"#S#1#", "polecenie „S” nie ma pól, a po jego kodzie jest zbędny tekst „1#”"},
        {"#S##", "polecenie „S” nie ma pól, a po jego kodzie jest zbędny tekst „#”"},
        {"#P##", "pole „numer pilota” jest puste, a powinno zawierać same cyfry"},
        {"#CN##", "pole „numery czujek do usunięcia” jest puste, a powinno zawierać numery, każdy zakończony znakiem "
                  "„#”, albo samo „W#”"},
        {"#CN#1##", "pole „numery czujek do usunięcia” zawiera zbędny znak „#”, a powinno zawierać numery, każdy "
                    "zakończony znakiem „#”, albo samo „W#”"},
        {"#PN#1#W#", "pole „numery pilotów do usunięcia” zawiera literę „W”, a powinno zawierać numery, każdy "
                     "zakończony znakiem „#”, albo samo „W#”"},
        {"#SM#10200#", "pole „maska SMS” zawiera znak „2”, a powinno zawierać same zera i jedynki"},
        {"#Z##", "pole „maska zawiadamiania o uzbrojeniu i rozbrojeniu” jest puste, a powinno zawierać same zera i "
                 "jedynki"},
        {"#G#48601123456####", "brak pola „numer użytkownika 5”"},
        {"#G#48601123456#4860l####", "pole „numer użytkownika 2” zawiera literę „l”, a powinno zawierać same cyfry "
                                     "albo nic"},
        {"#TS#1#24#", "brak pola „treść SMS testowego”"},
        {"#TC#1#", "brak pola „okres wysyłania CLIP testowego”"},
        {"#K", "brak pola „numer badania stanu konta”"},
        {"#K*1\r01#", "pole „numer badania stanu konta” zawiera znak sterujący lub nieznany centrali"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refusalOf("velmora-sms-plan 1\nOperacja\t" + c.command + "\nkoniec 1\n"),
                  "Polecenie 1 planu (wiersz 2 pliku): " + c.reason + ".")
            << c.command;
    }
}
