#include "shared/level_format/transporter_text.h"

#include <gtest/gtest.h>

#include <optional>

using pendix::TransporterText;

TEST(TransporterText, ParseTakesAnySevenCharactersAndSaysWhatTheySpell) {
    struct Case {
        const char* text;
        int code;                  // transporterCode()
        std::optional<int> target;  // targetCell()
        char exit;
        int exitDirection;
        int exitValue;
    };
    const Case cases[] = {
        {"9050072", 905, 7, '2', 2, 2},
        {"9120451", 912, 45, '1', 1, 1},
        {"9333998", 933, 399, '8', 8, 8},
        {"9010000", 901, 0, '0', 0, 0},        // exit 0: no direction
        {"9051239", 905, 123, '9', 0, 9},      // exit 9: no direction, the car takes 9
        {"905123x", 905, 123, 'x', 0, 0},
        {"1011231", 0, 123, '1', 1, 1},        // no transporter code, still a target and an exit
        {"1050451", 0, 45, '1', 1, 1},         // the game's board tag: base street 105
        {"9000011", 0, 1, '1', 1, 1},
        {"9340011", 0, 1, '1', 1, 1},
        {" 905001", 0, std::nullopt, '1', 1, 1},  // characters 4..6 "500" lie off the board
        {"9054003", 905, std::nullopt, '3', 3, 3},
        {"905-013", 905, std::nullopt, '3', 3, 3},
        {"905abc1", 905, 0, '1', 1, 1},        // no number reads 0
        {"905 1 3", 905, 1, '3', 3, 3},        // blanks inside a number are skipped
        {"9051.52", 905, 2, '2', 2, 2},        // 1.5 rounds to the even 2
        {"9052.52", 905, 2, '2', 2, 2},
        {"9051e22", 905, 100, '2', 2, 2},      // an exponent is read as the number reader reads it
    };
    for (const Case& c : cases) {
        const std::optional<TransporterText> link = TransporterText::parse(c.text);
        ASSERT_TRUE(link) << c.text;
        EXPECT_EQ(link->text(), c.text);
        EXPECT_EQ(link->transporterCode(), c.code) << c.text;
        EXPECT_EQ(link->targetCell(), c.target) << c.text;
        EXPECT_EQ(link->exit(), c.exit) << c.text;
        EXPECT_EQ(link->exitDirection(), c.exitDirection) << c.text;
        EXPECT_EQ(link->exitValue(), c.exitValue) << c.text;
    }
    for (const char* other : {"", "905", "905007", "90500721", "9050072 "})
        EXPECT_FALSE(TransporterText::parse(other)) << other;
}

TEST(TransporterText, ComposePadsTheTargetAndRefusesWhatTheFormatLacks) {
    EXPECT_EQ(TransporterText::compose(905, 7, 2)->text(), "9050072");
    EXPECT_EQ(TransporterText::compose(912, 300, 1)->text(), "9123001");
    EXPECT_EQ(TransporterText::compose(901, 0, 8)->text(), "9010008");
    const int refused[][3] = {{900, 7, 1},   {934, 7, 1}, {105, 7, 1}, {905, -1, 1},
                              {905, 400, 1}, {905, 7, 0}, {905, 7, 9}};
    for (const auto& [code, target, exit] : refused)
        EXPECT_FALSE(TransporterText::compose(code, target, exit)) << code << " " << target << " " << exit;

    // Every link the editor can make reads back as it was made.
    for (int code = 901; code <= 933; ++code)
        for (int target : {0, 7, 99, 100, 399})
            for (int exit = 1; exit <= 8; ++exit) {
                const std::optional<TransporterText> made = TransporterText::compose(code, target, exit);
                ASSERT_TRUE(made);
                const std::optional<TransporterText> link = TransporterText::parse(made->text());
                ASSERT_TRUE(link);
                EXPECT_EQ(link->transporterCode(), code);
                EXPECT_EQ(link->targetCell(), target);
                EXPECT_EQ(link->exitDirection(), exit);
            }
}

TEST(TransporterText, CodeAndExitAreReplacedAndTheRestKept) {
    const TransporterText link = *TransporterText::parse("9120071");
    EXPECT_EQ(link.withCode(105).text(), "1050071");
    EXPECT_EQ(link.withExit('4').text(), "9120074");
    EXPECT_EQ(link.withExit('x').text(), "912007x");  // whatever character a turned arrow carries
    EXPECT_EQ(TransporterText::parse("90 4 xy")->withCode(101).text(), "1014 xy");
}
