#include "file_reading.h"

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

}  // namespace

FileFailure readRegularFile(const QString& realPath, std::size_t maxBytes, std::string& bytes,
                            const EnoughBytes& enough) {
    bytes.clear();
    const QByteArray real = QFile::encodeName(realPath);
    struct stat info {};
    if (::stat(real.constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? FileFailure::Missing : FileFailure::Unreadable;
    if (const FileFailure kind = kindOf(info); kind != FileFailure::None) return kind;
    // Not blocking, and checked again once open: a file swapped for a pipe meanwhile cannot hold the program up.
    const OpenFile file(::open(real.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) return FileFailure::Unreadable;
    if (::fstat(file.fd(), &info) != 0) return FileFailure::Unreadable;
    if (const FileFailure kind = kindOf(info); kind != FileFailure::None) return kind;
    const FileFailure failure = readWithin(file.fd(), maxBytes, bytes, enough);
    if (failure != FileFailure::None) bytes.clear();
    return failure;
}

}  // namespace platform
