#pragma once
// The common-dialog control, used only to show help files:
//     CommonDialog.setHelpFile(programFolder() + "\\hilfe\\pendix.hlp");
//     CommonDialog.setHelpCommand(3);   // contents
//     CommonDialog.showHelp();          // returns at once; the help viewer shows the file
#include "platform/controls/component.h"
#include "platform/services/services.h"

#include <QString>

namespace platform {

class CommonDialog : public Component {
public:
    static constexpr int kHelpContents = 3;

    CommonDialog() = default;

    const QString& helpFile() const { return props_.helpFile; }
    void setHelpFile(const QString& file) { props_.helpFile = file; }
    int helpCommand() const { return props_.helpCommand; }
    void setHelpCommand(int command) { props_.helpCommand = command; }

    // Hands the help file (resolved without regard to letter case) and the command
    // to the help viewer service, which opens beside the form this control lies on.
    void showHelp(HelpKeyboard keyboard = HelpKeyboard::ToHelp);

protected:
    void reset() override { props_ = Props{}; }

private:
    struct Props {
        QString helpFile;
        int helpCommand = 0;
    };
    Props props_;
};

}  // namespace platform
