// The file-list dialog on list files of its own: entries, the folder and file
// choice, the totals, and a list that is missing or breaks its rules.
#include "game/frm_haupt.h"
#include "platform/application.h"
#include "shared/file_list/frm_datei_lst.h"
#include "tests/shared/shared_dialog_fixture.h"

#include <QDateTime>
#include <QFile>
#include <QWidget>

namespace shared_test {
namespace {

using pendix::frmDateiLst;

class FileListDialogTest : public SharedDialogTest {
protected:
    // A list file of CR LF lines, Windows-1252 bytes.
    void writeList(const QByteArray& lines) { folder.writeText("\\dateien.lst", lines); }
    void writeFile(std::string_view dataPath, int bytes) { folder.writeText(dataPath, QByteArray(bytes, 'x')); }
    void setChanged(std::string_view dataPath, const QDateTime& when) {
        QFile file(folder.file(dataPath));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
    }
    frmDateiLst& open() {
        game().show();
        game().mnuDateiInfo.click();
        return platform::instance<frmDateiLst>();
    }
    frmDateiLst& dialog() { return platform::instance<frmDateiLst>(); }
    pendix::game::frmHaupt& game() { return platform::instance<pendix::game::frmHaupt>(); }
    static QStringList entries(const platform::ListBox& list) {
        QStringList all;
        for (int i = 0; i < list.listCount(); ++i) all << list.list(i);
        return all;
    }
    void chooseFolder(int index) { dialog().lstVerzeichnisse.setListIndex(index); }
    void chooseFile(int index) { dialog().lstDateien.setListIndex(index); }
};

TEST_F(FileListDialogTest, ShowsTheFoldersOfTheListAndTheTotalsOfAllListedFiles) {
    writeFile("\\wav\\kurve.wav", 100);
    writeFile("\\wav\\Gr\xc3\xb6\xc3\x9f" "e.wav", 20);  // "Größe.wav" on disk; Windows-1252 in the list
    writeFile("\\tavrik.exe", 3);
    // The list names "\WAV\" and "Kurve.wav": names are found without regard to letter case.
    writeList("\\WAV\\\r\nKurve.wav\r\nGr\xf6\xdf" "e.wav\r\n\r\n[]\r\ntavrik.exe\r\n\r\n");
    frmDateiLst& shown = open();
    ASSERT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.caption(), "Datei - Info");
    EXPECT_EQ(shown.clientWidth(), 6375);
    EXPECT_EQ(shown.clientHeight(), 3615);
    EXPECT_EQ(entries(shown.lstVerzeichnisse), (QStringList{"\\WAV", ""}));
    EXPECT_EQ(shown.lstVerzeichnisse.listIndex(), -1);
    EXPECT_EQ(shown.window()->focusWidget(), shown.lstVerzeichnisse.widget());
    EXPECT_EQ(shown.lstDateien.listCount(), 0);
    EXPECT_EQ(shown.lblIAdiPvD.caption(), "3");
    EXPECT_EQ(shown.lblIP.caption(), "123");
    EXPECT_TRUE(shown.txtGröße.text().isEmpty());
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_FALSE(fakes.cursor.waiting());

