// The level chooser as the game opens it: lists, path label, the answer in the
// game window's Tag, hiding instead of closing, and "Neues Level öffnen".
#include "platform/application.h"
#include "shared/level_chooser/frm_levelauswahl.h"
#include "tests/game/game_window_fixture.h"
#include "tests/support/design_check.h"
#include "tests/support/user_input.h"

#include <QDir>
#include <QFile>
#include <QWidget>

namespace {

using game_test::GameWindowTest;
using pendix::frmLevelauswahl;
using test_support::pressKey;

class LevelChooser : public GameWindowTest {
protected:
    LevelChooser() : GameWindowTest(Data::OwnFolder) {
        writeLevel("\\lvlneu\\blanko.lvl", "Blanko");
        writeLevel("\\lvlneu\\Zweites.LVL", "Zweites");
        folder().writeText("\\lvlneu\\notiz.txt", "no level");
        QDir().mkpath(folder().file("\\lvlneu\\eigene"));
        writeLevel("\\lvlneu\\eigene\\drittes.lvl", "Drittes");
    }

    // "Neues Level öffnen" with the user doing `act` in the chooser.
    void openLevel(std::function<void(frmLevelauswahl&)> act) {
        script<frmLevelauswahl>(std::move(act));
        game.mnuNLö.click();
    }
    // The chooser shown on its own, the user doing `act`.
    void openChooser(std::function<void(frmLevelauswahl&)> act) {
        script<frmLevelauswahl>(std::move(act));
        chooser.showModal();
    }
    static void closeBox(frmLevelauswahl& c) { c.window()->close(); }

