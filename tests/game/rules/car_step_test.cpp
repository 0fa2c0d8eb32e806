#include "game/rules/car_step.h"

#include <gtest/gtest.h>

using namespace pendix;
using namespace pendix::game;

namespace {

struct Drive {
    BoardTags tags;
    DriveState state;
    Drive() { tags.fill("0"); }
    Drive& set(int cell, std::string tag) {
        tags[cell] = std::move(tag);
        return *this;
    }
    CarStep step() {
        const CarStep result = stepCar(state, lookupIn(tags));
        state = result.state;
        return result;
    }
};

// A road from cell 100 to the right: 100..104 straight, the end on 104.
Drive shortRoad() {
    Drive drive;
    for (int cell = 100; cell <= 104; ++cell) drive.set(cell, "102");
    drive.state.car = {100, 3, 0, 0, 0};
    drive.state.endPos = 104;
    return drive;
}

}  // namespace

TEST(CarStep, CountsEveryFieldAndWinsOnTheEndCellWithKPlusOne) {
    Drive drive = shortRoad();
    for (int k = 1; k <= 4; ++k) {
        const CarStep step = drive.step();
        EXPECT_EQ(step.effects.end, LevelEnd::None);
        EXPECT_EQ(step.effects.hideCell, 99 + k);
        EXPECT_EQ(step.effects.showCell, 100 + k);
        EXPECT_EQ(step.effects.picture, k == 4 ? "\\bmp\\AuteRL.bmp" : "\\bmp\\AutoRL.bmp");
        EXPECT_EQ(step.effects.wave, kWaveStraight);
        EXPECT_EQ(drive.state.car.prevPos, 99 + k);
    }
    const CarStep won = drive.step();
    EXPECT_EQ(won.effects.end, LevelEnd::Won);
    EXPECT_EQ(won.effects.wave, kWaveWon);
    EXPECT_EQ(won.effects.hideCell, -1);  // the car stays drawn on the end cell
    EXPECT_EQ(drive.state.fields, 5);     // four moves show five fields
    EXPECT_EQ(drive.state.car.pos, 104);
    // Nothing marks the level as ended: a further tick wins again.
    EXPECT_EQ(drive.step().effects.end, LevelEnd::Won);
    EXPECT_EQ(drive.state.fields, 6);
}

TEST(CarStep, TheCounterGoesOnFromTheValueOfItsText) {
    Drive drive = shortRoad();
    drive.state.fields = 41;
    EXPECT_EQ(drive.step().state.fields, 42);
    drive.state.fields = 0;  // the window passes 0 for a text that is no number
    EXPECT_EQ(drive.step().state.fields, 1);
}

TEST(CarStep, TurnsPlayTheCurveWaveAndUseTheRequest) {
    Drive drive;
    drive.set(101, "106").set(126, "101").set(151, "101");
    drive.state.car = {100, 3, 0, 0, 1};
    drive.state.endPos = 151;
    CarStep step = drive.step();
    EXPECT_EQ(step.effects.wave, kWaveTurn);
    EXPECT_EQ(step.effects.picture, "\\bmp\\AutoDRUO.bmp");
    EXPECT_EQ(drive.state.car.turnRight, 0);
    step = drive.step();  // out of the curve: the straight table
    EXPECT_EQ(step.effects.wave, kWaveStraight);
    EXPECT_EQ(drive.state.car.dir, 2);
    step = drive.step();
    EXPECT_EQ(step.effects.picture, "\\bmp\\AuteUO.bmp");
}

TEST(CarStep, LeavingTheBoardAndCannotEnterEndTheLevelWithTheCarHidden) {
    Drive edge;
    edge.set(399, "102");
    edge.state.car = {399, 3, 398, 1, 0};
    const CarStep left = edge.step();
    EXPECT_EQ(left.effects.end, LevelEnd::LeftBoard);
    EXPECT_EQ(left.effects.wave, "");
    EXPECT_EQ(left.effects.hideCell, 399);
    EXPECT_EQ(left.effects.showCell, -1);
    EXPECT_EQ(left.state.car.turnLeft, 1);  // the state stays as it was
    EXPECT_EQ(left.state.fields, 1);

    Drive wall = shortRoad();
    wall.set(101, "301");
    const CarStep lost = wall.step();
    EXPECT_EQ(lost.effects.end, LevelEnd::CannotEnter);
    EXPECT_EQ(lost.effects.wave, kWaveLost);
    EXPECT_EQ(lost.state.car.pos, 100);
}

