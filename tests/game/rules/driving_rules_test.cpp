#include "game/rules/driving_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace pendix;
using namespace pendix::game;

namespace {

constexpr int kMiddle = 212;  // row 8, column 12: all four neighbours on the board

struct Board {
    BoardTags tags;
    Board() { tags.fill("0"); }
    Board& set(int cell, std::string tag) {
        tags[cell] = std::move(tag);
        return *this;
    }
    DriveDecision decide(const Car& car) const { return decideMove(car, lookupIn(tags)); }
};

bool contains(const std::vector<int>& list, int code) { return std::find(list.begin(), list.end(), code) != list.end(); }

const int kStep[] = {0, -25, 25, 1, -1};  // by heading 1..4

void expectMove(const DriveDecision& d, int nextPos, int nextDir) {
    EXPECT_EQ(d.outcome, DriveOutcome::Move);
    EXPECT_EQ(d.nextPos, nextPos);
    EXPECT_EQ(d.nextDir, nextDir);
}

}  // namespace

TEST(DrivingRules, OnlyTheFirstThreeCharactersOfATagNameAStreet) {
    const std::pair<const char*, int> cases[] = {{"101", 101}, {"111", 111}, {"1050451", 105}, {"1011", 101},
                                                 {"100", 0},   {"112", 0},   {"10", 0},        {"0", 0},
                                                 {"205", 0},   {"912", 0},   {" 101", 0},      {"", 0}};
    for (const auto& [tag, street] : cases) EXPECT_EQ(streetOfTag(tag), street) << tag;
}

// The code lists as the rules are written down: which cell a car going straight
// may enter, and which cell takes a left or right turn, by the exit.
TEST(DrivingRules, StraightAndTurnTablesMatchTheirCodeLists) {
    struct Row {
        int exit;
        std::vector<int> straight;
        std::vector<int> left;
        int leftDir;
        std::vector<int> right;
        int rightDir;
    };
    const Row rows[] = {
        {1, {101, 104, 106, 107, 108, 110, 111}, {106, 108, 110, 111}, 6, {104, 107, 110, 111}, 5},
        {2, {101, 103, 105, 107, 108, 109, 111}, {103, 107, 109, 111}, 8, {105, 108, 109, 111}, 7},
        {3, {102, 105, 106, 108, 109, 110, 111}, {105, 108, 109, 111}, 5, {106, 108, 110, 111}, 8},
        {4, {102, 103, 104, 107, 109, 110, 111}, {104, 107, 110, 111}, 7, {103, 107, 109, 111}, 6},
    };
    for (const Row& row : rows) {
        const int next = kMiddle + kStep[row.exit];
        for (int code = 100; code <= 112; ++code) {
            const Board board = Board().set(next, std::to_string(code));
            SCOPED_TRACE("exit " + std::to_string(row.exit) + " into " + std::to_string(code));

            const DriveDecision straight = board.decide({kMiddle, row.exit, 0, 0, 0});
            const bool enters = contains(row.straight, code);
            EXPECT_EQ(straight.outcome, enters ? DriveOutcome::Move : DriveOutcome::CannotEnter);
            EXPECT_EQ(straight.table, DecidingTable::Straight);
            if (enters) expectMove(straight, next, row.exit);

            for (const bool left : {true, false}) {
                const DriveDecision turn = board.decide({kMiddle, row.exit, 0, left ? 1 : 0, left ? 0 : 1});
                const bool turns = contains(left ? row.left : row.right, code);
                if (turns) {
                    EXPECT_EQ(turn.outcome, DriveOutcome::Move);
                    EXPECT_EQ(turn.nextDir, left ? row.leftDir : row.rightDir);
                    EXPECT_EQ(turn.table, DecidingTable::Turn);
                    EXPECT_EQ(turn.request, RequestFate::UsedUp);
                } else {
                    // No turn here: exactly the straight step, the request waits.
                    EXPECT_EQ(turn.outcome, straight.outcome);
                    EXPECT_EQ(turn.nextDir, straight.nextDir);
                    EXPECT_EQ(turn.table, DecidingTable::Straight);
                    EXPECT_EQ(turn.request, RequestFate::Kept);
                }
            }
        }
    }
}

