#include "game/rules/car_step.h"

#include "shared/level_format/transporter_text.h"

#include <optional>

namespace pendix::game {
namespace {

void transport(CarStep& step, const TransporterText& link) {
    Car& car = step.state.car;
    StepEffects& fx = step.effects;
    fx.hideCell = car.pos;
    const std::optional<int> target = link.targetCell();
    if (!target) {
        // Only the editor's links are known to point at the board; a damaged one
        // ends the drive like a cell the car cannot enter.
        fx.end = LevelEnd::CannotEnter;
        fx.wave = kWaveLost;
        return;
    }
    car.pos = *target;
    car.dir = link.exitValue();
    if (link.exitDirection() != 0) fx.picture = carBitmap(car.dir);
    fx.showCell = car.pos;
    fx.wave = kWaveTransport;
    fx.transported = true;
}

void move(CarStep& step, const TagLookup& tags) {
    Car& car = step.state.car;
    StepEffects& fx = step.effects;
    fx.hideCell = car.pos;
    const DriveDecision d = decideMove(car, tags);
    fx.decision = d;
    if (d.outcome == DriveOutcome::LeaveBoard) {
        fx.end = LevelEnd::LeftBoard;
        return;
    }
    if (d.outcome == DriveOutcome::CannotEnter) {
        fx.end = LevelEnd::CannotEnter;
        fx.wave = kWaveLost;
        return;
    }
    if (d.request != RequestFate::Kept) (car.turnLeft == 1 ? car.turnLeft : car.turnRight) = 0;
    if (d.outcome == DriveOutcome::Move) {
        car.prevPos = car.pos;
        car.pos = d.nextPos;
        car.dir = d.nextDir;
        fx.picture = car.pos == step.state.endPos ? carOnEndBitmap(car.dir) : carBitmap(car.dir);
    }
    fx.showCell = car.pos;
    fx.wave = d.table == DecidingTable::Turn ? kWaveTurn : kWaveStraight;
}

}  // namespace

CarStep stepCar(const DriveState& state, const TagLookup& tags) {
    CarStep step{state, {}};
    step.state.fields = state.fields + 1;
    if (state.car.pos == state.endPos) {
        step.effects.end = LevelEnd::Won;
        step.effects.wave = kWaveWon;
        return step;
    }
    // A board tag of 7 characters is a linked transporter: base street, target, exit.
    if (const std::optional<TransporterText> link = TransporterText::parse(tags(state.car.pos)))
        transport(step, *link);
    else
        move(step, tags);
    return step;
}

}  // namespace pendix::game
