// The player's side of a drive: "Level - Start" and the steering and speed keys.
#include "game/frm_haupt.h"

#include "platform/services/services.h"
#include "shared/tile_catalogue.h"

#include <algorithm>

namespace pendix::game {

namespace {

constexpr int kSlowest = 65535;  // the step timer's interval bounds in milliseconds
constexpr int kFastest = 1;
constexpr int kStartSpeed = 1000;

}  // namespace

void frmHaupt::cmdLevelStart_Click() {
    // Before any level is loaded the button does nothing at all.
    if (lblLevelName.caption() == QStringLiteral("Kein Level eingelesen!")) return;
    platform::setWaitCursor();
    txtGF.setText(QStringLiteral("0"));
    for (int i = 0; i < kCells; ++i) {
        auto& overlay = pic(i);
        overlay.setTag(QStringLiteral("0"));
        overlay.setPicture({});
        overlay.setVisible(false);
    }
    pic(StartPos).setPicture(platform::loadPicture(carBitmap(StartDir)));
    CarPos = StartPos;
    CarDir = StartDir;
    TurnLeft = 0;
    TurnRight = 0;
    pic(StartPos).setVisible(true);
    tmeWeiter.setEnabled(true);
    platform::setDefaultCursor();
}

void frmHaupt::Form_KeyPress(int& keyAscii) {
    const int speed = tmeWeiter.interval();
    switch (keyAscii) {
    case '*': tmeWeiter.setInterval(std::min(speed + 10, kSlowest)); break;
    case '+': tmeWeiter.setInterval(std::min(speed + 1, kSlowest)); break;
    case '-': tmeWeiter.setInterval(std::max(speed - 1, kFastest)); break;
    case '/': tmeWeiter.setInterval(std::max(speed - 10, kFastest)); break;
    case '0': tmeWeiter.setInterval(kStartSpeed); break;
    case '4':
        TurnLeft = 1;
        TurnRight = 0;
        break;
    case '5': tmeWeiter.setEnabled(!tmeWeiter.enabled()); break;
    case '6':
        TurnLeft = 0;
        TurnRight = 1;
        break;
    default: break;
    }
}

}  // namespace pendix::game
