#include "platform/file_info.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "tests/support/printers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

using namespace platform;

namespace {

// A program folder with a few files in the letter case they are stored in.
class ProgramFolder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QDir root(dir_.path());
        ASSERT_TRUE(root.mkpath("bmp/deko"));
        ASSERT_TRUE(root.mkpath("lvlneu"));
        QImage image(25, 25, QImage::Format_RGB32);
        image.fill(Qt::red);
        ASSERT_TRUE(image.save(root.filePath("bmp/AuteDLOU.bmp"), "BMP"));
        image.fill(Qt::blue);
        ASSERT_TRUE(QImage(32, 32, QImage::Format_ARGB32).save(root.filePath("bmp/auto01.ico"), "ICO"));
        QFile text(root.filePath("bmp/kaputt.bmp"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("no picture here");
        setProgramFolder(dir_.path());
    }
    void TearDown() override { setProgramFolder({}); }
    QString real(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(ProgramFolder, DataPathsIgnoreLetterCase) {
    EXPECT_EQ(resolveDataPath("\\bmp\\Autedlou.bmp"), real("bmp/AuteDLOU.bmp"));
    EXPECT_EQ(resolveDataPath("\\BMP\\autedlou.BMP"), real("bmp/AuteDLOU.bmp"));
    EXPECT_EQ(resolveDataPath("\\LVLNEU"), real("lvlneu"));
    EXPECT_EQ(resolveDataPath("\\lvlneu\\"), real("lvlneu"));
    EXPECT_EQ(resolveDataPath("/bmp/Deko"), real("bmp/deko"));
}

TEST_F(ProgramFolder, APathGoesOnFromTheFolderNotFromAFileOfTheSameName) {
    // The help program "Hilfe" lies beside the help folder "hilfe".
    QDir root(dir_.path());
    ASSERT_TRUE(root.mkpath("hilfe"));
    for (const char* name : {"Hilfe", "hilfe/pendix.hlp"}) {
        QFile file(root.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (const char* asked : {"\\hilfe\\pendix.hlp", "\\Hilfe\\pendix.hlp", "\\HILFE\\Pendix.HLP"}) {
        SCOPED_TRACE(asked);
        EXPECT_EQ(resolveDataPath(asked), real("hilfe/pendix.hlp"));
        EXPECT_EQ(resolvePath(programFolder() + asked), real("hilfe/pendix.hlp"));
    }
    EXPECT_EQ(resolveDataPath("\\Hilfe"), real("Hilfe"));  // the last component may be a file
    EXPECT_EQ(resolveDataPath("\\hilfe"), real("Hilfe"));  // and a file is what a data path asks for
    EXPECT_EQ(resolveFolderPath(programFolder() + "\\Hilfe"), real("hilfe"));
    // A file that stands where only a folder could lead on is no way through.
    EXPECT_EQ(resolveDataPath("\\bmp\\AuteDLOU.bmp\\x.bmp"), real("bmp/AuteDLOU.bmp/x.bmp"));
}

TEST_F(ProgramFolder, MissingPathsGiveTheBestEffortJoin) {
    EXPECT_EQ(resolveDataPath("\\BMP\\fehlt.bmp"), real("bmp/fehlt.bmp"));
    EXPECT_EQ(resolveDataPath("\\Fehlt\\Auch.bmp"), real("Fehlt/Auch.bmp"));
}

TEST_F(ProgramFolder, FullPathsWithEitherSeparator) {
    EXPECT_EQ(resolvePath(programFolder() + "\\LVLNEU"), real("lvlneu"));
    EXPECT_EQ(resolvePath(programFolder() + "/Bmp\\AUTEDLOU.bmp"), real("bmp/AuteDLOU.bmp"));
    EXPECT_EQ(resolvePath("bmp\\autedlou.bmp"), real("bmp/AuteDLOU.bmp"));  // relative: under the program folder
}

TEST_F(ProgramFolder, APictureRemembersThePathItWasAskedFor) {
    const Picture car = loadPicture("\\bmp\\Autedlou.bmp");
    EXPECT_FALSE(car.isEmpty());
    EXPECT_EQ(car.sourcePath(), "\\bmp\\Autedlou.bmp");
    EXPECT_EQ(car.pixmap().size(), QSize(25, 25));

    const Picture icon = loadPicture("\\bmp\\Auto01.ico");
    EXPECT_FALSE(icon.isEmpty());
    EXPECT_FALSE(icon.icon().isNull());

    const Picture full = loadPictureFile(real("bmp/AuteDLOU.bmp"));
    EXPECT_EQ(full.sourcePath(), real("bmp/AuteDLOU.bmp"));
    EXPECT_FALSE(full.isEmpty());
}

TEST_F(ProgramFolder, NoPictureWhereTheFileIsMissingOrNoPicture) {
    for (const char* path : {"\\bmp\\kaputt.bmp", "\\bmp\\fehlt.bmp", "\\fehlt\\Autedlou.bmp", "\\bmp", ""})
        EXPECT_FALSE(tryLoadPicture(path).has_value()) << path;
    const Picture blank = loadPicture("\\bmp\\fehlt.bmp");
    EXPECT_TRUE(blank.isEmpty());
    EXPECT_EQ(blank.sourcePath(), "\\bmp\\fehlt.bmp");  // the control shows nothing, the test still sees what was asked
    EXPECT_TRUE(loadPicture("").sourcePath().isEmpty());
}

TEST_F(ProgramFolder, PicturesAreReadFromDiskEveryTime) {
    EXPECT_EQ(loadPicture("\\bmp\\AuteDLOU.bmp").pixmap().size(), QSize(25, 25));
    ASSERT_TRUE(QImage(40, 40, QImage::Format_RGB32).save(real("bmp/AuteDLOU.bmp"), "BMP"));
    EXPECT_EQ(loadPicture("\\bmp\\AuteDLOU.bmp").pixmap().size(), QSize(40, 40));
}

TEST_F(ProgramFolder, FileLengthAndDate) {
    EXPECT_EQ(fileLength(programFolder() + "\\BMP\\kaputt.bmp"), 15);
    EXPECT_FALSE(fileLength(programFolder() + "\\bmp\\fehlt.bmp").has_value());
    EXPECT_FALSE(fileLength(programFolder() + "\\lvlneu").has_value());
    EXPECT_TRUE(fileLastChange(programFolder() + "\\bmp\\kaputt.bmp").has_value());
}

TEST(GeneralDate, ShortDateAndLongTimeMidnightAlone) {
    const QDate day(2003, 12, 4);
    EXPECT_EQ(generalDateText(QDateTime(day, QTime(13, 5, 7))), "04.12.2003 13:05:07");
    EXPECT_EQ(generalDateText(QDateTime(day, QTime(0, 0, 1))), "04.12.2003 00:00:01");
    EXPECT_EQ(generalDateText(QDateTime(day, QTime(0, 0, 0, 400))), "04.12.2003");
}
