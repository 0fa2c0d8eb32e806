// The speed dialog as "Einstellen" opens it: text and bar mirroring each other,
// "Standart", "OK", "Abbrechen", the close box, and the paused car.
#include "game/frm_geschwindigkeit.h"
#include "game_window_fixture.h"
#include "platform/application.h"
#include "tests/support/design_check.h"
#include "tests/support/user_input.h"

#include <QLineEdit>
#include <QScrollBar>

namespace {

using game_test::GameWindowTest;
using pendix::game::frmGeschwindigkeit;
using test_support::pressKey;

// What the user does, through the controls' own widgets.
void typeText(frmGeschwindigkeit& d, const QString& text) {
    static_cast<QLineEdit*>(d.txtGeschwindigkeit.widget())->setText(text);
}
void moveBar(frmGeschwindigkeit& d, int value) { static_cast<QScrollBar*>(d.HScroll.widget())->setValue(value); }

// The text and the bar as the dialog shows them.
struct Shown {
    QString text;
    int bar;
    bool operator==(const Shown&) const = default;
};
Shown shown(const frmGeschwindigkeit& d) { return {d.txtGeschwindigkeit.text(), d.HScroll.value()}; }
void PrintTo(const Shown& s, std::ostream* out) { *out << '"' << s.text.toStdString() << "\" bar " << s.bar; }

class SpeedDialog : public GameWindowTest {
protected:
    SpeedDialog() : GameWindowTest(Data::OwnFolder) {}
    // "Einstellen" with the step timer at `interval`, the user doing `act` in the dialog.
    void open(int interval, std::function<void(frmGeschwindigkeit&)> act, bool driving = false) {
        game.tmeWeiter.setInterval(interval);
        game.tmeWeiter.setEnabled(driving);
        script<frmGeschwindigkeit>(std::move(act));
        game.mnuEinstellen.click();
    }
    frmGeschwindigkeit& dialog = platform::instance<frmGeschwindigkeit>();
};

TEST_F(SpeedDialog, OpensWithTheStepTimersInterval) {
    const struct {
        int interval;
        const char* text;
        int bar;
    } cases[] = {{1000, "1000", 499}, {1, "1", 0}, {65535, "65535", 32766}, {5, "5", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.interval);
        open(c.interval, [&](frmGeschwindigkeit& d) {
            EXPECT_EQ(d.txtGeschwindigkeit.text(), c.text);
            EXPECT_EQ(d.HScroll.value(), c.bar);
            d.cmdAbbrechen.click();
        });
    }
    EXPECT_EQ(fakes.modal.shownModal.size(), 4u);
}

TEST_F(SpeedDialog, DesignedAsAFixedDialog) {
    dialog.load();
    EXPECT_EQ(dialog.caption(), "Geschwindigkeit");
    EXPECT_EQ(dialog.clientWidth(), 4575);
    EXPECT_EQ(dialog.clientHeight(), 2175);
    EXPECT_TRUE(dialog.centered());
    test_support::expectPlaced({
        {"HScroll", dialog.HScroll, {360, 840, 3855, 255}, ""},
        {"cmdOk", dialog.cmdOk, {360, 1440, 1335, 375}, "Klicken sie hier, um den neuen Wert zu setzen."},
        {"cmdStandart", dialog.cmdStandart, {1680, 1440, 1215, 375},
         "Klicken sie hier, um alles auf den Stadart Wert zurückzusetzen."},
        {"cmdAbbrechen", dialog.cmdAbbrechen, {2880, 1440, 1335, 375}, "Klicken sie hier, um abzubrechen."},
        {"txtGeschwindigkeit", dialog.txtGeschwindigkeit, {1920, 360, 735, 285},
         "Geben sie hier die Anzahl der Millisekunden ein, nachdenen das Auto zu dem nächsten Feld weiterrücken "
         "soll."},
        {"lblSchneller", dialog.lblSchneller, {360, 600, 735, 255}, ""},
        {"lblLangsamer", dialog.lblLangsamer, {3360, 600, 855, 255}, ""},
    });
    EXPECT_EQ(dialog.lblSchneller.caption(), "Schneller");
    EXPECT_EQ(dialog.lblLangsamer.caption(), "Langsamer");
    EXPECT_EQ(dialog.cmdStandart.caption(), "Standart");
    EXPECT_EQ(dialog.HScroll.min(), 0);
    EXPECT_EQ(dialog.HScroll.max(), 32767);
    EXPECT_EQ(dialog.HScroll.smallChange(), 1);
    EXPECT_EQ(dialog.HScroll.largeChange(), 1);
    EXPECT_TRUE(dialog.cmdOk.isDefault());
    EXPECT_TRUE(dialog.cmdAbbrechen.isCancel());
    EXPECT_EQ(test_support::tabOrder(dialog),
              (std::vector<const platform::Control*>{&dialog.HScroll, &dialog.cmdOk, &dialog.cmdStandart,
                                                     &dialog.cmdAbbrechen, &dialog.txtGeschwindigkeit}));
}

// The first change comes back once; later ones are mirrored once and no further.
TEST_F(SpeedDialog, TextAndBarMirrorEachOther) {
    open(1000, [](frmGeschwindigkeit& d) {
        typeText(d, "100");
        EXPECT_EQ(shown(d), (Shown{"98", 49}));
        typeText(d, "1000");
        EXPECT_EQ(shown(d), (Shown{"1000", 499}));
        moveBar(d, 300);
        EXPECT_EQ(shown(d), (Shown{"600", 300}));
        moveBar(d, 0);
        EXPECT_EQ(shown(d), (Shown{"1", 0}));
        d.cmdAbbrechen.click();
    });
    open(1000, [](frmGeschwindigkeit& d) {
        moveBar(d, 300);
        EXPECT_EQ(shown(d), (Shown{"600", 299}));
        moveBar(d, 32767);
        EXPECT_EQ(shown(d), (Shown{"65534", 32767}));
        d.cmdAbbrechen.click();
    });
}

TEST_F(SpeedDialog, AnEmptyTextBecomesOneWithTheBarAtZero) {
    open(1000, [](frmGeschwindigkeit& d) {
        typeText(d, "");
        EXPECT_EQ(shown(d), (Shown{"1", 0}));
        typeText(d, "500");
        typeText(d, "abc");
        EXPECT_EQ(shown(d), (Shown{"1", 0}));
        d.cmdAbbrechen.click();
    });
}

TEST_F(SpeedDialog, ATextAboveTheRangeLeavesTheBarAndSkipsOneMirror) {
    open(1000, [](frmGeschwindigkeit& d) {
        typeText(d, "2000");
        typeText(d, "70000");
        EXPECT_EQ(shown(d), (Shown{"70000", 999}));
        typeText(d, "300");  // only sets the guard back
        EXPECT_EQ(shown(d), (Shown{"300", 999}));
        typeText(d, "400");
        EXPECT_EQ(shown(d), (Shown{"400", 199}));
        d.cmdAbbrechen.click();
    });
}

TEST_F(SpeedDialog, StandartPutsTheDefaultIntoTheDialogOnly) {
    open(300, [this](frmGeschwindigkeit& d) {
        typeText(d, "42");
        d.cmdStandart.click();
        EXPECT_EQ(shown(d), (Shown{"1000", 500}));
        EXPECT_EQ(game.tmeWeiter.interval(), 300);
        EXPECT_TRUE(d.isLoaded());
        d.cmdOk.click();
    });
    EXPECT_EQ(game.tmeWeiter.interval(), 1000);
}

TEST_F(SpeedDialog, OkSetsTheTextsValueOrRefusesItAndClosesEitherWay) {
    const struct {
        const char* text;
        int interval;  // after "OK"
        bool refused;
    } cases[] = {{"1.5", 2, false}, {"2.5", 2, false}, {"65535", 65535, false}, {"1", 1, false}, {"1e000003", 1000, false},
                 {"70000", 300, true}, {"0.5", 300, true}, {"-5", 300, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        fakes.messages.shown.clear();
        open(300, [&](frmGeschwindigkeit& d) {
            typeText(d, "1000");  // the first change comes back once; the next one stays as typed
            typeText(d, c.text);
            d.cmdOk.click();
        });
        EXPECT_EQ(game.tmeWeiter.interval(), c.interval);
        EXPECT_FALSE(dialog.isLoaded());
        ASSERT_EQ(fakes.messages.shown.size(), c.refused ? 1u : 0u);
        if (c.refused) {
            EXPECT_EQ(fakes.messages.shown[0].text,
                      "Neue Geschwindigkeit konnte nicht gesetzt werden, da Wert größer 65535 oder kleiner 1 war!");
            EXPECT_EQ(fakes.messages.shown[0].title, "Fehler!");
            EXPECT_EQ(fakes.messages.shown[0].style, platform::MsgBoxStyle::Exclamation);
        }
    }
}

TEST_F(SpeedDialog, AbbrechenAndTheCloseBoxKeepTheInterval) {
    open(300, [](frmGeschwindigkeit& d) {
        typeText(d, "700");
        d.cmdAbbrechen.click();
    });
    EXPECT_EQ(game.tmeWeiter.interval(), 300);
    open(300, [](frmGeschwindigkeit& d) {
        typeText(d, "700");
        d.window()->close();
    });
    EXPECT_EQ(game.tmeWeiter.interval(), 300);
    EXPECT_FALSE(dialog.isLoaded());
}

// A driving car pauses while the dialog is open and drives on after every way of closing;
// a car that stood still stays still.
TEST_F(SpeedDialog, PausesADrivingCarWhileOpen) {
    const std::function<void(frmGeschwindigkeit&)> closings[] = {
        [](frmGeschwindigkeit& d) { d.cmdOk.click(); },
        [](frmGeschwindigkeit& d) { d.cmdAbbrechen.click(); },
        [](frmGeschwindigkeit& d) { d.window()->close(); },
        [](frmGeschwindigkeit& d) { pressKey(d, Qt::Key_Escape); },
        [](frmGeschwindigkeit& d) {
            typeText(d, "99999");
            pressKey(d, Qt::Key_Return);
        },
    };
    for (bool driving : {true, false}) {
        for (std::size_t i = 0; i < std::size(closings); ++i) {
            SCOPED_TRACE(testing::Message() << "driving " << driving << ", closing " << i);
            bool pausedWhileOpen = false;
            open(
                1000,
                [&](frmGeschwindigkeit& d) {
                    pausedWhileOpen = !game.tmeWeiter.enabled();
                    closings[i](d);
                },
                driving);
            EXPECT_TRUE(pausedWhileOpen);
            EXPECT_EQ(game.tmeWeiter.enabled(), driving);
            EXPECT_FALSE(dialog.isLoaded());
        }
    }
}

TEST_F(SpeedDialog, ACarPausedWithFiveStaysPaused) {
    game.tmeWeiter.setEnabled(true);
    int five = '5';
    game.Form_KeyPress(five);
    ASSERT_FALSE(game.tmeWeiter.enabled());
    script<frmGeschwindigkeit>([](frmGeschwindigkeit& d) { d.cmdOk.click(); });
    game.mnuEinstellen.click();
    EXPECT_FALSE(game.tmeWeiter.enabled());
}

}  // namespace
