#include "installer/level_source.h"

#include <gtest/gtest.h>

using namespace pendix;

namespace {

std::string emptyRow() {
    std::string row = "...";
    for (int column = 1; column < kColumns; ++column) row += " ...";
    return row;
}

// A small source: header lines, then the board; row 5 holds a transporter on
// column 5 (cell 130) and a street on column 6.
std::string source(const std::string& header, const std::string& row5 = "") {
    std::string text = header + "board:\n";
    for (int row = 0; row < kRows; ++row) {
        if (row == 5 && !row5.empty())
            text += row5 + "\n";
        else
            text += emptyRow() + "\n";
    }
    return text;
}

const std::string kRow5 =
    "... ... ... ... ... 912 101 ... ... ... ... ... ... ... ... ... ... ... ... ... ... ... ... ... ...";
const std::string kHeader = "# Probe\nname: Über Brücken # eine Probe\nstart: 131 2   # start\nend: 77\n";

}  // namespace

TEST(LevelSource, ReadsNameStartEndBoardAndLinks) {
    std::string error;
    const auto level = parseLevelSource(source(kHeader + "link: 130 245 2\n", kRow5), &error);
    ASSERT_TRUE(level) << error;
    EXPECT_EQ(level->name, "Über Brücken");
    EXPECT_EQ(level->start, 131);
    EXPECT_EQ(level->startDirection, 2);
    EXPECT_EQ(level->end, 77);
    EXPECT_EQ(level->cells[130], "9122452");
    EXPECT_EQ(level->cells[131], "101");
    EXPECT_EQ(level->cells[0], "");
    // Without a link a transporter stays its bare code; links may follow the board.
    EXPECT_EQ(parseLevelSource(source(kHeader, kRow5))->cells[130], "912");
    EXPECT_EQ(parseLevelSource(source(kHeader, kRow5) + "link: 130 7 1\n")->cells[130], "9120071");
}

TEST(LevelSource, ErrorsNameTheLine) {
    struct Case {
        std::string text;
        const char* message;
    };
    const std::string noName = "start: 131 2\nend: 77\n";
    const Case cases[] = {
        {source(kHeader + "link: 131 245 2\n", kRow5), "Zeile 5: auf Feld 131 liegt kein Transporter."},
        {source(kHeader + "link: 130 400 2\n", kRow5),
         "Zeile 5: \"link:\" erwartet Transporterfeld, Zielfeld (0 bis 399) und Ausfahrtrichtung (1 bis 8)."},
        {source(kHeader + "link: 130 1 1\nlink: 130 2 2\n", kRow5), "Zeile 6: das Feld 130 hat schon eine Verbindung."},
        {source("name: A\nstart: 131 9\nend: 77\n"),
         "Zeile 2: \"start:\" erwartet ein Feld 0 bis 399 und eine Richtung 1 bis 8."},
        {source("name: A\nstart: 131 2\nend: 400\n"), "Zeile 3: \"end:\" erwartet ein Feld 0 bis 399."},
        {source("name: A\nname: B\n"), "Zeile 2: \"name\" steht doppelt da."},
        {source("name: A\nziel: 3\n"), "Zeile 2: unbekannte Angabe \"ziel\"."},
        {source(noName), "die Angabe \"name:\" fehlt."},
        {"name: A\nstart: 1 1\nend: 2\n", "das Spielfeld (\"board:\") fehlt."},
        {"name: A\nstart: 1 1\nend: 2\nboard:\n" + emptyRow() + "\n", "das Spielfeld hat nur 1 von 16 Zeilen."},
        {source(kHeader, kRow5.substr(4)),
         "Zeile 11: eine Spielfeldzeile braucht 25 durch je ein Leerzeichen getrennte Felder, hier sind es 24."},
        {source(kHeader, "...  " + kRow5.substr(4)),
         "Zeile 11: eine Spielfeldzeile braucht 25 durch je ein Leerzeichen getrennte Felder, hier sind es 26."},
        {source(kHeader, "934" + kRow5.substr(3)),
         "Zeile 11: \"934\" in Spalte 1 ist weder \"...\" noch ein Kachelcode."},
        {source(kHeader, "0101" + kRow5.substr(3)),
         "Zeile 11: \"0101\" in Spalte 1 ist weder \"...\" noch ein Kachelcode."},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(parseLevelSource(c.text, &error)) << c.message;
        EXPECT_EQ(error, c.message);
    }
}
