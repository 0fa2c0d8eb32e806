#include "platform/form.h"

#include "platform/application.h"
#include "platform/controls/command_button.h"
#include "platform/controls/control_array.h"
#include "platform/controls/graphical_button.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/main_form.h"
#include "tests/support/printers.h"
#include "tests/support/test_services.h"
#include "tests/support/user_input.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointer>

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

// A small window in the shape of the programs' windows.
class frmProbe : public Form {
public:
    frmProbe() {
        cmdOk.onClick = [this] { clicks.push_back("OK"); };
        cmdAbbrechen.onClick = [this] { clicks.push_back("Abbrechen"); };
        cmd.onClick = [this](int index) { clicks.push_back("cmd" + std::to_string(index)); };
        cmd.onMouseUp = [this](int index, int button, int, double, double) {
            clicks.push_back("up cmd" + std::to_string(index) + "/" + std::to_string(button));
        };
        pic.onClick = [this](int index) { clicks.push_back("pic" + std::to_string(index)); };
        lbl.onClick = [this](int index) { clicks.push_back("lbl" + std::to_string(index)); };
        Timer.onTimer = [this] { ++ticks; };
        mnuSound.onClick = [this] { clicks.push_back("Sound"); };
        mnuStraße.onClick = [this](int index) { clicks.push_back("Straße " + std::to_string(index)); };
    }

    Label lblTitel;
    TextBox txtWert;
    CommandButton cmdOk;
    CommandButton cmdAbbrechen;
    ControlArray<Label> lbl;
    ControlArray<GraphicalButton> cmd;
    ControlArray<PictureBox> pic;  // above the middle of cmd(0) and cmd(1)
    platform::Timer Timer;
    MenuItem mnuOptionen, mnuSound, mnuStraßen, mnuEnde;
    ControlArray<MenuItem> mnuStraße;

    int loads = 0;  // the window's own variables survive unloading
    int ticks = 0;
    std::vector<int> keys;
    std::vector<int> mouseUps;
    std::vector<std::string> clicks;
    bool refuseUnload = false;

    using Form::popupMenu;

protected:
    void design() override {
        setCaption("Probe");
        setClientSize(4500, 3000);
        setKeyPreview(true);
        place(lblTitel, {120, 120, 2000, 255});
        lblTitel.setCaption("Entwurf");
        place(txtWert, {120, 480, 1000, 285});
        txtWert.setText("0");
        place(cmdOk, {120, 1200, 1000, 375});
        cmdOk.setCaption("OK");
        cmdOk.setDefault(true);
        place(cmdAbbrechen, {1320, 1200, 1000, 375});
        cmdAbbrechen.setCaption("Abbrechen");
        cmdAbbrechen.setCancel(true);
        for (int i : {0, 1, 2, 25, 26}) {
            place(lbl.add(i), {120 + 300 * (i % 5), 1800, 255, 255});
            lbl(i).setCaption(QString::number(i));
        }
        for (int i = 0; i < 3; ++i) {
            place(cmd.add(i), {2600 + 600 * i, 120, 615, 615});
            cmd(i).setTag("0");
        }
        for (int i = 0; i < 2; ++i) place(pic.add(i), {2720 + 600 * i, 240, 375, 375});
        place(Timer);
        Timer.setInterval(100);
        addMenu(mnuOptionen);
        mnuOptionen.setCaption("Optionen");
        mnuOptionen.addItem(mnuSound);
        mnuSound.setCaption("Sound");
        mnuSound.setShortcut("Ctrl+S");
        mnuSound.setChecked(true);
        mnuOptionen.addItem(mnuStraßen);
        mnuStraßen.setCaption("Straßen");
        for (int i = 0; i < 2; ++i) mnuStraßen.addItem(mnuStraße.add(i)).setCaption(QString("Straße %1").arg(i + 1));
        addMenu(mnuEnde);
        mnuEnde.setCaption("Ende!");
    }
    void Form_Load() override { ++loads; }
    void Form_Unload(int& cancel) override {
        if (refuseUnload) cancel = 1;
    }
    void Form_KeyPress(int& keyAscii) override {
        keys.push_back(keyAscii);
        if (keyAscii == '*') keyAscii = 0;  // swallowed
    }
    void Form_MouseUp(int button, int, double, double) override { mouseUps.push_back(button); }
};

