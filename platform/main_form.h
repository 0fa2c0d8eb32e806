#pragma once
// The program's main window, for the shared dialogs that answer into its Tag
// (the level chooser). Each program names its main window class once at start:
//
//     platform::setMainForm<frmHaupt>();
//
// mainForm() then gives that class's single instance, creating it if need be.
#include "platform/application.h"
#include "platform/form.h"

namespace platform {

template <class F>
void setMainForm() {
    Application::current().setMainFormAccess([]() -> Form& { return instance<F>(); });
}

// The main window's single instance; nullptr when the program named none.
inline Form* mainForm() {
    const auto& access = Application::current().mainFormAccess();
    return access ? &access() : nullptr;
}

}  // namespace platform
