#include "shared/help/help_call.h"

#include "platform/paths.h"
#include "platform/services/services.h"

namespace pendix {

void showHelpFile(platform::CommonDialog& dialog, std::string_view helpFile, platform::HelpKeyboard keyboard) {
    platform::setWaitCursor();
    dialog.setHelpFile(platform::programFolder() +
                       QString::fromUtf8(helpFile.data(), static_cast<qsizetype>(helpFile.size())));
    dialog.setHelpCommand(platform::CommonDialog::kHelpContents);
    dialog.showHelp(keyboard);
    platform::setDefaultCursor();
}

}  // namespace pendix