// Two pictures that overlap, the earlier one brought to the front when asked.
class frmLayers : public Form {
public:
    PictureBox picUnten, picOben;
    bool frontFirst = false;

protected:
    void design() override {
        setClientSize(3000, 3000);
        place(picUnten, {0, 0, 1500, 1500});
        place(picOben, {750, 750, 1500, 1500});
        if (frontFirst) picUnten.bringToFront();
    }
};

class FormTest : public testing::Test {
protected:
    void TearDown() override { dropInstances(); }
    test_support::ScopedTestServices fakes;
};

}  // namespace

TEST_F(FormTest, EveryLoadStartsFromTheDesignWhileTheFormsVariablesSurvive) {
    auto& form = instance<frmProbe>();
    EXPECT_EQ(&form, &instance<frmProbe>());
    form.show();
    ASSERT_TRUE(form.isLoaded());
    form.lblTitel.setCaption("geändert");
    form.cmd(1).setTag("801");
    form.Timer.setEnabled(false);

    form.unload();
    EXPECT_FALSE(form.isLoaded());
    EXPECT_EQ(form.window(), nullptr);
    EXPECT_EQ(form.lblTitel.caption(), "geändert");  // an unloaded form's control keeps its last value
    EXPECT_EQ(form.lblTitel.widget(), nullptr);
    form.lblTitel.setCaption("ohne Fenster");  // and may be written without a window

    form.show();
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(form.lblTitel.caption(), "Entwurf");
    EXPECT_EQ(form.cmd(1).tag(), "0");
    EXPECT_TRUE(form.Timer.enabled());
    EXPECT_TRUE(form.mnuSound.checked());
    EXPECT_NE(form.lblTitel.widget(), nullptr);
}

TEST_F(FormTest, TheMainFormIsTheNamedClassesInstance) {
    EXPECT_EQ(mainForm(), nullptr);
    setMainForm<frmProbe>();
    EXPECT_EQ(mainForm(), &instance<frmProbe>());
    mainForm()->setTag("/lvlneu/a.lvl");
    EXPECT_EQ(instance<frmProbe>().tag(), "/lvlneu/a.lvl");
    Application::current().setMainFormAccess({});
}

TEST_F(FormTest, LaterPlacesLieAboveUnlessAnEarlierIsBroughtToTheFront) {
    auto& form = instance<frmLayers>();
    const QPoint overlap(75, 75);  // pixels, inside both
    form.show();
    EXPECT_EQ(form.clientArea()->childAt(overlap), form.picOben.widget());
    form.unload();
    form.frontFirst = true;
    form.show();
    EXPECT_EQ(form.clientArea()->childAt(overlap), form.picUnten.widget());
    EXPECT_EQ(form.clientArea()->childAt(QPoint(140, 140)), form.picOben.widget());
    form.picOben.bringToFront();
    EXPECT_EQ(form.clientArea()->childAt(overlap), form.picOben.widget());
}

TEST_F(FormTest, FormUnloadCanRefuseAndTheCloseBoxAsksIt) {
    auto& form = instance<frmProbe>();
    form.show();
    form.refuseUnload = true;
    form.window()->close();
    EXPECT_TRUE(form.isLoaded());
    form.unload();
    EXPECT_TRUE(form.isLoaded());
    form.refuseUnload = false;
    form.window()->close();
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, AFormUnloadedThroughItsCloseBoxLeavesTheScreenAtOnce) {
    auto& form = instance<frmProbe>();
    form.show();
    QPointer<QWidget> window = form.window();
    test_support::clickCloseBox(form);
    EXPECT_FALSE(form.isLoaded());
    ASSERT_FALSE(window.isNull());  // deleted later, when the event loop comes back
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FormTest, SparseControlArraysKeepTheirIndices) {
    auto& form = instance<frmProbe>();
    form.load();
    EXPECT_EQ(form.lbl.indices(), (std::vector<int>{0, 1, 2, 25, 26}));
    form.lbl(25).click();
    EXPECT_EQ(form.clicks, std::vector<std::string>{"lbl25"});
    EXPECT_FALSE(form.lbl.contains(7));
    form.lbl(7).setCaption("nirgends");  // a stand-in: no crash, nothing shown
    EXPECT_FALSE(form.lbl.contains(7));
}

