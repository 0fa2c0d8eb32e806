#include "platform/text/numeric_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using platform::numericValue;
using platform::toInt16;

struct ValueCase {
    const char* text;
    double value;
};

TEST(NumericValue, ReadsTheLeadingNumber) {
    const ValueCase cases[] = {
        {"", 0},         {"0", 0},        {"101", 101},     {"0101", 101},     {"12ab", 12},
        {"1 000", 1000}, {"1\t2", 12},    {" 7\n", 7},      {"-3", -3},        {"+4", 4},
        {"1.5", 1.5},    {".5", 0.5},     {"1.2.3", 1.2},   {"2e3", 2000},     {"2D2", 200},
        {"1e", 1},       {"1e+", 1},      {"abc", 0},       {"-", 0},          {".", 0},
        {"9120451", 9120451}, {"- 5", -5}, {"1,5", 1},      {"12.5", 12.5},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumericValue, LongExponentsAndFractionsReadAsTheDecimalNumberTheyAre) {
    const std::string zeros400(400, '0');
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"1e000001", 10},
        {"5E-000001", 0.5},
        {"1.01e000002", 101},
        {"7.9e000001", 79},
        {"1e000003", 1000},
        {"1e+0000000000000000000000002", 100},
        {"2D-00003", 0.002},
        {"0." + zeros400 + "1", 0},  // below the smallest double: 0, as the double gives it
        {"0." + zeros400 + "1e400", 0.1},
        {"1" + zeros400 + "e-400", 1},
        {"0." + zeros400 + "5e401", 5},
        {"-0." + zeros400 + "1e402", -10},
        {"1e308", 1e308},
        {"4.9e-324", 4.9e-324},  // the smallest double
        {"1e-330", 0},
        {"0e999999999", 0},
        {"0.0000e-99999999999", 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << '"' << c.text.substr(0, 40) << '"';
    EXPECT_TRUE(std::isinf(numericValue("1e309")));
    EXPECT_TRUE(std::isinf(numericValue("1" + zeros400)));
    EXPECT_TRUE(std::isinf(numericValue("0.1e000000000000000000400")));
    EXPECT_LT(numericValue("-1e0000400"), 0);
    EXPECT_TRUE(std::isinf(numericValue("-1e0000400")));
}

TEST(NumericValue, HugeExponentsDoNotCrash) {
    EXPECT_TRUE(std::isinf(numericValue("1e99999999")));
    EXPECT_DOUBLE_EQ(numericValue("1e-99999999"), 0.0);
    EXPECT_FALSE(toInt16(numericValue("1e400")).has_value());
}

TEST(WholeNumber, RoundsHalvesToEven) {
    const ValueCase cases[] = {{"0.5", 0}, {"1.5", 2}, {"2.5", 2}, {"12.5", 12}, {"13.5", 14}, {"-2.5", -2}, {"3.49", 3}};
    for (const auto& c : cases) EXPECT_EQ(toInt16(numericValue(c.text)), std::optional<std::int16_t>(c.value)) << c.text;
}

TEST(WholeNumber, RejectsValuesBeyondSixteenBits) {
    EXPECT_EQ(toInt16(32767.0), std::optional<std::int16_t>(32767));
    EXPECT_EQ(toInt16(-32768.0), std::optional<std::int16_t>(-32768));
    EXPECT_FALSE(toInt16(32767.5).has_value());  // rounds to 32768
    EXPECT_FALSE(toInt16(-40000.0).has_value());
    EXPECT_FALSE(toInt16(NAN).has_value());
}
