// The installer in a program folder where things stand in the way: links are
// replaced and never followed, folders and files in the way give room, nothing
// outside the folder is written, and a path that cannot be written stops no other.
#include "installed_run.h"
#include "installer/data_folder.h"
#include "installer/install_data.h"
#include "installer/report_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace pendix::installer;
using installer_test::entriesBelow;
using installer_test::isRealFile;
using installer_test::isRealFolder;

namespace {

class HostileFolder : public testing::Test {
protected:
    QString inside(const QString& relative) const { return QDir(program_.path()).filePath(relative); }
    QString outside(const QString& relative) const { return QDir(outside_.path()).filePath(relative); }
    static void writeText(const QString& path, const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray readText(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    QTemporaryDir program_;
    QTemporaryDir outside_;
};

}  // namespace

TEST_F(HostileFolder, ALinkIsReplacedAndWhatItPointsToStaysAsItWas) {
    writeText(outside("fremd.txt"), "not the installer's");
    QDir().mkpath(inside("bmp"));
    ASSERT_TRUE(QFile::link(outside("fremd.txt"), inside("bmp/StrasOU.bmp")));
    DataFolder folder{QDir(program_.path())};
    ASSERT_TRUE(folder.write("\\bmp\\StrasOU.bmp", "street"));
    EXPECT_TRUE(isRealFile(inside("bmp/StrasOU.bmp")));
    EXPECT_EQ(readText(inside("bmp/StrasOU.bmp")), "street");
    EXPECT_EQ(readText(outside("fremd.txt")), "not the installer's");
}

TEST_F(HostileFolder, ALinkOrAFileWhereAFolderBelongsBecomesAFolder) {
    QDir().mkpath(outside("bilder"));
    ASSERT_TRUE(QFile::link(outside("bilder"), inside("bmp")));
    writeText(inside("ico"), "a file named like the icon folder");
    DataFolder folder{QDir(program_.path())};
    ASSERT_TRUE(folder.write("\\bmp\\deko\\Baum01.bmp", "tree"));
    ASSERT_TRUE(folder.write("\\ico\\auto01.ico", "icon"));
    ASSERT_TRUE(folder.makeFolder("\\lvlneu\\"));
    for (const char* path : {"bmp", "bmp/deko", "ico", "lvlneu"}) EXPECT_TRUE(isRealFolder(inside(path))) << path;
    EXPECT_EQ(readText(inside("bmp/deko/Baum01.bmp")), "tree");
    EXPECT_TRUE(entriesBelow(outside_.path()) == QStringList{"bilder"});
    EXPECT_TRUE(folder.unwritten().isEmpty());
}

TEST_F(HostileFolder, AFolderInTheWayOfAFileGivesWay) {
    writeText(inside("bmp/AuteDLOU.bmp/darin.txt"), "inside the folder in the way");
    DataFolder folder{QDir(program_.path())};
    ASSERT_TRUE(folder.write("\\bmp\\AuteDLOU.bmp", "car on the end"));
    EXPECT_TRUE(isRealFile(inside("bmp/AuteDLOU.bmp")));
    EXPECT_EQ(readText(inside("bmp/AuteDLOU.bmp")), "car on the end");
}

TEST_F(HostileFolder, NoTemporaryFileStaysAndTheFileHasTheUsualPermissions) {
    DataFolder folder{QDir(program_.path())};
    ASSERT_TRUE(folder.write("\\wav\\kurve.wav", "swoosh"));
    ASSERT_TRUE(folder.write("\\wav\\kurve.wav", "swoosh"));
    ASSERT_TRUE(folder.writeUnlisted("\\dateien.lst", "list"));
    ASSERT_TRUE(folder.writeUnlisted("\\dateien.lst", "list again"));
    EXPECT_EQ(entriesBelow(program_.path()), (QStringList{"dateien.lst", "wav", "wav/kurve.wav"}));
    EXPECT_EQ(readText(inside("dateien.lst")), "list again");
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(inside("wav/kurve.wav")).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0666 & ~mask);
}

TEST_F(HostileFolder, TheInstallGoesOnPastAFolderInTheWayAndWritesEverything) {
    QTemporaryDir clean;
    ASSERT_TRUE(installData(QDir(clean.path())).ok);
    QDir().mkpath(inside("bmp/AutoRL.bmp"));
    QDir().mkpath(inside("bmp/AuteDLOU.bmp"));
    const InstallResult result = installData(QDir(program_.path()));
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(entriesBelow(program_.path()), entriesBelow(clean.path()));
    EXPECT_TRUE(isRealFile(inside("bmp/AutoRL.bmp")));
}

TEST_F(HostileFolder, TheProgramHilfeStaysBesideTheHelpFolder) {
    writeText(inside("Hilfe"), "the help launcher");
    const InstallResult result = installData(QDir(program_.path()));
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_EQ(readText(inside("Hilfe")), "the help launcher");
    EXPECT_TRUE(isRealFile(inside("hilfe/pendix.hlp")));
    EXPECT_TRUE(readText(inside("dateien.lst")).startsWith("[]\r\nHilfe\r\n\r\n"));
}

TEST_F(HostileFolder, EveryPathThatCannotBeWrittenIsReported) {
    // A program folder below a file: no folder can be made there, so no file can be written.
    writeText(outside("datei"), "x");
    const QString root = outside("datei/Pendix");
    const InstallResult result = installData(QDir(root));
    EXPECT_FALSE(result.ok);
    EXPECT_GT(result.unwritten.size(), 400);
    EXPECT_TRUE(result.unwritten.contains(root + "/bmp/AuteDLOU.bmp"));
    EXPECT_TRUE(result.unwritten.contains(root + "/lev1-9/level9.lev"));
    EXPECT_TRUE(result.unwritten.contains(root + "/lvlneu"));
    EXPECT_FALSE(result.unwritten.contains(root + "/lvlneu/blanko.lvl"));  // its folder is reported already
    EXPECT_TRUE(result.unwritten.contains(root + "/dateien.lst"));
    EXPECT_TRUE(result.message.startsWith("Folgende Pfade konnten nicht geschrieben werden ("))
        << result.message.toStdString();
    EXPECT_TRUE(result.message.contains("\n  " + root + "/wav/kurve.wav\n"));
    EXPECT_EQ(readText(outside("datei")), "x");
}

TEST(ReportBox, ShowsTheFirstLinesAndCountsTheRest) {
    EXPECT_EQ(reportBoxText("a\nb", 3), "Die Installation ist fehlgeschlagen.\n\na\nb");
    EXPECT_EQ(reportBoxText("a\nb\nc\nd\ne", 3),
              "Die Installation ist fehlgeschlagen.\n\na\nb\nc\n… und 2 weitere Zeilen (siehe Fehlerausgabe).");
}
