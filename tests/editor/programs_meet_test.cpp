// The two programs meet: a level composed by clicks in the editor's window,
// named with an umlaut and saved through "Speichern unter", is opened by the
// game through its level chooser and won with the solver's keys.
#include "board_fixture.h"
#include "editor/rules/palette_layout.h"
#include "game/frm_haupt.h"
#include "game/rules/level_reader.h"
#include "platform/application.h"
#include "platform/files/cp1252.h"
#include "platform/main_form.h"
#include "platform/paths.h"
#include "shared/level_chooser/frm_levelauswahl.h"
#include "shared/level_file/level_file_io.h"
#include "tests/support/installed_folder.h"
#include "tests/support/level_solver.h"
#include "tests/support/program_folder.h"
#include "tests/support/user_input.h"

namespace editor_test {
namespace {

using pendix::Family;

class ProgramsMeetTest : public BoardTest {
protected:
    ProgramsMeetTest() { test_support::InstalledFolder::copyInto(folder); }

    // The level: streets from the start on 51 (facing right) to the transporter on
    // 54, which sends the car right from 130; a curve on 132 turns it down to the end on 182.
    void composeLevel() {
        choosePaletteTool(Family::Street, 1);  // 102, left and right
        clickCells({51, 52, 53, 130, 131});
        choosePaletteTool(Family::Street, 5);  // 106, left and bottom
        clickCell(132);
        choosePaletteTool(Family::Street, 0);  // 101, top and bottom
        clickCells({157, 182});
        choosePaletteTool(Family::Transporter, 1);  // 902, left and right
        clickCells({54, 130});                      // placed, then linked: its arrow points up
        clickCells({130, 130});                     // turned: down, then right
        for (int turn = 0; turn < 3; ++turn) {      // up, down, right: one start mode a step
            startMode();
            clickCell(51);
        }
        endMode();
        clickCell(182);
    }

    test_support::ProgramFolder folder{test_support::ProgramFolder::Contents::Nothing};
};

TEST_F(ProgramsMeetTest, ALevelComposedInTheEditorIsWonInTheGame) {
    composeLevel();
    ASSERT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.front().text.toStdString();
    EXPECT_EQ(editor.cmd(54).tag(), "9021303");
    EXPECT_EQ(editor.pic(130).tag(), "0543");
    EXPECT_EQ(editor.pic(51).tag(), "3");
    EXPECT_EQ(editor.StartDir, 3);
    EXPECT_EQ(editor.EndPos, 182);

    bringTab(pendix::editor::kNameTab);
    fakes.inputs.answers = {QStringLiteral("Über die Brücke"), QStringLiteral("brücke")};
    test_support::doubleClick(editor.lblLevelName);
    EXPECT_EQ(editor.lblLevelName.caption(), "Level: Über die Brücke");
    test_support::pressKey(editor, Qt::Key_F3);
    ASSERT_EQ(fakes.inputs.asked.size(), 2u);
    EXPECT_EQ(fakes.inputs.asked[1].title, "Datei - Name?");
    ASSERT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.front().text.toStdString();
    const QString saved = platform::programFolder() + QStringLiteral("/lvlneu/brücke.lvl");
    const pendix::LevelFileLines file = pendix::readLevelFileLines(saved);
    ASSERT_TRUE(file.ok()) << file.problem.toStdString();
    EXPECT_EQ(file.lines[0], "\xdc" "ber die Br\xfc" "cke");

    // The game, in the same program folder, opens it through its chooser.
    auto& game = platform::instance<pendix::game::frmHaupt>();
    platform::setMainForm<pendix::game::frmHaupt>();
    game.show();
    fakes.modal.script.push_back([](platform::Form& form) {
        auto& chooser = static_cast<pendix::frmLevelauswahl&>(form);
        for (int i = 0; i < chooser.filDateien.listCount(); ++i)
            if (chooser.filDateien.list(i) == QStringLiteral("brücke.lvl")) chooser.filDateien.setListIndex(i);
        chooser.cmdOk.click();
    });
    game.mnuNLö.click();
    ASSERT_EQ(game.tag(), saved);
    EXPECT_EQ(game.lblLevelName.caption(), "Level: Über die Brücke");
    ASSERT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.front().text.toStdString();
    // It looks as it did in the editor.
    for (const int cell : {51, 52, 53, 54, 130, 131, 132, 157, 182})
        EXPECT_EQ(game.cmd(cell).picture().sourcePath(), editor.cmd(cell).picture().sourcePath()) << cell;

    const pendix::game::LevelRead read = pendix::game::readLevel(file.lines);
    ASSERT_TRUE(read.ok()) << read.message;
    const auto plan = pendix::game::solver::solve(read.level);
    ASSERT_TRUE(plan.has_value());
    EXPECT_GT(plan->presses, 0);  // the curve needs the player
    game.cmdLevelStart.click();
    ASSERT_TRUE(game.tmeWeiter.enabled());
    for (const pendix::game::solver::Key key : plan->keys) {
        ASSERT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.front().text.toStdString();
        if (key == pendix::game::solver::Key::Left) test_support::typeInto(game.cmdLevelStart, '4');
        if (key == pendix::game::solver::Key::Right) test_support::typeInto(game.cmdLevelStart, '6');
        ASSERT_TRUE(game.tmeWeiter.fire());
    }
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Herzlichen Glückwunsch!\r\rSie haben das Level: Über die Brücke geschafft.");
    EXPECT_EQ(game.CarPos, 182);
}

}  // namespace
}  // namespace editor_test
