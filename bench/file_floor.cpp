#include "file_floor.h"

#include <fcntl.h>
#include <unistd.h>

namespace bench {

long FileFloor::readAll() {
    long total = 0;
    for (const std::string& path : paths_) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return 0;
        const ssize_t got = ::read(fd, buffer_.data(), buffer_.size());
        ::close(fd);
        if (got < 0) return 0;
        total += got;
    }
    return total;
}

}  // namespace bench
