// Which typed file names and level names the editor takes.
#include "editor/rules/name_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using pendix::editor::FileNameProblem;

TEST(NameRules, AFileNameStaysAPlainNameInTheLevelFolder) {
    struct Case {
        std::u16string answer;
        FileNameProblem problem;
    };
    const char16_t high = 0xD83D, low = 0xDE00;  // the two halves of U+1F600
    const Case cases[] = {
        {u"Level1", FileNameProblem::None},
        {u"Über die Brücke", FileNameProblem::None},
        {u"  Level1  ", FileNameProblem::None},
        {u"a.b.lvl", FileNameProblem::None},
        {u"..lvl", FileNameProblem::None},
        {u"a:b?*", FileNameProblem::None},  // this file system takes them
        {u"Gruß 😀", FileNameProblem::None},
        {u"../Level1", FileNameProblem::Separator},
        {u"a/b", FileNameProblem::Separator},
        {u"a\\b", FileNameProblem::Separator},
        {u"/", FileNameProblem::Separator},
        {u"a\tb", FileNameProblem::ControlCharacter},
        {u"a\rb", FileNameProblem::ControlCharacter},
        {u"a\x7f", FileNameProblem::ControlCharacter},
        {u"a\x85", FileNameProblem::ControlCharacter},
        {u".", FileNameProblem::OnlyDots},
        {u"..", FileNameProblem::OnlyDots},
        {u"....", FileNameProblem::OnlyDots},
        {u" .. ", FileNameProblem::OnlyDots},
        // Half a character has no bytes in a file name: it would be written as another name.
        {std::u16string{u'a', high}, FileNameProblem::BrokenCharacter},
        {std::u16string{low, u'a'}, FileNameProblem::BrokenCharacter},
        {std::u16string{low, high}, FileNameProblem::BrokenCharacter},
        {std::u16string{high, high, low}, FileNameProblem::BrokenCharacter},
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
