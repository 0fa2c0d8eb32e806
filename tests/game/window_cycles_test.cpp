// Unloading a window releases everything its load made: after many openings
// and closings of each window, as the user gives them, the live widgets and
// objects are as many as before.
#include "game/frm_geschwindigkeit.h"
#include "game/frm_haupt.h"
#include "game_window_fixture.h"
#include "platform/application.h"
#include "shared/about_box/frm_info.h"
#include "shared/file_list/frm_datei_lst.h"
#include "shared/first_start/frm_beginn.h"
#include "shared/level_chooser/frm_levelauswahl.h"
#include "tests/support/live_objects.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <functional>
#include <map>
#include <sstream>
#include <string>

namespace game_test {
namespace {

class WindowCycles : public GameWindowTest {
protected:
    WindowCycles() : GameWindowTest(Data::OwnFolder) {
        folder().writeText("\\dateien.lst", "\\ico\\\r\nauto01.ico\r\nauto02.ico\r\n\r\n");
    }
    template <class F>
    static F& window() {
        return platform::instance<F>();
    }
    // A tick of the window's timer, and its icon taken as the window system takes it.
    template <class F>
    static void tick() {
        F& shown = window<F>();
        shown.Timer.fire();
        if (shown.window()) (void)shown.window()->windowIcon().pixmap(32, 32);
    }
    // Windows unloaded by a handler go once control is back in the event loop.
    static void backInTheEventLoop() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    struct Census {
        std::map<std::string, int> objects;
        int widgets;
    };
    static Census census(const test_support::LiveObjects& live) {
        return {live.byClass(), static_cast<int>(QApplication::allWidgets().size())};
    }
    static std::string difference(const Census& before, const Census& after) {
        std::ostringstream out;
        std::map<std::string, int> all = before.objects;
        for (const auto& [name, count] : after.objects) all.emplace(name, 0);
        for (const auto& [name, unused] : all) {
            const int was = before.objects.count(name) ? before.objects.at(name) : 0;
            const int is = after.objects.count(name) ? after.objects.at(name) : 0;
            if (was != is) out << name << ": " << was << " -> " << is << "; ";
        }
        return out.str();
    }
};

TEST_F(WindowCycles, EveryWindowLeavesNothingBehind) {
    ASSERT_TRUE(test_support::LiveObjects::available());
    struct Case {
        const char* window;
        std::function<void()> openAndClose;
    };
    const Case cases[] = {
        {"speed dialog",
         [this] {
             script<pendix::game::frmGeschwindigkeit>([](pendix::game::frmGeschwindigkeit& dialog) {
                 tick<pendix::game::frmGeschwindigkeit>();
                 dialog.cmdOk.click();
             });
             game.mnuEinstellen.click();
         }},
        {"about box",
         [this] {
             game.mnuInfo.click();
             tick<pendix::frmInfo>();
             window<pendix::frmInfo>().cmdOk.click();
         }},
        {"file list",
         [this] {
             game.mnuDateiInfo.click();
             tick<pendix::frmDateiLst>();
             window<pendix::frmDateiLst>().lstVerzeichnisse.setListIndex(0);
             window<pendix::frmDateiLst>().lstDateien.setListIndex(1);
             window<pendix::frmDateiLst>().cmdOk.click();
         }},
        {"level chooser",
         [this] {
             script<pendix::frmLevelauswahl>([](pendix::frmLevelauswahl& chooser) {
                 tick<pendix::frmLevelauswahl>();
                 chooser.cmdAbbrechen.click();
             });
             game.mnuNLö.click();
         }},
        {"welcome box",
         [] {
             window<pendix::frmBeginn>().show();
             window<pendix::frmBeginn>().unload();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        test_support::LiveObjects live;
        c.openAndClose();  // the first opening may make what Qt keeps for good (styles, fonts)
        backInTheEventLoop();
        const Census before = census(live);
        for (int i = 0; i < 30; ++i) {
            c.openAndClose();
            backInTheEventLoop();
        }
        const Census after = census(live);
        EXPECT_EQ(after.widgets, before.widgets);
        EXPECT_EQ(difference(before, after), "");
    }
}

}  // namespace
}  // namespace game_test
