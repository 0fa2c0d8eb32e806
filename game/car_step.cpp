#include "game/car_step.h"

#include <cmath>

#include "platform/text/numeric_value.h"

namespace pendix {
namespace {

constexpr std::size_t kTransporterTagLength = 7;

void transport(CarStep& step, std::string_view tag) {
    Car& car = step.state.car;
    StepEffects& fx = step.effects;
    fx.hideCell = car.pos;
    const double target = platform::roundHalfEven(platform::numericValue(tag.substr(3, 3)));
    if (!(target >= 0 && target < kCellCount)) {
        // Only the editor's links are known to point at the board; a damaged one
        // ends the drive like a cell the car cannot enter.
        fx.end = LevelEnd::CannotEnter;
        fx.wave = kWaveLost;
        return;
    }
    const char direction = tag[6];
    car.pos = static_cast<int>(target);
    car.dir = static_cast<int>(platform::numericValue(tag.substr(6, 1)));
    if (direction >= '1' && direction <= '8') fx.picture = carBitmap(car.dir);
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
    const std::string tag = tags(state.car.pos);
    if (tag.size() == kTransporterTagLength)
        transport(step, tag);
    else
        move(step, tags);
    return step;
}

}  // namespace pendix
