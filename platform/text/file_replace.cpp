#include "platform/text/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

namespace platform {
namespace {

// The error of the call that just failed; one that left no number still failed.
int lastError() { return errno != 0 ? errno : EIO; }

// A name of its own length, whatever the target's: a target whose name fills the
// file system's limit still gets a temporary beside it.
std::string temporaryName(std::mt19937_64& random) {
    char name[32];
    std::snprintf(name, sizeof name, ".~%016llx.tmp", static_cast<unsigned long long>(random()));
    return name;
}

// A new file beside the target that nobody else uses; its descriptor, or -1 with errno set.
int createTemporary(const std::string& folder, std::string& temporary) {
    std::random_device seed;
    std::mt19937_64 random((std::uint64_t{seed()} << 32) ^ seed() ^ static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folder + '/' + temporaryName(random);
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

// A file system that cannot sync a file says EINVAL; there is nothing to wait for then.
int syncToDisk(int fd) {
    errno = 0;
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : lastError();
}

// The folder's entry for the renamed file, on disk. The file stands in place
// already, so a folder that cannot be synced changes nothing of the result.
void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

int replaceFile(const std::string& folder, const std::string& name, std::string_view bytes, Durability durability) {
    const std::string target = folder + '/' + name;
    struct stat standing {};
    if (::lstat(target.c_str(), &standing) == 0 && S_ISDIR(standing.st_mode)) return EISDIR;

    std::string temporary;
    errno = 0;
    const int fd = createTemporary(folder, temporary);
    if (fd < 0) return lastError();
    int error = writeAll(fd, bytes);
    if (error == 0 && durability == Durability::OnDisk) error = syncToDisk(fd);
    errno = 0;
    if (::close(fd) != 0 && error == 0) error = lastError();
    errno = 0;
    // rename replaces a file or a link itself, never what a link points to.
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = lastError();
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    if (durability == Durability::OnDisk) syncFolder(folder);
    return 0;
}

}  // namespace platform
