// The window as it opens: its controls at their places, its menus and its first state.
#include "game_window_fixture.h"

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenuBar>
#include <QMenu>
#include <QWidget>

namespace game_test {
namespace {

using platform::Rect;

TEST_F(GameWindowTest, ControlsStandAtTheirPlaces) {
    EXPECT_EQ(window.caption(), "Pendix");
    EXPECT_EQ(window.clientWidth(), 15270);
    EXPECT_EQ(window.clientHeight(), 10860);
    EXPECT_TRUE(window.keyPreview());
    EXPECT_EQ(window.lblLevelName.rect(), (Rect{120, 0, 15015, 375}));
    EXPECT_EQ(window.lblGefahreneFelder.rect(), (Rect{6705, 425, 1335, 255}));
    EXPECT_EQ(window.txtGF.rect(), (Rect{8060, 400, 495, 285}));
    EXPECT_EQ(window.cmdLevelStart.rect(), (Rect{120, 720, 15015, 375}));
    EXPECT_EQ(window.lbllvlneu.rect(), (Rect{120, 10680, 15015, 255}));

    EXPECT_EQ(window.cmd(0).rect(), (Rect{120, 1080, 615, 615}));
    EXPECT_EQ(window.cmd(399).rect(), (Rect{14520, 10080, 615, 615}));
    EXPECT_EQ(window.pic(0).rect(), (Rect{240, 1200, 375, 375}));
    EXPECT_EQ(window.pic(399).rect(), (Rect{14640, 10200, 375, 375}));
    for (int i = 0; i < 400; ++i) {
        EXPECT_EQ(window.pic(i).left(), window.cmd(i).left() + 120) << i;
        EXPECT_EQ(window.pic(i).top(), window.cmd(i).top() + 120) << i;
    }
    // Every overlay lies above every tile button.
    const QWidgetList children = window.clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    EXPECT_LT(children.indexOf(window.cmd(399).widget()), children.indexOf(window.pic(0).widget()));
}

TEST_F(GameWindowTest, OpensWithNoLevelAndTheAnimationRunning) {
    EXPECT_EQ(window.lblLevelName.caption(), "Kein Level eingelesen!");
    EXPECT_EQ(window.lblLevelName.font(), (platform::Font{"Arial", 15.75}));
    EXPECT_EQ(window.lblLevelName.foreColor(), QColor(64, 0, 0));
    EXPECT_EQ(window.lblLevelName.alignment(), platform::Alignment::Center);
    EXPECT_EQ(window.lblLevelName.toolTip(), "Hier erfahren sie den Namen des aktuell geladenen Levels.");
    EXPECT_EQ(window.lblGefahreneFelder.caption(), "Gefahrene Felder:");
    EXPECT_EQ(window.txtGF.text(), "0");
    EXPECT_TRUE(window.txtGF.locked());
    EXPECT_EQ(window.cmdLevelStart.caption(), "Level - Start");
    EXPECT_EQ(window.cmdLevelStart.toolTip(), "Klicken sie hier, um das aktuelle Level zu starten.");
    EXPECT_EQ(window.lbllvlneu.caption(),
              "Wenn sie ein neues Level entworfen haben, hängen sie die lvl - Datei im Verzeichnis \\lvlneu an "
              "ein E-Mail an: pendix@example.org");
    EXPECT_EQ(window.lbllvlneu.font(), (platform::Font{"MS Sans Serif", 8.25, true}));
    for (int i = 0; i < 400; ++i) {
        EXPECT_EQ(window.cmd(i).tag(), "0");
        EXPECT_TRUE(window.cmd(i).picture().sourcePath().isEmpty());
        EXPECT_EQ(window.cmd(i).backColor(), QColor(0, 128, 0));
        EXPECT_EQ(window.pic(i).tag(), "0");
        EXPECT_FALSE(window.pic(i).visible());
        EXPECT_EQ(window.pic(i).backColor(), QColor(0, 128, 0));
        EXPECT_TRUE(window.pic(i).mouseTransparent());  // the car never takes a click from its cell
    }
    EXPECT_EQ(window.Timer.interval(), 100);
    EXPECT_TRUE(window.Timer.enabled());
    EXPECT_EQ(window.tmeWeiter.interval(), 1000);
    EXPECT_FALSE(window.tmeWeiter.enabled());
    EXPECT_TRUE(window.mnuSound1.checked());
}

TEST_F(GameWindowTest, MenuBarHasItsEntriesAndShortcuts) {
    struct Item {
        platform::MenuItem& item;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {
        {window.mnuLevel1, "Level 1", "F1"},          {window.mnuLevel2, "Level 2", "F2"},
        {window.mnuLevel3, "Level 3", "F3"},          {window.mnuLevel4, "Level 4", "F4"},
        {window.mnuLevel5, "Level 5", "F5"},          {window.mnuLevel6, "Level 6", "F6"},
        {window.mnuLevel7, "Level 7", "F7"},          {window.mnuLevel8, "Level 8", "F8"},
        {window.mnuLevel9, "Level 9", "F9"},          {window.mnuNLö, "Neues Level öffnen", "F11"},
        {window.mnuEinstellen, "Einstellen", "Ctrl+G"}, {window.mnuSound1, "Sound", "Ctrl+S"},
        {window.mnuHilfe2, "Hilfe", "Ctrl+H"},        {window.mnuObjekte, "Objekte", "Ctrl+O"},
        {window.mnuMenüsystem, "Menüsystem", "Ctrl+M"}, {window.mnuInfo, "Info", "Ctrl+I"},
        {window.mnuDateiInfo, "Datei - Info", "Ctrl+D"},
    };
    for (const auto& [item, caption, shortcut] : items) {
        EXPECT_EQ(item.caption(), QString::fromUtf8(caption));
        ASSERT_NE(item.action(), nullptr) << caption;
        EXPECT_EQ(item.action()->shortcut(), QKeySequence(QString::fromUtf8(shortcut))) << caption;
        EXPECT_TRUE(item.enabled() && item.visible()) << caption;
    }

    auto* mainWindow = qobject_cast<QMainWindow*>(window.window());
    ASSERT_NE(mainWindow, nullptr);
    QStringList captions;
    for (const QAction* entry : mainWindow->menuBar()->actions()) captions << entry->text();
    EXPECT_EQ(captions.join(u'|').toStdString(), "Level|Geschwindigkeit|Sound|Hilfe|Ende!");
    EXPECT_EQ(window.mnuLevel.items().size(), 10u);
    EXPECT_EQ(window.mnuHilfe.items().size(), 5u);
    // "Ende!" is a command on the bar itself.
    EXPECT_TRUE(window.mnuEnde.items().empty());
    EXPECT_EQ(window.mnuEnde.action()->menu(), nullptr);
}

TEST_F(GameWindowTest, EndStopsTheProgramAtOnce) {
    window.mnuEnde.click();
    EXPECT_EQ(fakes.ender.ends, 1);
    EXPECT_TRUE(fakes.messages.shown.empty());
}

}  // namespace
}  // namespace game_test
