// The about box's track: where its boxes stand and which car each shows.
#include "shared/about_box/about_track.h"

#include <gtest/gtest.h>

namespace {

TEST(AboutTrack, BoxesRunAnticlockwiseAlongTheEdgeFromTheTopLeftCorner) {
    const struct {
        int cell;
        pendix::TrackPosition at;
        const char* car;
    } cells[] = {
        {0, {360, 360}, "\\bmp\\AutoDLUO.bmp"},   {1, {360, 720}, "\\bmp\\AutoUO.bmp"},
        {13, {360, 5040}, "\\bmp\\AutoUO.bmp"},   {14, {360, 5400}, "\\bmp\\AutoDRUO.bmp"},
        {15, {720, 5400}, "\\bmp\\AutoRL.bmp"},   {28, {5400, 5400}, "\\bmp\\AutoDROU.bmp"},
        {29, {5400, 5040}, "\\bmp\\AutoOU.bmp"},  {42, {5400, 360}, "\\bmp\\AutoDLOU.bmp"},
        {43, {5040, 360}, "\\bmp\\AutoLR.bmp"},   {55, {720, 360}, "\\bmp\\AutoLR.bmp"},
    };
    for (const auto& c : cells) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(pendix::trackPosition(c.cell), c.at);
        EXPECT_EQ(pendix::trackCarBitmap(c.cell), c.car);
    }
}

TEST(AboutTrack, NeighboursStand360TwipsApartAllRoundTheLap) {
    for (int cell = 0; cell < pendix::kTrackCells; ++cell) {
        const auto a = pendix::trackPosition(cell);
        const auto b = pendix::trackPosition((cell + 1) % pendix::kTrackCells);
        EXPECT_EQ(std::abs(a.left - b.left) + std::abs(a.top - b.top), 360) << cell;
    }
}

}  // namespace
