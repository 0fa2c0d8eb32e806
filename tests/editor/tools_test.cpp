// Choosing a tool or a position mode, and turning the pages of the two paged palettes.
#include "editor/rules/palette_layout.h"
#include "editor_fixture.h"

namespace editor_test {
namespace {

using pendix::Family;
using pendix::editor::paletteTab;

class ToolTest : public EditorTest {
protected:
    // A click on a palette button, its tab brought to the front first.
    void clickTool(Family family, int index) {
        bringTab(paletteTab(family));
        click(editor.palette(family)(index));
    }
    void clickArrow(platform::Image& arrow, Family family) {
        bringTab(paletteTab(family));
        click(arrow);
    }
};

TEST_F(ToolTest, AButtonChoosesTheCodeOfThePageInViewAndChecksItsItem) {
    const struct {
        Family family;
        int page;
        int button;
        int code;
        const char* item;
    } cases[] = {
        {Family::Street, 1, 10, 111, "Straße 11"},
        {Family::Blocked, 1, 3, 204, "Gesperrte Straße 4"},
        {Family::Blocked, 2, 3, 222, "Gesperrte Straße 22"},
        {Family::Blocked, 2, 14, 233, "Gesperrte Straße 33"},
        {Family::Tree, 1, 2, 303, "Baum 3"},
        {Family::Flower, 1, 8, 409, "Blume 9"},
        {Family::House, 1, 0, 501, "Haus 1"},
        {Family::Sport, 1, 20, 621, "Sport 21"},
        {Family::Animal, 1, 6, 707, "Tier 7"},
        {Family::Animation, 1, 11, 812, "Animation 12"},
        {Family::Transporter, 1, 17, 918, "Transporter 18"},
        {Family::Transporter, 2, 14, 933, "Transporter 33"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        if (c.page == 2)
            clickArrow(c.family == Family::Blocked ? editor.imgGespStraßen2 : editor.imgTransporter2, c.family);
        clickTool(c.family, c.button);
        EXPECT_EQ(editor.SelectedCode, c.code);
        EXPECT_EQ(checkedObjectItems(), std::vector<int>{c.code});
        const int item = c.code - pendix::familyFirstCode(c.family);
        EXPECT_EQ(editor.objectItems(c.family)(item).caption(), QString::fromUtf8(c.item));
        if (c.page == 2)
            clickArrow(c.family == Family::Blocked ? editor.imgGespStraßen1 : editor.imgTransporter1, c.family);
        EXPECT_FALSE(fakes.cursor.waiting());
    }
}

TEST_F(ToolTest, AnObjectMenuItemChoosesItsCodeAndNeverTurnsThePage) {
    editor.mnuGesperrteStraße(24).click();
    EXPECT_EQ(editor.SelectedCode, 225);
    EXPECT_EQ(checkedObjectItems(), std::vector<int>{225});
    EXPECT_TRUE(editor.cmdGespStraße(15).visible());  // still page 1, where no button stands for 225
    editor.mnuTransporter(32).click();
    EXPECT_EQ(editor.SelectedCode, 933);
    EXPECT_TRUE(editor.cmdTransporter(15).visible());
    // An unpaged family's item and its button give the same state.
    editor.mnuStraße(10).click();
    EXPECT_EQ(editor.SelectedCode, 111);
    EXPECT_EQ(checkedObjectItems(), std::vector<int>{111});
    clickTool(Family::Street, 10);
    EXPECT_EQ(editor.SelectedCode, 111);
    EXPECT_EQ(checkedObjectItems(), std::vector<int>{111});
}

TEST_F(ToolTest, APositionModeLiesOverTheToolAndAToolEndsIt) {
    clickTool(Family::Tree, 2);
    bringTab(pendix::editor::kStartEndTab);
    click(editor.cmdStartPosition);
    EXPECT_TRUE(editor.mnuStartpositionfestlegen.checked());
    EXPECT_EQ(editor.SelectedCode, 303);
    EXPECT_EQ(checkedObjectItems(), std::vector<int>{303});

    click(editor.cmdEndPosition);  // the other mode replaces it; choosing it again keeps it on
    EXPECT_FALSE(editor.mnuStartpositionfestlegen.checked());
    EXPECT_TRUE(editor.mnuEndpositionfestlegen.checked());
    editor.mnuEndpositionfestlegen.click();
    EXPECT_TRUE(editor.mnuEndpositionfestlegen.checked());

    clickTool(Family::Flower, 0);
    EXPECT_FALSE(editor.mnuStartpositionfestlegen.checked());
    EXPECT_FALSE(editor.mnuEndpositionfestlegen.checked());
    EXPECT_EQ(editor.SelectedCode, 401);
    editor.mnuStartpositionfestlegen.click();
    EXPECT_TRUE(editor.mnuStartpositionfestlegen.checked());
    EXPECT_EQ(editor.SelectedCode, 401);
}

TEST_F(ToolTest, TheForwardArrowShowsTheSecondPageAndTheBackArrowTheFirst) {
    clickTool(Family::Blocked, 4);  // 205, kept across both page turns
    clickArrow(editor.imgGespStraßen2, Family::Blocked);
    auto& row = editor.cmdGespStraße;
    EXPECT_EQ(row(0).picture().sourcePath(), "\\bmp\\Stgawlul.bmp");
    EXPECT_EQ(row(14).picture().sourcePath(), "\\bmp\\Stgabrlu.bmp");
    for (int k = 15; k < 18; ++k) {
        EXPECT_FALSE(row(k).visible());
        EXPECT_TRUE(row(k).picture().isEmpty());
    }
    EXPECT_TRUE(editor.imgGespStraßen1.visible());
    EXPECT_FALSE(editor.imgGespStraßen2.visible());
    EXPECT_EQ(editor.SelectedCode, 205);
    EXPECT_EQ(checkedObjectItems(), std::vector<int>{205});
    // The other paged family keeps its page.
    EXPECT_TRUE(editor.cmdTransporter(15).visible());
    EXPECT_EQ(editor.cmdTransporter(0).picture().sourcePath(), "\\bmp\\StratOU.bmp");

    clickArrow(editor.imgGespStraßen1, Family::Blocked);
    EXPECT_EQ(row(15).picture().sourcePath(), "\\bmp\\Stgasrou.bmp");
    EXPECT_EQ(row(17).picture().sourcePath(), "\\bmp\\Stgawlrl.bmp");
    for (int k = 15; k < 18; ++k) EXPECT_TRUE(row(k).visible());
    EXPECT_FALSE(editor.imgGespStraßen1.visible());
    EXPECT_TRUE(editor.imgGespStraßen2.visible());
    clickTool(Family::Blocked, 3);
    EXPECT_EQ(editor.SelectedCode, 204);

    // Transporters: page 2 shows 919..933, with the small-k curves only on page 1.
    clickArrow(editor.imgTransporter2, Family::Transporter);
    EXPECT_EQ(editor.cmdTransporter(0).picture().sourcePath(), "\\bmp\\Sgtawlul.bmp");
    EXPECT_EQ(editor.cmdTransporter(14).picture().sourcePath(), "\\bmp\\Sgtabrlu.bmp");
    clickArrow(editor.imgTransporter1, Family::Transporter);
    EXPECT_EQ(editor.cmdTransporter(3).picture().sourcePath(), "\\bmp\\StratkRU.bmp");
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(ToolTest, ChoosingAToolEndsAPendingTargetChoice) {
    editor.SelectedCode = 1000 + 57;  // a transporter placed on cell 57 waits for its target
    editor.mnuStartpositionfestlegen.click();
    EXPECT_EQ(editor.SelectedCode, 1057);  // a position mode leaves the choice pending
    clickTool(Family::Street, 0);
    EXPECT_EQ(editor.SelectedCode, 101);
}

}  // namespace
}  // namespace editor_test
