#include "frm_geschwindigkeit.h"

#include "game/frm_haupt.h"
#include "platform/application.h"
#include "platform/services/services.h"
#include "platform/text/numeric_value.h"
#include "shared/animation/icon_animation.h"

#include <QWidget>

#include <algorithm>

namespace pendix::game {
namespace {

constexpr int kBarMax = 32767;
constexpr double kMinInterval = 1;
constexpr double kMaxInterval = 65535;

double numericValueOf(const platform::TextBox& box) { return platform::numericValue(box.text().toStdString()); }

platform::Timer& stepTimer() { return platform::instance<frmHaupt>().tmeWeiter; }

}  // namespace

int speedBarValue(double interval) {
    // The bar cannot show a value below its left end (a text below 2) or past its right one.
    const double value = platform::roundHalfEven(interval / 2 - 1);
    return static_cast<int>(std::clamp(value, 0.0, static_cast<double>(kBarMax)));
}

frmGeschwindigkeit::frmGeschwindigkeit() {
    HScroll.onChange = [this] { HScroll_Change(); };
    txtGeschwindigkeit.onChange = [this] { txtGeschwindigkeit_Change(); };
    cmdOk.onClick = [this] { cmdOk_Click(); };
    cmdStandart.onClick = [this] { cmdStandart_Click(); };
    cmdAbbrechen.onClick = [this] { cmdAbbrechen_Click(); };
    Timer.onTimer = [this] { Timer_Timer(); };
}

void frmGeschwindigkeit::design() {
    setCaption(QStringLiteral("Geschwindigkeit"));
    setFixedBorder(true);
    setCentered(true);
    setClientSize(4575, 2175);

    // Placed in tab order.
    place(HScroll, {360, 840, 3855, 255});
    HScroll.setMin(0);
    HScroll.setMax(kBarMax);
    HScroll.setSmallChange(1);
    HScroll.setLargeChange(1);
    // Qt's scroll bar takes no focus by itself; here it is the first stop of Tab.
    if (QWidget* bar = HScroll.widget()) bar->setFocusPolicy(Qt::StrongFocus);

    place(cmdOk, {360, 1440, 1335, 375});
    cmdOk.setCaption(QStringLiteral("OK"));
    cmdOk.setDefault(true);
    cmdOk.setToolTip(QStringLiteral("Klicken sie hier, um den neuen Wert zu setzen."));

    place(cmdStandart, {1680, 1440, 1215, 375});
    cmdStandart.setCaption(QStringLiteral("Standart"));
    cmdStandart.setToolTip(QStringLiteral("Klicken sie hier, um alles auf den Stadart Wert zurückzusetzen."));

    place(cmdAbbrechen, {2880, 1440, 1335, 375});
    cmdAbbrechen.setCaption(QStringLiteral("Abbrechen"));
    cmdAbbrechen.setCancel(true);
    cmdAbbrechen.setToolTip(QStringLiteral("Klicken sie hier, um abzubrechen."));

    place(txtGeschwindigkeit, {1920, 360, 735, 285});
    txtGeschwindigkeit.setToolTip(QStringLiteral(
        "Geben sie hier die Anzahl der Millisekunden ein, nachdenen das Auto zu dem nächsten Feld weiterrücken soll."));

    place(lblSchneller, {360, 600, 735, 255});
    lblSchneller.setCaption(QStringLiteral("Schneller"));

    place(lblLangsamer, {3360, 600, 855, 255});
    lblLangsamer.setCaption(QStringLiteral("Langsamer"));

    place(Timer);
    Timer.setInterval(100);
    Timer.setEnabled(true);
}

void frmGeschwindigkeit::Form_Load() {
    SyncGuard = -1;
    platform::Timer& step = stepTimer();
    if (step.enabled()) {
        step.setEnabled(false);
        TimerWasOff = 0;
    } else {
        TimerWasOff = 1;
    }
    txtGeschwindigkeit.setText(QString::number(step.interval()));
    HScroll.setValue(speedBarValue(step.interval()));
}

bool frmGeschwindigkeit::mirrorAllowed() {
    // Below 2: the dialog's own opening assignments. Above 3: the echo of an echo, which ends the round.
    if (SyncGuard < 2) return false;
    if (SyncGuard > 3) {
        SyncGuard = 2;
        return false;
    }
    return true;
}

void frmGeschwindigkeit::txtGeschwindigkeit_Change() {
    ++SyncGuard;
    if (numericValueOf(txtGeschwindigkeit) == 0) txtGeschwindigkeit.setText(QStringLiteral("1"));
    if (!mirrorAllowed()) return;
    const double value = numericValueOf(txtGeschwindigkeit);
    if (value > kMaxInterval) return;
    HScroll.setValue(speedBarValue(value));
    SyncGuard = 2;
}

void frmGeschwindigkeit::HScroll_Change() {
    ++SyncGuard;
    if (!mirrorAllowed()) return;
    ScrollInterval = 2 * HScroll.value();
    txtGeschwindigkeit.setText(QString::number(ScrollInterval));
    SyncGuard = 2;
}

void frmGeschwindigkeit::cmdStandart_Click() {
    SyncGuard = -1;
    txtGeschwindigkeit.setText(QStringLiteral("1000"));
    HScroll.setValue(500);
}

void frmGeschwindigkeit::cmdOk_Click() {
    const double value = numericValueOf(txtGeschwindigkeit);
    if (value < kMinInterval || value > kMaxInterval) {
        platform::messageBox(QStringLiteral("Neue Geschwindigkeit konnte nicht gesetzt werden, da Wert größer 65535 "
                                            "oder kleiner 1 war!"),
                             platform::MsgBoxStyle::OkOnly + platform::MsgBoxStyle::Exclamation,
                             QStringLiteral("Fehler!"));
    } else {
        stepTimer().setInterval(static_cast<int>(platform::roundHalfEven(value)));
    }
    unload();  // the unload lets a paused car drive on
}

void frmGeschwindigkeit::cmdAbbrechen_Click() { unload(); }

void frmGeschwindigkeit::Form_Unload(int& cancel) {
    (void)cancel;
    // Every way of closing, the close box included, restores the step timer as it was at the opening.
    if (TimerWasOff != 1) stepTimer().setEnabled(true);
}

void frmGeschwindigkeit::Timer_Timer() { AnimateIcon(*this, IconStep); }

}  // namespace pendix::game
