#include "platform/files/cp1252.h"
#include "platform/files/text_file.h"
#include "platform/text/line_split.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>

using namespace platform;

TEST(Cp1252, DecodesEveryByteAndEncodesBack) {
    struct Case {
        std::string bytes;
        QString text;
    };
    const Case cases[] = {
        {"Level 1", QStringLiteral("Level 1")},
        {"\xe4\xf6\xfc\xdf\xc4", QStringLiteral("äöüßÄ")},
        {"\x80\x84\x93\x96\x9f", QStringLiteral("€„“–Ÿ")},
        {"\x81\x8d\x8f\x90\x9d", QStringLiteral("\u0081\u008d\u008f\u0090\u009d")},  // unassigned: kept as C1 controls
        {"\xa0\xff", QStringLiteral("\u00a0\u00ff")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromCp1252(c.bytes), c.text) << c.bytes;
        EXPECT_EQ(toCp1252(c.text), c.bytes) << c.text.toStdString();
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(toCp1252(u"a\u20ACb\u0100c"), "a\x80" "b?c");
    EXPECT_EQ(toCp1252(QStringLiteral("🚗!")), "?!");  // one mark for a character outside the BMP
}

TEST(LineSplit, LineEndsAndTheLastBreak) {
    struct Case {
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n\r\n", {"a", ""}},  // an empty last line: two breaks in a row
        {"\r\n", {""}},
        {"a\rb\nc\r\n", {"a", "b", "c"}},
        {"a\n\r\n", {"a", ""}},
        {"a\r\r\n", {"a", ""}},
        {"x\xe4y\r\n", {"x\xe4y"}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitLines(c.bytes), c.lines) << '"' << c.bytes << '"';
}

TEST(TextFile, WritesCrLfAndReadsItBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath("level.lvl");
    const std::vector<std::string> lines = {"Name", "101", "", "9120451", ""};
    ASSERT_TRUE(writeLines(path, lines));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Name\r\n101\r\n\r\n9120451\r\n\r\n"));
    EXPECT_EQ(readLines(path, {kAllLines, 1 << 20}), lines);
}

TEST(TextFile, AFailedWriteLeavesTheOldFileAndSaysWhy) {
    QTemporaryDir dir;
    const QString path = dir.filePath("level.lvl");
    const std::string old(826, 'a');
    ASSERT_EQ(writeFileAtomically(path, old), 0);
    {
        // Stops the write after 100 bytes, as a full disk would.
        const test_support::FileSizeLimit limit(100);
        EXPECT_EQ(writeFileAtomically(path, std::string(826, 'b')), EFBIG);
        EXPECT_FALSE(writeLines(path, {std::string(826, 'c')}));
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"level.lvl"});  // no temporary left

    ASSERT_TRUE(QDir(dir.path()).mkdir("ordner.lvl"));
    EXPECT_EQ(writeFileAtomically(dir.filePath("ordner.lvl"), "x"), EISDIR);
    EXPECT_EQ(writeFileAtomically(dir.filePath("kein/ordner.lvl"), "x"), ENOENT);
    EXPECT_EQ(writeFileAtomically(dir.filePath(QString(300, u'n')), "x"), ENAMETOOLONG);
}

TEST(TextFile, AWriteReplacesALinkAndNeverWritesThroughIt) {
    QTemporaryDir dir;
    QDir root(dir.path());
    ASSERT_TRUE(root.mkdir("lvlneu"));
    QFile outside(root.filePath("draussen.txt"));
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.write("bleibt");
    outside.close();
    ASSERT_TRUE(QFile::link(root.filePath("draussen.txt"), root.filePath("lvlneu/level.lvl")));

    ASSERT_EQ(writeFileAtomically(root.filePath("lvlneu/level.lvl"), "neu"), 0);
    ASSERT_TRUE(outside.open(QIODevice::ReadOnly));
    EXPECT_EQ(outside.readAll(), "bleibt");
    const QFileInfo written(root.filePath("lvlneu/level.lvl"));
    EXPECT_FALSE(written.isSymLink());
    QFile level(written.filePath());
    ASSERT_TRUE(level.open(QIODevice::ReadOnly));
    EXPECT_EQ(level.readAll(), "neu");
}

TEST(TextFile, TellsMissingFilesAndFolders) {
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("lvlneu"));
    EXPECT_EQ(readTextFile(dir.filePath("nichts.lvl"), {404, 1 << 20}).failure, FileFailure::Missing);
    EXPECT_EQ(readTextFile(dir.filePath("lvlneu"), {404, 1 << 20}).failure, FileFailure::IsFolder);
    EXPECT_FALSE(readLines(dir.filePath("nichts.lvl"), {404, 1 << 20}).has_value());
    EXPECT_FALSE(writeLines(dir.filePath("kein/ordner.lvl"), {"x"}));
}
