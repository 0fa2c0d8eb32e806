// Which count boxes a board cell's tag adds to.
#include "editor/rules/count_rule.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <string_view>

namespace editor_test {
namespace {

using pendix::Family;
using pendix::editor::countedTile;
using pendix::editor::CountedTile;

struct Case {
    const char* tag;
    std::optional<CountedTile> counted;
};

class CountRuleTest : public ::testing::TestWithParam<Case> {};

TEST_P(CountRuleTest, TagCountsInItsCodesBoxAndItsFamily) {
    EXPECT_EQ(countedTile(GetParam().tag), GetParam().counted) << GetParam().tag;
}

constexpr std::nullopt_t kNowhere = std::nullopt;

// The tag in the case's name: its digits and letters, the other characters in words.
std::string tagName(const ::testing::TestParamInfo<Case>& info) {
    std::string name;
    for (const char c : std::string_view(info.param.tag)) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (c == ' ')
            name += "Space";
        else if (c == '.')
            name += "Dot";
        else if (c == '-')
            name += "Minus";
        else
            name += "Sign";
    }
    return name.empty() ? "Empty" : name;
}

INSTANTIATE_TEST_SUITE_P(
    Tags, CountRuleTest,
    ::testing::Values(
        // Empty cells, also a tag that reads as no number.
        Case{"0", kNowhere}, Case{"", kNowhere}, Case{"abc", kNowhere}, Case{"abcdefg", kNowhere},
        // Each family's first and last code.
        Case{"101", CountedTile{101, Family::Street}}, Case{"111", CountedTile{111, Family::Street}},
        Case{"201", CountedTile{201, Family::Blocked}}, Case{"233", CountedTile{233, Family::Blocked}},
        Case{"301", CountedTile{301, Family::Tree}}, Case{"314", CountedTile{314, Family::Tree}},
        Case{"401", CountedTile{401, Family::Flower}}, Case{"409", CountedTile{409, Family::Flower}},
        Case{"501", CountedTile{501, Family::House}}, Case{"510", CountedTile{510, Family::House}},
        Case{"601", CountedTile{601, Family::Sport}}, Case{"621", CountedTile{621, Family::Sport}},
        Case{"701", CountedTile{701, Family::Animal}}, Case{"721", CountedTile{721, Family::Animal}},
        Case{"801", CountedTile{801, Family::Animation}}, Case{"821", CountedTile{821, Family::Animation}},
        // A transporter still waiting for its target is a transporter, not an animation.
        Case{"901", CountedTile{901, Family::Transporter}}, Case{"933", CountedTile{933, Family::Transporter}},
        // Linked transporters: their code is the first three characters.
        Case{"9051231", CountedTile{905, Family::Transporter}}, Case{"9330008", CountedTile{933, Family::Transporter}},
        Case{"901abcd", CountedTile{901, Family::Transporter}},
        // The number the tag begins with, compared exactly.
        Case{"0101", CountedTile{101, Family::Street}}, Case{"101.0", CountedTile{101, Family::Street}},
        Case{" 702", CountedTile{702, Family::Animal}}, Case{"101.5", kNowhere}, Case{"-101", kNowhere},
        // Numbers without a box: between the families, beyond them, and 7 characters of no transporter.
        Case{"112", kNowhere}, Case{"150", kNowhere}, Case{"200", kNowhere}, Case{"234", kNowhere},
        Case{"300", kNowhere}, Case{"800", kNowhere}, Case{"822", kNowhere}, Case{"934", kNowhere},
        Case{"950", kNowhere}, Case{"1", kNowhere}, Case{"99", kNowhere}, Case{"1000", kNowhere},
        Case{"1010001", kNowhere}, Case{"8011234", kNowhere}, Case{"9341231", kNowhere}, Case{"90512312", kNowhere},
        Case{"1e300", kNowhere}, Case{"1e999", kNowhere}),
    tagName);

TEST(CountRule, EveryCatalogueCodeCountsInItsOwnFamily) {
    for (int code : pendix::allTileCodes()) {
        EXPECT_EQ(countedTile(std::to_string(code)), (CountedTile{code, pendix::familyOf(code)})) << code;
    }
}

}  // namespace
}  // namespace editor_test
