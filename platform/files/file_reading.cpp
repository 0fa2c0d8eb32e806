#include "file_reading.h"

#include "platform/paths.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace platform {
namespace {

constexpr std::size_t kChunk = 64 * 1024;
// Every picture, level, wave and help page of ours is smaller than this: it comes
// whole with the first read, and the byte past it tells that the file ended.
constexpr std::size_t kFirstRead = 64 * 1024 + 1;

// Where the first read goes, reused from call to call, so that no call clears a
// buffer of this size before reading into it. One per thread, as any thread may
// read a file; nothing stays in it past a call, and nothing runs between the
// read into it and the copy out of it, so a reader can never meet another's
// bytes there.
char* firstReadBuffer() {
    thread_local const std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(kFirstRead);
    return buffer.get();
}

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

FileFailure kindOf(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return FileFailure::None;
    if (S_ISDIR(info.st_mode)) return FileFailure::IsFolder;
    if (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) return FileFailure::IsPipe;
    return FileFailure::IsDevice;
}

// One read of up to `wanted` bytes that continues the bytes read so far: at their
// end where the file takes positioned reads, else from where the last read stopped.
ssize_t readOn(int fd, bool positioned, char* into, std::size_t wanted, std::size_t readSoFar) {
    ssize_t got;
    do {
        got = positioned ? ::pread(fd, into, wanted, static_cast<off_t>(readSoFar)) : ::read(fd, into, wanted);
    } while (got < 0 && errno == EINTR);
    return got;
}

// Whether `enough` finds the bytes read so far sufficient; they are then cut to what it says.
bool isEnough(std::string& bytes, const EnoughBytes& enough) {
    if (!enough) return false;
    const auto length = enough(bytes);
    if (length) bytes.resize(std::min(*length, bytes.size()));
    return length.has_value();
}

FileFailure readWithin(int fd, bool positioned, std::size_t maxBytes, std::string& bytes, const EnoughBytes& enough) {
    for (;;) {
        if (isEnough(bytes, enough)) return FileFailure::None;
        // One byte past the bound tells a file that ends there from one that goes on.
        if (bytes.size() > maxBytes) return FileFailure::TooLong;
        const std::size_t start = bytes.size();
        const std::size_t wanted = std::min(kChunk, maxBytes + 1 - start);
        bytes.resize(start + wanted);
        const ssize_t got = readOn(fd, positioned, bytes.data() + start, wanted, start);
        bytes.resize(start + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
        if (got < 0) return FileFailure::Unreadable;
        if (got == 0) return FileFailure::None;
    }
}

// What stands at a path that cannot be opened for reading: a socket, say, is a pipe.
FileFailure whyNotOpened(const QByteArray& real, int error) {
    if (error == ENOENT || error == ENOTDIR) return FileFailure::Missing;
    struct stat info {};
    if (::stat(real.constData(), &info) == 0) {
        if (const FileFailure kind = kindOf(info); kind != FileFailure::None) return kind;
    }
    return FileFailure::Unreadable;
}

// A regular file whose first read did not end it, or failed: the rest is asked for
// in one read, to the size the look at the open file showed and one byte more;
// when exactly that many come, the file has ended. A file that grows or shrinks
// meanwhile is read on as usual.
FileFailure readRest(int fd, bool positioned, const struct stat& info, std::size_t maxBytes, std::string& bytes,
                     const EnoughBytes& enough) {
    const std::size_t start = bytes.size();
    const std::size_t expected = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    const std::size_t end = std::min(expected, maxBytes) + 1;
    if (start >= end) return readWithin(fd, positioned, maxBytes, bytes, enough);
    if (isEnough(bytes, enough)) return FileFailure::None;
    bytes.resize(end);
    const ssize_t got = readOn(fd, positioned, bytes.data() + start, end - start, start);
    bytes.resize(start + static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got < 0) return FileFailure::Unreadable;
    if (bytes.size() == expected && expected < end) {
        isEnough(bytes, enough);
        return FileFailure::None;
    }
    return readWithin(fd, positioned, maxBytes, bytes, enough);
}

// Opens the file without waiting (a pipe opened so cannot hold the program up) and
// reads it at once, from its start, into the reused buffer: a positioned read,
// which a pipe, a socket or a terminal refuses without giving up any of its
// bytes. When the read brings fewer bytes than asked and at least one, the file
// has ended there, and its kind is not asked for: three system calls in all
// (open, read, close). Whenever the read fails, brings nothing or fills the
// buffer, the open file is looked at: a pipe, a device (/dev/null brings nothing,
// /dev/zero fills any buffer) or a folder is refused, and a regular file is read
// on. A device that can be read at a position and answers at once with a few
// bytes (the kernel's log, say) is so read as a file of those bytes: never more
// than the bound, and never waiting.
FileFailure readOpened(const QByteArray& real, std::size_t maxBytes, std::string& bytes, const EnoughBytes& enough) {
    const OpenFile file(::open(real.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) return whyNotOpened(real, errno);
    char* const buffer = firstReadBuffer();
    const std::size_t asked = std::min(maxBytes, kFirstRead - 1) + 1;
    const ssize_t got = readOn(file.fd(), true, buffer, asked, 0);
    const int readError = got < 0 ? errno : 0;
    if (got > 0 && static_cast<std::size_t>(got) < asked) {
        bytes.assign(buffer, static_cast<std::size_t>(got));
        isEnough(bytes, enough);
        return FileFailure::None;
    }
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0) return FileFailure::Unreadable;
    if (const FileFailure kind = kindOf(info); kind != FileFailure::None) return kind;
    // A regular file that refuses positioned reads (some of /proc) is read as a stream.
    const bool positioned = readError != ESPIPE;
    if (got < 0 && positioned) return FileFailure::Unreadable;
    bytes.assign(buffer, static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    return readRest(file.fd(), positioned, info, maxBytes, bytes, enough);
}

// `asWritten` is the look-up's first guess; `resolve` the look-up itself, which
// reads folders and so runs only when that guess is no regular file.
template <class Resolve>
FileFailure readFound(const QByteArray& asWritten, const Resolve& resolve, std::size_t maxBytes, std::string& bytes,
                      const EnoughBytes& enough, QString* foundAt) {
    FileFailure failure = readOpened(asWritten, maxBytes, bytes, enough);
    if (failure == FileFailure::None) {
        // What the look-up would find: the path as written names a regular file.
        if (foundAt) *foundAt = QFile::decodeName(asWritten);
        return failure;
    }
    bytes.clear();
    const QString real = resolve();
    if (foundAt) *foundAt = real;
    if (const QByteArray native = QFile::encodeName(real); native != asWritten)
        failure = readOpened(native, maxBytes, bytes, enough);
    if (failure != FileFailure::None) bytes.clear();
    return failure;
}

}  // namespace

FileFailure readRegularFile(const QString& realPath, std::size_t maxBytes, std::string& bytes,
                            const EnoughBytes& enough) {
    bytes.clear();
    const FileFailure failure = readOpened(QFile::encodeName(realPath), maxBytes, bytes, enough);
    if (failure != FileFailure::None) bytes.clear();
    return failure;
}

FileFailure readDataFile(std::string_view dataPath, std::size_t maxBytes, std::string& bytes, const EnoughBytes& enough) {
    bytes.clear();
    return readFound(dataPathAsWritten(dataPath), [dataPath] { return resolveDataPath(dataPath); }, maxBytes, bytes,
                     enough, nullptr);
}

FileFailure readFileAt(const QString& path, std::size_t maxBytes, std::string& bytes, const EnoughBytes& enough,
                       QString* foundAt) {
    bytes.clear();
    return readFound(pathAsWritten(path), [&path] { return resolvePath(path); }, maxBytes, bytes, enough, foundAt);
}

}  // namespace platform