TEST_F(FormTest, TextBoxChangeRunsNestedOnAssignmentButNotForTheSameText) {
    auto& form = instance<frmProbe>();
    form.load();
    std::vector<QString> seen;
    form.txtWert.onChange = [&] {
        seen.push_back(form.txtWert.text());
        if (form.txtWert.text().isEmpty()) form.txtWert.setText("1");  // nested, as the speed dialog does
    };
    form.txtWert.setText("0");
    EXPECT_TRUE(seen.empty());
    form.txtWert.setText("");
    seen.push_back("after");
    EXPECT_EQ(seen, (std::vector<QString>{"", "1", "after"}));
    EXPECT_EQ(form.txtWert.text(), "1");

    auto* edit = form.txtWert.widget();  // the user types
    test_support::pressKey(edit, Qt::Key_2);
    EXPECT_EQ(form.txtWert.text(), "12");
    EXPECT_EQ(seen.back(), "12");
}

TEST_F(FormTest, KeyPreviewReachesTheFormBeforeTheFocusedControl) {
    auto& form = instance<frmProbe>();
    form.show();
    std::vector<int> buttonKeys;
    form.cmdOk.onKeyPress = [&](int& key) { buttonKeys.push_back(key); };
    form.cmdOk.setFocus();
    test_support::pressKey(form.cmdOk.widget(), Qt::Key_4);
    test_support::pressKey(form.cmdOk.widget(), Qt::Key_Asterisk);  // swallowed by the form
    test_support::pressKey(form.cmd(0).widget(), Qt::Key_6);
    test_support::pressKey(form.txtWert.widget(), Qt::Key_5);
    EXPECT_EQ(form.keys, (std::vector<int>{'4', '*', '6', '5'}));
    EXPECT_EQ(buttonKeys, std::vector<int>{'4'});
    EXPECT_EQ(form.txtWert.text(), "05");  // the text box still got its key, once
}

TEST_F(FormTest, EnterPressesTheDefaultButtonAndEscTheCancelButton) {
    auto& form = instance<frmProbe>();
    form.show();
    test_support::pressKey(form.txtWert.widget(), Qt::Key_Return);
    test_support::pressKey(form.txtWert.widget(), Qt::Key_Escape);
    form.cmdAbbrechen.setFocus();
    test_support::pressKey(form.cmdAbbrechen.widget(), Qt::Key_Return);  // a focused button answers Enter itself
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"OK", "Abbrechen", "Abbrechen"}));
    EXPECT_EQ(form.keys, (std::vector<int>{13, 27, 13}));
}

TEST_F(FormTest, MouseUpOnlyOverTheBareSurface) {
    auto& form = instance<frmProbe>();
    form.show();
    QWidget* surface = form.clientArea();
    test_support::mouseRelease(surface, Qt::RightButton, {250, 150});
    test_support::mouseRelease(surface, Qt::LeftButton, {250, 150});
    QWidget* label = form.lblTitel.widget();
    test_support::mousePress(label, Qt::RightButton, {5, 5});
    test_support::mouseRelease(label, Qt::RightButton, {5, 5});
    test_support::mouseRelease(surface, Qt::RightButton, form.cmdOk.widget()->geometry().center());
    EXPECT_EQ(form.mouseUps, (std::vector<int>{kRightButton, kLeftButton}));
}

