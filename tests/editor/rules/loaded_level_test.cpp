// The editor's reading of a level file's lines: what each cell line draws and
// keeps, the links' overlays, the car and the end marker.
#include "editor/rules/loaded_level.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace pendix::editor {
void PrintTo(const TargetOverlay& target, std::ostream* out) {
    *out << "{" << target.cell << ", \"" << target.picture << "\", \"" << target.mark << "\"}";
}
}  // namespace pendix::editor

namespace {

using pendix::editor::LoadedLevel;
using pendix::editor::loadedLevel;
using pendix::editor::TargetOverlay;

LoadedLevel load(const std::map<int, std::string>& cells, const std::string& start = "7",
                 const std::string& direction = "3", const std::string& end = "8") {
    std::vector<std::string> lines(404);
    lines[0] = "Name";
    for (const auto& [cell, line] : cells) lines[static_cast<std::size_t>(cell + 1)] = line;
    lines[401] = start;
    lines[402] = direction;
    lines[403] = end;
    const pendix::LevelLinesRead read = pendix::readLevelLines(lines);
    EXPECT_TRUE(read.ok()) << read.message;
    return loadedLevel(read.level);
}

TEST(LoadedLevel, EachCellLineDrawsAndKeepsItsValue) {
    struct Case {
        std::string line;
        std::string picture;
        std::string tag;
        bool animated;
        std::vector<TargetOverlay> targets;  // of cell 45
    };
    const Case cases[] = {
        {"", "", "0", false, {}},
        {"0", "", "0", false, {}},
        {"101", "\\bmp\\StrasOU.bmp", "101", false, {}},
        {"101 ", "\\bmp\\StrasOU.bmp", "101", false, {}},  // a blank after the code changes nothing
        {"104", "\\bmp\\StraskRU.bmp", "104", false, {}},
        {"233", "\\bmp\\Stgabrlu.bmp", "233", false, {}},
        {"801", "\\bmp\\deko\\ani\\Ani0101.bmp", "801", true, {}},
        {"821", "\\bmp\\deko\\ani\\Ani2101.bmp", "821", true, {}},
        {"901", "", "901", false, {}},  // a transporter without a target draws nothing and is kept
        {"933", "", "933", false, {}},
        {"112", "", "112", false, {}},  // no code of the catalogue
        {"abc", "", "0", false, {}},
        {"101.5", "", "101.5", false, {}},
        // A link: the transporter on its cell, arrow and mark on the target.
        {"9051231", "\\bmp\\StratKLO.bmp", "9051231", false, {{123, "\\bmp\\PfeiOU.bmp", "0451"}}},
        {"9120074", "\\bmp\\Sgtaslol.bmp", "9120074", false, {{7, "\\bmp\\PfeiLR.bmp", "0454"}}},
        // An exit that is no direction draws no arrow; the mark and the shown overlay stay.
        {"9051230", "\\bmp\\StratKLO.bmp", "9051230", false, {{123, "", "0450"}}},
        {"9051239", "\\bmp\\StratKLO.bmp", "9051239", false, {{123, "", "0459"}}},
        {"905123x", "\\bmp\\StratKLO.bmp", "905123", false, {{123, "", "045x"}}},
        // Any 7 characters are a link, whatever the first three hold.
        {"1011231", "", "1011231", false, {{123, "\\bmp\\PfeiOU.bmp", "0451"}}},
        {"9341231", "", "9341231", false, {{123, "\\bmp\\PfeiOU.bmp", "0451"}}},
        // A Transporter text with a blank after it is 8 characters: no link at all.
        {"9051231 ", "", "9051231", false, {}},
        // A target beyond the board has no overlay to mark; the text stays the tag.
        {"9054001", "\\bmp\\StratKLO.bmp", "9054001", false, {}},
        {"9059991", "\\bmp\\StratKLO.bmp", "9059991", false, {}},
    };
    for (const Case& c : cases) {
        const LoadedLevel level = load({{45, c.line}});
        const auto& cell = level.cells[45];
        EXPECT_EQ(cell.picture, c.picture) << '"' << c.line << '"';
        EXPECT_EQ(cell.tag, c.tag) << '"' << c.line << '"';
        EXPECT_EQ(cell.animated, c.animated) << '"' << c.line << '"';
        EXPECT_EQ(level.targets, c.targets) << '"' << c.line << '"';
    }
}

TEST(LoadedLevel, LinksToOneTargetComeInCellOrderSoTheHigherCellWins) {
    const LoadedLevel level = load({{300, "9120073"}, {40, "9050072"}, {41, "1231567"}});
    EXPECT_EQ(level.targets, (std::vector<TargetOverlay>{{7, "\\bmp\\PfeiUO.bmp", "0402"},
                                                         {156, "\\bmp\\PfeiDLUO.bmp", "0417"},
                                                         {7, "\\bmp\\PfeiRL.bmp", "3003"}}));
}

TEST(LoadedLevel, TheCarNeedsADirectionAndACellOnTheBoard) {
    struct Case {
        std::string start, direction;
        bool onBoard;
        std::string car;
    };
    const Case cases[] = {
        {"7", "1", true, "\\bmp\\AutoOU.bmp"},   {"0", "3", true, "\\bmp\\AutoRL.bmp"},
        {"399", "8", true, "\\bmp\\AutoDRUO.bmp"}, {"7", "0", true, ""},
        {"7", "9", true, ""},                    {"7", "-1", true, ""},
        {"400", "3", false, ""},                 {"-1", "3", false, ""},
        {"7.5", "2.5", true, "\\bmp\\AutoUO.bmp"},  // rounded halves to even: cell 8, direction 2
    };
    for (const Case& c : cases) {
        const LoadedLevel level = load({}, c.start, c.direction);
        EXPECT_EQ(level.startOnBoard, c.onBoard) << c.start << " " << c.direction;
        EXPECT_EQ(level.carPicture, c.car) << c.start << " " << c.direction;
    }
}

TEST(LoadedLevel, TheEndMarkerOnlyOnAPlainStreet) {
    struct Case {
        std::string line;
        std::string end;
        std::string marker;
    };
    const Case cases[] = {
        {"101", "8", "\\bmp\\StraeOU.bmp"},
        {"104", "8", "\\bmp\\StraekRU.bmp"},
        {"111", "8", "\\bmp\\StraeAB.bmp"},
        {"201", "8", ""},
        {"301", "8", ""},
        {"801", "8", ""},
        {"905", "8", ""},
        {"9050072", "8", ""},
        {"", "8", ""},
        {"101", "400", ""},  // no cell 400 to mark
    };
    for (const Case& c : cases) {
        EXPECT_EQ(load({{8, c.line}}, "7", "3", c.end).endMarker, c.marker) << c.line << " " << c.end;
    }
    // End cell 0 is cell 0, never "no end".
    EXPECT_EQ(load({{0, "102"}}, "7", "3", "0").endMarker, "\\bmp\\StraeRL.bmp");
}

}  // namespace
