// The game with one data file missing or damaged at a time: it loads a level,
// plays it to the end, animates the board and the icon, shows its help and its
// file list, and never crashes. Each case copies the program folder that the
// installer's own code filled once and damages one file in the copy. The help
// viewer and the wave player are the real ones here, so a damaged help file or
// wave is really read; the other services are the recording doubles.
#include "game/frm_haupt.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "platform/services/qt_services.h"
#include "platform/services/test_services.h"
#include "shared/file_list/frm_datei_lst.h"
#include "shared/level_format/level_writer.h"
#include "tests/support/installed_folder.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"

#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace {

enum class Damage { Missing, Empty, NoPicture, CutShort };

struct Case {
    const char* file;  // relative to the program folder, as the programs name it
    Damage damage;
};

void PrintTo(const Case& c, std::ostream* out) {
    static const char* const kNames[] = {"missing", "empty", "garbage", "cut short"};
    *out << c.file << " " << kNames[static_cast<int>(c.damage)];
}

// Bytes of no known format: not a bitmap, icon, wave, level or list.
const QByteArray kGarbage = QByteArray("\x00\xff\x13 no picture, no sound \x80\x81\r\n\\[", 31).repeated(20);

class Services : public platform::ScopedTestServices {
public:
    platform::HelpViewer& helpViewer() override { return realHelp; }
    platform::WavePlayer& wavePlayer() override { return realWaves; }
    platform::QtHelpViewer realHelp;
    platform::QtWavePlayer realWaves;
};

// A straight road along row 2 from 50 to the end on 74, and every animated kind,
// a decoration and a transporter elsewhere on the board.
std::string probeLevel() {
    std::array<std::string, pendix::kCellCount> cells;
    for (int i = 50; i < 75; ++i) cells[static_cast<std::size_t>(i)] = "102";
    for (int kind = 1; kind <= pendix::kAnimationKinds; ++kind)
        cells[static_cast<std::size_t>(200 + kind)] = std::to_string(800 + kind);
    cells[300] = "301";
    cells[310] = "9120451";
    return pendix::levelFileBytes("Probe", cells, 50, 3, 74);
}

class DamagedDataTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        test_support::InstalledFolder::copyInto(copy_);
        const std::string bytes = probeLevel();
        copy_.writeText("\\probe.lvl", QByteArray::fromStdString(bytes));
    }
    void TearDown() override { platform::dropInstances(); }

    // Damages the case's file in the copy; false when the installer never wrote it.
    bool damage(const Case& c) const {
        const QString path = platform::resolveDataPath(c.file);
        QFile file(path);
        if (!file.exists()) return false;
        switch (c.damage) {
        case Damage::Missing: return file.remove();
        case Damage::Empty: return file.resize(0);
        case Damage::CutShort: return file.resize(file.size() / 2);
        case Damage::NoPicture:
            if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
            return file.write(kGarbage) == kGarbage.size();
        }
        return false;
    }

    bool messageShown(const QString& start) const {
        for (const auto& shown : fakes.messages.shown)
            if (shown.text.startsWith(start)) return true;
        return false;
    }

    Services fakes;

private:
    test_support::ProgramFolder copy_{test_support::ProgramFolder::Contents::Nothing};
};

TEST_P(DamagedDataTest, GamePlaysAnimatesAndShowsItsDialogs) {
    const Case c = GetParam();
    ASSERT_TRUE(damage(c)) << "the installer writes no " << c.file;

    auto& window = platform::instance<pendix::frmHaupt>();
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
    auto& list = platform::instance<pendix::frmDateiLst>();
    ASSERT_TRUE(list.isLoaded());
    for (int folder = 0; folder < list.lstVerzeichnisse.listCount(); ++folder) {
        list.lstVerzeichnisse.setListIndex(folder);
        if (list.lstDateien.listCount() > 0) list.lstDateien.setListIndex(0);
    }
    list.Timer.fire();
    list.cmdOk.click();
    EXPECT_FALSE(list.isLoaded());
}

const Case kCases[] = {
    {"\\bmp\\StrasRL.bmp", Damage::Missing},           // a tile of the road
    {"\\bmp\\StrasRL.bmp", Damage::NoPicture},
    {"\\bmp\\StrasRL.bmp", Damage::Empty},
    {"\\bmp\\StraeRL.bmp", Damage::CutShort},          // the end marker
    {"\\bmp\\deko\\Baum01.bmp", Damage::NoPicture},    // a decoration
    {"\\bmp\\Sgtaslol.bmp", Damage::Missing},          // a transporter
    {"\\bmp\\deko\\ani\\Ani0101.bmp", Damage::NoPicture},  // first frame, drawn at load
    {"\\bmp\\deko\\ani\\Ani0102.bmp", Damage::Missing},    // a later frame
    {"\\bmp\\deko\\ani\\Ani0224.bmp", Damage::CutShort},
    {"\\ico\\auto01.ico", Damage::Missing},
    {"\\ico\\auto02.ico", Damage::NoPicture},
    {"\\ico\\auto03.ico", Damage::CutShort},
    {"\\bmp\\AutoRL.bmp", Damage::Missing},            // the car on the road
    {"\\bmp\\AuteRL.bmp", Damage::NoPicture},          // the car on the end cell
    {"\\wav\\gerade.wav", Damage::Missing},
    {"\\wav\\applaus.wav", Damage::NoPicture},
    {"\\wav\\gerade.wav", Damage::CutShort},
    {"\\hilfe\\pendix.hlp", Damage::Missing},
    {"\\hilfe\\objekte.hlp", Damage::NoPicture},
    {"\\hilfe\\menuesch.hlp", Damage::Empty},
    {"\\dateien.lst", Damage::Missing},
    {"\\dateien.lst", Damage::NoPicture},
    {"\\dateien.lst", Damage::CutShort},
    {"\\lev1-9\\level1.lev", Damage::Missing},
    {"\\lev1-9\\level1.lev", Damage::CutShort},
    {"\\lev1-9\\level1.lev", Damage::NoPicture},
    {"\\lev1-9\\level1.lev", Damage::Empty},
};

INSTANTIATE_TEST_SUITE_P(OneFileAtATime, DamagedDataTest, ::testing::ValuesIn(kCases));

}  // namespace
