#include "shared/tile_catalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace pendix;

TEST(TileCatalogue, HasTheCodesOfEveryFamily) {
    EXPECT_EQ(allTileCodes().size(), 173u);
    EXPECT_FALSE(isTileCode(0));
    EXPECT_FALSE(isTileCode(112));
    EXPECT_FALSE(isTileCode(234));
    EXPECT_TRUE(isTileCode(933));
    EXPECT_EQ(familyCaption(familyOf(212)), "Gesperrte Straßen");
    EXPECT_EQ(itemCaption(212), "Gesperrte Straße 12");
    EXPECT_EQ(itemCaption(401), "Blume 1");
}

TEST(TileCatalogue, BitmapNamesKeepTheirSpelling) {
    const std::pair<int, const char*> cases[] = {
        {101, "\\bmp\\StrasOU.bmp"},          {103, "\\bmp\\StrasKRO.bmp"},       {104, "\\bmp\\StraskRU.bmp"},
        {204, "\\bmp\\StragkRU.bmp"},         {904, "\\bmp\\StratKRU.bmp"},       {212, "\\bmp\\Stgaslol.bmp"},
        {912, "\\bmp\\Sgtaslol.bmp"},         {230, "\\bmp\\Stgaboul.bmp"},       {301, "\\bmp\\deko\\Baum01.bmp"},
        {401, "\\bmp\\deko\\Blume1.bmp"},     {510, "\\bmp\\deko\\Haus10.bmp"},   {621, "\\bmp\\deko\\Sport21.bmp"},
        {721, "\\bmp\\deko\\Tier21.bmp"},     {804, "\\bmp\\deko\\ani\\Ani0041.bmp"},
        {810, "\\bmp\\deko\\ani\\Ani1001.bmp"}, {0, ""},                          {999, ""},
    };
    for (const auto& [code, path] : cases) EXPECT_EQ(tileBitmap(code), path) << code;
    EXPECT_EQ(tileBitmap(904, CurveSpelling::Palette), "\\bmp\\StratkRU.bmp");
}

TEST(TileCatalogue, BlockedShapesDriveAsTheirOpenArmStreet) {
    const int bases[] = {105, 101, 106, 103, 101, 104, 102, 106, 104, 105, 103,
                         102, 106, 105, 103, 101, 102, 104, 108, 107, 109, 110};
    for (int v = 12; v <= 33; ++v) {
        EXPECT_EQ(openArmStreet(200 + v), bases[v - 12]);
        EXPECT_EQ(transporterBase(900 + v), bases[v - 12]);
    }
    EXPECT_EQ(transporterBase(905), 105);
    EXPECT_EQ(openArmStreet(205), 0);
    EXPECT_EQ(transporterBase(212), 0);
    EXPECT_EQ(streetArms(111), unsigned(ArmUp | ArmDown | ArmLeft | ArmRight));
    EXPECT_EQ(streetArms(201), 0u);
}

TEST(TileCatalogue, CarArrowAndMarkerNames) {
    EXPECT_EQ(carBitmap(1), "\\bmp\\AutoOU.bmp");
    EXPECT_EQ(carBitmap(8), "\\bmp\\AutoDRUO.bmp");
    EXPECT_EQ(carOnEndBitmap(6), "\\bmp\\AuteDLOU.bmp");
    EXPECT_EQ(arrowBitmap(4), "\\bmp\\PfeiLR.bmp");
    EXPECT_EQ(carBitmap(0), "");
    EXPECT_EQ(endMarkerBitmap(104), "\\bmp\\StraekRU.bmp");
    EXPECT_EQ(endMarkerBitmap(227), "");
}

TEST(TileCatalogue, AnimationFramesHaveTwoNamingRules) {
    int total = 0;
    std::set<std::string> names;
    for (int k = 1; k <= kAnimationKinds; ++k)
        for (int f = 1; f <= animationFrameCount(k); ++f, ++total) names.insert(animationFrameBitmap(k, f));
    EXPECT_EQ(total, 201);
    EXPECT_EQ(names.size(), 201u);
    EXPECT_EQ(animationFrameBitmap(2, 24), "\\bmp\\deko\\ani\\Ani0224.bmp");
    EXPECT_EQ(animationFrameBitmap(4, 5), "\\bmp\\deko\\ani\\Ani0045.bmp");
    EXPECT_EQ(animationFrameCount(22), 0);
}
