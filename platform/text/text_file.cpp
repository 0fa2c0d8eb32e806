#include "text_file.h"

#include "platform/paths.h"
#include "platform/text/line_split.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

// Reads from fd until `limit` is met; the bytes taken, or why not.
FileFailure readWithin(int fd, ReadLimit limit, std::string& bytes) {
    for (;;) {
        if (limit.lines != kAllLines) {
            const std::string_view withinBound = std::string_view(bytes).substr(0, limit.bytes);
            if (const auto length = lengthOfLines(withinBound, limit.lines)) {
                bytes.resize(*length);
                return FileFailure::None;
            }
        }
        // One byte past the bound tells a file that ends there from one that goes on.
        if (bytes.size() > limit.bytes) return FileFailure::TooLong;
        const std::size_t start = bytes.size();
        const std::size_t wanted = std::min(kChunk, limit.bytes + 1 - start);
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

TextFileRead readTextFile(const QString& path, ReadLimit limit) {
    const QByteArray real = QFile::encodeName(resolvePath(path));
    struct stat info {};
    if (::stat(real.constData(), &info) != 0)
        return {{}, errno == ENOENT || errno == ENOTDIR ? FileFailure::Missing : FileFailure::Unreadable};
    if (const FileFailure kind = kindOf(info); kind != FileFailure::None) return {{}, kind};
    // Not blocking, and checked again once open: a file swapped for a pipe meanwhile cannot hold the program up.
    const OpenFile file(::open(real.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) return {{}, FileFailure::Unreadable};
    if (::fstat(file.fd(), &info) != 0) return {{}, FileFailure::Unreadable};
    if (const FileFailure kind = kindOf(info); kind != FileFailure::None) return {{}, kind};

    std::string bytes;
    if (const FileFailure failure = readWithin(file.fd(), limit, bytes); failure != FileFailure::None)
        return {{}, failure};
    return {splitLines(bytes), FileFailure::None};
}

std::optional<std::vector<std::string>> readLines(const QString& path, ReadLimit limit) {
    TextFileRead read = readTextFile(path, limit);
    if (!read.ok()) return std::nullopt;
    return std::move(read.lines);
}

namespace {

// The error of the call that just failed; one that left no number still failed.
int lastError() { return errno != 0 ? errno : EIO; }

}  // namespace

int writeFileAtomically(const QString& path, std::string_view bytes) {
    const QString real = resolvePath(path);
    if (QFileInfo(real).isDir()) return EISDIR;
    QSaveFile file(real);
    errno = 0;
    // Unbuffered: a short write (a full disk) shows here; a buffered one would
    // fail unseen while committing and leave a cut-off file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return lastError();
    const auto size = static_cast<qint64>(bytes.size());
    errno = 0;
    if (file.write(bytes.data(), size) != size) {
        const int error = lastError();
        file.cancelWriting();
        return error;
    }
    errno = 0;
    if (!file.commit()) return lastError();
    return 0;
}

bool writeLines(const QString& path, const std::vector<std::string>& lines) {
    return writeFileAtomically(path, joinCrLfLines(lines)) == 0;
}

}  // namespace platform
