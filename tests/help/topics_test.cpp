// Choosing a help topic with the mouse and the keys, what the start opens
// (nothing), closing the window, and the first start without the data.
#include "help/help_topics.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "shared/first_start/frm_beginn.h"
#include "tests/help/hilfe_fixture.h"
#include "tests/support/real_viewers.h"
#include "tests/support/user_input.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QWidget>

namespace hilfe_test {
namespace {

using TopicsTest = HilfeTest;
using Cursor = test_support::RecordingScreenCursor::Call;

const std::vector<QString> kFiles = {"\\hilfe\\pendix.hlp", "\\hilfe\\objekte.hlp", "\\hilfe\\editor.hlp",
                                     "\\hilfe\\menueser.hlp", "\\hilfe\\menuesch.hlp"};

// One choice: the handler's wait around the help call's own.
const std::vector<Cursor> kOneChoice = {Cursor::Wait, Cursor::Wait, Cursor::Default, Cursor::Default};

TEST_F(TopicsTest, TheStartSelectsAndOpensNothing) {
    showActive();
    QApplication::processEvents();
    EXPECT_EQ(window().window()->focusWidget(), window().Liste.widget());
    EXPECT_EQ(window().Liste.listIndex(), -1);
    EXPECT_EQ(list()->currentRow(), -1);
    EXPECT_TRUE(list()->selectedItems().isEmpty());
    EXPECT_TRUE(fakes.help.shown.empty());
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(TopicsTest, EachEntryClickedOpensItsHelpFileAtItsContents) {
    showActive();
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE(row);
        fakes.cursor.calls.clear();
        clickEntry(row);
        EXPECT_EQ(window().Liste.listIndex(), row);
        EXPECT_EQ(fakes.cursor.calls, kOneChoice);
    }
    EXPECT_EQ(helpShown(), kFiles);
    EXPECT_FALSE(fakes.cursor.waiting());
    EXPECT_EQ(fakes.help.shown[0].file, folder.file("\\hilfe\\pendix.hlp")) << "the program folder's own file";
    EXPECT_EQ(fakes.help.shown[0].asker.form, &window()) << "beside the list";
    EXPECT_EQ(fakes.help.shown[0].asker.keyboard, platform::HelpKeyboard::StaysWithAsker);
}

TEST_F(TopicsTest, NothingIsRememberedBetweenChoices) {
    showActive();
    clickEntry(0);
    clickEntry(1);
    clickEntry(0);
    EXPECT_EQ(helpShown(), (std::vector<QString>{kFiles[0], kFiles[1], kFiles[0]}));
}

// The user closed the help page and wants it back: the topic selected already,
// clicked or double-clicked, opens once more each time.
TEST_F(TopicsTest, ChoosingTheSelectedTopicAgainOpensItAgain) {
    showActive();
    clickEntry(2);
    clickEntry(2);
    test_support::doubleClick(list()->viewport(), list()->visualItemRect(list()->item(2)).center());
    pressKey(Qt::Key_Down);
    clickEntry(3);
    EXPECT_EQ(window().Liste.listIndex(), 3);
    EXPECT_EQ(helpShown(), (std::vector<QString>{kFiles[2], kFiles[2], kFiles[2], kFiles[3], kFiles[3]}));
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(TopicsTest, TheArrowKeysOpenEveryEntryTheyLandOn) {
    showActive();
    for (int i = 0; i < 6; ++i) pressKey(Qt::Key_Down);  // from no entry to the first, on to the last, and stays
    EXPECT_EQ(window().Liste.listIndex(), 4);
    EXPECT_EQ(helpShown(), kFiles);
    fakes.help.shown.clear();
    for (int i = 0; i < 4; ++i) pressKey(Qt::Key_Up);
    pressKey(Qt::Key_Up);  // at the top it stays
    EXPECT_EQ(window().Liste.listIndex(), 0);
    EXPECT_EQ(helpShown(), (std::vector<QString>{kFiles[3], kFiles[2], kFiles[1], kFiles[0]}));
    EXPECT_FALSE(fakes.cursor.waiting());
}

// With the real help window open beside the list, the list keeps the keyboard:
// each arrow key moves on to the next topic and shows its page.
TEST_F(TopicsTest, WithTheRealViewerOpenTheArrowKeysGoOnThroughTheTopics) {
    test_support::ServicesWithRealViewers real;
    showActive();
    clickEntry(0);
    QApplication::processEvents();  // the window system tells which window is active now
    ASSERT_TRUE(real.realHelp.window()->isVisible());
    const auto expectTopic = [this](int row) {
        SCOPED_TRACE(row);
        QApplication::processEvents();
        EXPECT_EQ(window().Liste.listIndex(), row);
        const std::string_view entry = pendix::hilfe::kHelpTopics[static_cast<std::size_t>(row)].entry;
        EXPECT_EQ(test_support::shownHelpText(), QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
        EXPECT_EQ(QApplication::focusWidget(), list());
    };
    expectTopic(0);
    for (int row = 1; row < 5; ++row) {
        pressKey(Qt::Key_Down);
        expectTopic(row);
    }
    for (int row = 3; row >= 0; --row) {
        pressKey(Qt::Key_Up);
        expectTopic(row);
    }
    EXPECT_TRUE(real.realHelp.window()->isVisible());
    EXPECT_FALSE(real.cursor.waiting());
}

// The window has no default button: Enter chooses the selected topic again, and
// with none selected it chooses nothing.
TEST_F(TopicsTest, EnterOpensTheSelectedTopicAgain) {
    showActive();
    pressKey(Qt::Key_Return);
    EXPECT_TRUE(fakes.help.shown.empty());
    pressKey(Qt::Key_Down);
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Enter);
    EXPECT_EQ(helpShown(), (std::vector<QString>{kFiles[0], kFiles[0], kFiles[0]}));
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(TopicsTest, WithNoEntrySelectedOnlyTheCursorChangesAndComesBack) {
    showActive();
    window().Liste.setListIndex(7);  // no such entry: no selection, and no Click
    EXPECT_EQ(window().Liste.listIndex(), -1);
    EXPECT_TRUE(fakes.cursor.calls.empty());
    window().Liste_Click();
    EXPECT_TRUE(fakes.help.shown.empty());
    EXPECT_EQ(fakes.cursor.calls, (std::vector<Cursor>{Cursor::Wait, Cursor::Default}));
}

TEST_F(TopicsTest, AMissingHelpFileIsTheViewersToReport) {
    folder.remove("\\hilfe\\editor.hlp");
    showActive();
    clickEntry(2);
    ASSERT_EQ(fakes.help.shown.size(), 1u);
    EXPECT_EQ(fakes.help.shown[0].file, platform::resolvePath(platform::programFolder() + "\\hilfe\\editor.hlp"));
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(TopicsTest, ClosingTheWindowEndsTheProgramAlsoWithAHelpPageOpen) {
    showActive();
    clickEntry(1);
    ASSERT_EQ(fakes.help.shown.size(), 1u);
    EXPECT_EQ(fakes.ender.ends, 0);
    window().window()->close();
    EXPECT_EQ(fakes.ender.ends, 1);
    EXPECT_FALSE(window().isLoaded());
}

class FirstStartTest : public HilfeTest {
protected:
    FirstStartTest() { QDir(folder.file("\\bmp")).removeRecursively(); }
    pendix::frmBeginn& box() { return platform::instance<pendix::frmBeginn>(); }
    void expectOnlyTheBox() {
        ASSERT_EQ(fakes.modal.shownModal.size(), 1u);
        EXPECT_EQ(fakes.modal.shownModal[0], &box());
        EXPECT_FALSE(window().isVisible());
        EXPECT_FALSE(window().isLoaded());
        EXPECT_TRUE(fakes.help.shown.empty());
    }
};

TEST_F(FirstStartTest, OkStartsTheInstallerAndTheProgramEndsWithoutTheList) {
    int endsWhenTheBoxWasLeft = -1;
    fakes.modal.script.push_back([&](platform::Form& shown) {
        static_cast<pendix::frmBeginn&>(shown).cmdOk.click();
        endsWhenTheBoxWasLeft = fakes.ender.ends;
    });
    window().show();
    expectOnlyTheBox();
    EXPECT_EQ(endsWhenTheBoxWasLeft, 1);
    EXPECT_EQ(fakes.programs.started, (std::vector<QString>{platform::programFolder() + "\\tavrik.exe"}));
}

TEST_F(FirstStartTest, TheCloseBoxEndsTheProgramWithoutTheInstaller) {
    int endsWhenTheBoxWasLeft = -1;
    fakes.modal.script.push_back([&](platform::Form& shown) {
        shown.window()->close();
        endsWhenTheBoxWasLeft = fakes.ender.ends;
    });
    window().show();
    expectOnlyTheBox();
    EXPECT_EQ(endsWhenTheBoxWasLeft, 1);
    EXPECT_TRUE(fakes.programs.started.empty());
}

TEST_F(FirstStartTest, AProbeInAnotherLetterCaseIsFound) {
    folder.writePicture("\\BMP\\AUTEDLOU.BMP");
    showActive();
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    EXPECT_TRUE(window().isVisible());
}

}  // namespace
}  // namespace hilfe_test