    QString levels() const { return folder().file("\\lvlneu"); }
    frmLevelauswahl& chooser = platform::instance<frmLevelauswahl>();
};

TEST_F(LevelChooser, FirstOpeningShowsTheLevelFolderWithNothingSelected) {
    openChooser([](frmLevelauswahl&) {});
    EXPECT_EQ(chooser.caption(), "Levelauswahl");
    EXPECT_EQ(chooser.clientWidth(), 5775);
    EXPECT_EQ(chooser.clientHeight(), 6015);
    EXPECT_TRUE(chooser.centered());
    EXPECT_EQ(chooser.dirVerzeichnisse.path(), levels());  // "\LVLNEU" finds "lvlneu"
    EXPECT_EQ(chooser.filDateien.path(), levels());
    EXPECT_EQ(chooser.filDateien.pattern(), "*.lvl");
    ASSERT_EQ(chooser.filDateien.listCount(), 2);  // names matched without regard to letter case
    EXPECT_EQ(chooser.filDateien.list(0), "blanko.lvl");
    EXPECT_EQ(chooser.filDateien.list(1), "Zweites.LVL");
    EXPECT_EQ(chooser.filDateien.listIndex(), -1);
    EXPECT_EQ(chooser.lblPfad.caption(), levels() + "/");
    EXPECT_EQ(chooser.lblFilter.caption(), "Filter: *.lvl");
    EXPECT_TRUE(chooser.cmdOk.isDefault());
    EXPECT_TRUE(chooser.cmdAbbrechen.isCancel());
}

TEST_F(LevelChooser, ControlsStandInTheirPlacesAndTabOrder) {
    chooser.load();
    test_support::expectPlaced({
        {"filDateien", chooser.filDateien, {3120, 840, 2295, 3600},
         "Hier können das Level aus dem aktuellen Verzeichnis wählen."},
        {"dirVerzeichnisse", chooser.dirVerzeichnisse, {360, 840, 2295, 3690}, "Wählen sie hier das Verzeichnis aus."},
        {"drvLaufwerke", chooser.drvLaufwerke, {360, 360, 2295, 315}, "Wählen sie hier das Laufwerk aus."},
        {"lblPfad", chooser.lblPfad, {360, 4800, 5055, 255},
         "Hier wird die aktuell angewählte Datei mit Verzeichnis nochmal angezeigt."},
        {"cmdOk", chooser.cmdOk, {360, 5280, 2295, 375}, "Klicken sie hier, um das Level zu laden."},
        {"cmdAbbrechen", chooser.cmdAbbrechen, {3120, 5280, 2295, 375}, "Klicken sie hier, um abzubrechen."},
        {"lblFilter", chooser.lblFilter, {3120, 360, 2295, 255},
         "Hier wird der Datei - Filter angezeigt, der verwendet wird."},
    });
    EXPECT_EQ(test_support::tabOrder(chooser),
              (std::vector<const platform::Control*>{&chooser.filDateien, &chooser.dirVerzeichnisse,
                                                     &chooser.drvLaufwerke, &chooser.cmdOk, &chooser.cmdAbbrechen}));
}

TEST_F(LevelChooser, AClickShowsFolderSeparatorAndFileAndOkHandsItBack) {
    openChooser([](frmLevelauswahl& c) {
        c.filDateien.setListIndex(1);
        EXPECT_EQ(c.lblPfad.caption(), c.dirVerzeichnisse.path() + "/Zweites.LVL");
        c.cmdOk.click();
    });
    EXPECT_EQ(game.tag(), levels() + "/Zweites.LVL");
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_TRUE(chooser.isLoaded());
}

TEST_F(LevelChooser, ADoubleClickHandsTheFileBack) {
    openChooser([](frmLevelauswahl& c) {
        c.filDateien.setListIndex(0);
        c.filDateien.onDblClick();
    });
    EXPECT_EQ(game.tag(), levels() + "/blanko.lvl");
    EXPECT_FALSE(chooser.isVisible());
}

TEST_F(LevelChooser, OkWithNoFileHandsBackTheFolderAndTheGameReportsIt) {
    openLevel([](frmLevelauswahl& c) { c.cmdOk.click(); });
    EXPECT_EQ(game.tag(), levels() + "/");
    ASSERT_EQ(fakes.messages.shown.size(), 1u);  // the level loader's own message
    EXPECT_EQ(game.cmd(0).tag(), "0");
}

TEST_F(LevelChooser, AnotherFolderResetsTheLabelEvenAfterAFileWasPicked) {
    openChooser([](frmLevelauswahl& c) {
        c.filDateien.setListIndex(0);
        c.dirVerzeichnisse.setPath(c.dirVerzeichnisse.path() + "/eigene");
    });
    EXPECT_EQ(chooser.filDateien.path(), levels() + "/eigene");
    EXPECT_EQ(chooser.filDateien.listCount(), 1);
    EXPECT_EQ(chooser.lblPfad.caption(), levels() + "/eigene/");
}

TEST_F(LevelChooser, TheRootFolderGetsNoSecondSeparator) {
    openChooser([](frmLevelauswahl& c) { c.dirVerzeichnisse.setPath("/"); });
    EXPECT_EQ(chooser.filDateien.path(), "/");
    EXPECT_EQ(chooser.lblPfad.caption(), "/" + chooser.filDateien.fileName());
}

TEST_F(LevelChooser, ChoosingADriveMovesTheFolderThere) {
    chooser.load();
    QString other;
    for (int i = 0; i < chooser.drvLaufwerke.listCount(); ++i)
        if (chooser.drvLaufwerke.list(i) != chooser.drvLaufwerke.drive()) other = chooser.drvLaufwerke.list(i);
    if (other.isEmpty()) GTEST_SKIP() << "a single volume";
    chooser.drvLaufwerke.setDrive(other);
    EXPECT_EQ(chooser.dirVerzeichnisse.path(), platform::existingFolderFor(other));
    EXPECT_EQ(chooser.filDateien.path(), chooser.dirVerzeichnisse.path());
    EXPECT_TRUE(chooser.lblPfad.caption().startsWith(chooser.dirVerzeichnisse.path()));
}

TEST_F(LevelChooser, AMissingStartFolderShowsTheNearestFolderThatExists) {
    QDir(levels()).removeRecursively();
    openChooser([](frmLevelauswahl&) {});
    EXPECT_EQ(chooser.dirVerzeichnisse.path(), folder().path());
    EXPECT_EQ(chooser.lblPfad.caption(), folder().path() + "/");
    EXPECT_EQ(chooser.filDateien.listCount(), 0);
}

TEST_F(LevelChooser, EnterIsOkAndEscIsAbbrechen) {
    openChooser([](frmLevelauswahl& c) {
        c.filDateien.setListIndex(0);
        pressKey(c, Qt::Key_Escape);
    });
    EXPECT_EQ(game.tag(), "");
    EXPECT_FALSE(chooser.isVisible());

    openChooser([](frmLevelauswahl& c) { pressKey(c, Qt::Key_Return); });
    EXPECT_EQ(game.tag(), levels() + "/blanko.lvl");
}

TEST_F(LevelChooser, ReopeningShowsItAsItWasLeft) {
    openChooser([](frmLevelauswahl& c) {
        c.dirVerzeichnisse.setPath(c.dirVerzeichnisse.path() + "/eigene");
        c.filDateien.setListIndex(0);
        c.cmdAbbrechen.click();
    });
    openChooser([this](frmLevelauswahl& c) {
        EXPECT_EQ(c.dirVerzeichnisse.path(), levels() + "/eigene");
        EXPECT_EQ(c.filDateien.listIndex(), 0);
        EXPECT_EQ(c.lblPfad.caption(), levels() + "/eigene/drittes.lvl");
        closeBox(c);
    });
    EXPECT_TRUE(chooser.isLoaded());
    EXPECT_FALSE(chooser.isVisible());
}

// Levels saved or removed while the chooser was hidden: each opening lists the
// folder as it is now and keeps folder, picked file and label where it can.
TEST_F(LevelChooser, ReopeningListsWhatTheFolderHoldsNow) {
    openChooser([](frmLevelauswahl& c) {
        c.filDateien.setListIndex(1);
        c.cmdAbbrechen.click();
    });
    writeLevel("\\lvlneu\\aaa.lvl", "Gespeichert");
    QDir().mkpath(folder().file("\\lvlneu\\neu"));
    openChooser([this](frmLevelauswahl& c) {
        EXPECT_EQ(c.dirVerzeichnisse.path(), levels());
        ASSERT_EQ(c.filDateien.listCount(), 3);
        EXPECT_EQ(c.filDateien.list(0), "aaa.lvl");
        EXPECT_EQ(c.filDateien.fileName(), "Zweites.LVL");
        EXPECT_EQ(c.lblPfad.caption(), levels() + "/Zweites.LVL");
        EXPECT_EQ(c.dirVerzeichnisse.list(c.dirVerzeichnisse.currentEntry() + 2), levels() + "/neu");
        closeBox(c);
    });

    // The picked file gone: nothing is picked, and OK hands back the folder, not the lost file.
    ASSERT_TRUE(QFile::remove(folder().file("\\lvlneu\\Zweites.LVL")));
    openChooser([](frmLevelauswahl& c) { c.cmdOk.click(); });
    EXPECT_EQ(chooser.filDateien.listCount(), 2);
    EXPECT_EQ(chooser.filDateien.listIndex(), -1);
    EXPECT_EQ(game.tag(), levels() + "/");

    // The folder gone: its parent, with its lists and label.
    openChooser([](frmLevelauswahl& c) {
        c.dirVerzeichnisse.setPath(c.dirVerzeichnisse.path() + "/eigene");
        closeBox(c);
    });
    ASSERT_TRUE(QDir(levels() + "/eigene").removeRecursively());
    openChooser([](frmLevelauswahl&) {});
    EXPECT_EQ(chooser.dirVerzeichnisse.path(), levels());
    EXPECT_EQ(chooser.filDateien.path(), levels());
    EXPECT_EQ(chooser.filDateien.listCount(), 2);
    EXPECT_EQ(chooser.lblPfad.caption(), levels() + "/");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(LevelChooser, NeuesLevelLoadsTheChosenFileAndTheCloseBoxLoadsItAgain) {
    openLevel([](frmLevelauswahl& c) {
        c.filDateien.setListIndex(1);
        c.cmdOk.click();
    });
    EXPECT_EQ(game.lblLevelName.caption(), "Level: Zweites");
    EXPECT_EQ(game.cmd(0).tag(), "101");

    game.ClearBoard();
    openLevel(closeBox);
    EXPECT_EQ(game.tag(), levels() + "/Zweites.LVL");
    EXPECT_EQ(game.cmd(0).tag(), "101");
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(LevelChooser, NeuesLevelDoesNothingOnACancelOrACloseBeforeAnyAnswer) {
    game.cmd(5).setTag("301");
    openLevel(closeBox);
    openLevel([](frmLevelauswahl& c) { c.cmdAbbrechen.click(); });
    openLevel(closeBox);
    EXPECT_EQ(game.tag(), "");
    EXPECT_EQ(game.cmd(5).tag(), "301");
    EXPECT_EQ(fakes.modal.shownModal.size(), 3u);
}

TEST_F(LevelChooser, NeuesLevelLeavesADrivingCarDriving) {
    game.tmeWeiter.setEnabled(true);
    openLevel([](frmLevelauswahl& c) {
        c.filDateien.setListIndex(0);
        c.cmdOk.click();
    });
    EXPECT_TRUE(game.tmeWeiter.enabled());
}

TEST_F(LevelChooser, TheIconGoesOnWhileHidden) {
    openChooser([](frmLevelauswahl& c) { c.cmdAbbrechen.click(); });
    ASSERT_FALSE(chooser.isVisible());
    EXPECT_TRUE(chooser.Timer.fire());
    EXPECT_TRUE(chooser.Timer.fire());
    EXPECT_EQ(chooser.icon().sourcePath(), "\\ico\\auto02.ico");
}

}  // namespace
