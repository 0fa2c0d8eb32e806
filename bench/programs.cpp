#include "programs.h"

namespace bench {
namespace {

UserAction keys(const char* names, int repeat = 1) { return {UserAction::Kind::Keys, names, repeat, 0, 0}; }
UserAction click(int xTwips, int yTwips) { return {UserAction::Kind::Click, {}, 1, xTwips, yTwips}; }

}  // namespace

const std::vector<Program>& programs() {
    static const std::vector<Program> all = {
        // Level 9, the about box, the file list and the help, then a drive at 50 ms a step.
        {"Pendix",
         "Pendix",
         {keys("F9"), keys("ctrl+i"), keys("ctrl+d"), keys("ctrl+h"), click(120 + 15015 / 2, 720 + 375 / 2),
          keys("slash", 95)}},
        // "Neu", the count window from the "Start / Ende" tab, the animated palette,
        // the about box, the file list and the help.
        {"Editor",
         "Editor zu Pendix",
         {keys("F1"), click(2265, 195), click(6360 + 2295 / 2 + 120, 480 + 375 / 2), click(13080, 195), keys("ctrl+i"),
          keys("ctrl+d"), keys("ctrl+h")}},
        // Two help topics chosen from the list.
        {"Hilfe", "Hilfe", {click(1800 + 1500, 1920 + 150), click(1800 + 1500, 1920 + 1050)}},
    };
    return all;
}

}  // namespace bench
