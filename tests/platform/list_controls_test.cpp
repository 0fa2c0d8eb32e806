#include "platform/application.h"
#include "platform/controls/command_button.h"
#include "platform/controls/dir_list_box.h"
#include "platform/controls/drive_list_box.h"
#include "platform/controls/file_list_box.h"
#include "platform/controls/h_scroll_bar.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "platform/controls/tab_strip.h"
#include "platform/form.h"
#include "platform/paths.h"
#include "tests/support/printers.h"
#include "tests/support/test_services.h"
#include "tests/support/user_input.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

class frmListen : public Form {
public:
    frmListen() {
        lstDateien.onClick = [this] { events.push_back("lst " + lstDateien.list(lstDateien.listIndex())); };
        filDateien.onClick = [this] { events.push_back("fil " + filDateien.fileName()); };
        filDateien.onDblClick = [this] { events.push_back("fil dbl " + filDateien.fileName()); };
        dirVerzeichnisse.onChange = [this] {
            events.push_back("dir " + dirVerzeichnisse.path());
            filDateien.setPath(dirVerzeichnisse.path());
        };
        drvLaufwerke.onChange = [this] { dirVerzeichnisse.setPath(drvLaufwerke.drive()); };
    }
    ListBox lstDateien;
    FileListBox filDateien;
    DirListBox dirVerzeichnisse;
    DriveListBox drvLaufwerke;
    HScrollBar HScroll;
    TabStrip SSTab;
    Label lblName;
    CommandButton cmdStart;
    std::vector<QString> events;

protected:
    void design() override {
        setClientSize(9000, 6000);
        place(lstDateien, {240, 240, 1815, 1815});
        place(filDateien, {3120, 840, 2295, 3600});
        filDateien.setPattern("*.lvl");
        place(dirVerzeichnisse, {360, 840, 2295, 3690});
        place(drvLaufwerke, {360, 360, 2295, 315});
        place(HScroll, {360, 4800, 3855, 255});
        place(SSTab, {5600, 0, 3000, 1095});
        SSTab.setTabCount(2);
        SSTab.setTabCaption(0, "Name");
        SSTab.setTabCaption(1, "Start / Ende");
        SSTab.place(lblName, 0, {120, 480, 2000, 375});
        SSTab.place(cmdStart, 1, {240, 480, 1335, 375});
    }
};

