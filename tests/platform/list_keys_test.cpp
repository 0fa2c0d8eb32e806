// Lists under the real keyboard and focus: giving a list the focus picks no
// entry, the arrow keys do, and Enter in any control but a push button presses
// the form's default button.
#include "platform/application.h"
#include "platform/controls/command_button.h"
#include "platform/controls/dir_list_box.h"
#include "platform/controls/file_list_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/text_box.h"
#include "platform/form.h"
#include "tests/support/printers.h"
#include "tests/support/test_services.h"
#include "tests/support/user_input.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace platform;

namespace {

class frmAuswahl : public Form {
public:
    frmAuswahl() {
        lstThemen.onClick = [this] { events.push_back("lst " + lstThemen.list(lstThemen.listIndex())); };
        filDateien.onClick = [this] { events.push_back("fil " + filDateien.fileName()); };
        dirVerzeichnisse.onChange = [this] { events.push_back("dir " + dirVerzeichnisse.path()); };
        cmdOk.onClick = [this] { events.push_back("OK"); };
    }
    ListBox lstThemen;
    FileListBox filDateien;
    DirListBox dirVerzeichnisse;
    TextBox txtName;
    CommandButton cmdOk;
    QString folder;
    bool withDefault = true;
    std::vector<QString> events;

protected:
    void design() override {
        setClientSize(6000, 5000);
        place(lstThemen, {120, 120, 1800, 1800});
        lstThemen.addItem("Pendix");
        lstThemen.addItem("Editor");
        place(filDateien, {2040, 120, 1800, 1800});
        filDateien.setPattern("*.lvl");
        filDateien.setPath(folder);
        place(dirVerzeichnisse, {3960, 120, 1800, 1800});
        dirVerzeichnisse.setPath(folder);
        place(txtName, {120, 2040, 1800, 285});
        place(cmdOk, {120, 2520, 1095, 375});
        cmdOk.setCaption("OK");
        cmdOk.setDefault(withDefault);
    }
};

class ListKeysTest : public testing::Test {
protected:
    void SetUp() override {
        QDir root(dir_.path());
        ASSERT_TRUE(root.mkpath("lvlneu/eigene"));
        for (const char* name : {"lvlneu/a.lvl", "lvlneu/b.lvl"}) {
            QFile file(root.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        form.folder = root.filePath("lvlneu");
    }
    void TearDown() override { dropInstances(); }

    // Shown and made the active window, as the window system does when it opens:
    // the first control of the tab order gets the focus.
    void showActive() {
        form.show();
        form.events.clear();  // the folder list's Change at design
        QApplication::setActiveWindow(form.window());
    }

    QTemporaryDir dir_;
    test_support::ScopedTestServices fakes;
    frmAuswahl& form = instance<frmAuswahl>();
};

TEST_F(ListKeysTest, TheFocusPicksNoEntryInAnyList) {
    showActive();
    EXPECT_EQ(form.window()->focusWidget(), form.lstThemen.widget());
    test_support::pressKey(form.lstThemen.widget(), Qt::Key_Tab);
    EXPECT_EQ(form.window()->focusWidget(), form.filDateien.widget());
    test_support::pressKey(form.filDateien.widget(), Qt::Key_Tab);
    EXPECT_EQ(form.window()->focusWidget(), form.dirVerzeichnisse.widget());
    form.lstThemen.setFocus();
    for (const ListControl* list : std::vector<const ListControl*>{&form.lstThemen, &form.filDateien}) {
        EXPECT_EQ(list->listIndex(), -1);
        EXPECT_EQ(static_cast<QListWidget*>(list->widget())->currentRow(), -1);
    }
    EXPECT_EQ(form.dirVerzeichnisse.path(), form.folder);
    EXPECT_TRUE(form.events.empty());
}

TEST_F(ListKeysTest, TheArrowKeysPickFromNoEntryOn) {
    showActive();
    QWidget* list = form.lstThemen.widget();
    test_support::pressKey(list, Qt::Key_Down);
    EXPECT_EQ(form.lstThemen.listIndex(), 0);
    test_support::pressKey(list, Qt::Key_Down);
    test_support::pressKey(list, Qt::Key_Down);  // at the end it stays
    test_support::pressKey(list, Qt::Key_Up);
    EXPECT_EQ(form.lstThemen.listIndex(), 0);
    EXPECT_EQ(form.events, (std::vector<QString>{"lst Pendix", "lst Editor", "lst Pendix"}));

    form.filDateien.setFocus();
    test_support::pressKey(form.filDateien.widget(), Qt::Key_Down);
    EXPECT_EQ(form.filDateien.fileName(), "a.lvl");
}

TEST_F(ListKeysTest, EnterInAnyControlButAButtonPressesTheDefaultButton) {
    struct Case {
        const char* name;
        std::function<Control&(frmAuswahl&)> control;
        bool pickLast;  // the last entry picked with the keys first
    };
    const std::vector<Case> cases{
        {"list box, nothing picked", [](frmAuswahl& f) -> Control& { return f.lstThemen; }, false},
        {"list box, an entry picked", [](frmAuswahl& f) -> Control& { return f.lstThemen; }, true},
        {"file list, a file picked", [](frmAuswahl& f) -> Control& { return f.filDateien; }, true},
        {"folder list", [](frmAuswahl& f) -> Control& { return f.dirVerzeichnisse; }, false},
        {"folder list, a subfolder picked", [](frmAuswahl& f) -> Control& { return f.dirVerzeichnisse; }, true},
        {"text box", [](frmAuswahl& f) -> Control& { return f.txtName; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        form.unload();
        form.events.clear();
        showActive();
        Control& control = c.control(form);
        control.setFocus();
        if (c.pickLast) {
            test_support::pressKey(control.widget(), Qt::Key_Down);
            test_support::pressKey(control.widget(), Qt::Key_End);
        }
        form.events.clear();
        test_support::pressKey(control.widget(), Qt::Key_Return);
        test_support::pressKey(control.widget(), Qt::Key_Enter);
        EXPECT_EQ(form.events, (std::vector<QString>{"OK", "OK"}));
        EXPECT_EQ(form.dirVerzeichnisse.path(), form.folder);  // Enter opens no folder
    }
}

TEST_F(ListKeysTest, WithoutADefaultButtonEnterInAListDoesNothing) {
    form.withDefault = false;
    showActive();
    form.dirVerzeichnisse.setFocus();
    test_support::pressKey(form.dirVerzeichnisse.widget(), Qt::Key_Down);  // the first entry
    test_support::pressKey(form.dirVerzeichnisse.widget(), Qt::Key_End);
    test_support::pressKey(form.dirVerzeichnisse.widget(), Qt::Key_Return);
    EXPECT_EQ(form.dirVerzeichnisse.path(), form.folder);
    EXPECT_EQ(form.dirVerzeichnisse.listIndex(), form.dirVerzeichnisse.listCount() - 1);
    EXPECT_TRUE(form.events.empty());
}

}  // namespace
