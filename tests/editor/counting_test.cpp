// Counting the editor's board: per tile, per family and in all; "Aktualisieren";
// and when a count is made: at every opening, never when an open window is opened again.
#include "count_window_fixture.h"
#include "editor/rules/palette_layout.h"
#include "shared/tile_catalogue.h"
#include "tests/support/user_input.h"

#include <QApplication>
#include <QTest>

namespace editor_test {
namespace {

using pendix::Family;
using Cursor = test_support::RecordingScreenCursor::Call;

TEST_F(CountWindowTest, AnEmptyBoardShowsZeroEverywhere) {
    openCount();
    expectCounts({});
}

TEST_F(CountWindowTest, LinkedAndUnlinkedTransportersCountAsTransporters) {
    setTag(45, "9051231");  // linked: target 123, exit up
    setTag(46, "905");      // placed, still waiting for its target
    setTag(47, "933");
    setTag(123, "101");  // the target cell counts as its own tile
    openCount();
    expectCounts({{905, 2}, {933, 1}, {101, 1}});
    EXPECT_EQ(count().txtAdvTr.text(), "3");
    EXPECT_EQ(count().txtAdvA.text(), "0");
}

TEST_F(CountWindowTest, EverySportTileAddsToTheSportTotal) {
    std::map<int, int> expected;
    for (int k = 0; k < 21; ++k) {
        setTag(k * 3, QString::number(601 + k));
        expected[601 + k] = 1;
    }
    setTag(200, "621");
    expected[621] = 2;
    openCount();
    expectCounts(expected);
    EXPECT_EQ(count().txtAdvSp.text(), "22");
}

TEST_F(CountWindowTest, AFullBoardOf400TilesAddsUpTo400) {
    // Every catalogue code in turn, every other transporter linked.
    const std::vector<int>& codes = pendix::allTileCodes();
    std::map<int, int> expected;
    for (int cell = 0; cell < 400; ++cell) {
        const int code = codes[static_cast<std::size_t>(cell) % codes.size()];
        QString tag = QString::number(code);
        if (code > 900 && cell % 2 == 0)
            tag += QStringLiteral("%1%2").arg(399 - cell, 3, 10, QChar(u'0')).arg(cell % 8 + 1);
        setTag(cell, tag);
        ++expected[code];
    }
    openCount();
    expectCounts(expected);
    EXPECT_EQ(count().txtIA.text(), "400");
    int families = 0;
    for (Family family : pendix::allFamilies()) families += count().familyTotal(family).text().toInt();
    EXPECT_EQ(families, 400);
}

TEST_F(CountWindowTest, TagsWithoutABoxAreCountedNowhere) {
    const char* const noBox[] = {"150", "200", "800", "950", "1010001", "9341231", "112", "abc"};
    for (int cell = 0; cell < static_cast<int>(std::size(noBox)); ++cell) setTag(cell, noBox[cell]);
    setTag(399, "701");
    openCount();
    expectCounts({{701, 1}});
}

TEST_F(CountWindowTest, AktualisierenTwiceOnAnUnchangedBoardShowsTheSameCounts) {
    setTag(0, "101");
    setTag(1, "9011002");
    setTag(2, "821");
    openCount();
    const std::vector<QString> opened = allBoxTexts();
    fakes.cursor.calls.clear();
    click(count().cmdAktualisieren);
    EXPECT_EQ(allBoxTexts(), opened);
    click(count().cmdAktualisieren);
    EXPECT_EQ(allBoxTexts(), opened);
    expectCounts({{101, 1}, {901, 1}, {821, 1}});
    EXPECT_EQ(fakes.cursor.calls, (std::vector{Cursor::Wait, Cursor::Default, Cursor::Wait, Cursor::Default}));
}

TEST_F(CountWindowTest, EditsShowOnlyAfterAktualisieren) {
    setTag(0, "101");
    setTag(1, "301");
    openCount();
    setTag(0, "0");        // erased
    setTag(2, "9050001");  // placed and linked
    expectCounts({{101, 1}, {301, 1}});
    // The window opens with the focus on the refresh button, so Enter presses it.
    QApplication::processEvents();  // the window system's activation of the new window
    ASSERT_EQ(count().window()->focusWidget(), count().cmdAktualisieren.widget());
    QTest::keyClick(count().window()->focusWidget(), Qt::Key_Return);
    expectCounts({{301, 1}, {905, 1}});
}

TEST_F(CountWindowTest, ReopeningCountsAfreshOnTheStreetsTab) {
    setTag(0, "101");
    setTag(1, "102");
    openCount();
    test_support::clickTab(count().SSTab1, 8);
    ASSERT_EQ(count().SSTab1.tab(), 8);
    count().Timer.fire();
    closeCount();
    EXPECT_FALSE(count().isLoaded());
    EXPECT_EQ(fakes.ender.ends, 0);  // only the editor's window ends the program

    setTag(1, "0");
    setTag(2, "101");
    setTag(3, "933");
    openCount();
    ASSERT_TRUE(count().isVisible());
    expectCounts({{101, 2}, {933, 1}});
    EXPECT_EQ(count().SSTab1.tab(), 0);
    for (std::int16_t frame : count().AnimFrame) EXPECT_EQ(frame, 1);
    EXPECT_EQ(count().cmdAnimation(0).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0101.bmp");
}

TEST_F(CountWindowTest, OpeningItAgainWhileOpenOnlyBringsItForward) {
    setTag(0, "401");
    openCount();
    test_support::clickTab(count().SSTab1, 3);
    QWidget* window = count().window();
    setTag(1, "402");

    openCount();  // the menu
    bringTab(pendix::editor::kStartEndTab);
    click(editor.cmdVerwendeteObjektezählen);  // and the button
    EXPECT_EQ(count().window(), window);
    EXPECT_EQ(count().SSTab1.tab(), 3);
    expectCounts({{401, 1}});
    click(count().cmdAktualisieren);
    expectCounts({{401, 1}, {402, 1}});
}

TEST_F(CountWindowTest, TheMenuWaitsAroundTheOpeningAndTheButtonDoesNot) {
    fakes.cursor.calls.clear();
    openCount();
    // The menu's own wait around the window's load, which waits as it counts.
    EXPECT_EQ(fakes.cursor.calls, (std::vector{Cursor::Wait, Cursor::Wait, Cursor::Default, Cursor::Default}));
    closeCount();

    bringTab(pendix::editor::kStartEndTab);
    fakes.cursor.calls.clear();
    click(editor.cmdVerwendeteObjektezählen);
    ASSERT_TRUE(count().isVisible());
    EXPECT_EQ(fakes.cursor.calls, (std::vector{Cursor::Wait, Cursor::Default}));  // the load's own only
    EXPECT_FALSE(fakes.cursor.waiting());

    fakes.cursor.calls.clear();
    click(editor.cmdVerwendeteObjektezählen);  // open already: nothing loads, nothing waits
    EXPECT_TRUE(fakes.cursor.calls.empty());
}

TEST_F(CountWindowTest, AktualisierenAfterTheEditorClosedCountsItsLastBoard) {
    setTag(0, "501");
    openCount();
    setTag(1, "502");
    editor.window()->close();  // ends the program; the double lets the test go on
    EXPECT_EQ(fakes.ender.ends, 1);
    ASSERT_FALSE(editor.isLoaded());
    click(count().cmdAktualisieren);
    expectCounts({{501, 1}, {502, 1}});
}

}  // namespace
}  // namespace editor_test