TEST(CarStep, StandingStillShowsTheCarAgainWithItsPicture) {
    Drive drive;
    drive.set(100, "101").set(75, "101");
    drive.state.car = {100, 5, 0, 1, 0};
    CarStep step = drive.step();
    EXPECT_EQ(step.effects.hideCell, 100);
    EXPECT_EQ(step.effects.showCell, 100);
    EXPECT_EQ(step.effects.picture, "");
    EXPECT_EQ(step.effects.wave, kWaveTurn);  // the request is dropped
    EXPECT_EQ(drive.state.car.turnLeft, 0);
    step = drive.step();
    EXPECT_EQ(step.effects.wave, kWaveStraight);
    EXPECT_EQ(drive.state.car.pos, 100);
}

TEST(CarStep, ATransporterCarriesTheCarAndItsExitDirectionDecidesTheNextMove) {
    Drive drive;
    // 912 linked to cell 245 with exit direction 2, read as "1052452"; 245 is a
    // straight street going down.
    drive.set(130, "1052452").set(129, "102").set(245, "101").set(270, "101");
    drive.state.car = {129, 3, 128, 0, 1};
    drive.state.endPos = 270;
    CarStep step = drive.step();  // onto the transporter like onto the curve 105
    EXPECT_EQ(step.effects.wave, kWaveStraight);
    EXPECT_EQ(drive.state.car.pos, 130);
    step = drive.step();  // the transport
    EXPECT_TRUE(step.effects.transported);
    EXPECT_EQ(step.effects.wave, kWaveTransport);
    EXPECT_EQ(step.effects.hideCell, 130);
    EXPECT_EQ(step.effects.showCell, 245);
    EXPECT_EQ(step.effects.picture, "\\bmp\\AutoUO.bmp");
    EXPECT_EQ(drive.state.car.pos, 245);
    EXPECT_EQ(drive.state.car.dir, 2);
    EXPECT_EQ(drive.state.car.prevPos, 129);  // PrevPos and the request stay
    EXPECT_EQ(drive.state.car.turnRight, 1);
    step = drive.step();  // leaves by the exit direction
    EXPECT_EQ(drive.state.car.pos, 270);
    EXPECT_EQ(step.effects.picture, "\\bmp\\AuteUO.bmp");
}

TEST(CarStep, ATransportOntoTheEndCellNeverDrawsTheEndPicture) {
    Drive drive;
    drive.set(50, "1010103");
    drive.state.car = {50, 1, 75, 0, 0};
    drive.state.endPos = 10;
    const CarStep step = drive.step();
    EXPECT_EQ(step.effects.picture, "\\bmp\\AutoRL.bmp");
    EXPECT_EQ(drive.step().effects.end, LevelEnd::Won);
}

TEST(CarStep, AnExitDirectionOutsideOneToEightLoadsNoPictureAndStandsStill) {
    const std::pair<const char*, int> cases[] = {{"1010100", 0}, {"101010x", 0}, {"1010109", 9}};
    for (const auto& [tag, dir] : cases) {
        Drive drive;
        drive.set(50, tag).set(10, "111").set(11, "111");
        drive.state.car = {50, 1, 75, 0, 0};
        drive.state.endPos = 11;
        CarStep step = drive.step();
        EXPECT_EQ(step.effects.picture, "") << tag;
        EXPECT_EQ(drive.state.car.dir, dir) << tag;
        step = drive.step();
        EXPECT_EQ(step.effects.decision->outcome, DriveOutcome::StandStill) << tag;
        EXPECT_EQ(drive.state.fields, 2);
    }
}

TEST(CarStep, ATransporterTargetOffTheBoardEndsTheLevelInsteadOfCrashing) {
    for (const char* tag : {"1014001", "101-991", "1011e51", "1019991"}) {
        Drive drive;
        drive.set(50, tag);
        drive.state.car = {50, 1, 75, 0, 0};
        drive.state.endPos = 10;
        const CarStep step = drive.step();
        EXPECT_EQ(step.effects.end, LevelEnd::CannotEnter) << tag;
        EXPECT_EQ(step.effects.wave, kWaveLost);
        EXPECT_EQ(step.effects.hideCell, 50);
        EXPECT_EQ(step.state.car.pos, 50);
    }
    // Characters 4 to 6 are read as a number: " 07" is cell 7, "1.5" rounds to 2.
    for (const auto& [tag, target] : {std::pair{"101 071", 7}, std::pair{"1011.51", 2}}) {
        Drive drive;
        drive.set(50, tag);
        drive.state.car = {50, 1, 75, 0, 0};
        EXPECT_EQ(drive.step().state.car.pos, target) << tag;
    }
}
