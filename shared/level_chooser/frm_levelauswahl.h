#pragma once
// The level chooser "Levelauswahl": drive, folder and file lists ("*.lvl"), the
// path of the file picked, "OK" and "Abbrechen". The game and the editor show it
// modally and read the answer from their own main window's Tag afterwards:
//
//     platform::instance<frmLevelauswahl>().showModal();
//     const QString answer = tag of the main window;   // "" for a cancel
//
// "OK", Enter or a double click on a file write the path label's caption into
// the main window's Tag (platform::mainForm()); "Abbrechen" or Esc write "";
// the close box leaves the Tag alone. Every close only hides the window, so
// drive, folder, selection and label stay as they were for the next opening;
// each opening reads the folder again (the editor may have saved a level into
// it meanwhile), keeping the selected file while it is still there.
// Where the folder list's path and the file name are joined, the platform's
// separator stands.
#include "platform/controls/command_button.h"
#include "platform/controls/dir_list_box.h"
#include "platform/controls/drive_list_box.h"
#include "platform/controls/file_list_box.h"
#include "platform/controls/label.h"
#include "platform/controls/timer.h"
#include "platform/form.h"

#include <cstdint>

namespace pendix {

class frmLevelauswahl : public platform::Form {
public:
    frmLevelauswahl();

    platform::FileListBox filDateien;
    platform::DirListBox dirVerzeichnisse;
    platform::DriveListBox drvLaufwerke;
    platform::Label lblPfad;
    platform::CommandButton cmdOk;
    platform::CommandButton cmdAbbrechen;
    platform::Label lblFilter;
    platform::Timer Timer;

    std::int16_t IconStep = 0;

    void dirVerzeichnisse_Change();
    void filDateien_Click();
    void filDateien_DblClick();
    void cmdOk_Click();
    void cmdAbbrechen_Click();
    void Timer_Timer();

protected:
    void design() override;
    void Form_Load() override;
    void Form_Show() override;
    // Refuses every unload and hides the window instead.
    void Form_Unload(int& cancel) override;

private:
    void UpdatePathLabel();
    void FollowDrive();
};

}  // namespace pendix
