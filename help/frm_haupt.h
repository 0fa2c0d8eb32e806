#pragma once
// The help launcher's only window: a heading across the top, a picture in each
// corner and the list of the five help topics. Choosing a topic opens its help
// file; closing the window ends the program.
//
// One instance for the whole run: platform::instance<hilfe::frmHaupt>(). It is
// another class than the game's pendix::game::frmHaupt, so the two never meet.
#include "platform/controls/common_dialog.h"
#include "platform/controls/graphical_button.h"
#include "platform/controls/list_box.h"
#include "platform/controls/picture_box.h"
#include "platform/form.h"

namespace pendix::hilfe {

class frmHaupt : public platform::Form {
public:
    frmHaupt();

    // --- Controls, in tab order ---------------------------------------------------
    platform::PictureBox Picture1;  // top left
    platform::PictureBox Picture2;  // top right
    platform::PictureBox Picture3;  // bottom left
    platform::PictureBox Picture4;  // bottom right
    platform::ListBox Liste;        // the topics
    platform::GraphicalButton Command;  // the heading; it does nothing when pressed
    platform::CommonDialog CommonDialog;

    // --- Handlers -----------------------------------------------------------------
    void Liste_Click();

protected:
    void design() override;
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
};

}  // namespace pendix::hilfe
