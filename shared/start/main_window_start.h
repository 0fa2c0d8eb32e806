#pragma once
// The start-up routine the game and the editor share: each shows its own main
// window through it.
#include "platform/application.h"
#include "platform/main_form.h"
#include "platform/services/services.h"

namespace pendix {

// Names `MainWindow` the program's main window (the shared level chooser answers
// into its Tag) and shows it without waiting for it, under the wait cursor: its
// load handler runs to its end before it becomes visible. From then on the program
// runs on events alone.
template <class MainWindow>
void showMainWindowUnderWaitCursor() {
    platform::setMainForm<MainWindow>();
    platform::setWaitCursor();
    platform::instance<MainWindow>().show();
    platform::setDefaultCursor();
}

}  // namespace pendix
