// Which typed file names and level names the editor takes.
#include "editor/name_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using pendix::editor::FileNameProblem;

TEST(NameRules, AFileNameStaysAPlainNameInTheLevelFolder) {
    struct Case {
        std::u32string answer;
        FileNameProblem problem;
    };
    const Case cases[] = {
        {U"Level1", FileNameProblem::None},
        {U"Über die Brücke", FileNameProblem::None},
        {U"  Level1  ", FileNameProblem::None},
        {U"a.b.lvl", FileNameProblem::None},
        {U"..lvl", FileNameProblem::None},
        {U"a:b?*", FileNameProblem::None},  // this file system takes them
        {U"../Level1", FileNameProblem::Separator},
        {U"a/b", FileNameProblem::Separator},
        {U"a\\b", FileNameProblem::Separator},
        {U"/", FileNameProblem::Separator},
        {U"a\tb", FileNameProblem::ControlCharacter},
        {U"a\rb", FileNameProblem::ControlCharacter},
        {U"a\x7f", FileNameProblem::ControlCharacter},
        {U"a\x85", FileNameProblem::ControlCharacter},
        {U".", FileNameProblem::OnlyDots},
        {U"..", FileNameProblem::OnlyDots},
        {U"....", FileNameProblem::OnlyDots},
        {U" .. ", FileNameProblem::OnlyDots},
    };
    for (const Case& c : cases) EXPECT_EQ(pendix::editor::fileNameProblem(c.answer), c.problem) << c.answer.size();
}

TEST(NameRules, ALevelNameHoldsOnlyWhatItsFileLineCanHold) {
    struct Case {
        std::u32string name;
        std::optional<char32_t> refused;
    };
    const Case cases[] = {
        {U"Über die Brücke", std::nullopt},
        {U"äöüß ÄÖÜ €‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ", std::nullopt},
        {U"  mit Leerzeichen  ", std::nullopt},
        {U"Tab\tstay", std::nullopt},
        {U"", std::nullopt},
        {U"zwei\rZeilen", U'\r'},
        {U"zwei\nZeilen", U'\n'},
        {U"Kraków und Łódź", U'Ł'},  // ó is there, Ł is not
        {U"Gruß 😀", U'😀'},
        {U"\x80", U'\x80'},  // the byte 0x80 is the euro sign, not this control
    };
    for (const Case& c : cases) EXPECT_EQ(pendix::editor::unstorableNameCharacter(c.name), c.refused);
}

}  // namespace
