#include "unitfields.h"
#include "unitscsv.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace std::literals;

namespace {

// The reader's own checks only; the number's rules belong to the register.
std::vector<UnitRecord> readAll(std::string_view text)
{
    auto read = readUnitsCsv(text, {});
    if (auto* refusal = std::get_if<UnitsCsvRefusal>(&read)) {
        ADD_FAILURE() << refusal->message();
        return {};
    }
    return std::get<std::vector<UnitRecord>>(read);
}

std::string refusalOf(std::string_view text, const UnitRecordCheck& check = {})
{
    auto read = readUnitsCsv(text, check);
    if (!std::holds_alternative<UnitsCsvRefusal>(read)) {
        return "accepted";
    }
    return std::get<UnitsCsvRefusal>(read).message();
}

const std::vector<UnitRecord> kUnits = {
    {"Dom Kowalskich", "48601123456", "ul. Polna 3; furtka od podwórza"},
    {"Sklep \"Pod Lipą\"", "48602000111", "Klucz u sąsiada\n(pan Nowak)"},
    {"Łódź, magazyn", "48603000222", ""},
};

} // namespace

TEST(UnitsCsv, IsWrittenAsASpreadsheetReadsIt)
{
    EXPECT_EQ(writeUnitsCsv(kUnits), "\xEF\xBB\xBFnazwa;numer;uwagi\r\n"
                                     "Dom Kowalskich;48601123456;\"ul. Polna 3; furtka od podwórza\"\r\n"
                                     "\"Sklep \"\"Pod Lipą\"\"\";48602000111;\"Klucz u sąsiada\n(pan Nowak)\"\r\n"
                                     "Łódź, magazyn;48603000222;\r\n");
}

TEST(UnitsCsv, ReadsBackWhatItWrote)
{
    EXPECT_EQ(readAll(writeUnitsCsv(kUnits)), kUnits);
}