// Leaving a curve or junction from an in-turn state: the exit by the cell's code.
TEST(DrivingRules, InTurnStatesLeaveByTheArmTheyDidNotComeIn) {
    struct Row {
        int dir;
        int vertical;
        std::vector<int> verticalCodes;
        int horizontal;
        std::vector<int> horizontalCodes;
    };
    const Row rows[] = {
        {5, 1, {105, 108, 109}, 3, {104, 107, 110}},
        {6, 1, {103, 107, 109}, 4, {106, 108, 110}},
        {7, 2, {104, 107, 110}, 4, {105, 108, 109}},
        {8, 2, {106, 108, 110}, 3, {103, 107, 109}},
    };
    for (const Row& row : rows) {
        for (int code = 101; code <= 110; ++code) {
            Board board;
            board.set(kMiddle, std::to_string(code));
            for (int heading = 1; heading <= 4; ++heading) board.set(kMiddle + kStep[heading], "111");
            const DriveDecision d = board.decide({kMiddle, row.dir, 0, 0, 0});
            SCOPED_TRACE("state " + std::to_string(row.dir) + " on " + std::to_string(code));
            const int exit = contains(row.verticalCodes, code)     ? row.vertical
                             : contains(row.horizontalCodes, code) ? row.horizontal
                                                                   : 0;
            if (exit != 0) {
                expectMove(d, kMiddle + kStep[exit], exit);
            } else {
                EXPECT_EQ(d.outcome, DriveOutcome::StandStill);
                EXPECT_EQ(d.table, DecidingTable::Straight);
            }
        }
    }
}

TEST(DrivingRules, TheCrossingLeavesAnInTurnStateByWhereTheCarCameFrom) {
    struct Case {
        int dir;
        int prevPos;
        int exit;  // 0: stands still
    };
    const Case cases[] = {
        {5, kMiddle - 1, 1}, {5, kMiddle + 25, 3}, {6, kMiddle + 1, 1}, {6, kMiddle + 25, 4},
        {7, kMiddle + 1, 2}, {7, kMiddle - 25, 4}, {8, kMiddle - 1, 2}, {8, kMiddle - 25, 3},
        {5, kMiddle + 1, 0}, {5, 0, 0},            {7, kMiddle + 25, 0}, {8, kMiddle, 0},
    };
    Board board;
    for (int heading = 1; heading <= 4; ++heading) board.set(kMiddle + kStep[heading], "111");
    board.set(kMiddle, "111");
    for (const Case& c : cases) {
        const DriveDecision d = board.decide({kMiddle, c.dir, c.prevPos, 0, 0});
        SCOPED_TRACE("state " + std::to_string(c.dir) + " from " + std::to_string(c.prevPos));
        if (c.exit == 0) {
            EXPECT_EQ(d.outcome, DriveOutcome::StandStill);
        } else {
            expectMove(d, kMiddle + kStep[c.exit], c.exit);
        }
    }
}

TEST(DrivingRules, OnlyCellsZeroTo399BoundTheBoard) {
    struct Case {
        int pos;
        int dir;
        DriveOutcome outcome;
        int nextPos;
    };
    const Case cases[] = {
        {24, 3, DriveOutcome::Move, 25},          // the row's end runs into the next row
        {25, 4, DriveOutcome::Move, 24},          // and back into the row above
        {49, 3, DriveOutcome::Move, 50},
        {399, 3, DriveOutcome::LeaveBoard, 0},    {0, 4, DriveOutcome::LeaveBoard, 0},
        {0, 1, DriveOutcome::LeaveBoard, 0},      {24, 1, DriveOutcome::LeaveBoard, 0},
        {375, 2, DriveOutcome::LeaveBoard, 0},    {399, 2, DriveOutcome::LeaveBoard, 0},
    };
    Board board;
    board.tags.fill("111");
    for (const Case& c : cases) {
        for (const int turnLeft : {0, 1}) {
            const DriveDecision d = board.decide({c.pos, c.dir, 0, turnLeft, 0});
            EXPECT_EQ(d.outcome, c.outcome) << c.pos << " heading " << c.dir;
            if (c.outcome == DriveOutcome::Move) {
                EXPECT_EQ(d.nextPos, c.nextPos);
            }
        }
    }
}