TEST_F(FormTest, LabelsRaiseMouseDownUpAndClickInOrder) {
    auto& form = instance<frmProbe>();
    form.show();
    std::vector<std::string> events;
    form.lbl.onMouseDown = [&](int index, int button, int, double, double) {
        events.push_back("down" + std::to_string(index) + "/" + std::to_string(button));
    };
    form.lbl.onMouseUp = [&](int index, int, int, double, double) { events.push_back("up" + std::to_string(index)); };
    form.lbl.onClick = [&](int index) { events.push_back("click" + std::to_string(index)); };
    test_support::mousePress(form.lbl(1).widget(), Qt::LeftButton, {3, 3});
    test_support::mouseRelease(form.lbl(1).widget(), Qt::LeftButton, {3, 3});
    test_support::mousePress(form.lbl(2).widget(), Qt::RightButton, {3, 3});
    test_support::mouseRelease(form.lbl(2).widget(), Qt::RightButton, {3, 3});
    EXPECT_EQ(events, (std::vector<std::string>{"down1/1", "up1", "click1", "down2/2", "up2"}));
}

TEST_F(FormTest, APictureTransparentForTheMouseLetsClicksThroughToTheButtonBeneath) {
    auto& form = instance<frmProbe>();
    form.show();
    form.pic(1).setMouseTransparent(true);
    // The user's click lands on the topmost widget that takes the mouse at that point, as Qt finds it.
    const auto clickCentre = [](GraphicalButton& button, Qt::MouseButton mouse) {
        test_support::clickWhereShown(button, mouse);
    };
    clickCentre(form.cmd(0), Qt::LeftButton);
    clickCentre(form.cmd(1), Qt::LeftButton);
    clickCentre(form.cmd(1), Qt::RightButton);
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"pic0", "up cmd1/1", "cmd1", "up cmd1/2"}));
    EXPECT_TRUE(form.pic(1).mouseTransparent());

    form.unload();  // every load starts from the design: the mouse reaches the picture again
    form.show();
    EXPECT_FALSE(form.pic(1).mouseTransparent());
    form.clicks.clear();
    clickCentre(form.cmd(1), Qt::LeftButton);
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"pic1"}));
}

TEST_F(FormTest, AMarkShowsWhatLiesBeneathWhereItWouldShowItsBackColour) {
    auto& form = instance<frmProbe>();
    form.show();
    const QColor red(200, 0, 0), green(0, 128, 0), blue(0, 0, 255);
    for (int cell : {0, 1}) {
        form.cmd(cell).setBackColor(red);
        form.pic(cell).setBackColor(green);
    }
    form.pic(0).setSeeThroughBack(true);
    // The colour the user sees at a point of a picture box, measured from its top left
    // corner; the picture boxes lie above the middle of the buttons.
    const auto seenAt = [&form](int cell, QPoint at) {
        const QImage shot = form.clientArea()->grab().toImage();
        return shot.pixelColor(form.pic(cell).widget()->geometry().topLeft() + at);
    };
    const QPoint corner(1, 1), middle(12, 12);
    EXPECT_EQ(seenAt(0, middle), red);    // the empty mark shows nothing
    EXPECT_EQ(seenAt(1, middle), green);  // a plain picture box fills with its back colour

    // A car on the back colour: the mark shows the button around it, the plain box its green.
    QPixmap car(25, 25);
    car.fill(green);
    QPainter(&car).fillRect(8, 4, 9, 17, blue);
    for (int cell : {0, 1}) form.pic(cell).setPicture(drawnPicture(QStringLiteral("car"), car));
    EXPECT_EQ(seenAt(0, middle), blue);
    EXPECT_EQ(seenAt(0, corner), red);
    EXPECT_EQ(seenAt(1, middle), blue);
    EXPECT_EQ(seenAt(1, corner), green);

    // A picture of one colour with nothing of the back colour covers all it lies over.
    QPixmap plain(25, 25);
    plain.fill(blue);
    form.pic(0).setPicture(drawnPicture(QStringLiteral("blue"), plain));
    EXPECT_EQ(seenAt(0, corner), blue);
    // The back colour changed: the new one is what lets the button through.
    form.pic(0).setPicture(drawnPicture(QStringLiteral("car"), car));
    form.pic(0).setBackColor(blue);
    EXPECT_EQ(seenAt(0, corner), green);
    EXPECT_EQ(seenAt(0, middle), red);
    form.pic(0).setPicture({});
    EXPECT_EQ(seenAt(0, middle), red);
}

