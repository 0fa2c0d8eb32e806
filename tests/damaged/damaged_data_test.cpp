// The game with one data file missing or damaged at a time: it loads a level,
// plays it to the end, animates the board and the icon, shows its help and its
// file list, and never crashes. Each case copies the program folder that the
// installer's own code filled once and damages one file in the copy. The help
// viewer and the wave player are the real ones here, so a damaged help file or
// wave is really read; the other services are the recording doubles.
#include "game/frm_haupt.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "tests/support/damaged_file.h"
#include "tests/support/dialog_hands.h"
#include "tests/support/installed_folder.h"
#include "tests/support/level_file.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/real_viewers.h"

#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace {

using test_support::Damage;
using Case = test_support::DamagedFile;

// A straight road along row 2 from 50 to the end on 74, and every animated kind,
// a decoration and a transporter elsewhere on the board.
QByteArray probeLevel() {
    test_support::LevelCells cells;
    for (int i = 50; i < 75; ++i) cells[static_cast<std::size_t>(i)] = "102";
    for (int kind = 1; kind <= pendix::kAnimationKinds; ++kind)
        cells[static_cast<std::size_t>(200 + kind)] = std::to_string(800 + kind);
    cells[300] = "301";
    cells[310] = "9120451";
    return test_support::levelFile("Probe", cells, 50, 3, 74);
}

class DamagedDataTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        test_support::InstalledFolder::copyInto(copy_);
        copy_.writeText("\\probe.lvl", probeLevel());
    }
    void TearDown() override { platform::dropInstances(); }

    bool messageShown(const QString& start) const {
        for (const auto& shown : fakes.messages.shown)
            if (shown.text.startsWith(start)) return true;
        return false;
    }

    test_support::ServicesWithRealViewers fakes;

private:
    test_support::ProgramFolder copy_{test_support::ProgramFolder::Contents::Nothing};
};

TEST_P(DamagedDataTest, GamePlaysAnimatesAndShowsItsDialogs) {
    const Case c = GetParam();
    ASSERT_TRUE(test_support::damage(c.file, c.damage)) << "the installer writes no " << c.file;

    auto& window = platform::instance<pendix::game::frmHaupt>();
    window.show();
    ASSERT_TRUE(window.Timer.enabled()) << "the first-start box took over";

    // A built-in level: a damaged one is refused with a message and an empty board.
    window.mnuLevel1.click();
    const bool levelDamaged = QString::fromLatin1(c.file).startsWith(QStringLiteral("\\lev1-9\\level1"));
    EXPECT_EQ(messageShown(QStringLiteral("Das Level konnte nicht eingelesen werden")), levelDamaged);
    EXPECT_EQ(window.lblLevelName.caption() == QStringLiteral("Kein Level eingelesen!"), levelDamaged);

    // A level of its own, played to the end with the animation ticking in between.
    window.ClearBoard();
    window.LoadLevel(platform::programFolder() + QStringLiteral("/probe.lvl"));
    ASSERT_EQ(window.lblLevelName.caption(), QStringLiteral("Level: Probe"));
    window.cmdLevelStart.click();
    int ticks = 0;
    for (int step = 0; step < 40 && window.tmeWeiter.enabled(); ++step) {
        window.tmeWeiter.fire();
        ticks += window.Timer.fire() ? 1 : 0;
    }
    EXPECT_TRUE(messageShown(QStringLiteral("Herzlichen Glückwunsch!")));
    while (ticks < 60) ticks += window.Timer.fire() ? 1 : 0;
    // Kind 5 (8 frames) is undamaged in every case; the icon steps on past a bad frame.
    EXPECT_EQ(window.AnimCells[205], 1 + 60 % 8);
    EXPECT_EQ(window.IconStep, 15);

    // Help, then the file list with every folder and its first file chosen.
    window.mnuHilfe2.click();
    window.mnuObjekte.click();
    window.mnuMenüsystem.click();
    window.mnuDateiInfo.click();
    test_support::browseFileList();
}

const Case kCases[] = {
    {"\\bmp\\StrasRL.bmp", Damage::Missing},           // a tile of the road
    {"\\bmp\\StrasRL.bmp", Damage::Garbage},
    {"\\bmp\\StrasRL.bmp", Damage::Empty},
    {"\\bmp\\StraeRL.bmp", Damage::CutShort},          // the end marker
    {"\\bmp\\deko\\Baum01.bmp", Damage::Garbage},    // a decoration
    {"\\bmp\\Sgtaslol.bmp", Damage::Missing},          // a transporter
    {"\\bmp\\deko\\ani\\Ani0101.bmp", Damage::Garbage},  // first frame, drawn at load
    {"\\bmp\\deko\\ani\\Ani0102.bmp", Damage::Missing},    // a later frame
    {"\\bmp\\deko\\ani\\Ani0224.bmp", Damage::CutShort},
    {"\\ico\\auto01.ico", Damage::Missing},
    {"\\ico\\auto02.ico", Damage::Garbage},
    {"\\ico\\auto03.ico", Damage::CutShort},
    {"\\bmp\\AutoRL.bmp", Damage::Missing},            // the car on the road
    {"\\bmp\\AuteRL.bmp", Damage::Garbage},          // the car on the end cell
    {"\\wav\\gerade.wav", Damage::Missing},
    {"\\wav\\applaus.wav", Damage::Garbage},
    {"\\wav\\gerade.wav", Damage::CutShort},
    {"\\hilfe\\pendix.hlp", Damage::Missing},
    {"\\hilfe\\objekte.hlp", Damage::Garbage},
    {"\\hilfe\\menuesch.hlp", Damage::Empty},
    {"\\dateien.lst", Damage::Missing},
    {"\\dateien.lst", Damage::Garbage},
    {"\\dateien.lst", Damage::CutShort},
    {"\\lev1-9\\level1.lev", Damage::Missing},
    {"\\lev1-9\\level1.lev", Damage::CutShort},
    {"\\lev1-9\\level1.lev", Damage::Garbage},
    {"\\lev1-9\\level1.lev", Damage::Empty},
};

INSTANTIATE_TEST_SUITE_P(OneFileAtATime, DamagedDataTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return test_support::caseName(info.param); });

}  // namespace
