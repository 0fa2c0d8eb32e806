#pragma once
// The about box "Info": the product title, the version, contact lines, two links
// (web and mail) and eight cars circling a track of 56 picture boxes. The game
// and the editor show the same window; only the product title differs, and the
// program gives it before showing the box:
//
//     pendix::showAboutBox(pendix::gameProductTitle());   // the game's "Info"
#include "platform/controls/command_button.h"
#include "platform/controls/control_array.h"
#include "platform/controls/label.h"
#include "platform/controls/picture_box.h"
#include "platform/controls/timer.h"
#include "platform/form.h"
#include "shared/about_box/about_track.h"

#include <QString>

#include <array>
#include <cstdint>

namespace pendix {

// The title line: its text and the width (twips) of its label, centred on the window.
struct ProductTitle {
    QString text;
    int width = 0;
};
ProductTitle gameProductTitle();    // "Pendix"
ProductTitle editorProductTitle();  // "Editor zu Pendix"

// The contact lines; the hint line of the game window names the same address.
inline constexpr char kContactMail[] = "pendix@example.org";
inline constexpr char kContactWeb[] = "http://www.example.org/pendix";

class frmInfo : public platform::Form {
public:
    frmInfo();

    // Takes effect at the next load; an open box keeps what it shows.
    void setProductTitle(const ProductTitle& title) { productTitle_ = title; }
    const ProductTitle& productTitle() const { return productTitle_; }

    platform::Label Label1;  // the product title
    // 0 version, 1 web link, 2 mail link, 3..7 contact, 25 freeware, 26 disclaimer
    platform::ControlArray<platform::Label> lbl;
    platform::Label lblCopyright;
    platform::Label lblAutor;
    platform::CommandButton cmdOk;
    // The track's boxes Picture00 .. Picture55: Picture[n] is the box of cell n.
    std::array<platform::PictureBox, kTrackCells> Picture;
    platform::Timer Timer;

    std::int16_t IconStep = 0;
    // The step of the car animation that the next tick performs, 1..7.
    std::int16_t AnimStep = 0;

    void AnimateCars();
    void Timer_Timer();
    void lbl_Click(int index);
    void lbl_MouseDown(int index, int button, int shift, double x, double y);
    void lbl_MouseUp(int index, int button, int shift, double x, double y);
    void cmdOk_Click();

    // The links as they are opened.
    QString webLink() const;
    QString mailLink() const;

protected:
    void design() override;
    void Form_Load() override;

private:
    void designLabels();
    void designTrack();
    void showCars(int offset);
    void emptyCars(int offset);

    ProductTitle productTitle_ = gameProductTitle();
};

// "Info": with the wait cursor, shows the box without waiting (an open box comes
// to the front, nothing is loaded again).
void showAboutBox(const ProductTitle& title);

}  // namespace pendix