TEST_F(FormTest, TimersTickOnlyWhenEnabledOnALoadedForm) {
    auto& form = instance<frmProbe>();
    EXPECT_FALSE(form.Timer.fire());  // never loaded
    form.load();
    EXPECT_TRUE(form.Timer.isRunning());
    EXPECT_TRUE(form.Timer.fire());
    form.Timer.setEnabled(false);
    EXPECT_FALSE(form.Timer.fire());
    EXPECT_FALSE(form.Timer.isRunning());
    form.Timer.setEnabled(true);
    form.Timer.setInterval(0);
    EXPECT_FALSE(form.Timer.fire());
    form.Timer.setInterval(50);
    form.unload();
    EXPECT_FALSE(form.Timer.fire());
    EXPECT_FALSE(form.Timer.isRunning());
    EXPECT_EQ(form.ticks, 1);
}

TEST_F(FormTest, MenusKeepTheirCheckMarkUntilTheHandlerChangesIt) {
    auto& form = instance<frmProbe>();
    form.load();
    QAction* sound = form.mnuSound.action();
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->shortcut(), QKeySequence("Ctrl+S"));
    sound->trigger();
    EXPECT_TRUE(form.mnuSound.checked());
    EXPECT_TRUE(sound->isChecked());
    form.mnuSound.onClick = [&] { form.mnuSound.setChecked(!form.mnuSound.checked()); };
    sound->trigger();
    EXPECT_FALSE(sound->isChecked());
    EXPECT_EQ(form.mnuEnde.menu(), nullptr);  // a command on the menu bar itself
    EXPECT_NE(form.mnuOptionen.menu(), nullptr);

    form.mnuSound.setEnabled(false);
    form.mnuSound.click();
    EXPECT_FALSE(form.mnuSound.checked());

    form.mnuStraße(1).action()->trigger();  // an item of a sub-menu, in an array
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Sound", "Straße 1"}));
    EXPECT_EQ(form.mnuStraßen.menu()->actions().size(), 2);

    form.popupMenu(form.mnuOptionen);
    EXPECT_EQ(fakes.modal.popups, std::vector<QString>{"Optionen"});
}

TEST_F(FormTest, ScriptedModalShowingRunsTheUserAndReturns) {
    auto& form = instance<frmProbe>();
    fakes.modal.script.push_back([](Form& shown) {
        auto& probe = static_cast<frmProbe&>(shown);
        EXPECT_TRUE(probe.isVisible());
        probe.cmdOk.click();
        probe.unload();
    });
    form.showModal();
    EXPECT_EQ(fakes.modal.shownModal, std::vector<Form*>{&form});
    EXPECT_EQ(form.clicks, std::vector<std::string>{"OK"});
    EXPECT_FALSE(form.isLoaded());
}

TEST_F(FormTest, MessageBoxesShowTheProgramsTitleUnlessGivenOne) {
    EXPECT_EQ(messageBox("Pendix!\r\rSie haben verloren!", MsgBoxStyle::OkOnly, "Versuchen sie's doch noch 'mal!"),
              MsgBoxResult::Ok);
    fakes.messages.answers.push_back(MsgBoxResult::No);
    EXPECT_EQ(messageBox("Frage?", MsgBoxStyle::YesNo | MsgBoxStyle::Question), MsgBoxResult::No);
    ASSERT_EQ(fakes.messages.shown.size(), 2u);
    EXPECT_EQ(fakes.messages.shown[0].text, "Pendix!\r\rSie haben verloren!");
    EXPECT_EQ(fakes.messages.shown[1].title, "Pendix");
    EXPECT_EQ(fakes.messages.shown[1].style, 36);
    EXPECT_EQ(inputBox("Geben sie bitte den Namen des Levels ein.", "Name?"), "");  // Cancel
}
