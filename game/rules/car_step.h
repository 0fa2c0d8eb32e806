#pragma once
// One tick of a running level: count a field, end the level on the end cell,
// carry the car through a transporter, or move it by the driving rules. Pure: it
// returns the new state and what the window has to show and play.
#include "game/rules/driving_rules.h"
#include "shared/data_paths.h"

#include <optional>
#include <string>
#include <string_view>

namespace pendix::game {

struct DriveState {
    Car car;
    double fields = 0;  // the value of the fields counter's text (a text that is no number reads 0)
    int endPos = 0;
};

enum class LevelEnd {
    None,
    Won,          // "Herzlichen Glückwunsch!"
    LeftBoard,    // "Aber wo wollen sie denn hin?!"
    CannotEnter,  // "Sie haben verloren!"
};

// What the window does, in this order: switch the step timer off when the level
// ends; hide the overlay of hideCell; load picture into the overlay of showCell;
// show that overlay; play the wave; show the end message.
struct StepEffects {
    LevelEnd end = LevelEnd::None;
    int hideCell = -1;      // -1: hide nothing
    int showCell = -1;      // -1: show nothing
    std::string picture;    // "" keeps the picture the overlay of showCell has
    std::string_view wave;  // "" plays nothing
    bool transported = false;
    std::optional<DriveDecision> decision;  // set when the driving rules decided the step
};

struct CarStep {
    DriveState state;  // after the step; on an end of the level only the counter differs
    StepEffects effects;
};

CarStep stepCar(const DriveState& state, const TagLookup& tags);

}  // namespace pendix::game
