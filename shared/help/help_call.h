#pragma once
// Showing a help file of the program folder at its contents, the one way every
// program of the suite opens help: the game's and the editor's help items and
// the help launcher's list.
#include "platform/controls/common_dialog.h"

#include <string_view>

namespace pendix {

// `helpFile` as the programs write it ("\hilfe\pendix.hlp"). Under the wait
// cursor: HelpFile becomes the program folder followed by it, HelpCommand 3
// (contents), then ShowHelp. The viewer reports a missing file itself, so the
// cursor always comes back. The help window opens beside the dialog's window
// and takes the keyboard, unless `keyboard` keeps it where it is.
void showHelpFile(platform::CommonDialog& dialog, std::string_view helpFile,
                  platform::HelpKeyboard keyboard = platform::HelpKeyboard::ToHelp);

}  // namespace pendix
