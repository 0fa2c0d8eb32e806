#include "file_reading.h"

#include "platform/paths.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace platform {
namespace {

constexpr std::size_t kChunk = 64 * 1024;

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

FileFailure readWithin(int fd, std::size_t maxBytes, std::string& bytes, const EnoughBytes& enough) {
    for (;;) {
        if (enough) {
            if (const auto length = enough(bytes)) {
                bytes.resize(std::min(*length, bytes.size()));
                return FileFailure::None;
            }
        }
        // One byte past the bound tells a file that ends there from one that goes on.
        if (bytes.size() > maxBytes) return FileFailure::TooLong;
        const std::size_t start = bytes.size();
        const std::size_t wanted = std::min(kChunk, maxBytes + 1 - start);
        bytes.resize(start + wanted);
        ssize_t got;
        do {
            got = ::read(fd, bytes.data() + start, wanted);
        } while (got < 0 && errno == EINTR);
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

// Opens the file without waiting (a pipe opened so cannot hold the program up),
// and reads it only once the open file has shown itself a regular file. One read
// asks for the whole file as that look showed it and one byte more: when exactly
// that many bytes come, the file has ended, and no further read is needed to see
// it end. A file that grows or shrinks meanwhile is read on as usual.
FileFailure readOpened(const QByteArray& real, std::size_t maxBytes, std::string& bytes, const EnoughBytes& enough) {
    const OpenFile file(::open(real.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) return whyNotOpened(real, errno);
    struct stat info {};
    if (::fstat(file.fd(), &info) != 0) return FileFailure::Unreadable;
    if (const FileFailure kind = kindOf(info); kind != FileFailure::None) return kind;
    const std::size_t expected = static_cast<std::size_t>(std::max<off_t>(info.st_size, 0));
    const std::size_t first = std::min(expected, maxBytes) + 1;
    bytes.resize(first);
    ssize_t got;
    do {
        got = ::read(file.fd(), bytes.data(), first);
    } while (got < 0 && errno == EINTR);
    bytes.resize(static_cast<std::size_t>(std::max<ssize_t>(got, 0)));
    if (got < 0) return FileFailure::Unreadable;
    if (static_cast<std::size_t>(got) == expected && expected < first) {
        if (enough) {
            if (const auto length = enough(bytes)) bytes.resize(std::min(*length, bytes.size()));
        }
        return FileFailure::None;
    }
    return readWithin(file.fd(), maxBytes, bytes, enough);
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
