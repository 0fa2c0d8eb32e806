// The car step, one per tick of the step timer: the rules decide, the window
// counts, draws, plays and tells the player how the level ended.
#include "game/frm_haupt.h"

#include "game/rules/car_step.h"
#include "platform/files/cp1252.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "platform/services/services.h"
#include "platform/text/numeric_value.h"
#include "shared/level_format/number_text.h"

namespace pendix::game {

namespace {

const QString kLostTitle = QStringLiteral("Versuchen sie's doch noch 'mal!");

}  // namespace

void frmHaupt::tmeWeiter_Timer() { StepCar(); }

void frmHaupt::StepCar() {
    DriveState state;
    state.car = {CarPos, CarDir, PrevPos, TurnLeft, TurnRight};
    state.fields = platform::numericValue(platform::toCp1252(txtGF.text()));
    state.endPos = EndPos;
    // Tags hold the level file's bytes, so a transporter text keeps its 7 characters.
    const CarStep step = stepCar(state, [this](int cell) { return platform::toCp1252(cmd(cell).tag()); });

    txtGF.setText(QString::fromStdString(numberText(step.state.fields)));
    const Car& car = step.state.car;
    CarPos = static_cast<std::int16_t>(car.pos);
    CarDir = static_cast<std::int16_t>(car.dir);
    PrevPos = static_cast<std::int16_t>(car.prevPos);
    TurnLeft = static_cast<std::int16_t>(car.turnLeft);
    TurnRight = static_cast<std::int16_t>(car.turnRight);

    const StepEffects& effects = step.effects;
    // No further step may run while an end message waits for the player.
    if (effects.end != LevelEnd::None) tmeWeiter.setEnabled(false);
    if (effects.hideCell >= 0) pic(effects.hideCell).setVisible(false);
    if (effects.showCell >= 0) {
        if (!effects.picture.empty()) pic(effects.showCell).setPicture(platform::loadPicture(effects.picture));
        pic(effects.showCell).setVisible(true);
    }
    if (!effects.wave.empty()) playWave(effects.wave);

    switch (effects.end) {
    case LevelEnd::Won:
        platform::messageBox(QStringLiteral("Herzlichen Glückwunsch!\r\rSie haben das Level: ") + LevelName +
                             QStringLiteral(" geschafft."));
        break;
    case LevelEnd::LeftBoard:
        platform::messageBox(QStringLiteral("Pendix!\r\rAber wo wollen sie denn hin?!"), platform::MsgBoxStyle::OkOnly,
                             kLostTitle);
        break;
    case LevelEnd::CannotEnter:
        platform::messageBox(QStringLiteral("Pendix!\r\rSie haben verloren!"), platform::MsgBoxStyle::OkOnly,
                             kLostTitle);
        break;
    case LevelEnd::None: break;
    }
}

void frmHaupt::playWave(std::string_view wave) {
    if (!mnuSound1.checked()) return;
    MMControl.setCommand(QStringLiteral("Close"));
    MMControl.setFileName(platform::programFolder() +
                          QString::fromUtf8(wave.data(), static_cast<qsizetype>(wave.size())));
    MMControl.setDeviceType(QStringLiteral("WaveAudio"));
    MMControl.setCommand(QStringLiteral("Open"));
    MMControl.setCommand(QStringLiteral("Play"));
}

}  // namespace pendix::game
