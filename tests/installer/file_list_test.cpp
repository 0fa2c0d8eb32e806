// "\dateien.lst" as the installer writes it, and the agreement of two runs.
#include "installed_run.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>

#include <gtest/gtest.h>

using installer_test::firstRun;
using installer_test::readAll;
using installer_test::secondRun;

namespace {

QStringList listLines() {
    const QByteArray bytes = readAll(firstRun() + "/dateien.lst");
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    // The line break after the last line does not start a further line.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// Every file below a folder, as a path relative to it with "/".
QSet<QString> filesBelow(const QString& folder) {
    QSet<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) files.insert(QDir(folder).relativeFilePath(it.next()));
    return files;
}

}  // namespace

TEST(FileList, KeepsTheRulesOfItsFormat) {
    const QByteArray bytes = readAll(firstRun() + "/dateien.lst");
    ASSERT_FALSE(bytes.isEmpty());
    EXPECT_TRUE(bytes.endsWith("\r\n\r\n")) << "the last line is empty";
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << "CR LF only";
    const QStringList lines = listLines();
    ASSERT_LE(lines.size(), 32767);
    int headers = 0;
    int fileLines = 0;
    bool inSection = false;
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            inSection = false;
            continue;
        }
        EXPECT_GE(line.size(), 2) << line.toStdString();
        const bool header = line.startsWith('\\') || line.startsWith('[');
        if (header) {
            EXPECT_FALSE(inSection) << "section before " << line.toStdString() << " is closed";
            if (line.startsWith('\\')) {
                EXPECT_TRUE(line.endsWith('\\')) << line.toStdString();
            } else {
                EXPECT_EQ(line, "[]");
            }
            ++headers;
            inSection = true;
        } else {
            EXPECT_TRUE(inSection) << line.toStdString() << " belongs to a section";
            ++fileLines;
        }
    }
    EXPECT_FALSE(inSection) << "the last section is closed";
    EXPECT_EQ(headers, 9);
    EXPECT_LE(fileLines, 32767);
}

TEST(FileList, ListsExactlyTheFilesOfTheFolder) {
    QSet<QString> listed;
    qint64 total = 0;
    QString prefix;
    for (const QString& line : listLines()) {
        if (line.isEmpty()) {
            prefix.clear();
        } else if (line.startsWith('\\')) {
            prefix = line.mid(1);
        } else if (line.startsWith('[')) {
            prefix = line.mid(1, line.size() - 2);
        } else {
            QString path = prefix + line;
            path.replace('\\', '/');
            EXPECT_FALSE(listed.contains(path)) << path.toStdString() << " listed twice";
            listed.insert(path);
            const QFileInfo info(firstRun() + "/" + path);
            EXPECT_TRUE(info.isFile()) << path.toStdString();
            total += info.size();
        }
    }
    QSet<QString> present = filesBelow(firstRun());
    present.remove(QStringLiteral("dateien.lst"));
    EXPECT_EQ(listed, present);
    EXPECT_TRUE(listed.contains(QStringLiteral("tavrik.exe")));
    EXPECT_LE(total, qint64(2147483647));
}

TEST(FileList, TwoRunsWriteTheSameBytes) {
    const QSet<QString> first = filesBelow(firstRun());
    ASSERT_EQ(first, filesBelow(secondRun()));
    for (const QString& path : first)
        EXPECT_EQ(readAll(firstRun() + "/" + path), readAll(secondRun() + "/" + path)) << path.toStdString();
}
