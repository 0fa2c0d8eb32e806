#include "platform/text/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <random>

namespace platform {
namespace {

// The error of the call that just failed; one that left no number still failed.
int lastError() { return errno != 0 ? errno : EIO; }

// A new file beside the target that nobody else uses; its descriptor, or -1 with errno set.
int createTemporary(const std::string& folder, const std::string& name, std::string& temporary) {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned long long tag = (static_cast<unsigned long long>(seed()) << 20) ^ ::getpid() ^ counter++;
        temporary = folder + "/." + name + '.' + std::to_string(tag);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        errno = 0;
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return lastError();
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

}  // namespace

int replaceFile(const std::string& folder, const std::string& name, std::string_view bytes) {
    const std::string target = folder + '/' + name;
    struct stat standing {};
    if (::lstat(target.c_str(), &standing) == 0 && S_ISDIR(standing.st_mode)) return EISDIR;

    std::string temporary;
    errno = 0;
    const int fd = createTemporary(folder, name, temporary);
    if (fd < 0) return lastError();
    int error = writeAll(fd, bytes);
    errno = 0;
    if (::close(fd) != 0 && error == 0) error = lastError();
    errno = 0;
    // rename replaces a file or a link itself, never what a link points to.
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = lastError();
    if (error != 0) ::unlink(temporary.c_str());
    return error;
}

}  // namespace platform