TEST(UnitsCsv, ReadsWhatSpreadsheetsWrite)
{
    struct Case {
        const char* what;
        std::string_view text;
        std::vector<UnitRecord> units;
    };
    const Case cases[] = {
        {"plain lines, no mark, no final line break",
         "nazwa;numer;uwagi\nDom;48601123456;",
         {{"Dom", "48601123456", ""}}},
        {"Windows lines and a mark",
         "\xEF\xBB\xBFNazwa;Numer;Uwagi\r\nDom;48601123456;x\r\n",
         {{"Dom", "48601123456", "x"}}},
        {"every field quoted",
         "\"nazwa\";\"numer\";\"uwagi\"\r\n\"Dom\";\"48601123456\";\"\"\r\n",
         {{"Dom", "48601123456", ""}}},
        {"a Windows line break inside quotes kept as one",
         "nazwa;numer;uwagi\r\nDom;48601123456;\"a\r\nb\"\r\n",
         {{"Dom", "48601123456", "a\nb"}}},
        {"doubled quotes and a separator inside quotes",
         "nazwa;numer;uwagi\n\"A \"\"B\"\"; C\";48601123456;\n",
         {{"A \"B\"; C", "48601123456", ""}}},
        {"a quote inside a plain field taken as it stands",
         "nazwa;numer;uwagi\n12\" monitor;48601123456;\n",
         {{"12\" monitor", "48601123456", ""}}},
        {"empty rows skipped",
         "nazwa;numer;uwagi\r\n\r\nDom;48601123456;\r\n\r\nSklep;48602000111;\r\n",
         {{"Dom", "48601123456", ""}, {"Sklep", "48602000111", ""}}},
        {"a lone carriage return closing the file",
         "nazwa;numer;uwagi\r\nDom;48601123456;x\r",
         {{"Dom", "48601123456", "x"}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(readAll(c.text), c.units) << c.what;
    }
}

TEST(UnitsCsv, RefusesABadFileNamingTheRowAndWhy)
{
    const std::string sixtyOne(61, 'a');
    const std::string longNotes(1001, 'u');
    struct Case {
        std::string text;
        std::string refusal;
    };
    const Case cases[] = {
        {"", "Plik jest pusty."},
        {"\xEF\xBB\xBF", "Plik jest pusty."},
        {"nazwa;numer\r\nDom;48601123456\r\n", "Pierwszy wiersz pliku nie jest nagłówkiem „nazwa;numer;uwagi”."},
        {"name;number;notes\r\n", "Pierwszy wiersz pliku nie jest nagłówkiem „nazwa;numer;uwagi”."},
        {"nazwa;numer;uwagi\r\n", "Plik nie zawiera żadnej centrali."},
        {"nazwa;numer;uwagi\r\nDom;48601123456;\r\n;48602000111;\r\n", "Wiersz 3: brak nazwy centrali."},
        {"nazwa;numer;uwagi\r\n   ;48602000111;\r\n", "Wiersz 2: brak nazwy centrali."},
        {"nazwa;numer;uwagi\r\n" + sixtyOne + ";48602000111;\r\n",
         "Wiersz 2: nazwa centrali jest dłuższa niż 60 znaków."},
        {"nazwa;numer;uwagi\r\nDom;48602000111;" + longNotes + "\r\n", "Wiersz 2: uwagi są dłuższe niż 1000 znaków."},
        {"nazwa;numer;uwagi\r\nD\xB3ugi;48602000111;\r\n", "Wiersz 2: tekst nie jest zapisany w kodowaniu UTF-8."},
        {"nazwa;numer;uwagi\r\nDom;486\xFF;\r\n", "Wiersz 2: tekst nie jest zapisany w kodowaniu UTF-8."},
        {"nazwa;numer;uwagi\r\nDom\t1;48602000111;\r\n", "Wiersz 2: nazwa centrali zawiera znak sterujący."},
        {"nazwa;numer;uwagi\r\n\"Dom\n1\";48602000111;\r\n", "Wiersz 2: nazwa centrali zawiera znak sterujący."},
        {"nazwa;numer;uwagi\r\nDom;48602000111;a\x01\r\n", "Wiersz 2: uwagi zawierają znak sterujący."},
        {"nazwa;numer;uwagi\r\nDom;48602000111;a\rb\r\n", "Wiersz 2: uwagi zawierają znak sterujący."},
        {"nazwa;numer;uwagi\r\nDom;48602000111;\"a\rb\"\r\n", "Wiersz 2: uwagi zawierają znak sterujący."},
        {"nazwa;numer;uwagi\r\nDom;48602000111\r\n",
         "Wiersz 2: liczba pól w wierszu to 2, a powinny być trzy: nazwa, numer i uwagi."},
        {"nazwa;numer;uwagi\r\nDom;48602000111;;\r\n",
         "Wiersz 2: liczba pól w wierszu to 4, a powinny być trzy: nazwa, numer i uwagi."},
        {"nazwa;numer;uwagi\r\nA;1;\"x\ny\"\r\nDom;48602000111;\"bez końca\r\n",
         "Wiersz 3: pole otwarte cudzysłowem nie ma cudzysłowu zamykającego."},
        {"nazwa;numer;uwagi\r\n\"Dom\" Nowaka;48602000111;\r\n",
         "Wiersz 2: po cudzysłowie zamykającym pole jest tekst zamiast „;” lub końca wiersza."},
        {std::string(kUnitsCsvLimit + 1, 'a'), "Plik jest za duży jak na listę central."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(refusalOf(c.text), c.refusal) << c.text.substr(0, 80);
    }
}

TEST(UnitsCsv, AsksTheCheckAboutEachRecordWithItsSpreadsheetRow)
{
    std::vector<std::size_t> asked;
    const auto check = [&](const UnitRecord& record, std::size_t row) -> std::optional<std::string> {
        asked.push_back(row);
        if (record.number == "bad") {
            return "zły numer";
        }
        return std::nullopt;
    };
    // The notes of row 2 take two lines of the file; a spreadsheet still shows them in one row.
    EXPECT_EQ(refusalOf("nazwa;numer;uwagi\r\nA;1;\"x\r\ny\"\r\n\r\nB;bad;\r\nC;2;\r\n", check),
              "Wiersz 4: zły numer.");
    EXPECT_EQ(asked, (std::vector<std::size_t>{2, 4}));
}

TEST(UnitFields, TakeWhatTheDialogAndTheFileMayHold)
{
    EXPECT_EQ(unitNameFault("Łódź, ul. Żółta 5"), std::nullopt);
    EXPECT_EQ(unitNameFault(std::string(60, 'x')), std::nullopt);
    // Characters, not bytes: sixty Polish letters take 120 bytes.
    std::string sixtyLetters;
    for (int i = 0; i < 60; ++i) {
        sixtyLetters += "ż";
    }
    EXPECT_EQ(unitNameFault(sixtyLetters), std::nullopt);
    EXPECT_EQ(unitNameFault(sixtyLetters + "ż"), "nazwa centrali jest dłuższa niż 60 znaków");
    EXPECT_EQ(unitNameFault(""), "brak nazwy centrali");
    EXPECT_EQ(unitNameFault("Dom\x7f"), "nazwa centrali zawiera znak sterujący");
    EXPECT_EQ(unitNameFault("Dom\xC2\x85"), "nazwa centrali zawiera znak sterujący"); // U+0085, a C1 line break
    EXPECT_EQ(unitNotesFault(""), std::nullopt);
    EXPECT_EQ(unitNotesFault("Klucz u sąsiada\n(pan Nowak)"), std::nullopt);
    EXPECT_EQ(unitNotesFault(std::string(1000, 'u')), std::nullopt);
    EXPECT_EQ(unitNotesFault("a\tb"), "uwagi zawierają znak sterujący");
    EXPECT_EQ(unitNotesFault("\xC0\xAF"), "tekst nie jest zapisany w kodowaniu UTF-8"); // an overlong "/"
}
