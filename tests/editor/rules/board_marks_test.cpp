// The marks the editor's board keeps on its overlays: the Target mark and the
// one-step turn of a direction.
#include "editor/rules/direction_step.h"
#include "editor/rules/target_mark.h"

#include <gtest/gtest.h>

#include <optional>

using pendix::editor::nextDirection;
using pendix::editor::TargetMark;

TEST(TargetMark, ComposeWritesTheSourceCellInThreeDigitsAndTheExit) {
    const struct {
        int source;
        char exit;
        const char* text;
    } cases[] = {
        {300, '1', "3001"},
        {7, '4', "0074"},
        {0, '8', "0008"},
        {399, '1', "3991"},
        {45, 'x', "045x"},  // a file's exit character stays as it is
    };
    for (const auto& c : cases) {
        const std::optional<TargetMark> mark = TargetMark::compose(c.source, c.exit);
        ASSERT_TRUE(mark) << c.text;
        EXPECT_EQ(mark->text(), c.text);
        EXPECT_EQ(mark->sourceCell(), c.source) << c.text;
        EXPECT_EQ(mark->exit(), c.exit) << c.text;
    }
    EXPECT_FALSE(TargetMark::compose(-1, '1'));
    EXPECT_FALSE(TargetMark::compose(400, '1'));
}

TEST(TargetMark, ParseTakesAnyFourCharactersAndReadsTheSourceAsANumber) {
    const struct {
        const char* text;
        std::optional<int> source;
        char exit;
    } cases[] = {
        {"3004", 300, '4'},
        {"0451", 45, '1'},
        {"0000", 0, '0'},
        {"3999", 399, '9'},
        {"4001", std::nullopt, '1'},  // off the board
        {"-011", std::nullopt, '1'},
        {" 121", 12, '1'},            // blanks are skipped
        {"abc1", 0, '1'},             // no number reads 0
        {"1.52", 2, '2'},             // halves to even
        {"2.52", 2, '2'},
    };
    for (const auto& c : cases) {
        const std::optional<TargetMark> mark = TargetMark::parse(c.text);
        ASSERT_TRUE(mark) << c.text;
        EXPECT_EQ(mark->text(), c.text);
        EXPECT_EQ(mark->sourceCell(), c.source) << c.text;
        EXPECT_EQ(mark->exit(), c.exit) << c.text;
    }
    for (const char* other : {"", "0", "1", "001", "00011", "9120071"}) EXPECT_FALSE(TargetMark::parse(other)) << other;
}

TEST(TargetMark, WithExitChangesOnlyTheFourthCharacter) {
    const TargetMark mark = *TargetMark::parse("3001");
    EXPECT_EQ(mark.withExit('4').text(), "3004");
    EXPECT_EQ(mark.withExit('x').text(), "300x");
    EXPECT_EQ(mark.text(), "3001");
}

TEST(DirectionStep, EachDigitTurnsOneStepAndEightComesBackToOne) {
    const struct {
        const char* digit;
        std::optional<int> next;
    } cases[] = {
        {"1", 2}, {"2", 3}, {"3", 4}, {"4", 5}, {"5", 6}, {"6", 7}, {"7", 8}, {"8", 1},
        {"0", std::nullopt}, {"9", std::nullopt}, {"", std::nullopt}, {"12", std::nullopt},
        {"x", std::nullopt}, {" 1", std::nullopt}, {"3001", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(nextDirection(c.digit), c.next) << '"' << c.digit << '"';
}
