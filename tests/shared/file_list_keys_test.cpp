// The file-list dialog under the real keyboard and focus, as the window system
// opens it: no folder is chosen until the user picks one, and Enter in a list
// closes the dialog as "OK" does.
#include "game/frm_haupt.h"
#include "platform/application.h"
#include "shared/file_list/frm_datei_lst.h"
#include "tests/shared/shared_dialog_fixture.h"
#include "tests/support/user_input.h"

#include <QApplication>
#include <QListWidget>
#include <QWidget>

namespace shared_test {
namespace {

using pendix::frmDateiLst;

class FileListKeys : public SharedDialogTest {
protected:
    FileListKeys() {
        folder.writeText("\\wav\\kurve.wav", QByteArray(100, 'x'));
        folder.writeText("\\wav\\trans.wav", QByteArray(7, 'x'));
        folder.writeText("\\dateien.lst", "\\wav\\\r\nkurve.wav\r\ntrans.wav\r\n\r\n[]\r\ndateien.lst\r\n\r\n");
    }
    // "Datei - Info" from the game, the dialog then made the active window.
    frmDateiLst& openActive() {
        platform::instance<pendix::game::frmHaupt>().show();
        platform::instance<pendix::game::frmHaupt>().mnuDateiInfo.click();
        frmDateiLst& shown = platform::instance<frmDateiLst>();
        QApplication::setActiveWindow(shown.window());
        return shown;
    }
};

TEST_F(FileListKeys, OpensWithNoFolderChosenAndTheArrowKeysChoose) {
    frmDateiLst& shown = openActive();
    EXPECT_EQ(shown.window()->focusWidget(), shown.lstVerzeichnisse.widget());
    EXPECT_EQ(shown.lstVerzeichnisse.listIndex(), -1);
    EXPECT_EQ(shown.lstDateien.listCount(), 0);

    test_support::pressKey(shown.lstVerzeichnisse.widget(), Qt::Key_Down);
    ASSERT_EQ(shown.lstDateien.listCount(), 2);
    test_support::pressKey(shown.lstVerzeichnisse.widget(), Qt::Key_Tab);
    ASSERT_EQ(shown.window()->focusWidget(), shown.lstDateien.widget());
    EXPECT_EQ(shown.lstDateien.listIndex(), -1);
    EXPECT_TRUE(shown.txtGröße.text().isEmpty());
    test_support::pressKey(shown.lstDateien.widget(), Qt::Key_Down);
    EXPECT_EQ(shown.txtGröße.text(), "100");
    test_support::pressKey(shown.lstDateien.widget(), Qt::Key_Down);
    EXPECT_EQ(shown.txtGröße.text(), "7");
}

// Clicking the chosen folder again lists its files anew with none chosen (the
// size stays); clicking the chosen file again asks the file system again.
TEST_F(FileListKeys, TheChosenFolderOrFileClickedAgainIsReadAnew) {
    frmDateiLst& shown = openActive();
    auto* folders = static_cast<QListWidget*>(shown.lstVerzeichnisse.widget());
    auto* files = static_cast<QListWidget*>(shown.lstDateien.widget());
    const QPoint firstFolder = folders->visualItemRect(folders->item(0)).center();
    test_support::mouseClick(folders->viewport(), Qt::LeftButton, firstFolder);
    ASSERT_EQ(shown.lstDateien.listCount(), 2);
    const QPoint firstFile = files->visualItemRect(files->item(0)).center();
    test_support::mouseClick(files->viewport(), Qt::LeftButton, firstFile);
    EXPECT_EQ(shown.txtGröße.text(), "100");

    folder.writeText("\\wav\\kurve.wav", QByteArray(40, 'x'));
    test_support::mouseClick(files->viewport(), Qt::LeftButton, firstFile);
    EXPECT_EQ(shown.txtGröße.text(), "40");

    test_support::mouseClick(folders->viewport(), Qt::LeftButton, firstFolder);
    EXPECT_EQ(shown.lstDateien.listCount(), 2);
    EXPECT_EQ(shown.lstDateien.listIndex(), -1);
    EXPECT_EQ(shown.txtGröße.text(), "40");
}

TEST_F(FileListKeys, EnterOrEscInEitherListClosesTheDialog) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        for (bool inFiles : {false, true}) {
            SCOPED_TRACE(testing::Message() << "key " << key << (inFiles ? " in the file list" : " in the folders"));
            frmDateiLst& shown = openActive();
            test_support::pressKey(shown.lstVerzeichnisse.widget(), Qt::Key_Down);
            QWidget* list = inFiles ? shown.lstDateien.widget() : shown.lstVerzeichnisse.widget();
            if (inFiles) {
                shown.lstDateien.setFocus();
                test_support::pressKey(list, Qt::Key_Down);
            }
            test_support::pressKey(list, key);
            EXPECT_FALSE(shown.isLoaded());
        }
    }
}

}  // namespace
}  // namespace shared_test
