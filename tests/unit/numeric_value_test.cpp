#include "platform/text/numeric_value.h"

#include <gtest/gtest.h>

#include <cmath>

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