    chooseFolder(0);
    EXPECT_EQ(entries(shown.lstDateien), (QStringList{"Kurve.wav", "Größe.wav"}));
    chooseFile(0);
    EXPECT_EQ(shown.txtGröße.text(), "100");
    chooseFile(1);
    EXPECT_EQ(shown.txtGröße.text(), "20");
    chooseFolder(1);  // the program folder itself, from the empty bracket header
    EXPECT_EQ(entries(shown.lstDateien), (QStringList{"tavrik.exe"}));
    EXPECT_EQ(shown.txtGröße.text(), "20");  // the boxes keep the file chosen last
    chooseFile(0);
    EXPECT_EQ(shown.txtGröße.text(), "3");
}

TEST_F(FileListDialogTest, BracketsLoseBothEndsAndSectionsOfOneNameShowTwiceAndListTogether) {
    writeFile("\\ico\\a.ico", 5);
    writeFile("\\ico\\b.ico", 7);
    writeList("[\\ico)\r\na.ico\r\n\r\n\r\n\\ico\\\r\nb.ico\r\na.ico\r\n\r\n\\leer\\\r\n\r\n");
    frmDateiLst& shown = open();
    EXPECT_EQ(entries(shown.lstVerzeichnisse), (QStringList{"\\ico", "\\ico", "\\leer"}));
    EXPECT_EQ(shown.lblIAdiPvD.caption(), "3");  // a.ico twice
    EXPECT_EQ(shown.lblIP.caption(), "17");
    chooseFolder(1);
    EXPECT_EQ(entries(shown.lstDateien), (QStringList{"a.ico", "b.ico", "a.ico"}));
    chooseFolder(2);
    EXPECT_EQ(shown.lstDateien.listCount(), 0);
}

TEST_F(FileListDialogTest, AZeroByteFileAndAMissingFileCountWithNoBytes) {
    writeFile("\\lvlneu\\leer.lvl", 0);
    writeFile("\\lvlneu\\blanko.lvl", 9);
    writeList("\\lvlneu\\\r\nleer.lvl\r\nfehlt.lvl\r\nblanko.lvl\r\n\r\n");
    frmDateiLst& shown = open();
    EXPECT_EQ(shown.lblIAdiPvD.caption(), "3");
    EXPECT_EQ(shown.lblIP.caption(), "9");
    chooseFolder(0);
    chooseFile(0);
    EXPECT_EQ(shown.txtGröße.text(), "0");
    EXPECT_FALSE(shown.txtErstelltam.text().isEmpty());
    chooseFile(1);
    EXPECT_EQ(shown.txtGröße.text(), "0");
    EXPECT_EQ(shown.txtErstelltam.text(), "Datei fehlt");
}

TEST_F(FileListDialogTest, TheDateShowsTheTimeExceptAtMidnight) {
    writeFile("\\bmp\\mittag.bmp", 1);
    writeFile("\\bmp\\nacht.bmp", 1);
    setChanged("\\bmp\\mittag.bmp", QDateTime(QDate(2003, 12, 24), QTime(13, 45, 7)));
    setChanged("\\bmp\\nacht.bmp", QDateTime(QDate(2003, 12, 24), QTime(0, 0)));
    writeList("\\bmp\\\r\nmittag.bmp\r\nnacht.bmp\r\n\r\n");
    frmDateiLst& shown = open();
    chooseFolder(0);
    chooseFile(0);
    EXPECT_EQ(shown.txtErstelltam.text(), "24.12.2003 13:45:07");
    chooseFile(1);
    EXPECT_EQ(shown.txtErstelltam.text(), "24.12.2003");
}

TEST_F(FileListDialogTest, AMissingListShowsEmptyListsZeroTotalsAndAMessage) {
    frmDateiLst& shown = open();
    ASSERT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.lstVerzeichnisse.listCount(), 0);
    EXPECT_EQ(shown.lblIAdiPvD.caption(), "0");
    EXPECT_EQ(shown.lblIP.caption(), "0");
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown[0].text.contains("dateien.lst"));
    EXPECT_EQ(fakes.messages.shown[0].title, "Datei - Info");
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(FileListDialogTest, OpeningAgainWhileOpenReadsNothingAndAfterClosingReadsAnew) {
    writeList("\\alt\\\r\n\r\n");
    open();
    writeList("\\neu\\\r\n\r\n");
    game().mnuDateiInfo.click();
    EXPECT_EQ(entries(dialog().lstVerzeichnisse), (QStringList{"\\alt"}));
    dialog().cmdOk.click();
    ASSERT_FALSE(dialog().isLoaded());
    game().mnuDateiInfo.click();
    EXPECT_EQ(entries(dialog().lstVerzeichnisse), (QStringList{"\\neu"}));
}

TEST_F(FileListDialogTest, EnterAndEscapeCloseTheDialogAndItsIconTurns) {
    writeList("[]\r\n\r\n");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        frmDateiLst& shown = open();
        EXPECT_TRUE(shown.cmdOk.isDefault());
        EXPECT_TRUE(shown.cmdOk.isCancel());
        ASSERT_TRUE(shown.Timer.fire());
        EXPECT_TRUE(shown.icon().sourcePath().startsWith("\\ico\\auto"));
        pressKey(shown.window(), key);
        EXPECT_FALSE(shown.isLoaded()) << key;
    }
}

}  // namespace
}  // namespace shared_test
