// The first-start check of the game window and the welcome box it shows.
#include "game/frm_haupt.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "shared/first_start/frm_beginn.h"
#include "tests/shared/shared_dialog_fixture.h"

#include <QDir>
#include <QFile>
#include <QWidget>

namespace shared_test {
namespace {

using pendix::frmBeginn;
using pendix::game::frmHaupt;

class FirstStartTest : public SharedDialogTest {
protected:
    frmHaupt& game() { return platform::instance<frmHaupt>(); }
    frmBeginn& box() { return platform::instance<frmBeginn>(); }
    void removeProbe() { folder.remove("\\bmp\\AuteDLOU.bmp"); }
    // What the user does in the welcome box once it is up.
    void whenTheBoxShows(std::function<void(frmBeginn&)> user) {
        fakes.modal.script.push_back([user](platform::Form& form) { user(static_cast<frmBeginn&>(form)); });
    }
    void expectTheBoxInsteadOfTheGame() {
        ASSERT_EQ(fakes.modal.shownModal.size(), 1u);
        EXPECT_EQ(fakes.modal.shownModal[0], &box());
        EXPECT_FALSE(game().isVisible());
        EXPECT_FALSE(game().isLoaded());
        EXPECT_FALSE(game().Timer.enabled());
    }
};

TEST_F(FirstStartTest, TheProbeInOtherLetterCaseLetsTheGameStart) {
    ASSERT_FALSE(QFile::exists(folder.path() + "/bmp/Autedlou.bmp"));  // only "AuteDLOU.bmp" is there
    game().show();
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    EXPECT_TRUE(game().isVisible());
    EXPECT_TRUE(game().Timer.enabled());
}

TEST_F(FirstStartTest, AFolderInTheProbesOwnSpellingBesideTheProbeLetsTheGameStart) {
    ASSERT_TRUE(QDir().mkpath(folder.path() + "/bmp/Autedlou.bmp"));
    game().show();
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    EXPECT_TRUE(game().isVisible());
}

TEST_F(FirstStartTest, AMissingOrBrokenProbeShowsTheBoxAndNeverTheGame) {
    const struct {
        const char* name;
        std::function<void(const test_support::ProgramFolder&)> damage;
    } cases[] = {
        {"missing file", [](const auto& f) { f.remove("\\bmp\\AuteDLOU.bmp"); }},
        {"missing folder", [](const auto& f) { QDir(f.file("\\bmp")).removeRecursively(); }},
        {"no picture", [](const auto& f) { f.writeText("\\bmp\\AuteDLOU.bmp", "this is no bitmap"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test_support::ProgramFolder fresh;
        c.damage(fresh);
        test_support::ScopedTestServices scoped;
        game().show();
        ASSERT_EQ(scoped.modal.shownModal.size(), 1u);
        EXPECT_EQ(scoped.modal.shownModal[0], &box());
        EXPECT_FALSE(game().isVisible());
        EXPECT_FALSE(game().isLoaded());
        EXPECT_FALSE(game().Timer.enabled());
        platform::dropInstances();
    }
}

TEST_F(FirstStartTest, TheBoxShowsItsWelcome) {
    removeProbe();
    whenTheBoxShows([](frmBeginn& shown) {
        EXPECT_EQ(shown.caption(), "Erster Start");
        EXPECT_EQ(shown.clientWidth(), 6495);
        EXPECT_EQ(shown.clientHeight(), 3195);
        EXPECT_TRUE(shown.centered());
        EXPECT_TRUE(shown.icon().isDrawn());
        EXPECT_EQ(shown.icon().sourcePath(), "frmBeginn.Icon");
        EXPECT_FALSE(shown.window()->windowIcon().isNull());
        EXPECT_EQ(shown.lblWillkommen.caption(), "Willkommen!");
        EXPECT_EQ(shown.lblWillkommen.font().name, "Arial");
        EXPECT_EQ(shown.lblWillkommen.font().size, 26.25);
        EXPECT_EQ(shown.lblWillkommen.foreColor(), QColor(0, 64, 0));
        EXPECT_EQ(shown.Label1.caption(), "Sie starten Pendix, den Editor zu Pendix oder die Hilfe das 1. Mal.");
        EXPECT_EQ(shown.Label2.caption(),
                  "Klicken sie auf OK, um den Installer / Uninstaller zu starten, der die Installation "
                  "verwollständigt.");
        EXPECT_EQ(shown.cmdOk.caption(), "OK");
        EXPECT_EQ(shown.cmdOk.toolTip(), "Klicken sie hier, um den Installer / Uninstaller zu starten");
        EXPECT_EQ(shown.cmdOk.rect(), (platform::Rect{2760, 2520, 975, 375}));
    });
    game().show();
    expectTheBoxInsteadOfTheGame();
}

TEST_F(FirstStartTest, OkStartsTheInstallerAndEndsTheProgram) {
    removeProbe();
    whenTheBoxShows([](frmBeginn& shown) { shown.cmdOk.click(); });
    game().show();
    ASSERT_EQ(fakes.programs.started.size(), 1u);
    EXPECT_EQ(fakes.programs.started[0], platform::programFolder() + "\\tavrik.exe");
    EXPECT_EQ(fakes.ender.ends, 1);
    EXPECT_TRUE(fakes.messages.shown.empty());
    expectTheBoxInsteadOfTheGame();
}

TEST_F(FirstStartTest, AnInstallerThatDoesNotStartIsReportedAndTheProgramEnds) {
    removeProbe();
    fakes.programs.answer = false;
    whenTheBoxShows([](frmBeginn& shown) { shown.cmdOk.click(); });
    game().show();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown[0].text.contains("tavrik.exe"));
    EXPECT_TRUE(fakes.messages.shown[0].text.contains("konnte nicht gestartet werden"));
    EXPECT_EQ(fakes.ender.ends, 1);
    expectTheBoxInsteadOfTheGame();
}

TEST_F(FirstStartTest, TheCloseBoxEndsTheProgramWithoutTheInstaller) {
    removeProbe();
    whenTheBoxShows([](frmBeginn& shown) { shown.window()->close(); });
    game().show();
    EXPECT_TRUE(fakes.programs.started.empty());
    EXPECT_EQ(fakes.ender.ends, 1);
    expectTheBoxInsteadOfTheGame();
}

TEST_F(FirstStartTest, EveryStartTestsAgain) {
    removeProbe();
    game().show();
    EXPECT_EQ(fakes.modal.shownModal.size(), 1u);
    platform::dropInstances();
    folder.writePicture("\\bmp\\AuteDLOU.bmp");
    game().show();
    EXPECT_EQ(fakes.modal.shownModal.size(), 1u);
    EXPECT_TRUE(game().isVisible());
}

}  // namespace
}  // namespace shared_test
