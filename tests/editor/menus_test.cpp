// The editor's help items through their shortcuts, "Info", "Datei - Info",
// "Ende!", and no pop-up menu on the window.
#include "editor/frm_voz.h"
#include "editor_fixture.h"
#include "platform/application.h"
#include "platform/paths.h"
#include "shared/about_box/frm_info.h"
#include "shared/file_list/frm_datei_lst.h"
#include "shared/level_chooser/frm_levelauswahl.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace editor_test {
namespace {

using Cursor = test_support::RecordingScreenCursor::Call;

int visibleWindowsTitled(const QString& title) {
    int shown = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == title) ++shown;
    return shown;
}

class EditorMenusTest : public EditorTest {
protected:
    EditorMenusTest() {
        // Shortcuts answer in the window that is active.
        editor.window()->activateWindow();
        QApplication::setActiveWindow(editor.window());
    }
    void press(int key) { QTest::keyClick(editor.window(), static_cast<Qt::Key>(key), Qt::ControlModifier); }
};

TEST_F(EditorMenusTest, HelpShortcutsOpenTheirFilesAtTheContents) {
    const struct {
        Qt::Key key;
        const char* file;
    } keys[] = {
        {Qt::Key_H, "\\hilfe\\editor.hlp"},
        {Qt::Key_O, "\\hilfe\\objekte.hlp"},
        {Qt::Key_M, "\\hilfe\\menueser.hlp"},
    };
    for (const auto& entry : keys) {
        SCOPED_TRACE(entry.file);
        fakes.help.shown.clear();
        fakes.cursor.calls.clear();
        press(entry.key);
        ASSERT_EQ(fakes.help.shown.size(), 1u);
        EXPECT_EQ(fakes.help.shown[0].file, platform::resolvePath(platform::programFolder() + entry.file));
        EXPECT_EQ(fakes.help.shown[0].command, 3);
        EXPECT_EQ(fakes.cursor.calls, (std::vector{Cursor::Wait, Cursor::Default}));
    }
}

TEST_F(EditorMenusTest, CtrlOIsHelpNotOpening) {
    editor.setTag(QStringLiteral("/somewhere/earlier.lvl"));
    press(Qt::Key_O);
    ASSERT_EQ(fakes.help.shown.size(), 1u);
    EXPECT_TRUE(fakes.help.shown[0].file.endsWith(QStringLiteral("objekte.hlp")));
    EXPECT_TRUE(fakes.modal.shownModal.empty());  // no level chooser
    EXPECT_FALSE(platform::instance<pendix::frmLevelauswahl>().isLoaded());
    EXPECT_EQ(editor.LevelName, "Blanko");
    EXPECT_EQ(editor.cmd(0).tag(), "0");
}

TEST_F(EditorMenusTest, TheCursorComesBackAlsoWhenAHelpFileIsMissing) {
    QTemporaryDir empty;
    platform::setProgramFolder(empty.path());
    fakes.cursor.calls.clear();
    press(Qt::Key_H);
    ASSERT_EQ(fakes.help.shown.size(), 1u);
    EXPECT_EQ(fakes.cursor.calls, (std::vector{Cursor::Wait, Cursor::Default}));
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(EditorMenusTest, InfoTwiceShowsOneAboutBoxForTheEditor) {
    press(Qt::Key_I);
    auto& info = platform::instance<pendix::frmInfo>();
    ASSERT_TRUE(info.isVisible());
    QWidget* first = info.window();
    info.Timer.fire();
    const std::int16_t step = info.AnimStep;
    editor.mnuHilfe3.click();
    EXPECT_EQ(info.window(), first);  // only brought forward, not loaded again
    EXPECT_EQ(info.AnimStep, step);
    EXPECT_EQ(info.Label1.caption(), "Editor zu Pendix");
    EXPECT_EQ(visibleWindowsTitled(info.caption()), 1);
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(EditorMenusTest, DateiInfoShowsTheFileList) {
    fakes.cursor.calls.clear();
    press(Qt::Key_D);
    auto& list = platform::instance<pendix::frmDateiLst>();
    EXPECT_TRUE(list.isVisible());
    EXPECT_EQ(list.caption(), "Datei - Info");
    EXPECT_GT(list.FileCount, 0);
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(EditorMenusTest, EndeEndsAtOnceWithNothingAsked) {
    editor.cmd(7).setTag(QStringLiteral("101"));  // an unsaved change
    editor.mnuHilfe3.click();
    editor.mnuVerwendeteObjektezählen.click();
    editor.mnuEnde.click();
    EXPECT_EQ(fakes.ender.ends, 1);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_TRUE(fakes.inputs.asked.empty());
    EXPECT_TRUE(fakes.modal.shownModal.empty());
}

TEST_F(EditorMenusTest, ARightClickOnTheBareWindowOpensNoMenu) {
    QWidget* surface = editor.clientArea();
    // Left of the board and below the tab strip, and right of the hint line.
    for (QPoint at : {QPoint(3, 100), QPoint(3, 500), QPoint(surface->width() - 3, 300)}) {
        QTest::mouseClick(surface, Qt::RightButton, {}, at);
    }
    EXPECT_TRUE(fakes.modal.popups.empty());
    EXPECT_TRUE(fakes.help.shown.empty());
    EXPECT_EQ(editor.SelectedCode, 0);
}

}  // namespace
}  // namespace editor_test