TEST(DrivingRules, ARequestWaitsOverStraightCellsUntilACellTakesTheTurn) {
    // Going up from cell 312: 101 above, then 106, which turns left.
    Board board;
    board.set(312, "101").set(287, "101").set(262, "106").set(261, "102");
    Car car{312, 1, 337, 1, 0};
    DriveDecision d = board.decide(car);
    EXPECT_EQ(d.outcome, DriveOutcome::Move);
    EXPECT_EQ(d.nextDir, 1);
    EXPECT_EQ(d.request, RequestFate::Kept);
    car = {d.nextPos, d.nextDir, car.pos, 1, 0};
    d = board.decide(car);
    EXPECT_EQ(d.nextPos, 262);
    EXPECT_EQ(d.nextDir, 6);
    EXPECT_EQ(d.request, RequestFate::UsedUp);
    EXPECT_EQ(d.table, DecidingTable::Turn);
    car = {d.nextPos, d.nextDir, car.pos, 0, 0};
    d = board.decide(car);
    EXPECT_EQ(d.nextPos, 261);
    EXPECT_EQ(d.nextDir, 4);
}

TEST(DrivingRules, GoingStraightPassesCurvesAndJunctionsStraightOn) {
    // The car's own cell is the curve 106, the cell above a junction.
    const Board board = Board().set(kMiddle, "106").set(kMiddle - 25, "110");
    const DriveDecision d = board.decide({kMiddle, 1, 0, 0, 0});
    EXPECT_EQ(d.outcome, DriveOutcome::Move);
    EXPECT_EQ(d.nextDir, 1);
}

TEST(DrivingRules, AStuckInTurnStateStandsStillAndDropsARequest) {
    const Board board = Board().set(kMiddle, "101").set(kMiddle - 25, "101").set(kMiddle + 1, "102");
    for (int dir = 5; dir <= 8; ++dir) {
        const DriveDecision still = board.decide({kMiddle, dir, 0, 0, 0});
        EXPECT_EQ(still.outcome, DriveOutcome::StandStill);
        EXPECT_EQ(still.table, DecidingTable::Straight);
        const DriveDecision dropped = board.decide({kMiddle, dir, 0, 0, 1});
        EXPECT_EQ(dropped.outcome, DriveOutcome::StandStill);
        EXPECT_EQ(dropped.table, DecidingTable::Turn);
        EXPECT_EQ(dropped.request, RequestFate::Dropped);
    }
    for (const int dir : {0, 9, -1})
        EXPECT_EQ(board.decide({kMiddle, dir, 0, 1, 0}).outcome, DriveOutcome::StandStill) << dir;
}

TEST(DrivingRules, ObstaclesCannotBeEnteredWithOrWithoutARequest) {
    for (const char* tag : {"0", "205", "301", "801", "912", "9120451"}) {
        const Board board = Board().set(kMiddle - 25, tag);
        for (const int turnLeft : {0, 1})
            EXPECT_EQ(board.decide({kMiddle, 1, 0, turnLeft, 0}).outcome, DriveOutcome::CannotEnter) << tag;
    }
}

TEST(DrivingRules, BlockedStreetsAndLinkedTransportersDriveAsTheirOpenArmStreet) {
    // 212 and a linked 912 both carry 105 (left, top): entered going right, a left
    // turn takes the car up through them.
    for (const char* tag : {"105", "1050451"}) {
        const Board board = Board().set(kMiddle + 1, tag).set(kMiddle + 1 - 25, "101");
        DriveDecision d = board.decide({kMiddle, 3, 0, 1, 0});
        EXPECT_EQ(d.outcome, DriveOutcome::Move) << tag;
        EXPECT_EQ(d.nextDir, 5);
        d = board.decide({kMiddle + 1, 5, kMiddle, 0, 0});
        EXPECT_EQ(d.nextPos, kMiddle + 1 - 25) << tag;
        EXPECT_EQ(board.decide({kMiddle + 26, 1, 0, 0, 0}).outcome, DriveOutcome::CannotEnter) << tag;
    }
}
