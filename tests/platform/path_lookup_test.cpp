// Several entries of a folder that match a path component without regard to
// letter case: the look-up takes a folder where the path goes on and a regular
// file for its last component, the exact spelling first among those.
#include "platform/paths.h"
#include "platform/picture.h"
#include "tests/support/printers.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

class PathLookup : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        setProgramFolder(dir_.path());
    }
    void TearDown() override { setProgramFolder({}); }
    QString real(const QString& relative) const { return QDir(dir_.path()).filePath(relative); }
    void file(const QString& relative) const {
        QDir().mkpath(QFileInfo(real(relative)).path());
        QFile out(real(relative));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    }
    void folder(const QString& relative) const { ASSERT_TRUE(QDir().mkpath(real(relative))); }

    QTemporaryDir dir_;
};

}  // namespace

TEST_F(PathLookup, TheProbeIsFoundBesideAFolderOfItsExactSpelling) {
    QDir().mkpath(real("bmp"));
    ASSERT_TRUE(QImage(25, 25, QImage::Format_RGB32).save(real("bmp/AuteDLOU.bmp"), "BMP"));
    folder("bmp/Autedlou.bmp");
    EXPECT_EQ(resolveDataPath("\\bmp\\Autedlou.bmp"), real("bmp/AuteDLOU.bmp"));
    EXPECT_TRUE(tryLoadPicture("\\bmp\\Autedlou.bmp").has_value());
}

TEST_F(PathLookup, TheHelpFolderIsFoundBesideTheProgramHilfe) {
    file("Hilfe");  // the help launcher
    file("hilfe/pendix.hlp");
    EXPECT_EQ(resolveDataPath("\\hilfe\\pendix.hlp"), real("hilfe/pendix.hlp"));
    EXPECT_EQ(resolveDataPath("\\Hilfe\\pendix.hlp"), real("hilfe/pendix.hlp"));
    EXPECT_EQ(resolveDataPath("\\HILFE\\PENDIX.HLP"), real("hilfe/pendix.hlp"));
    EXPECT_EQ(resolvePath(programFolder() + "\\Hilfe\\pendix.hlp"), real("hilfe/pendix.hlp"));
    EXPECT_EQ(resolveDataPath("\\Hilfe"), real("Hilfe"));  // the last component: the file
    EXPECT_EQ(resolveDataPath("\\hilfe"), real("Hilfe"));
    EXPECT_EQ(resolveFolderPath(programFolder() + "\\HILFE"), real("hilfe"));
    EXPECT_EQ(resolveFolderPath(programFolder() + "\\Hilfe"), real("hilfe"));
}

TEST_F(PathLookup, AmongEntriesOfOneKindTheExactSpellingWinsThenCodeOrder) {
    for (const char* name : {"bmp/StrasOU.bmp", "bmp/strasou.bmp", "BMP/x.bmp"}) file(name);
    struct Case {
        const char* asked;
        const char* found;
    };
    const Case cases[] = {
        {"\\bmp\\strasou.bmp", "bmp/strasou.bmp"},
        {"\\bmp\\StrasOU.bmp", "bmp/StrasOU.bmp"},
        {"\\bmp\\STRASOU.BMP", "bmp/StrasOU.bmp"},  // "S" before "s"
        {"\\BMP\\x.bmp", "BMP/x.bmp"},
    };
    for (const Case& c : cases) EXPECT_EQ(resolveDataPath(c.asked), real(c.found)) << c.asked;
}

TEST_F(PathLookup, OnlyTheProgramsOwnDataPathsAreTranslated) {
    file("lvlneu/a\\b.lvl");  // a "\" is a character of a name here
    file("lvlneu/blanko.lvl");
    struct Case {
        QString asked;
        QString found;
    };
    const Case cases[] = {
        {real("lvlneu/a\\b.lvl"), real("lvlneu/a\\b.lvl")},                     // a full path stands as it is
        {real("LVLNEU/blanko.lvl"), real("LVLNEU/blanko.lvl")},                 // letter case included
        {programFolder() + "\\LVLNEU\\Blanko.lvl", real("lvlneu/blanko.lvl")},  // the program folder and a data path
        {programFolder() + "\\lvlneu/blanko.lvl", real("lvlneu/blanko.lvl")},
        {"lvlneu\\BLANKO.lvl", real("lvlneu/blanko.lvl")},  // relative: a data path
    };
    for (const Case& c : cases) EXPECT_EQ(resolvePath(c.asked).toStdString(), c.found.toStdString());
    EXPECT_EQ(resolveDataPath("\\lvlneu\\a\\b.lvl"), real("lvlneu/a/b.lvl"));  // data paths never name such a file
}
