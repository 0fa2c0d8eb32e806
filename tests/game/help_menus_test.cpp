// The game window's help items, the sound switch and the pop-up of the "Hilfe" menu.
#include "game/frm_haupt.h"
#include "game_window_fixture.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "shared/about_box/frm_info.h"

#include <QWidget>

namespace game_test {
namespace {

using pendix::game::frmHaupt;
using Cursor = test_support::RecordingScreenCursor::Call;

using test_support::mouseRelease;

class HelpMenusTest : public GameWindowTest {
protected:
    HelpMenusTest() : GameWindowTest(Data::OwnFolder) {}
    QWidget* surface() { return game.clientArea(); }
};

TEST_F(HelpMenusTest, EachHelpItemHandsItsFileToTheHelpViewerAtItsContents) {
    frmHaupt& window = game;
    const struct {
        platform::MenuItem* item;
        const char* file;
    } items[] = {
        {&window.mnuHilfe2, "\\hilfe\\pendix.hlp"},
        {&window.mnuObjekte, "\\hilfe\\objekte.hlp"},
        {&window.mnuMenüsystem, "\\hilfe\\menuesch.hlp"},
    };
    for (const auto& help : items) {
        SCOPED_TRACE(help.file);
        fakes.help.shown.clear();
        fakes.cursor.calls.clear();
        help.item->click();
        ASSERT_EQ(fakes.help.shown.size(), 1u);
        EXPECT_EQ(fakes.help.shown[0].file, platform::resolvePath(platform::programFolder() + help.file));
        EXPECT_EQ(fakes.help.shown[0].command, 3);
        EXPECT_EQ(fakes.help.shown[0].asker.form, &window) << "beside the game";
        EXPECT_EQ(fakes.help.shown[0].asker.keyboard, platform::HelpKeyboard::ToHelp) << "to be read";
        EXPECT_EQ(fakes.cursor.calls, (std::vector{Cursor::Wait, Cursor::Default}));
    }
}

TEST_F(HelpMenusTest, SoundTwiceLeavesTheSwitchAsItWas) {
    ASSERT_TRUE(game.mnuSound1.checked());
    game.mnuSound1.click();
    EXPECT_FALSE(game.mnuSound1.checked());
    game.mnuSound1.click();
    EXPECT_TRUE(game.mnuSound1.checked());
    EXPECT_EQ(fakes.cursor.calls, (std::vector{Cursor::Wait, Cursor::Default, Cursor::Wait, Cursor::Default}));
}

TEST_F(HelpMenusTest, ARightClickOnTheBareSurfacePopsUpTheHelpMenu) {
    std::vector<QString> offered;
    fakes.modal.popupChoice = [&offered](platform::MenuItem& menu) {
        for (platform::MenuItem* item : menu.items()) offered.push_back(item->caption());
        menu.items().at(3)->click();  // "Info"
    };
    mouseRelease(surface(), Qt::RightButton, {3, 100});
    ASSERT_EQ(fakes.modal.popups.size(), 1u);
    EXPECT_EQ(fakes.modal.popups[0], game.mnuHilfe.caption());
    EXPECT_EQ(offered, (std::vector<QString>{"Hilfe", "Objekte", "Menüsystem", "Info", "Datei - Info"}));
    EXPECT_TRUE(platform::instance<pendix::frmInfo>().isVisible());
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(HelpMenusTest, OtherButtonsAndReleasesOverControlsPopUpNothing) {
    mouseRelease(surface(), Qt::LeftButton, {3, 100});
    mouseRelease(surface(), Qt::MiddleButton, {3, 100});
    mouseRelease(game.cmd(0).widget(), Qt::RightButton);
    mouseRelease(game.cmd(399).widget(), Qt::RightButton);
    mouseRelease(game.cmdLevelStart.widget(), Qt::RightButton);
    mouseRelease(game.lblLevelName.widget(), Qt::RightButton);
    mouseRelease(game.lbllvlneu.widget(), Qt::RightButton);
    EXPECT_TRUE(fakes.modal.popups.empty());
}

}  // namespace
}  // namespace game_test
