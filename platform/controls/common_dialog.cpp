#include "common_dialog.h"

#include "platform/paths.h"
#include "platform/services/services.h"

namespace platform {

void CommonDialog::showHelp(HelpKeyboard keyboard) {
    services().helpViewer().show(resolvePath(props_.helpFile), props_.helpCommand, {form(), keyboard});
}

}  // namespace platform
