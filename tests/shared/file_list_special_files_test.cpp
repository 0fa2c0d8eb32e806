// A list file "\dateien.lst" that is no regular file or never ends: the dialog
// opens at once with empty lists and a message that names the file.
#include "game/frm_haupt.h"
#include "platform/application.h"
#include "shared/file_list/frm_datei_lst.h"
#include "tests/shared/shared_dialog_fixture.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace shared_test {
namespace {

using pendix::frmDateiLst;

class FileListSpecialFiles : public SharedDialogTest {
protected:
    QString listPath() const { return folder.path() + "/dateien.lst"; }
    frmDateiLst& open() {
        platform::instance<pendix::game::frmHaupt>().show();
        platform::instance<pendix::game::frmHaupt>().mnuDateiInfo.click();
        return platform::instance<frmDateiLst>();
    }
};

TEST_F(FileListSpecialFiles, APipeADeviceAndAHugeListGiveAMessageAndEmptyLists) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
        QString problem;
    };
    const Case cases[] = {
        {"pipe", [](const QString& at) { ASSERT_EQ(::mkfifo(QFile::encodeName(at).constData(), 0600), 0); },
         "ist eine Pipe, keine Dateiliste."},
        {"device", [](const QString& at) { ASSERT_TRUE(QFile::link("/dev/zero", at)); },
         "ist ein Gerät, keine Dateiliste."},
        {"huge",
         [this](const QString& at) {
             folder.writeText("\\dateien.lst", "\\bmp\\\r\n");
             ASSERT_EQ(::truncate(QFile::encodeName(at).constData(), qint64{3} << 30), 0);
         },
         "ist länger als 2097152 Bytes und wird nicht gelesen."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(listPath());
        c.make(listPath());
        fakes.messages.shown.clear();
        frmDateiLst& shown = open();
        ASSERT_TRUE(shown.isVisible());
        EXPECT_EQ(shown.lstVerzeichnisse.listCount(), 0);
        EXPECT_EQ(shown.lblIAdiPvD.caption(), "0");
        ASSERT_EQ(fakes.messages.shown.size(), 1u);
        EXPECT_TRUE(fakes.messages.shown[0].text.contains(c.problem)) << fakes.messages.shown[0].text.toStdString();
        EXPECT_TRUE(fakes.messages.shown[0].text.contains(listPath()));
        shown.cmdOk.click();
    }
}

TEST_F(FileListSpecialFiles, AListBeyondItsLineBoundShowsItsFirstLines) {
    QByteArray bytes = "\\ico\\\r\n";
    for (int i = 0; i < 40000; ++i) bytes += "a.ico\r\n";
    folder.writeText("\\dateien.lst", bytes);
    frmDateiLst& shown = open();
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(shown.ListLines.size(), 32767u);
    EXPECT_EQ(shown.lblIAdiPvD.caption(), "32766");
}

}  // namespace
}  // namespace shared_test
