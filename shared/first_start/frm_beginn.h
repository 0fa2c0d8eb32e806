#pragma once
// The welcome box "Erster Start", shown modally when the program folder lacks
// its data: "OK" starts the installer tavrik.exe beside the program, and either
// way out ends the program.
#include "platform/controls/command_button.h"
#include "platform/controls/label.h"
#include "platform/form.h"

namespace pendix {

class frmBeginn : public platform::Form {
public:
    frmBeginn();

    platform::Label lblWillkommen;
    platform::Label Label1;
    platform::Label Label2;
    platform::CommandButton cmdOk;

    void cmdOk_Click();

    // The installer's path as it is started.
    static QString installerPath();

protected:
    void design() override;
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
};

}  // namespace pendix