class ListControlsTest : public testing::Test {
protected:
    void SetUp() override {
        QDir root(dir_.path());
        ASSERT_TRUE(root.mkpath("lvlneu/Alt"));
        ASSERT_TRUE(root.mkpath("lvlneu/zweite"));
        for (const char* name : {"lvlneu/b.LVL", "lvlneu/a.lvl", "lvlneu/notiz.txt", "lvlneu/.versteckt.lvl"}) {
            QFile file(root.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    void TearDown() override {
        dropInstances();
        setProgramFolder({});
    }
    QString real(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }

    QTemporaryDir dir_;
    test_support::ScopedTestServices fakes;
};

}  // namespace

TEST_F(ListControlsTest, ListBoxClickFollowsEveryChangeOfTheSelection) {
    auto& form = instance<frmListen>();
    form.load();
    form.lstDateien.addItem("a.bmp");
    form.lstDateien.addItem("b.bmp");
    EXPECT_EQ(form.lstDateien.listCount(), 2);
    EXPECT_EQ(form.lstDateien.listIndex(), -1);
    form.lstDateien.setListIndex(1);
    form.lstDateien.setListIndex(1);                                        // no change, no Click
    static_cast<QListWidget*>(form.lstDateien.widget())->setCurrentRow(0);  // the user picks
    EXPECT_EQ(form.events, (std::vector<QString>{"lst b.bmp", "lst a.bmp"}));
    form.lstDateien.clear();
    EXPECT_EQ(form.lstDateien.listCount(), 0);
    EXPECT_EQ(form.lstDateien.listIndex(), -1);
    EXPECT_EQ(form.lstDateien.list(5), "");
}

TEST_F(ListControlsTest, TheFolderListFindsItsPathWithoutRegardToCaseAndTheFileListFollows) {
    auto& form = instance<frmListen>();
    form.load();
    setProgramFolder(dir_.path());
    form.dirVerzeichnisse.setPath(programFolder() + "\\LVLNEU");
    EXPECT_EQ(form.dirVerzeichnisse.path(), real("lvlneu"));
    EXPECT_EQ(form.events, std::vector<QString>{"dir " + real("lvlneu")});
    const int current = form.dirVerzeichnisse.currentEntry();
    EXPECT_EQ(form.dirVerzeichnisse.list(current), real("lvlneu"));
    EXPECT_EQ(form.dirVerzeichnisse.list(current + 1), real("lvlneu/Alt"));
    EXPECT_EQ(form.dirVerzeichnisse.list(current + 2), real("lvlneu/zweite"));
    EXPECT_EQ(form.dirVerzeichnisse.listCount(), current + 3);
    EXPECT_EQ(form.dirVerzeichnisse.list(0), "/");

    EXPECT_EQ(form.filDateien.path(), real("lvlneu"));
    ASSERT_EQ(form.filDateien.listCount(), 2);  // *.lvl in any case, no hidden file, no .txt
    EXPECT_EQ(form.filDateien.list(0), "a.lvl");
    EXPECT_EQ(form.filDateien.list(1), "b.LVL");
    EXPECT_EQ(form.filDateien.fileName(), "");

    form.dirVerzeichnisse.setPath(real("lvlneu"));  // the same folder: no Change
    EXPECT_EQ(form.events.size(), 1u);
}

TEST_F(ListControlsTest, FilesAreClickedAndDoubleClicked) {
    auto& form = instance<frmListen>();
    form.show();
    form.filDateien.setPath(real("lvlneu"));
    form.filDateien.setListIndex(1);
    EXPECT_EQ(form.filDateien.fileName(), "b.LVL");
    auto* list = static_cast<QListWidget*>(form.filDateien.widget());
    test_support::doubleClick(list->viewport(), list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(form.events, (std::vector<QString>{"fil b.LVL", "fil a.lvl", "fil dbl a.lvl"}));
}

// The user chooses the entry already selected again with a click; the program
// assigning the same index, the other mouse buttons and the bare area below the
// entries choose nothing.
TEST_F(ListControlsTest, AClickOnTheSelectedEntryChoosesItAgain) {
    auto& form = instance<frmListen>();
    form.show();
    form.lstDateien.addItem("a.bmp");
    form.lstDateien.addItem("b.bmp");
    form.filDateien.setPath(real("lvlneu"));
    struct Case {
        const char* name;
        ListControl& list;
        QString entry;  // what its Click notes
    };
    for (const Case& c :
         {Case{"list box", form.lstDateien, "lst b.bmp"}, Case{"file list", form.filDateien, "fil b.LVL"}}) {
        SCOPED_TRACE(c.name);
        auto* list = static_cast<QListWidget*>(c.list.widget());
        const QPoint second = list->visualItemRect(list->item(1)).center();
        form.events.clear();
        test_support::mouseClick(list->viewport(), Qt::LeftButton, second);
        test_support::mouseClick(list->viewport(), Qt::LeftButton, second);
        EXPECT_EQ(form.events, (std::vector<QString>{c.entry, c.entry}));

        form.events.clear();
        c.list.setListIndex(1);
        test_support::mouseClick(list->viewport(), Qt::RightButton, second);
        test_support::mouseClick(list->viewport(), Qt::LeftButton, {4, list->viewport()->height() - 4});
        EXPECT_TRUE(form.events.empty());
        EXPECT_EQ(c.list.listIndex(), 1);
    }
    // A double click on the selected file: its first press chooses it once more, then the double click.
    auto* files = static_cast<QListWidget*>(form.filDateien.widget());
    form.events.clear();
    test_support::doubleClick(files->viewport(), files->visualItemRect(files->item(1)).center());
    EXPECT_EQ(form.events, (std::vector<QString>{"fil b.LVL", "fil dbl b.LVL"}));
}

TEST_F(ListControlsTest, ReadingAgainKeepsTheSelectedEntryWhileItIsThere) {
    auto& form = instance<frmListen>();
    form.show();
    form.dirVerzeichnisse.setPath(real("lvlneu"));  // the file list follows
    form.filDateien.setListIndex(0);
    form.dirVerzeichnisse.setListIndex(form.dirVerzeichnisse.currentEntry() + 2);  // "zweite", picked, not opened
    form.events.clear();

    ASSERT_TRUE(QFile(real("lvlneu/0erst.lvl")).open(QIODevice::WriteOnly));
    ASSERT_TRUE(QDir(real("lvlneu")).mkdir("1neu"));
    form.filDateien.refresh();
    form.dirVerzeichnisse.refresh();
    EXPECT_EQ(form.filDateien.listCount(), 3);
    EXPECT_EQ(form.filDateien.fileName(), "a.lvl");
    EXPECT_EQ(form.filDateien.listIndex(), 1);
    EXPECT_EQ(static_cast<QListWidget*>(form.filDateien.widget())->currentRow(), 1);
    EXPECT_EQ(form.dirVerzeichnisse.list(form.dirVerzeichnisse.listIndex()), real("lvlneu/zweite"));
    EXPECT_EQ(form.dirVerzeichnisse.listCount(), form.dirVerzeichnisse.currentEntry() + 4);
    EXPECT_TRUE(form.events.empty()) << "the choice did not change";

    ASSERT_TRUE(QFile::remove(real("lvlneu/a.lvl")));
    form.filDateien.refresh();
    EXPECT_EQ(form.filDateien.listIndex(), -1);
    EXPECT_EQ(form.filDateien.fileName(), "");
    EXPECT_TRUE(static_cast<QListWidget*>(form.filDateien.widget())->selectedItems().isEmpty());

    // A folder gone: its nearest existing parent, with Change.
    ASSERT_TRUE(QDir(real("lvlneu")).removeRecursively());
    form.dirVerzeichnisse.refresh();
    EXPECT_EQ(form.dirVerzeichnisse.path(), QDir::cleanPath(dir_.path()));
    EXPECT_EQ(form.events, std::vector<QString>{"dir " + QDir::cleanPath(dir_.path())});
}

TEST_F(ListControlsTest, AMissingFolderListsItsNearestParent) {
    auto& form = instance<frmListen>();
    form.load();
    setProgramFolder(dir_.path());
    form.dirVerzeichnisse.setPath(programFolder() + "\\LVLNEU\\gibtsnicht");
    EXPECT_EQ(form.dirVerzeichnisse.path(), real("lvlneu"));
    form.filDateien.setPath(dir_.path() + "/fehlt");
    EXPECT_EQ(form.filDateien.path(), QDir::cleanPath(dir_.path()));
    EXPECT_EQ(form.filDateien.listCount(), 0);
}

TEST_F(ListControlsTest, DoubleClickingAFolderOpensIt) {
    auto& form = instance<frmListen>();
    form.show();
    form.dirVerzeichnisse.setPath(real("lvlneu"));
    auto* list = static_cast<QListWidget*>(form.dirVerzeichnisse.widget());
    QListWidgetItem* alt = list->item(form.dirVerzeichnisse.currentEntry() + 1);
    EXPECT_EQ(alt->text().trimmed(), "Alt");
    emit list->itemDoubleClicked(alt);
    EXPECT_EQ(form.dirVerzeichnisse.path(), real("lvlneu/Alt"));
    EXPECT_EQ(form.filDateien.path(), real("lvlneu/Alt"));
}

TEST_F(ListControlsTest, TheDriveListStartsAtTheRootAndMovesTheFolderList) {
    auto& form = instance<frmListen>();
    form.load();
    ASSERT_GE(form.drvLaufwerke.listCount(), 1);
    EXPECT_EQ(form.drvLaufwerke.list(0), "/");
    EXPECT_EQ(form.drvLaufwerke.drive(), "/");
    form.dirVerzeichnisse.setPath(real("lvlneu"));
    const QString drive = form.drvLaufwerke.drive();
    form.drvLaufwerke.setDrive(real("lvlneu"));  // a path on the root volume (or a volume mounted below it)
    if (form.drvLaufwerke.drive() == drive) {
        EXPECT_EQ(form.dirVerzeichnisse.path(), real("lvlneu"));  // no change of drive, no move
    } else {
        EXPECT_EQ(form.dirVerzeichnisse.path(), form.drvLaufwerke.drive());
    }
}

TEST_F(ListControlsTest, ScrollBarChangeRunsNestedOnAssignmentButNotForTheSameValue) {
    auto& form = instance<frmListen>();
    form.load();
    std::vector<int> seen;
    form.HScroll.onChange = [&] {
        seen.push_back(form.HScroll.value());
        if (form.HScroll.value() == 300) form.HScroll.setValue(299);  // nested
    };
    form.HScroll.setValue(0);
    form.HScroll.setValue(300);
    seen.push_back(-1);
    form.HScroll.setValue(299);
    form.HScroll.setValue(40000);  // beyond Max: the right end
    form.HScroll.setValue(-5);
    EXPECT_EQ(seen, (std::vector<int>{300, 299, -1, 32767, 0}));
    form.HScroll.setMax(100);
    form.HScroll.setValue(100);
    static_cast<QAbstractSlider*>(form.HScroll.widget())->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(form.HScroll.value(), 99);  // the user's arrow click, by SmallChange 1
    EXPECT_EQ(seen.back(), 99);
}

TEST_F(ListControlsTest, OnlyTheFrontTabsControlsAreShown) {
    auto& form = instance<frmListen>();
    form.show();
    EXPECT_EQ(form.SSTab.tab(), 0);
    EXPECT_TRUE(form.lblName.widget()->isVisible());
    EXPECT_FALSE(form.cmdStart.widget()->isVisible());
    EXPECT_EQ(form.cmdStart.widget()->mapTo(form.SSTab.widget(), QPoint(0, 0)), QPoint(16, 32));
    form.SSTab.setTab(1);
    EXPECT_FALSE(form.lblName.widget()->isVisible());
    EXPECT_TRUE(form.cmdStart.widget()->isVisible());
    EXPECT_TRUE(form.lblName.visible());  // its Visible property stays
    EXPECT_EQ(form.SSTab.tabCaption(1), "Start / Ende");
}
