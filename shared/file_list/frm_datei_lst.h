#pragma once
// The file-list dialog "Datei - Info": the folders and files that the program
// folder's "\dateien.lst" names, the size and date of a chosen file, and the
// number and total size of all listed files. It only reads; the game and the
// editor open it with showFileList().
#include "platform/controls/command_button.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/files/text_file.h"
#include "platform/form.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pendix {

class frmDateiLst : public platform::Form {
public:
    frmDateiLst();

    platform::ListBox lstVerzeichnisse;
    platform::ListBox lstDateien;
    platform::TextBox txtGröße;
    platform::Label lblGröße;
    platform::Label lblErstelltam;
    platform::TextBox txtErstelltam;
    platform::Label lblInsgesamteAnzahlderimProgrammverwendetenDateien;
    platform::Label lblIAdiPvD;
    platform::Label lblInsgesmmteProgrammgröße;
    platform::Label lblIP;
    platform::CommandButton cmdOk;
    platform::Timer Timer;

    std::int16_t IconStep = 0;
    // Rebuilt by every load: the list file's lines (Windows-1252 bytes) and the
    // entry of each header line, in file order.
    std::vector<std::string> ListLines;
    std::vector<std::string> ListSections;
    std::int16_t FileCount = 0;
    std::int32_t TotalBytes = 0;

    void ShowTotals();
    void lstVerzeichnisse_Click();
    void lstDateien_Click();
    void cmdOk_Click();
    void Timer_Timer();

    // How much of the list file is read: the lines its rules allow, within a
    // bound far above any list of the programs' files.
    static constexpr platform::ReadLimit kListLimit{32767, 2 << 20};

protected:
    void design() override;
    void Form_Load() override;
};

// "Datei - Info": with the wait cursor, shows the dialog without waiting; an
// open dialog only comes to the front, nothing is read again.
void showFileList();

}  // namespace pendix
