// The count window with one of its 173 object bitmaps broken at a time, while
// the editor runs with every tile once on its board: the window opens, shows
// every other picture, leaves only that button empty, counts all 173 tiles as
// ever, animates and closes. One test per family and kind of damage, each code
// of the family broken in turn and mended before the next.
#include "editor/frm_haupt.h"
#include "editor/frm_voz.h"
#include "editor/start.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "shared/tile_catalogue.h"
#include "tests/support/damaged_file.h"
#include "tests/support/dialog_hands.h"
#include "tests/support/installed_folder.h"
#include "tests/support/level_file.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_services.h"

#include <QFile>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

namespace {

using pendix::Family;
using test_support::Damage;

// Every catalogue code once, on the cells 0 to 172 in code order.
QByteArray everyTileOnce() {
    test_support::LevelCells cells;
    const auto& codes = pendix::allTileCodes();
    for (std::size_t i = 0; i < codes.size(); ++i) cells[i] = std::to_string(codes[i]);
    return test_support::levelFile("Alle", cells, 0, 3, 1);
}

const char* familyName(Family family) {
    switch (family) {
    case Family::Street: return "Street";
    case Family::Blocked: return "Blocked";
    case Family::Tree: return "Tree";
    case Family::Flower: return "Flower";
    case Family::House: return "House";
    case Family::Sport: return "Sport";
    case Family::Animal: return "Animal";
    case Family::Animation: return "Animation";
    case Family::Transporter: return "Transporter";
    }
    return "Unknown";
}

class CountWindowDamagedTest : public ::testing::TestWithParam<std::tuple<Family, Damage>> {
protected:
    CountWindowDamagedTest() {
        test_support::InstalledFolder::copyInto(copy_);
        copy_.writeText("\\lvlneu\\alle.lvl", everyTileOnce());
        pendix::editor::Main();
        test_support::pickInChooser(fakes.modal, platform::resolveDataPath("\\lvlneu"), QStringLiteral("alle.lvl"));
        platform::instance<pendix::editor::frmHaupt>().mnuÖffnen.click();
    }
    ~CountWindowDamagedTest() override { platform::dropInstances(); }

    test_support::ScopedTestServices fakes;

private:
    test_support::ProgramFolder copy_{test_support::ProgramFolder::Contents::Nothing};
};

TEST_P(CountWindowDamagedTest, OnlyTheBrokenPictureIsMissingAndTheCountGoesOn) {
    const auto [family, damage] = GetParam();
    ASSERT_EQ(platform::instance<pendix::editor::frmHaupt>().LevelName, "Alle");
    auto& count = platform::instance<pendix::editor::frmVOz>();
    const int first = pendix::familyFirstCode(family);
    for (int k = 0; k < pendix::familyVariantCount(family); ++k) {
        const std::string bitmap = pendix::tileBitmap(first + k, pendix::CurveSpelling::Palette);
        SCOPED_TRACE(bitmap);
        const QString real = platform::resolveDataPath(bitmap);
        QFile original(real);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        original.close();
        ASSERT_TRUE(test_support::damage(bitmap, damage));

        platform::instance<pendix::editor::frmHaupt>().mnuVerwendeteObjektezählen.click();
        ASSERT_TRUE(count.isLoaded());
        for (int j = 0; j < pendix::familyVariantCount(family); ++j)
            EXPECT_EQ(count.objects(family)(j).picture().isEmpty(), j == k) << "button " << j;
        for (int code : pendix::allTileCodes()) EXPECT_EQ(count.txt(code).text(), "1") << code;
        EXPECT_EQ(count.familyTotal(family).text(), QString::number(pendix::familyVariantCount(family)));
        EXPECT_EQ(count.txtIA.text(), "173");
        // The icon's step goes on from where the window's last opening left it.
        const int step = count.IconStep;
        for (int tick = 0; tick < 12; ++tick) count.Timer.fire();
        EXPECT_EQ(count.IconStep, (step + 12 - 1) % 15 + 1);
        EXPECT_FALSE(fakes.cursor.waiting());
        count.unload();

        QFile mended(real);
        ASSERT_TRUE(mended.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(mended.write(bytes), bytes.size());
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fakes.ender.ends, 0);
}

INSTANTIATE_TEST_SUITE_P(EachBitmapInTurn, CountWindowDamagedTest,
                         ::testing::Combine(::testing::ValuesIn(pendix::allFamilies()),
                                            ::testing::Values(Damage::Missing, Damage::Garbage)),
                         [](const auto& info) {
                             return test_support::caseName(std::string(familyName(std::get<0>(info.param))) + " " +
                                                           test_support::damageName(std::get<1>(info.param)));
                         });

}  // namespace
