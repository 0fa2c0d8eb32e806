#include "game/rules/level_reader.h"

#include <gtest/gtest.h>

#include <vector>

using namespace pendix;
using namespace pendix::game;

namespace {

// A level with every cell empty, start 0 facing up, end 1; tests change lines. A few
// lines in this file are moved in as strings: GCC 12 at -O3 takes copying those
// literals into the line for an overlapping copy (a false -Wrestrict).
std::vector<std::string> emptyLevelLines() {
    std::vector<std::string> lines(kLevelLineCount);
    lines[0] = "Leer";
    lines[401] = std::string("0");
    lines[402] = std::string("1");
    lines[403] = std::string("1");
    return lines;
}

std::string& cellLine(std::vector<std::string>& lines, int cell) { return lines[cell + 1]; }

}  // namespace

TEST(LevelReader, CellLinesGivePictureTagAndAnimation) {
    struct Case {
        const char* line;
        const char* picture;
        const char* tag;
        bool animated;
    };
    const Case cases[] = {
        {"", "", "0", false},
        {"0", "", "0", false},
        {"0101", "\\bmp\\StrasOU.bmp", "101", false},
        {" 1 0 1", "\\bmp\\StrasOU.bmp", "101", false},
        {"212", "\\bmp\\Stgaslol.bmp", "105", false},
        {"230", "\\bmp\\Stgaboul.bmp", "108", false},
        {"205", "\\bmp\\StragkLO.bmp", "205", false},
        {"9120451", "\\bmp\\Sgtaslol.bmp", "1050451", false},
        {"9010451", "\\bmp\\StratOU.bmp", "1010451", false},
        {"9040072", "\\bmp\\StratKRU.bmp", "1040072", false},
        {"912", "", "912", false},
        {"9120451 ", "", "9120451", false},
        {"9340451", "", "9340451", false},
        {"805", "\\bmp\\deko\\ani\\Ani0051.bmp", "805", true},
        {"821", "\\bmp\\deko\\ani\\Ani2101.bmp", "821", true},
        {"314", "\\bmp\\deko\\Baum14.bmp", "314", false},
        {"112", "", "112", false},
        {"101.5", "", "101.5", false},
        {"12.5", "", "12.5", false},
        {"1e20", "", "1E+20", false},
        {"1.01e000002", "\\bmp\\StrasOU.bmp", "101", false},  // leading zeros of an exponent count for nothing
        {"-7", "", "-7", false},
        {"abc", "", "0", false},
        {"\xff\x80\x01", "", "0", false},
    };
    for (const Case& c : cases) {
        const LevelCell cell = readCell(c.line);
        EXPECT_EQ(cell.picture, c.picture) << c.line;
        EXPECT_EQ(cell.tag, c.tag) << c.line;
        EXPECT_EQ(cell.animated, c.animated) << c.line;
    }
}

TEST(LevelReader, ReadsNameStartDirectionEndAndTheirPictures) {
    std::vector<std::string> lines = emptyLevelLines();
    lines[0] = "  Erste Kurve \t ";
    cellLine(lines, 12) = "102";
    cellLine(lines, 77) = "104";
    lines[401] = std::string("12.5");  // halves go to the even neighbour
    lines[402] = std::string("7");
    lines[403] = "77";
    lines.push_back("this 405th line is never read");
    const LevelRead read = readLevel(lines);
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.level.name, "Erste Kurve \t");  // only blanks are trimmed
    EXPECT_EQ(read.level.startPos, 12);
    EXPECT_EQ(read.level.startDir, 7);
    EXPECT_EQ(read.level.endPos, 77);
    EXPECT_EQ(read.level.carPicture, "\\bmp\\AutoDLUO.bmp");
    EXPECT_EQ(read.level.endMarker, "\\bmp\\StraekRU.bmp");
    EXPECT_EQ(read.level.cells[77].tag, "104");  // the end cell keeps its code
    EXPECT_EQ(read.level.cells[77].picture, "\\bmp\\StraskRU.bmp");

    lines[401] = "13.5";
    EXPECT_EQ(readLevel(lines).level.startPos, 14);
    lines[401] = "7.9e000001";
    EXPECT_EQ(readLevel(lines).level.startPos, 79);
}

TEST(LevelReader, EndMarkerOnlyOnAPlainStreetCarOnlyForDirectionsOneToEight) {
    struct Case {
        const char* endLine;
        const char* marker;
    };
    const Case cases[] = {{"104", "\\bmp\\StraekRU.bmp"}, {"0111", "\\bmp\\StraeAB.bmp"}, {"227", ""},
                          {"9010451", ""},              {"205", ""},                   {"", ""}};
    for (const Case& c : cases) {
        std::vector<std::string> lines = emptyLevelLines();
        cellLine(lines, 1) = c.endLine;
        EXPECT_EQ(readLevel(lines).level.endMarker, c.marker) << c.endLine;
    }
    for (const char* direction : {"0", "9", "-1"}) {
        std::vector<std::string> lines = emptyLevelLines();
        lines[402] = direction;
        const LevelRead read = readLevel(lines);
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.level.carPicture, "") << direction;
        EXPECT_EQ(std::to_string(read.level.startDir), direction);
    }
}

TEST(LevelReader, BadFilesGiveAnErrorAndAGermanMessage) {
    struct Case {
        int line;  // 0-based line to change, -1 to cut the file to 120 lines
        const char* text;
        LevelError error;
        const char* message;
    };
    // Start and end off the board are the game's own refusals; the shared line
    // layout's (too few lines, beyond 16 bits) come through with their messages.
    const Case cases[] = {
        {-1, "", LevelError::TooFewLines, "Die Datei hat nur 120 von 404 Zeilen."},
        {401, "512", LevelError::StartOffBoard, "Die Startposition 512 liegt nicht auf dem Spielfeld (0 bis 399)."},
        {401, "-1", LevelError::StartOffBoard, "Die Startposition -1 liegt nicht auf dem Spielfeld (0 bis 399)."},
        {403, "400", LevelError::EndOffBoard, "Die Zielposition 400 liegt nicht auf dem Spielfeld (0 bis 399)."},
        {403, "-0.5", LevelError::None, ""},  // rounds to cell 0
        {401, "70000", LevelError::ValueOutOfRange,
         "Der Wert 70000 in Zeile 402 (Startposition) liegt nicht im Bereich von -32768 bis 32767."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = emptyLevelLines();
        if (c.line < 0)
            lines.resize(120);
        else
            lines[c.line] = c.text;
        const LevelRead read = readLevel(lines);
        EXPECT_EQ(read.error, c.error) << c.message;
        EXPECT_EQ(read.message, c.message);
    }
}

TEST(LevelReader, ReadsAFilesBytesOnTheSharedLineLayout) {
    std::string crlf;
    for (const std::string& line : emptyLevelLines()) crlf += line + "\r\n";
    const LevelRead read = readLevelBytes(crlf + "405\r\n");
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.level.endPos, 1);
    EXPECT_EQ(read.level.name, "Leer");
    EXPECT_EQ(readLevelBytes("").error, LevelError::TooFewLines);
}
