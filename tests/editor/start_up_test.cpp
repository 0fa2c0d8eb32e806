// The editor's start: the first-start probe, and the palette pictures that must
// all be there before the window is shown.
#include "editor/frm_haupt.h"
#include "editor/palette_layout.h"
#include "editor/start.h"
#include "shared/first_start/frm_beginn.h"
#include "shared/tile_catalogue.h"
#include "tests/support/program_folder.h"

#include "platform/application.h"
#include "platform/services/test_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace editor_test {
namespace {

using pendix::editor::frmHaupt;

// Everything the editor's start loads, as data paths.
std::vector<std::string> startPictures() {
    std::vector<std::string> paths{std::string(pendix::kProbeBitmap)};
    for (pendix::Family family : pendix::allFamilies())
        for (int k = 0; k < pendix::editor::paletteButtonCount(family); ++k)
            paths.push_back(pendix::tileBitmap(pendix::editor::paletteCode(family, 1, k),
                                               pendix::CurveSpelling::Palette));
    paths.push_back("\\bmp\\Pfeilr.bmp");
    paths.push_back("\\bmp\\Pfeirl.bmp");
    return paths;
}

class StartUpTest : public ::testing::TestWithParam<std::string> {
protected:
    StartUpTest() {
        for (const std::string& path : startPictures())
            if (path != GetParam()) folder.writePicture(path);
    }
    ~StartUpTest() override { platform::dropInstances(); }

    test_support::ProgramFolder folder;
    platform::ScopedTestServices fakes;
};

TEST(EditorStartUp, StartsWithThePalettesFilledUnderTheWaitCursor) {
    test_support::ProgramFolder folder;
    for (const std::string& path : startPictures()) folder.writePicture(path);
    platform::ScopedTestServices fakes;
    pendix::editor::Main();
    frmHaupt& editor = platform::instance<frmHaupt>();
    EXPECT_TRUE(editor.isLoaded());
    EXPECT_TRUE(editor.isVisible());
    EXPECT_TRUE(editor.Timer.enabled());
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    EXPECT_FALSE(fakes.cursor.waiting());
    ASSERT_FALSE(fakes.cursor.calls.empty());
    EXPECT_EQ(fakes.cursor.calls.front(), platform::RecordingScreenCursor::Call::Wait);
    // The close box ends the editor, as "Ende!" does.
    editor.unload();
    EXPECT_EQ(fakes.ender.ends, 1);
    platform::dropInstances();
}

TEST_P(StartUpTest, AnyPictureMissingShowsOnlyTheFirstStartBox) {
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

// The probe, the first and last palette picture, one of each paged row, and each arrow.
INSTANTIATE_TEST_SUITE_P(OneMissing, StartUpTest,
                         ::testing::Values(std::string(pendix::kProbeBitmap), "\\bmp\\StrasOU.bmp",
                                           "\\bmp\\Stgawlrl.bmp", "\\bmp\\deko\\Tier21.bmp",
                                           "\\bmp\\StratkLU.bmp", "\\bmp\\Sgtawlrl.bmp", "\\bmp\\Pfeilr.bmp",
                                           "\\bmp\\Pfeirl.bmp"));

}  // namespace
}  // namespace editor_test
