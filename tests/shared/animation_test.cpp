// The tile animation on plain button sets, the icon animation on real windows.
#include "game/frm_geschwindigkeit.h"
#include "platform/application.h"
#include "shared/animation/tile_animation.h"
#include "tests/game/game_window_fixture.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

using test_support::ProgramFolder;

QString aniPath(const char* name) { return QStringLiteral("\\bmp\\deko\\ani\\%1.bmp").arg(QLatin1String(name)); }

// One animated button with its counter, as a placer leaves it.
struct OneTile {
    platform::ControlArray<platform::GraphicalButton> cmd;
    std::array<std::int16_t, 1> counter{};
    OneTile(const QString& tag, std::int16_t frame) {
        cmd.add(0).setTag(tag);
        cmd(0).setPicture(platform::loadPicture("\\bmp\\deko\\ani\\Ani0101.bmp"));
        counter[0] = frame;
    }
    void tick() { pendix::AnimateTiles(cmd, counter); }
    QString shown() { return cmd(0).picture().sourcePath(); }
};

class TileAnimation : public ::testing::Test {
protected:
    ProgramFolder folder;
};

TEST_F(TileAnimation, Code802StepsThroughItsTwentyFourFramesAndBack) {
    OneTile tile("802", 1);
    for (int frame = 2; frame <= 24; ++frame) {
        tile.tick();
        EXPECT_EQ(tile.shown(), QStringLiteral("\\bmp\\deko\\ani\\Ani02%1.bmp").arg(frame, 2, 10, QChar(u'0')));
        EXPECT_EQ(tile.counter[0], frame);
    }
    tile.tick();
    EXPECT_EQ(tile.shown(), aniPath("Ani0201"));
    EXPECT_EQ(tile.counter[0], 1);
}

TEST_F(TileAnimation, Code806UsesTheShortNames) {
    OneTile tile("806", 1);
    std::vector<QString> shown;
    for (int i = 0; i < 5; ++i) {
        tile.tick();
        shown.push_back(tile.shown());
    }
    EXPECT_EQ(shown, (std::vector<QString>{aniPath("Ani0062"), aniPath("Ani0063"), aniPath("Ani0064"),
                                           aniPath("Ani0065"), aniPath("Ani0061")}));
}

struct KindCase {
    const char* tag;
    int frames;
    const char* last;
    const char* first;
};

// Every kind reaches its last frame after frames - 1 ticks and its first one tick later.
TEST_F(TileAnimation, EveryKindWrapsAfterItsFrameCount) {
    const KindCase cases[] = {
        {"801", 11, "Ani0111", "Ani0101"}, {"802", 24, "Ani0224", "Ani0201"}, {"803", 10, "Ani0310", "Ani0301"},
        {"804", 5, "Ani0045", "Ani0041"},  {"805", 8, "Ani0058", "Ani0051"},  {"806", 5, "Ani0065", "Ani0061"},
        {"807", 6, "Ani0076", "Ani0071"},  {"808", 6, "Ani0086", "Ani0081"},  {"809", 6, "Ani0096", "Ani0091"},
        {"810", 10, "Ani1010", "Ani1001"}, {"811", 10, "Ani1110", "Ani1101"}, {"815", 10, "Ani1510", "Ani1501"},
        {"820", 10, "Ani2010", "Ani2001"}, {"821", 10, "Ani2110", "Ani2101"},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.tag);
        OneTile tile(c.tag, 1);
        for (int i = 1; i < c.frames; ++i) tile.tick();
        EXPECT_EQ(tile.shown(), aniPath(c.last));
        EXPECT_EQ(tile.counter[0], c.frames);
        tile.tick();
        EXPECT_EQ(tile.shown(), aniPath(c.first));
        EXPECT_EQ(tile.counter[0], 1);
    }
}

TEST_F(TileAnimation, ACounterOutsideOneToNStaysStill) {
    for (std::int16_t frame : {std::int16_t{0}, std::int16_t{12}, std::int16_t{-1}, std::int16_t{32767}}) {
        SCOPED_TRACE(frame);
        OneTile tile("801", frame);
        tile.tick();
        EXPECT_EQ(tile.shown(), aniPath("Ani0101"));
        EXPECT_EQ(tile.counter[0], frame);
    }
}

// The Tag is compared as a number; other tiles' tags and texts that are no number never animate.
TEST_F(TileAnimation, WhichTagsAnimate) {
    const struct {
        const char* tag;
        bool animates;
    } cases[] = {
        {"0801", true},     {" 801", true},    {"801 ", true}, {"+801", true},   {"801.0", true},   {"8.01E2", true},
        {"0", false},       {"", false},       {"101", false}, {"800", false},   {"822", false},    {"9010453", false},
        {"8010453", false}, {"801abc", false}, {"abc", false}, {"801.5", false}, {"8 0 1x", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tag);
        OneTile tile(c.tag, 1);
        tile.tick();
        EXPECT_EQ(tile.shown(), aniPath(c.animates ? "Ani0102" : "Ani0101"));
        EXPECT_EQ(tile.counter[0], c.animates ? 2 : 1);
    }
}

