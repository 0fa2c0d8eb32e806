#pragma once
// The suite's programs as the start and memory benchmarks run them: the
// executable in the program folder, the title of the window whose first paint
// counts, and what a user does with it while its memory is watched. A program
// that joins the suite gets its row here and its figures follow.
#include <string>
#include <vector>

namespace bench {

struct UserAction {
    enum class Kind { Keys, Click };
    Kind kind = Kind::Keys;
    std::string keys;  // xdotool key names ("F9", "ctrl+i", "slash")
    int repeat = 1;
    int xTwips = 0;  // a click, in the main window's client area (below its menu bar)
    int yTwips = 0;
};

struct Program {
    std::string executable;   // file name in the program folder
    std::string windowTitle;  // its main window's caption
    std::vector<UserAction> session;
};

const std::vector<Program>& programs();

}  // namespace bench
