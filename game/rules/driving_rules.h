#pragma once
// The driving rules: one move of the car from its cell, its Direction and the
// pending turn request, decided by the board tags of the cells it reads.
#include "shared/tile_catalogue.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace pendix::game {

// The board tag of a cell as the level reader made it (raw bytes, so a 7-character
// tag stays 7 characters).
using TagLookup = std::function<std::string(int cell)>;
using BoardTags = std::array<std::string, kCellCount>;
// A lookup into a board of tags; the board must outlive the lookup.
TagLookup lookupIn(const BoardTags& tags);

// 101..111 when the first three characters of a tag read as that street code, else 0.
int streetOfTag(std::string_view tag);

// The car as the rules see it (the game window's CarPos, CarDir, PrevPos, TurnLeft,
// TurnRight); only the value 1 is a turn request.
struct Car {
    int pos = 0;
    int dir = 0;
    int prevPos = 0;
    int turnLeft = 0;
    int turnRight = 0;
};

enum class DriveOutcome { Move, StandStill, LeaveBoard, CannotEnter };
enum class DecidingTable { Straight, Turn };  // picks the wave: "gerade" or "kurve"
enum class RequestFate { Kept, UsedUp, Dropped };

struct DriveDecision {
    DriveOutcome outcome = DriveOutcome::StandStill;
    int nextPos = 0;  // for a move
    int nextDir = 0;  // for a move
    DecidingTable table = DecidingTable::Straight;
    RequestFate request = RequestFate::Kept;  // Kept also when none was pending
};

DriveDecision decideMove(const Car& car, const TagLookup& tags);

}  // namespace pendix::game
