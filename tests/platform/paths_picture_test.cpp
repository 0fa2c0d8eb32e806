#include "platform/paths.h"

#include "platform/files/file_info.h"
#include "platform/files/file_reading.h"
#include "platform/picture.h"
#include "tests/support/printers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
    EXPECT_EQ(resolvePath(programFolder() + "\\Bmp/AUTEDLOU.bmp"), real("bmp/AuteDLOU.bmp"));
    EXPECT_EQ(resolvePath(real("bmp/AuteDLOU.bmp")), real("bmp/AuteDLOU.bmp"));
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

// Every width, so that rows padded to four bytes and the pixels after the last
// whole group of four come out right, top row first.
TEST_F(ProgramFolder, A24BitBitmapShowsEveryPixelWhereItWasDrawn) {
    for (const int width : {1, 2, 3, 4, 5, 7, 8, 9, 41}) {
        SCOPED_TRACE(width);
        QImage drawn(width, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) drawn.setPixel(x, y, qRgb(10 * x % 256, 80 * y, 255 - x));
        ASSERT_TRUE(drawn.save(real("bmp/muster.bmp"), "BMP"));
        std::string bytes;
        ASSERT_EQ(readDataFile("\\bmp\\muster.bmp", 1 << 20, bytes), FileFailure::None);
        ASSERT_EQ(bytes.at(28), 24);  // 24 bits a pixel, as every tile has
        const QImage shown = loadPicture("\\bmp\\muster.bmp").pixmap().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), drawn.size());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x) EXPECT_EQ(shown.pixel(x, y), drawn.pixel(x, y)) << x << "," << y;
    }
}

TEST_F(ProgramFolder, PicturesAreReadFromDiskEveryTime) {
    EXPECT_EQ(loadPicture("\\bmp\\AuteDLOU.bmp").pixmap().size(), QSize(25, 25));
    ASSERT_TRUE(QImage(40, 40, QImage::Format_RGB32).save(real("bmp/AuteDLOU.bmp"), "BMP"));
    EXPECT_EQ(loadPicture("\\bmp\\AuteDLOU.bmp").pixmap().size(), QSize(40, 40));
}

// readDataFile and readFileAt find a file exactly where resolveDataPath and
// resolvePath do, trying the path as written first, and read it as readRegularFile does.
TEST_F(ProgramFolder, AFileIsReadWhereTheLookUpFindsIt) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath("bmp/Ordner.bmp"));  // a folder of the exact spelling ...
    QFile besides(real("bmp/ordner.BMP"));                    // ... beside a file of another case
    ASSERT_TRUE(besides.open(QIODevice::WriteOnly));
    besides.write("the file");
    besides.close();
    struct Case {
        const char* dataPath;
        FileFailure failure;
        const char* bytes;
    };
    const Case cases[] = {
        {"\\bmp\\kaputt.bmp", FileFailure::None, "no picture here"},  // as written
        {"/BMP//KAPUTT.BMP", FileFailure::None, "no picture here"},   // in another letter case
        {"\\bmp\\Ordner.bmp", FileFailure::None, "the file"},         // a regular file before a folder
        {"\\bmp\\fehlt.bmp", FileFailure::Missing, ""},
        {"\\fehlt\\kaputt.bmp", FileFailure::Missing, ""},
        {"\\bmp\\kaputt.bmp\\mehr", FileFailure::Missing, ""},
        {"\\bmp\\deko", FileFailure::IsFolder, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dataPath);
        std::string bytes;
        EXPECT_EQ(readDataFile(c.dataPath, 1 << 20, bytes), c.failure);
        EXPECT_EQ(bytes, c.bytes);
        QString found;
        EXPECT_EQ(readFileAt(programFolder() + QString::fromUtf8(c.dataPath).replace(u'/', u'\\'), 1 << 20, bytes, {},
                             &found),
                  c.failure);
        EXPECT_EQ(bytes, c.bytes);
        EXPECT_EQ(found, resolvePath(programFolder() + QString::fromUtf8(c.dataPath).replace(u'/', u'\\')));
    }
    std::string bytes;
    EXPECT_EQ(readFileAt("bmp\\KAPUTT.bmp", 1 << 20, bytes), FileFailure::None);  // relative: under the program folder
    EXPECT_EQ(bytes, "no picture here");
    EXPECT_EQ(readFileAt(real("BMP/kaputt.bmp"), 1 << 20, bytes),
              FileFailure::Missing);  // any other path stands as it is
}

TEST_F(ProgramFolder, AFileIsReadWholeAndWithinItsBound) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{4854}, std::size_t{65536},
                                   std::size_t{65537}, std::size_t{300000}}) {
        std::string written(size, '\0');
        for (std::size_t i = 0; i < size; ++i) written[i] = static_cast<char>(i * 7);
        QFile file(real("bmp/gross.bin"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(written.data(), static_cast<qint64>(size));
        file.close();
        SCOPED_TRACE(size);
        std::string bytes;
        EXPECT_EQ(readDataFile("\\bmp\\gross.bin", size, bytes), FileFailure::None);
        EXPECT_EQ(bytes, written);
        if (size > 0) {
            EXPECT_EQ(readDataFile("\\bmp\\gross.bin", size - 1, bytes), FileFailure::TooLong);
            EXPECT_TRUE(bytes.empty());
        }
    }
    // A file whose size the system does not know beforehand (0 here) is read to its end all the same.
    std::string bytes;
    ASSERT_EQ(readFileAt("/proc/self/status", 1 << 20, bytes), FileFailure::None);
    EXPECT_NE(bytes.find("Name:"), std::string::npos);
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
