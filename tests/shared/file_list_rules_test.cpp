// The reading of "\dateien.lst": entries, the folder choice and the totals' paths.
#include "shared/file_list/file_list_rules.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

TEST(FileListRules, HeaderLinesGiveTheFolderEntries) {
    const struct {
        const char* line;
        std::optional<std::string> entry;
    } cases[] = {
        {"\\bmp\\deko\\", "\\bmp\\deko"},
        {"[\\wav]", "\\wav"},
        {"[]", ""},                  // the program folder itself
        {"[\\ico)", "\\ico"},        // the last character goes, whatever it is
        {"[", ""},                   // too short for both cuts: nothing left
        {"\\", ""},
        {"auto01.ico", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(pendix::sectionName(c.line), c.entry) << c.line;
}

TEST(FileListRules, AFolderChoiceListsEveryMatchingSectionInFileOrder) {
    const Lines lines = {"\\ico\\", "a.ico", "", "", "[]", "tavrik.exe", "", "\\ico\\", "b.ico", "", "\\leer\\", ""};
    EXPECT_EQ(pendix::sectionNames(lines), (Lines{"\\ico", "", "\\ico", "\\leer"}));
    EXPECT_EQ(pendix::filesOfFolder(lines, "\\ico"), (Lines{"a.ico", "b.ico"}));
    EXPECT_EQ(pendix::filesOfFolder(lines, ""), (Lines{"tavrik.exe"}));
    EXPECT_TRUE(pendix::filesOfFolder(lines, "\\leer").empty());
    EXPECT_TRUE(pendix::filesOfFolder(lines, "\\ICO").empty());  // names compare exactly
}

TEST(FileListRules, ALineThatIsNoHeaderMatchesByTheSameCuts) {
    // "x\bmpy" without its first and last character reads "\bmp": its lines count as well.
    const Lines lines = {"\\bmp\\", "a.bmp", "x\\bmpy", "b.bmp", "", "c.bmp"};
    EXPECT_EQ(pendix::filesOfFolder(lines, "\\bmp"), (Lines{"a.bmp", "x\\bmpy", "b.bmp", "b.bmp"}));
}

TEST(FileListRules, ASectionLeftOpenAtTheEndRunsToTheLastLine) {
    const Lines lines = {"[\\lvlneu]", "blanko.lvl", "eigen.lvl"};
    EXPECT_EQ(pendix::filesOfFolder(lines, "\\lvlneu"), (Lines{"blanko.lvl", "eigen.lvl"}));
    EXPECT_EQ(pendix::listedFilePaths(lines), (Lines{"\\lvlneu\\blanko.lvl", "\\lvlneu\\eigen.lvl"}));
}

TEST(FileListRules, TotalsPathsJoinTheHeaderAndEachFileAndCountRepeats) {
    const Lines lines = {"\\wav\\", "kurve.wav", "kurve.wav", "", "[]", "tavrik.exe", "", "[\\hilfe]", "pendix.hlp",
                         "", "\\leer\\", ""};
    EXPECT_EQ(pendix::listedFilePaths(lines), (Lines{"\\wav\\kurve.wav", "\\wav\\kurve.wav", "\\tavrik.exe",
                                                     "\\hilfe\\pendix.hlp"}));
}

TEST(FileListRules, TotalsStopAtTheLargestValueTheirFieldsHold) {
    pendix::FileTotals totals;
    totals.add(2'000'000'000);
    totals.add(2'000'000'000);
    totals.add(-1);  // never less than nothing
    EXPECT_EQ(totals.fileCount, 3);
    EXPECT_EQ(totals.totalBytes, 2'147'483'647);
    for (int i = 0; i < 40'000; ++i) totals.add(0);
    EXPECT_EQ(totals.fileCount, 32'767);
}

}  // namespace
