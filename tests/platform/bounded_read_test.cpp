// Reading files within bounds: only a regular file is opened, a text file is
// read up to the end of the last line asked for, and a file that gives neither
// its lines nor its end within the byte bound is refused as too long.
#include "platform/files/file_reading.h"
#include "platform/files/text_file.h"
#include "platform/picture.h"
#include "platform/text/line_split.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

class BoundedRead : public testing::Test {
protected:
    QString write(const char* name, const std::string& bytes) const {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    // A file of `size` bytes that holds only `head` on disk, the rest a hole of zero bytes.
    QString sparse(const char* name, const std::string& head, qint64 size) const {
        const QString path = write(name, head);
        EXPECT_EQ(::truncate(QFile::encodeName(path).constData(), size), 0);
        return path;
    }
    QString path(const char* name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

std::string numberedLines(int count, const char* lineBreak = "\r\n") {
    std::string bytes;
    for (int i = 1; i <= count; ++i) bytes += std::to_string(i) + lineBreak;
    return bytes;
}

}  // namespace

TEST(LineSplit, TheLengthOfTheFirstLines) {
    struct Case {
        std::string bytes;
        std::size_t count;
        std::optional<std::size_t> length;
    };
    const Case cases[] = {
        {"", 1, std::nullopt},
        {"a", 1, std::nullopt},  // a line without its break may still go on
        {"a\r\nb\r\n", 1, 3},
        {"a\r\nb\r\n", 2, 6},
        {"a\r\nb\r\n", 3, std::nullopt},
        {"a\rb\nc", 2, 4},
        {"a\r", 1, 2},  // a CR at the end ends the line; a LF after it would add nothing
        {"\r\n\r\n", 2, 4},
        {"a\n\r\n", 2, 4},
        {"abc", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.bytes << "\" " << c.count);
        EXPECT_EQ(lengthOfLines(c.bytes, c.count), c.length);
        if (c.length) {
            EXPECT_EQ(splitLines(std::string_view(c.bytes).substr(0, *c.length)).size(), c.count);
        }
    }
}

TEST_F(BoundedRead, StopsAtTheEndOfTheLastLineAskedFor) {
    struct Case {
        const char* what;
        std::string bytes;
        ReadLimit limit;
        std::size_t lines;
        FileFailure failure;
    };
    const std::string level = numberedLines(404);
    const Case cases[] = {
        {"exactly the lines", level, {404, 1 << 20}, 404, FileFailure::None},
        {"more lines than asked for", numberedLines(2000), {404, 1 << 20}, 404, FileFailure::None},
        {"the rest beyond the bound", level + std::string(3 << 20, 'x'), {404, 1 << 20}, 404, FileFailure::None},
        {"fewer lines", numberedLines(120), {404, 1 << 20}, 120, FileFailure::None},
        {"the last line without a break", level.substr(0, level.size() - 2), {404, 1 << 20}, 404, FileFailure::None},
        {"lone line feeds", numberedLines(500, "\n"), {404, 1 << 20}, 404, FileFailure::None},
        {"no end of line within the bound", std::string((1 << 20) + 1, 'x'), {404, 1 << 20}, 0, FileFailure::TooLong},
        {"the last break begins at the bound", std::string((1 << 10) - 1, 'x') + "\r\nrest", {1, 1 << 10}, 1,
         FileFailure::None},
        {"the last break begins beyond it", std::string(1 << 10, 'x') + "\r\nrest", {1, 1 << 10}, 0,
         FileFailure::TooLong},
        {"every line, up to the bound", std::string(1 << 10, '\n'), {kAllLines, 1 << 10}, 1 << 10,
         FileFailure::None},
        {"every line, one byte more", std::string((1 << 10) + 1, '\n'), {kAllLines, 1 << 10}, 0,
         FileFailure::TooLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TextFileRead read = readTextFile(write("datei.lvl", c.bytes), c.limit);
        EXPECT_EQ(read.failure, c.failure);
        EXPECT_EQ(read.lines.size(), c.lines);
    }
    const TextFileRead read = readTextFile(write("datei.lvl", numberedLines(450)), {404, 1 << 20});
    EXPECT_EQ(read.lines.front(), "1");
    EXPECT_EQ(read.lines.back(), "404");
}

TEST_F(BoundedRead, AHugeSparseFileIsRefusedAfterTheBound) {
    // 3 GB on the file system, a few bytes on disk: read whole, it would take seconds and gigabytes.
    const QString huge = sparse("level1.lev", "Name\r\n", qint64{3} << 30);
    const TextFileRead read = readTextFile(huge, {404, 1 << 20});
    EXPECT_EQ(read.failure, FileFailure::TooLong);
    EXPECT_TRUE(read.lines.empty());

    // A level followed by gigabytes is read as its first 404 lines.
    const std::string level = numberedLines(404);
    const QString tail = sparse("lang.lvl", level, qint64{3} << 30);
    const TextFileRead levelRead = readTextFile(tail, {404, 1 << 20});
    EXPECT_EQ(levelRead.failure, FileFailure::None);
    EXPECT_EQ(levelRead.lines.size(), 404u);
}

TEST_F(BoundedRead, OnlyARegularFileIsOpened) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.lev")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", path("null.lvl")));
    ASSERT_TRUE(QFile::link(path("pipe.lev"), path("zur-pipe.lvl")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("ordner.lvl"));
    ASSERT_TRUE(QFile::link(write("echt.lvl", "Echt\r\n"), path("verweis.lvl")));
    struct Case {
        const char* name;
        FileFailure failure;
    };
    const Case cases[] = {
        {"pipe.lev", FileFailure::IsPipe},       // opening it would wait for a writer for ever
        {"zur-pipe.lvl", FileFailure::IsPipe},   // also behind a link
        {"null.lvl", FileFailure::IsDevice},     // endless zeros
        {"ordner.lvl", FileFailure::IsFolder},
        {"fehlt.lvl", FileFailure::Missing},
        {"verweis.lvl", FileFailure::None},      // a link to a regular file is read
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readTextFile(path(c.name), {404, 1 << 20}).failure, c.failure);
    }
    EXPECT_EQ(readTextFile("/dev/null", {404, 1 << 20}).failure, FileFailure::IsDevice);
}

