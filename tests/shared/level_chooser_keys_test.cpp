// The level chooser under the real keyboard and focus, as the window system
// opens it: the focus picks no file, the arrow keys do, and Enter in any list is
// "OK".
#include "platform/application.h"
#include "shared/level_chooser/frm_levelauswahl.h"
#include "tests/game/game_window_fixture.h"
#include "tests/support/user_input.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QWidget>

namespace {

using game_test::GameWindowTest;
using pendix::frmLevelauswahl;

class LevelChooserKeys : public GameWindowTest {
protected:
    LevelChooserKeys() : GameWindowTest(Data::OwnFolder) {
        writeLevel("\\lvlneu\\blanko.lvl", "Blanko");
        writeLevel("\\lvlneu\\zweites.lvl", "Zweites");
        QDir().mkpath(folder().file("\\lvlneu\\eigene"));
    }
    // The chooser opened and made the active window, the user doing `act` in it.
    void openActive(std::function<void(frmLevelauswahl&)> act) {
        script<frmLevelauswahl>([act](frmLevelauswahl& c) {
            QApplication::setActiveWindow(c.window());
            act(c);
        });
        chooser.showModal();
    }
    QString levels() const { return folder().file("\\lvlneu"); }
    frmLevelauswahl& chooser = platform::instance<frmLevelauswahl>();
};

TEST_F(LevelChooserKeys, TheFirstOpeningSelectsNoFileAndOkHandsBackTheFolder) {
    openActive([this](frmLevelauswahl& c) {
        EXPECT_EQ(c.window()->focusWidget(), c.filDateien.widget());
        EXPECT_EQ(c.filDateien.listIndex(), -1);
        EXPECT_EQ(c.lblPfad.caption(), levels() + "/");
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Return);
    });
    EXPECT_EQ(game.tag(), levels() + "/");
    EXPECT_FALSE(chooser.isVisible());
}

TEST_F(LevelChooserKeys, ArrowKeysPickAFileAndEnterInTheFileListHandsItBack) {
    openActive([this](frmLevelauswahl& c) {
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Down);
        EXPECT_EQ(c.lblPfad.caption(), levels() + "/blanko.lvl");
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Down);
        EXPECT_EQ(c.lblPfad.caption(), levels() + "/zweites.lvl");
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Enter);
    });
    EXPECT_EQ(game.tag(), levels() + "/zweites.lvl");
    EXPECT_FALSE(chooser.isVisible());
}

TEST_F(LevelChooserKeys, EnterInTheFolderListIsOkAndOpensNoFolder) {
    openActive([this](frmLevelauswahl& c) {
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Tab);
        ASSERT_EQ(c.window()->focusWidget(), c.dirVerzeichnisse.widget());
        test_support::pressKey(c.dirVerzeichnisse.widget(), Qt::Key_Down);
        test_support::pressKey(c.dirVerzeichnisse.widget(), Qt::Key_End);  // the subfolder "eigene"
        test_support::pressKey(c.dirVerzeichnisse.widget(), Qt::Key_Return);
    });
    EXPECT_EQ(chooser.dirVerzeichnisse.path(), levels());
    EXPECT_EQ(game.tag(), levels() + "/");
    EXPECT_FALSE(chooser.isVisible());
}

TEST_F(LevelChooserKeys, AClickOnThePickedFileKeepsItAndADoubleClickHandsItBack) {
    openActive([this](frmLevelauswahl& c) {
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Down);
        auto* list = static_cast<QListWidget*>(c.filDateien.widget());
        const QPoint picked = list->visualItemRect(list->item(0)).center();
        test_support::mouseClick(list->viewport(), Qt::LeftButton, picked);
        EXPECT_EQ(c.filDateien.listIndex(), 0);
        EXPECT_EQ(c.lblPfad.caption(), levels() + "/blanko.lvl");
        EXPECT_TRUE(c.isVisible());
        test_support::doubleClick(list->viewport(), picked);
    });
    EXPECT_EQ(game.tag(), levels() + "/blanko.lvl");
    EXPECT_FALSE(chooser.isVisible());
}

TEST_F(LevelChooserKeys, ReopenedItKeepsThePickedFile) {
    openActive([](frmLevelauswahl& c) {
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Down);
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Escape);
    });
    EXPECT_EQ(game.tag(), "");
    openActive([this](frmLevelauswahl& c) {
        EXPECT_EQ(c.filDateien.listIndex(), 0);
        EXPECT_EQ(c.lblPfad.caption(), levels() + "/blanko.lvl");
        test_support::pressKey(c.filDateien.widget(), Qt::Key_Return);
    });
    EXPECT_EQ(game.tag(), levels() + "/blanko.lvl");
}

}  // namespace