TEST_F(TileAnimation, AMissingFrameKeepsPictureAndCounterUntilTheFileIsBack) {
    folder.remove("\\bmp\\deko\\ani\\Ani0102.bmp");
    OneTile tile("801", 1);
    tile.tick();
    EXPECT_EQ(tile.shown(), aniPath("Ani0101"));
    EXPECT_EQ(tile.counter[0], 1);

    folder.writeText("\\bmp\\deko\\ani\\Ani0102.bmp", "no picture");
    tile.tick();
    EXPECT_EQ(tile.counter[0], 1);

    folder.writePicture("\\bmp\\deko\\ani\\Ani0102.bmp");
    tile.tick();
    EXPECT_EQ(tile.shown(), aniPath("Ani0102"));
    EXPECT_EQ(tile.counter[0], 2);
}

TEST_F(TileAnimation, ASetAdvancesEveryAnimatedButtonAndNothingElse) {
    platform::ControlArray<platform::GraphicalButton> cmd;
    std::array<std::int16_t, 3> counters{1, 5, 3};
    const char* tags[] = {"804", "101", "804"};
    for (int i = 0; i < 3; ++i) cmd.add(i).setTag(tags[i]);
    pendix::AnimateTiles(cmd, counters);
    EXPECT_EQ(cmd(0).picture().sourcePath(), aniPath("Ani0042"));
    EXPECT_TRUE(cmd(1).picture().sourcePath().isEmpty());
    EXPECT_EQ(cmd(2).picture().sourcePath(), aniPath("Ani0044"));
    EXPECT_EQ(counters, (std::array<std::int16_t, 3>{2, 5, 4}));
    EXPECT_EQ(cmd(1).tag(), "101");
}

// The icon on the real windows: the speed dialog (unloaded at every close) and the game window.
class IconAnimation : public game_test::GameWindowTest {
protected:
    IconAnimation() : GameWindowTest(Data::OwnFolder) {}
    pendix::game::frmGeschwindigkeit& dialog = platform::instance<pendix::game::frmGeschwindigkeit>();
};

QString iconPath(int n) { return QStringLiteral("\\ico\\auto%1.ico").arg(n, 2, 10, QChar(u'0')); }

TEST_F(IconAnimation, RunsOneToFifteenAndBackToOne) {
    dialog.load();
    for (int n = 1; n <= 15; ++n) {
        ASSERT_TRUE(dialog.Timer.fire());
        EXPECT_EQ(dialog.icon().sourcePath(), iconPath(n));
        EXPECT_FALSE(dialog.icon().isEmpty());
    }
    dialog.Timer.fire();
    EXPECT_EQ(dialog.icon().sourcePath(), iconPath(1));
    EXPECT_EQ(dialog.IconStep, 1);
}

TEST_F(IconAnimation, ADialogShownAgainGoesOnWithTheNextFrame) {
    dialog.load();
    for (int i = 0; i < 3; ++i) dialog.Timer.fire();
    dialog.cmdAbbrechen.click();
    ASSERT_FALSE(dialog.isLoaded());
    dialog.load();
    dialog.Timer.fire();
    EXPECT_EQ(dialog.icon().sourcePath(), iconPath(4));
}

TEST_F(IconAnimation, AMissingIconKeepsTheIconAndTheCycleGoesOn) {
    folder().remove("\\ico\\auto02.ico");
    dialog.load();
    dialog.Timer.fire();
    dialog.Timer.fire();
    EXPECT_EQ(dialog.icon().sourcePath(), iconPath(1));
    EXPECT_EQ(dialog.IconStep, 2);
    dialog.Timer.fire();
    EXPECT_EQ(dialog.icon().sourcePath(), iconPath(3));
}

TEST_F(IconAnimation, TheGameWindowsTickChangesTheIconBeforeAnyTile) {
    game.cmd(0).setTag("801");
    game.cmd(0).setPicture(platform::loadPicture("\\bmp\\deko\\ani\\Ani0101.bmp"));
    game.AnimCells[0] = 1;
    QString tileAtIconChange;
    QObject::connect(game.window(), &QWidget::windowIconChanged,
                     [&] { tileAtIconChange = game.cmd(0).picture().sourcePath(); });
    ASSERT_TRUE(game.Timer.fire());
    EXPECT_EQ(tileAtIconChange, aniPath("Ani0101"));
    EXPECT_EQ(game.cmd(0).picture().sourcePath(), aniPath("Ani0102"));
    EXPECT_EQ(game.icon().sourcePath(), iconPath(1));
}

}  // namespace
