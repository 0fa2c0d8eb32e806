// The window as it opens: its controls at their places, its menus and its first state.
#include "game_window_fixture.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace game_test {
namespace {

using platform::Rect;

TEST_F(GameWindowTest, ControlsStandAtTheirPlaces) {
    EXPECT_EQ(game.caption(), "Pendix");
    EXPECT_EQ(game.clientWidth(), 15270);
    EXPECT_EQ(game.clientHeight(), 10860);
    EXPECT_TRUE(game.keyPreview());
    EXPECT_EQ(game.lblLevelName.rect(), (Rect{120, 0, 15015, 375}));
    EXPECT_EQ(game.lblGefahreneFelder.rect(), (Rect{6705, 425, 1335, 255}));
    EXPECT_EQ(game.txtGF.rect(), (Rect{8060, 400, 495, 285}));
    EXPECT_EQ(game.cmdLevelStart.rect(), (Rect{120, 720, 15015, 375}));
    EXPECT_EQ(game.lbllvlneu.rect(), (Rect{120, 10680, 15015, 255}));

    EXPECT_EQ(game.cmd(0).rect(), (Rect{120, 1080, 615, 615}));
    EXPECT_EQ(game.cmd(399).rect(), (Rect{14520, 10080, 615, 615}));
    EXPECT_EQ(game.pic(0).rect(), (Rect{240, 1200, 375, 375}));
    EXPECT_EQ(game.pic(399).rect(), (Rect{14640, 10200, 375, 375}));
    for (int i = 0; i < 400; ++i) {
        EXPECT_EQ(game.pic(i).left(), game.cmd(i).left() + 120) << i;
        EXPECT_EQ(game.pic(i).top(), game.cmd(i).top() + 120) << i;
    }
    // Each stands where its rectangle says on the window, and every overlay lies
    // above its tile button, the one button beneath it (neighbours overlap only
    // at their edges).
    QWidget* surface = game.clientArea();
    const auto shownAt = [surface](const platform::Control& control) {
        return QRect(control.widget()->mapTo(surface, QPoint(0, 0)), control.widget()->size());
    };
    const auto pixels = [](const Rect& r) {
        return QRect(platform::twipsToPixels(r.left), platform::twipsToPixels(r.top), platform::twipsToPixels(r.width),
                     platform::twipsToPixels(r.height));
    };
    for (int i = 0; i < 400; ++i) {
        EXPECT_EQ(shownAt(game.cmd(i)), pixels(game.cmd(i).rect())) << i;
        EXPECT_EQ(shownAt(game.pic(i)), pixels(game.pic(i).rect())) << i;
        QWidget* button = game.cmd(i).widget();
        QWidget* overlay = game.pic(i).widget();
        ASSERT_EQ(overlay->parentWidget(), button->parentWidget()) << i;
        const QWidgetList stack = button->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        EXPECT_LT(stack.indexOf(button), stack.indexOf(overlay)) << i;
    }
}

TEST_F(GameWindowTest, OpensWithNoLevelAndTheAnimationRunning) {
    EXPECT_EQ(game.lblLevelName.caption(), "Kein Level eingelesen!");
    EXPECT_EQ(game.lblLevelName.font(), (platform::Font{"Arial", 15.75}));
    EXPECT_EQ(game.lblLevelName.foreColor(), QColor(64, 0, 0));
    EXPECT_EQ(game.lblLevelName.alignment(), platform::Alignment::Center);
    EXPECT_EQ(game.lblLevelName.toolTip(), "Hier erfahren sie den Namen des aktuell geladenen Levels.");
    EXPECT_EQ(game.lblGefahreneFelder.caption(), "Gefahrene Felder:");
    EXPECT_EQ(game.txtGF.text(), "0");
    EXPECT_TRUE(game.txtGF.locked());
    EXPECT_EQ(game.cmdLevelStart.caption(), "Level - Start");
    EXPECT_EQ(game.cmdLevelStart.toolTip(), "Klicken sie hier, um das aktuelle Level zu starten.");
    EXPECT_EQ(game.lbllvlneu.caption(),
              "Wenn sie ein neues Level entworfen haben, hängen sie die lvl - Datei im Verzeichnis \\lvlneu an "
              "ein E-Mail an: pendix@example.org");
    EXPECT_EQ(game.lbllvlneu.font(), (platform::Font{"MS Sans Serif", 8.25, true}));
    for (int i = 0; i < 400; ++i) {
        EXPECT_EQ(game.cmd(i).tag(), "0");
        EXPECT_TRUE(game.cmd(i).picture().sourcePath().isEmpty());
        EXPECT_EQ(game.cmd(i).backColor(), QColor(0, 128, 0));
        EXPECT_EQ(game.pic(i).tag(), "0");
        EXPECT_FALSE(game.pic(i).visible());
        EXPECT_EQ(game.pic(i).backColor(), QColor(0, 128, 0));
        EXPECT_TRUE(game.pic(i).mouseTransparent());  // the car never takes a click from its cell
    }
    EXPECT_EQ(game.Timer.interval(), 100);
    EXPECT_TRUE(game.Timer.enabled());
    EXPECT_EQ(game.tmeWeiter.interval(), 1000);
    EXPECT_FALSE(game.tmeWeiter.enabled());
    EXPECT_TRUE(game.mnuSound1.checked());
}

TEST_F(GameWindowTest, MenuBarHasItsEntriesAndShortcuts) {
    struct Item {
        platform::MenuItem& item;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {
        {game.mnuLevel1, "Level 1", "F1"},          {game.mnuLevel2, "Level 2", "F2"},
        {game.mnuLevel3, "Level 3", "F3"},          {game.mnuLevel4, "Level 4", "F4"},
        {game.mnuLevel5, "Level 5", "F5"},          {game.mnuLevel6, "Level 6", "F6"},
        {game.mnuLevel7, "Level 7", "F7"},          {game.mnuLevel8, "Level 8", "F8"},
        {game.mnuLevel9, "Level 9", "F9"},          {game.mnuNLö, "Neues Level öffnen", "F11"},
        {game.mnuEinstellen, "Einstellen", "Ctrl+G"}, {game.mnuSound1, "Sound", "Ctrl+S"},
        {game.mnuHilfe2, "Hilfe", "Ctrl+H"},        {game.mnuObjekte, "Objekte", "Ctrl+O"},
        {game.mnuMenüsystem, "Menüsystem", "Ctrl+M"}, {game.mnuInfo, "Info", "Ctrl+I"},
        {game.mnuDateiInfo, "Datei - Info", "Ctrl+D"},
    };
    for (const auto& [item, caption, shortcut] : items) {
        EXPECT_EQ(item.caption(), QString::fromUtf8(caption));
        ASSERT_NE(item.action(), nullptr) << caption;
        EXPECT_EQ(item.action()->shortcut(), QKeySequence(QString::fromUtf8(shortcut))) << caption;
        EXPECT_TRUE(item.enabled() && item.visible()) << caption;
    }

    auto* mainWindow = qobject_cast<QMainWindow*>(game.window());
    ASSERT_NE(mainWindow, nullptr);
    QStringList captions;
    for (const QAction* entry : mainWindow->menuBar()->actions()) captions << entry->text();
    EXPECT_EQ(captions.join(u'|').toStdString(), "Level|Geschwindigkeit|Sound|Hilfe|Ende!");
    EXPECT_EQ(game.mnuLevel.items().size(), 10u);
    EXPECT_EQ(game.mnuHilfe.items().size(), 5u);
    // "Ende!" is a command on the bar itself.
    EXPECT_TRUE(game.mnuEnde.items().empty());
    EXPECT_EQ(game.mnuEnde.action()->menu(), nullptr);
}

TEST_F(GameWindowTest, EndStopsTheProgramAtOnce) {
    game.mnuEnde.click();
    EXPECT_EQ(fakes.ender.ends, 1);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

}  // namespace
}  // namespace game_test