TEST_F(BoundedRead, PicturesAndWholeFilesComeOnlyFromRegularFilesWithinTheirBound) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.bmp")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", path("null.bmp")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("ordner.bmp"));
    for (const char* name : {"pipe.bmp", "null.bmp", "ordner.bmp", "fehlt.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(tryLoadPictureFile(path(name)).has_value());
        const Picture blank = loadPictureFile(path(name));
        EXPECT_TRUE(blank.isEmpty());
        EXPECT_EQ(blank.sourcePath(), path(name));
    }
    struct Case {
        const char* name;
        std::size_t bound;
        FileFailure failure;
        std::size_t size;
    };
    write("klein.wav", std::string(100, 'w'));
    const Case cases[] = {
        {"klein.wav", 100, FileFailure::None, 100},  {"klein.wav", 99, FileFailure::TooLong, 0},
        {"pipe.bmp", 100, FileFailure::IsPipe, 0},   {"null.bmp", 100, FileFailure::IsDevice, 0},
        {"ordner.bmp", 100, FileFailure::IsFolder, 0}, {"fehlt.bmp", 100, FileFailure::Missing, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes;
        EXPECT_EQ(readRegularFile(path(c.name), c.bound, bytes), c.failure);
        EXPECT_EQ(bytes.size(), c.size);
    }
}

// A pipe whose writer has already written, and devices that give nothing, fill any
// buffer or answer only at a position: each refused as it stands, and the pipe
// keeps every byte its writer put in.
TEST_F(BoundedRead, APipeWithAWriterAndEndlessDevicesAreRefusedUntouched) {
    const QByteArray fifo = QFile::encodeName(path("bild.bmp"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const int writer = ::open(fifo.constData(), O_RDWR | O_NONBLOCK);  // reader and writer: the open never waits
    ASSERT_GE(writer, 0);
    const std::string written = "BM a picture through a pipe";
    ASSERT_EQ(::write(writer, written.data(), written.size()), static_cast<ssize_t>(written.size()));
    std::string bytes;
    EXPECT_EQ(readRegularFile(path("bild.bmp"), 1 << 20, bytes), FileFailure::IsPipe);
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(tryLoadPictureFile(path("bild.bmp")).has_value());
    std::string left(written.size() + 1, '\0');
    EXPECT_EQ(::read(writer, left.data(), left.size()), static_cast<ssize_t>(written.size()));
    left.resize(written.size());
    EXPECT_EQ(left, written);
    ::close(writer);

    for (const char* device : {"/dev/urandom", "/dev/zero", "/dev/null"}) {
        SCOPED_TRACE(device);
        for (const std::size_t bound : {std::size_t{100}, std::size_t{1} << 20}) {
            EXPECT_EQ(readRegularFile(device, bound, bytes), FileFailure::IsDevice);
            EXPECT_TRUE(bytes.empty());
        }
    }
}
