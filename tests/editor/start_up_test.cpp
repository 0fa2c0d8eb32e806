// The editor's start: the first-start probe, and the palette pictures that must
// all be there before the window is shown: each one of them missing, and a few
// broken otherwise, brings up the first-start box.
#include "editor/start.h"

#include "editor/frm_haupt.h"
#include "editor/rules/palette_layout.h"
#include "platform/application.h"
#include "shared/first_start/frm_beginn.h"
#include "shared/tile_catalogue.h"
#include "tests/support/damaged_file.h"
#include "tests/support/program_folder.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace editor_test {
namespace {

using pendix::editor::frmHaupt;

// Everything the editor's start loads, as data paths.
const std::vector<std::string>& startPictures() {
    static const std::vector<std::string> paths = [] {
        std::vector<std::string> all{std::string(pendix::kProbeBitmap)};
        for (pendix::Family family : pendix::allFamilies())
            for (int k = 0; k < pendix::editor::paletteButtonCount(family); ++k)
                all.push_back(pendix::tileBitmap(pendix::editor::paletteCode(family, 1, k),
                                                 pendix::CurveSpelling::Palette));
        all.push_back("\\bmp\\Pfeilr.bmp");
        all.push_back("\\bmp\\Pfeirl.bmp");
        return all;
    }();
    return paths;
}

// Each start picture missing; the probe, a palette picture and an arrow broken in the other ways.
std::vector<test_support::DamagedFile> brokenStartPictures() {
    using test_support::Damage;
    std::vector<test_support::DamagedFile> cases;
    for (const std::string& path : startPictures()) cases.push_back({path.c_str(), Damage::Missing});
    for (const char* path : {"\\bmp\\Autedlou.bmp", "\\bmp\\deko\\Sport07.bmp", "\\bmp\\Pfeirl.bmp"})
        for (Damage damage : {Damage::Empty, Damage::Garbage, Damage::FolderInstead})
            cases.push_back({path, damage});
    return cases;
}

class StartUpTest : public ::testing::TestWithParam<test_support::DamagedFile> {
protected:
    StartUpTest() {
        for (const std::string& path : startPictures()) folder.writePicture(path);
    }
    ~StartUpTest() override { platform::dropInstances(); }

    test_support::ProgramFolder folder;
    test_support::ScopedTestServices fakes;
};

TEST(EditorStartUp, StartsWithThePalettesFilledUnderTheWaitCursor) {
    test_support::ProgramFolder folder;
    for (const std::string& path : startPictures()) folder.writePicture(path);
    test_support::ScopedTestServices fakes;
    pendix::editor::Main();
    frmHaupt& editor = platform::instance<frmHaupt>();
    EXPECT_TRUE(editor.isLoaded());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(editor.Timer.enabled());
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    EXPECT_FALSE(fakes.cursor.waiting());
    ASSERT_FALSE(fakes.cursor.calls.empty());
    EXPECT_EQ(fakes.cursor.calls.front(), test_support::RecordingScreenCursor::Call::Wait);
    // The close box ends the editor, as "Ende!" does.
    editor.unload();
    EXPECT_EQ(fakes.ender.ends, 1);
    platform::dropInstances();
}

TEST_P(StartUpTest, AnyPictureBrokenShowsOnlyTheFirstStartBox) {
    ASSERT_TRUE(test_support::damage(GetParam().file, GetParam().damage));
    bool timerWasOff = false;
    fakes.modal.script.push_back([&timerWasOff](platform::Form&) {
        timerWasOff = !platform::instance<frmHaupt>().Timer.enabled();
    });
    pendix::editor::Main();
    ASSERT_EQ(fakes.modal.shownModal.size(), 1u);
    EXPECT_EQ(fakes.modal.shownModal[0], &platform::instance<pendix::frmBeginn>());
    EXPECT_TRUE(timerWasOff);
    frmHaupt& editor = platform::instance<frmHaupt>();
    EXPECT_FALSE(editor.isLoaded());  // never shown
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(fakes.ender.ends, 0);  // only the box's own ways out end the program
}

INSTANTIATE_TEST_SUITE_P(OneBroken, StartUpTest, ::testing::ValuesIn(brokenStartPictures()),
                         [](const auto& info) { return test_support::caseName(info.param); });

// A bitmap cut off halfway still gives its first rows: the editor starts and shows them.
TEST(EditorStartUp, APictureCutShortStillShows) {
    test_support::ProgramFolder folder;
    for (const std::string& path : startPictures()) folder.writePicture(path);
    ASSERT_TRUE(test_support::damage("\\bmp\\deko\\Sport07.bmp", test_support::Damage::CutShort));
    test_support::ScopedTestServices fakes;
    pendix::editor::Main();
    frmHaupt& editor = platform::instance<frmHaupt>();
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    EXPECT_FALSE(editor.cmdSport(6).picture().isEmpty());
    platform::dropInstances();
}

}  // namespace
}  // namespace editor_test
