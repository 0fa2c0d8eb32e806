// A level whose file name holds a "\" (an ordinary character on this system):
// the chooser lists it, hands back its real path, and the game opens it.
#include "shared/level_chooser/frm_levelauswahl.h"
#include "tests/game/game_window_fixture.h"

#include <QFile>
#include <QFileInfo>

namespace {

using game_test::GameWindowTest;
using pendix::frmLevelauswahl;

class LevelChooserPaths : public GameWindowTest {
protected:
    LevelChooserPaths() : GameWindowTest(Data::OwnFolder) {}
};

TEST_F(LevelChooserPaths, ALevelWithABackslashInItsNameIsOpenedAsListed) {
    const QString path = writeLevel("\\lvlneu\\blanko.lvl", "Blanko");
    const QString odd = QFileInfo(path).path() + "/a\\b.lvl";
    ASSERT_TRUE(QFile::copy(path, odd));
    script<frmLevelauswahl>([](frmLevelauswahl& chooser) {
        ASSERT_EQ(chooser.filDateien.list(0), "a\\b.lvl");
        chooser.filDateien.setListIndex(0);
        chooser.cmdOk.click();
    });
    game.mnuNLö.click();
    EXPECT_EQ(game.tag(), odd);
    EXPECT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.front().text.toStdString();
    EXPECT_EQ(game.lblLevelName.caption(), "Level: Blanko");
}

}  // namespace
