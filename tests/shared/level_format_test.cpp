#include "shared/level_format/level_lines.h"
#include "shared/level_format/level_writer.h"
#include "shared/level_format/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

using namespace pendix;

namespace {

// Every cell empty, start 0 facing up, end 1; tests change lines. A few lines are
// moved in as strings: GCC 12 at -O3 takes copying those literals into the line for
// an overlapping copy (a false -Wrestrict).
std::vector<std::string> emptyLevelLines() {
    std::vector<std::string> lines(kLevelLineCount);
    lines[kNameLine - 1] = "Leer";
    lines[kStartLine - 1] = std::string("0");
    lines[kDirectionLine - 1] = std::string("1");
    lines[kEndLine - 1] = std::string("1");
    return lines;
}

std::string crLf(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

}  // namespace

TEST(LevelLines, GiveTheRawLinesTheTrimmedNameAndTheThreeNumbers) {
    std::vector<std::string> lines = emptyLevelLines();
    lines[0] = "  Erste Kurve \t ";
    lines[kFirstCellLine - 1 + 45] = "9051231";
    lines[kFirstCellLine - 1 + 46] = " 1 0 1 ";
    lines[kFirstCellLine - 1 + 399] = "abc";
    lines[kStartLine - 1] = "12.5";  // halves go to the even neighbour
    lines[kDirectionLine - 1] = "9";  // directions are the reader's question too
    lines[kEndLine - 1] = "77";
    lines.push_back("this 405th line is never read");
    const LevelLinesRead read = readLevelLines(lines);
    ASSERT_TRUE(read.ok()) << read.message;
    EXPECT_EQ(read.level.name, "Erste Kurve \t");  // only blanks are trimmed
    EXPECT_EQ(read.level.lines[0], "  Erste Kurve \t ");
    EXPECT_EQ(read.level.cellLine(45), "9051231");
    EXPECT_EQ(read.level.cellLine(46), " 1 0 1 ");
    EXPECT_EQ(read.level.cellLine(399), "abc");
    EXPECT_EQ(read.level.cellLine(0), "");
    EXPECT_EQ(read.level.lines.back(), "77");
    EXPECT_EQ(read.level.startPos, 12);
    EXPECT_EQ(read.level.startDir, 9);
    EXPECT_EQ(read.level.endPos, 77);

    lines[kStartLine - 1] = "13.5";
    EXPECT_EQ(readLevelLines(lines).level.startPos, 14);
}

TEST(LevelLines, CellsOffTheBoardAreLeftToTheReadingProgram) {
    for (const auto& [start, end] : {std::pair{"512", "-1"}, std::pair{"-32768", "32767"}, std::pair{"-32768.5", "399"}}) {
        std::vector<std::string> lines = emptyLevelLines();
        lines[kStartLine - 1] = start;
        lines[kEndLine - 1] = end;
        const LevelLinesRead read = readLevelLines(lines);
        ASSERT_TRUE(read.ok()) << start << " " << end << ": " << read.message;
        EXPECT_EQ(read.level.startPos, std::stoi(start));  // -32768.5 rounds to the even -32768
        EXPECT_EQ(read.level.endPos, std::stoi(end));
    }
}

TEST(LevelLines, RefuseTooFewLinesAndNumbersBeyondSixteenBits) {
    struct Case {
        int line;  // file line to change, 0 to cut the file to `keep` lines
        const char* text;
        std::size_t keep;
        LevelLinesError error;
        const char* message;
    };
    const Case cases[] = {
        {0, "", 0, LevelLinesError::TooFewLines, "Die Datei hat nur 0 von 404 Zeilen."},
        {0, "", 120, LevelLinesError::TooFewLines, "Die Datei hat nur 120 von 404 Zeilen."},
        {0, "", 403, LevelLinesError::TooFewLines, "Die Datei hat nur 403 von 404 Zeilen."},
        {kStartLine, "70000", 404, LevelLinesError::ValueOutOfRange,
         "Der Wert 70000 in Zeile 402 (Startposition) liegt nicht im Bereich von -32768 bis 32767."},
        {kDirectionLine, "1e300", 404, LevelLinesError::ValueOutOfRange,
         "Der Wert 1E+300 in Zeile 403 (Startrichtung) liegt nicht im Bereich von -32768 bis 32767."},
        {kEndLine, "-1e999", 404, LevelLinesError::ValueOutOfRange,
         "Der Wert in Zeile 404 (Zielposition) liegt nicht im Bereich von -32768 bis 32767."},
        {kEndLine, "32767.5", 404, LevelLinesError::ValueOutOfRange,
         "Der Wert 32767.5 in Zeile 404 (Zielposition) liegt nicht im Bereich von -32768 bis 32767."},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = emptyLevelLines();
        lines.resize(c.keep);
        if (c.line > 0) lines[static_cast<std::size_t>(c.line - 1)] = c.text;
        const LevelLinesRead read = readLevelLines(lines);
        EXPECT_EQ(read.error, c.error) << c.message;
        EXPECT_EQ(read.message, c.message);
    }
}

TEST(LevelLines, BytesEndTheirLinesWithCrLfCrOrLf) {
    std::string cr, lf;
    for (const std::string& line : emptyLevelLines()) {
        cr += line + "\r";
        lf += line + "\n";
    }
    const std::string crlf = crLf(emptyLevelLines());
    for (const std::string& bytes : {crlf, cr, lf, crlf.substr(0, crlf.size() - 2), crlf + "\r\n405\r\n"}) {
        const LevelLinesRead read = readLevelLinesBytes(bytes);
        ASSERT_TRUE(read.ok()) << read.message;
        EXPECT_EQ(read.level.endPos, 1);
    }
    EXPECT_EQ(readLevelLinesBytes("").message, "Die Datei hat nur 0 von 404 Zeilen.");
    EXPECT_EQ(readLevelLinesBytes(crlf.substr(0, crlf.size() - 4)).error, LevelLinesError::TooFewLines);
}

TEST(NumberText, WholeNumbersPlainAndTheRestLikeTheOldRuntime) {
    const std::pair<double, const char*> cases[] = {
        {0, "0"},           {-0.0, "0"},          {912, "912"},
        {101, "101"},       {9051231, "9051231"}, {-3, "-3"},
        {12.5, "12.5"},     {0.25, "0.25"},       {1e20, "1E+20"},
        {1.5e-7, "1.5E-07"}, {123456789012345, "123456789012345"}, {1e15, "1E+15"},
        {-999999999999999.0, "-999999999999999"}, {-1e15, "-1E+15"},
        {1.0 / 3, "0.333333333333333"}, {std::numeric_limits<double>::infinity(), "0"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(numberText(value), text) << value;
}

TEST(LevelWriter, TheWorkedExampleIs826BytesEndingInTheEmptyLine) {
    std::array<std::string, kCellCount> cells{};
    cells[0] = cells[1] = cells[2] = "102";
    const std::string bytes = levelFileBytes("Test", cells, 0, 3, 2);
    EXPECT_EQ(bytes.size(), 826u);
    EXPECT_EQ(bytes.substr(0, 11), "Test\r\n102\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 5), std::string({50, 13, 10, 13, 10}));
}

TEST(LevelWriter, CellsAboveZeroStayAsTheyAreTheRestIsEmpty) {
    struct Case {
        const char* cell;
        const char* line;
    };
    const Case cases[] = {
        {"0", ""},          {"", ""},       {"abc", ""},          {"-5", ""},     {"0.0", ""},
        {"101", "101"},     {"912", "912"}, {"9050072", "9050072"}, {"101 ", "101 "}, {"0101", "0101"},
        {"12.5", "12.5"},   {"1\r2", "1 2"},
    };
    for (const Case& c : cases) {
        std::array<std::string, kCellCount> cells{};
        cells[40] = c.cell;
        const LevelLinesRead read = readLevelLinesBytes(levelFileBytes("x", cells, 7, 1, 8));
        ASSERT_TRUE(read.ok());
        EXPECT_EQ(read.level.cellLine(40), c.line) << '"' << c.cell << '"';
    }
}

TEST(LevelWriter, NameBytesAsTheyStandNumbersPlainAndOneLineEach) {
    std::array<std::string, kCellCount> cells{};
    cells[40] = "9050072";
    const std::string name = "  Stra\xDF" "e \xFC" "ber \xE4\xF6 ";  // Windows-1252 bytes
    const std::string bytes = levelFileBytes(name, cells, 7, 2, 399);
    EXPECT_EQ(bytes.substr(0, name.size() + 2), name + "\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 17), "\r\n\r\n7\r\n2\r\n399\r\n\r\n");  // an empty last cell, then 7, never 007

    const LevelLinesRead read = readLevelLinesBytes(bytes);
    ASSERT_TRUE(read.ok());
    EXPECT_EQ(read.level.name, "Stra\xDF" "e \xFC" "ber \xE4\xF6");
    EXPECT_EQ(read.level.startPos, 7);
    EXPECT_EQ(read.level.startDir, 2);
    EXPECT_EQ(read.level.endPos, 399);

    // A line break in a name would shift every later line.
    const LevelLinesRead broken = readLevelLinesBytes(levelFileBytes("A\r\nB\nC", cells, 7, 2, 399));
    ASSERT_TRUE(broken.ok());
    EXPECT_EQ(broken.level.name, "A  B C");
    EXPECT_EQ(broken.level.cellLine(40), "9050072");
    EXPECT_EQ(broken.level.endPos, 399);
    EXPECT_EQ(levelFileBytes("", cells, 0, 0, 0).substr(0, 2), "\r\n");  // an empty name is an empty line
}
