#pragma once
// The speed dialog "Geschwindigkeit": the interval of the game window's step
// timer in milliseconds (1..65535), shown as text and on a scroll bar that
// stands for half the value. While it is open a driving car is paused; "OK"
// applies the text, "Abbrechen" and the close box keep the interval, and every
// way of closing lets a car that was driving drive on. "Standart" only puts the
// default back into the dialog.
//
// Text box and scroll bar mirror each other through their change handlers,
// which run nested inside the program's own assignments; SyncGuard stops the
// echo after one round.
#include "platform/controls/command_button.h"
#include "platform/controls/h_scroll_bar.h"
#include "platform/controls/label.h"
#include "platform/controls/text_box.h"
#include "platform/controls/timer.h"
#include "platform/form.h"

#include <cstdint>

namespace pendix::game {

class frmGeschwindigkeit : public platform::Form {
public:
    frmGeschwindigkeit();

    platform::HScrollBar HScroll;
    platform::CommandButton cmdOk;
    platform::CommandButton cmdStandart;
    platform::CommandButton cmdAbbrechen;
    platform::TextBox txtGeschwindigkeit;
    platform::Label lblSchneller;
    platform::Label lblLangsamer;
    platform::Timer Timer;

    std::int16_t IconStep = 0;
    std::int16_t TimerWasOff = 0;     // 1: the step timer was off at this opening
    std::int16_t SyncGuard = 0;       // bounds the mutual updating of text and bar
    std::int32_t ScrollInterval = 0;  // the interval the bar stands for

    void txtGeschwindigkeit_Change();
    void HScroll_Change();
    void cmdOk_Click();
    void cmdStandart_Click();
    void cmdAbbrechen_Click();
    void Timer_Timer();

protected:
    void design() override;
    void Form_Load() override;
    void Form_Unload(int& cancel) override;

private:
    // Whether a change, counted already, is to be mirrored into the other control.
    bool mirrorAllowed();
};

// The bar's value for an interval: half of it less one, halves to even, kept within the bar.
int speedBarValue(double interval);

}  // namespace pendix::game
