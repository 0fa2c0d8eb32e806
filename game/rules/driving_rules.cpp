#include "game/rules/driving_rules.h"

#include <optional>

namespace pendix::game {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

enum Heading { Up = 1, Down = 2, Right = 3, Left = 4 };

struct HeadingInfo {
    int offset;
    unsigned arm;
    int opposite;
};
// Indexed by heading; 0 is no heading.
constexpr std::array<HeadingInfo, 5> kHeadings{{
    {0, 0, 0},
    {-kColumns, ArmUp, Down},
    {kColumns, ArmDown, Up},
    {1, ArmRight, Left},
    {-1, ArmLeft, Right},
}};

constexpr int offset(int heading) { return kHeadings[heading].offset; }
constexpr int opposite(int heading) { return kHeadings[heading].opposite; }

bool hasArm(int street, int heading) { return (streetArms(street) & kHeadings[heading].arm) != 0; }

// The in-turn states 5..8 as the quadrant of a vertical and a horizontal heading.
struct Quadrant {
    int vertical;
    int horizontal;
};
constexpr std::array<Quadrant, 4> kQuadrants{{{Up, Right}, {Up, Left}, {Down, Left}, {Down, Right}}};

int stateOf(int a, int b) {
    const int vertical = a <= Down ? a : b;
    const int horizontal = a <= Down ? b : a;
    for (int i = 0; i < 4; ++i)
        if (kQuadrants[i].vertical == vertical && kQuadrants[i].horizontal == horizontal) return 5 + i;
    return 0;
}

// A left turn from up heads left, from down right, from right up, from left down.
int turnedHeading(int exit, bool left) {
    switch (exit) {
    case Up: return left ? Left : Right;
    case Down: return left ? Right : Left;
    case Right: return left ? Up : Down;
    case Left: return left ? Down : Up;
    }
    return 0;
}

// The way out of the car's cell; none for an in-turn state whose curve does not
// fit the cell (or a Direction outside 1..8): the car then stands still.
std::optional<int> exitOf(const Car& car, const TagLookup& tags) {
    if (car.dir >= Up && car.dir <= Left) return car.dir;
    if (car.dir < 5 || car.dir > 8) return std::nullopt;
    const Quadrant q = kQuadrants[car.dir - 5];
    const int street = streetOfTag(tags(car.pos));
    // The car came in by the arm opposite one heading of the quadrant and leaves by
    // the other; the crossing has both pairs, so where it came from decides.
    const bool vertical = hasArm(street, q.vertical) && hasArm(street, opposite(q.horizontal));
    const bool horizontal = hasArm(street, q.horizontal) && hasArm(street, opposite(q.vertical));
    if (vertical && horizontal) {
        if (car.prevPos == car.pos + offset(opposite(q.horizontal))) return q.vertical;
        if (car.prevPos == car.pos + offset(opposite(q.vertical))) return q.horizontal;
        return std::nullopt;
    }
    if (vertical) return q.vertical;
    if (horizontal) return q.horizontal;
    return std::nullopt;
}

}  // namespace

TagLookup lookupIn(const BoardTags& tags) {
    return [&tags](int cell) { return isOnBoard(cell) ? tags[cell] : std::string("0"); };
}

int streetOfTag(std::string_view tag) {
    if (tag.size() < 3 || !isDigit(tag[0]) || !isDigit(tag[1]) || !isDigit(tag[2])) return 0;
    const int code = (tag[0] - '0') * 100 + (tag[1] - '0') * 10 + (tag[2] - '0');
    return isPlainStreet(code) ? code : 0;
}

DriveDecision decideMove(const Car& car, const TagLookup& tags) {
    const bool left = car.turnLeft == 1;
    const bool turning = left || car.turnRight == 1;
    DriveDecision d;

    const std::optional<int> exit = exitOf(car, tags);
    if (!exit) {
        d.outcome = DriveOutcome::StandStill;
        d.table = turning ? DecidingTable::Turn : DecidingTable::Straight;
        d.request = turning ? RequestFate::Dropped : RequestFate::Kept;
        return d;
    }
    const int next = car.pos + offset(*exit);
    if (!isOnBoard(next)) {
        d.outcome = DriveOutcome::LeaveBoard;
        return d;
    }
    const int street = streetOfTag(tags(next));
    const bool facing = hasArm(street, opposite(*exit));
    if (turning) {
        const int heading = turnedHeading(*exit, left);
        if (facing && hasArm(street, heading)) {
            d.outcome = DriveOutcome::Move;
            d.nextPos = next;
            d.nextDir = stateOf(*exit, heading);
            d.table = DecidingTable::Turn;
            d.request = RequestFate::UsedUp;
            return d;
        }
    }
    d.outcome = facing ? DriveOutcome::Move : DriveOutcome::CannotEnter;
    if (facing) {
        d.nextPos = next;
        d.nextDir = *exit;
    }
    return d;
}

}  // namespace pendix::game
