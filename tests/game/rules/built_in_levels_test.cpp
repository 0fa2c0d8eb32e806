// The nine levels that ship with the game, from their readable sources: each
// reads as a level file, looks connected, is winnable, and asks more than the one
// before it.
#include "game/rules/car_step.h"
#include "game/rules/level_reader.h"
#include "installer/level_source.h"
#include "shared/level_format/level_writer.h"
#include "tests/support/level_solver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

using namespace pendix;
using namespace pendix::game;

namespace {

constexpr int kLevels = 9;

struct BuiltIn {
    LevelSource source;
    Level level;
};

BuiltIn builtInLevel(int number) {
    const std::string path = std::string(PENDIX_LEVEL_SOURCES) + "/level" + std::to_string(number) + ".txt";
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    std::string error;
    const std::optional<LevelSource> source = parseLevelSource(text.str(), &error);
    if (!source) ADD_FAILURE() << path << ": " << error;
    BuiltIn built{source.value_or(LevelSource{}), {}};
    const LevelRead read = readLevelBytes(levelFileBytes(built.source.name, built.source.cells, built.source.start,
                                                         built.source.startDirection, built.source.end));
    if (!read.ok()) ADD_FAILURE() << path << ": " << read.message;
    built.level = read.level;
    return built;
}

const std::array<BuiltIn, kLevels>& builtInLevels() {
    static const std::array<BuiltIn, kLevels> levels = [] {
        std::array<BuiltIn, kLevels> all;
        for (int n = 1; n <= kLevels; ++n) all[n - 1] = builtInLevel(n);
        return all;
    }();
    return levels;
}

int codeOf(const std::string& cell) { return cell.empty() ? 0 : std::stoi(cell.substr(0, 3)); }

// The arms a tile shows, barred ones included.
unsigned drawnArms(int code) {
    const int variant = code % 100;
    if (familyOf(code) == Family::Street) return streetArms(code);
    if (familyOf(code) != Family::Blocked && familyOf(code) != Family::Transporter) return 0;
    if (variant <= 11) return streetArms(100 + variant);
    const std::string_view junction = blockedShapeSuffix(variant);
    if (junction.starts_with("sl")) return streetArms(108);
    if (junction.starts_with("sr")) return streetArms(107);
    if (junction.starts_with("wl")) return streetArms(110);
    if (junction.starts_with("wr")) return streetArms(109);
    return streetArms(111);
}

// The arms the car can use.
unsigned openArms(int code) {
    if (familyOf(code) == Family::Street) return streetArms(code);
    if (familyOf(code) == Family::Transporter) return streetArms(transporterBase(code));
    return streetArms(openArmStreet(code));  // 0 for the fully blocked 201..211
}

struct Side {
    unsigned arm;
    unsigned opposite;
    int dRow;
    int dColumn;
};
constexpr Side kSides[] = {
    {ArmUp, ArmDown, -1, 0}, {ArmDown, ArmUp, 1, 0}, {ArmRight, ArmLeft, 0, 1}, {ArmLeft, ArmRight, 0, -1}};

}  // namespace

TEST(BuiltInLevels, HaveGermanNamesDecorationsAndAnimations) {
    std::set<std::string> names;
    for (int n = 1; n <= kLevels; ++n) {
        const BuiltIn& built = builtInLevels()[n - 1];
        SCOPED_TRACE("level " + std::to_string(n));
        EXPECT_FALSE(built.source.name.empty());
        names.insert(built.source.name);
        std::set<Family> families;
        for (const std::string& cell : built.source.cells)
            if (!cell.empty()) families.insert(familyOf(codeOf(cell)));
        EXPECT_TRUE(families.count(Family::Animation));
        EXPECT_GE(std::count_if(families.begin(), families.end(),
                                [](Family f) { return f >= Family::Tree && f <= Family::Animal; }),
                  2);
        EXPECT_NE(built.level.endMarker, "") << "the end lies on a plain street";
        EXPECT_NE(streetArms(codeOf(built.source.cells[built.source.start])), 0u) << "the start lies on a street";
    }
    EXPECT_EQ(names.size(), static_cast<std::size_t>(kLevels));
}

TEST(BuiltInLevels, StreetsMeetMatchingArmsBarriersOrTheEdge) {
    for (int n = 1; n <= kLevels; ++n) {
        const auto& cells = builtInLevels()[n - 1].source.cells;
        for (int cell = 0; cell < kCellCount; ++cell) {
            const int code = codeOf(cells[cell]);
            const int row = cell / kColumns, column = cell % kColumns;
            for (const Side& side : kSides) {
                if (!(drawnArms(code) & side.arm)) continue;
                if (!(openArms(code) & side.arm)) continue;  // a barrier may face anything
                const int r = row + side.dRow, c = column + side.dColumn;
                if (c < 0 || c >= kColumns) {
                    // The car would run into the next or previous row: that cell must stop it.
                    const int wrapped = cell + side.dColumn;
                    if (isOnBoard(wrapped)) {
                        EXPECT_FALSE(openArms(codeOf(cells[wrapped])) & side.opposite)
                            << "level " << n << ": the street at cell " << cell << " runs on into cell " << wrapped;
                    }
                    continue;
                }
                if (r < 0 || r >= kRows) continue;
                EXPECT_TRUE(drawnArms(codeOf(cells[r * kColumns + c])) & side.opposite)
                    << "level " << n << ": the arm of cell " << cell << " towards cell " << r * kColumns + c
                    << " meets nothing";
            }
        }
    }
}

TEST(BuiltInLevels, AreWinnableAndAskMoreFromLevelToLevel) {
    std::optional<solver::Plan> before;
    for (int n = 1; n <= kLevels; ++n) {
        const Level& level = builtInLevels()[n - 1].level;
        SCOPED_TRACE("level " + std::to_string(n));
        const std::optional<solver::Plan> plan = solver::solve(level);
        ASSERT_TRUE(plan);
        ASSERT_EQ(plan->keys.size(), static_cast<std::size_t>(plan->ticks));
        if (before) {
            EXPECT_TRUE(plan->ticks > before->ticks || plan->presses > before->presses);
        }

        // The plan, played through the car step, wins on its last tick and never
        // relies on a step that runs past a row's end into the next row.
        const BoardTags tags = solver::boardTags(level);
        DriveState state = solver::startState(level);
        int presses = 0;
        for (int tick = 0; tick < plan->ticks; ++tick) {
            const solver::Key key = plan->keys[tick];
            presses += key != solver::Key::None;
            state.car = solver::pressed(state.car, key);
            const int from = state.car.pos;
            const CarStep step = stepCar(state, lookupIn(tags));
            state = step.state;
            if (tick + 1 < plan->ticks) {
                ASSERT_EQ(step.effects.end, LevelEnd::None) << "tick " << tick;
                if (!step.effects.transported) {
                    EXPECT_LE(std::abs(from % kColumns - state.car.pos % kColumns), 1) << "tick " << tick;
                }
            } else {
                EXPECT_EQ(step.effects.end, LevelEnd::Won);
            }
        }
        EXPECT_EQ(state.fields, plan->ticks);
        EXPECT_EQ(presses, plan->presses);
        std::cout << "[ plan     ] level " << n << " \"" << builtInLevels()[n - 1].source.name << "\": " << plan->ticks
                  << " ticks, " << plan->presses << " keys, " << plan->turns << " turns\n";
        before = plan;
    }
}
