#include "fuzz/tree_watch.h"

#include "fuzz/editor_session.h"

#include <QDirIterator>
#include <QFile>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace fuzz_support {
namespace {

constexpr std::uint32_t kChanges = IN_CREATE | IN_DELETE | IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_MOVED_FROM |
                                   IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;

}  // namespace

bool TreeWatch::Change::isFolder() const { return (mask & IN_ISDIR) != 0; }

TreeWatch::TreeWatch(const QString& root) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    require(fd_ >= 0);
    watchTree(root);
}

TreeWatch::~TreeWatch() { ::close(fd_); }

void TreeWatch::watchTree(const QString& folder) {
    const int watch = inotify_add_watch(fd_, QFile::encodeName(folder).constData(), kChanges);
    require(watch >= 0);
    folders_[watch] = folder;
    QDirIterator below(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (below.hasNext()) watchTree(below.next());
}

std::vector<TreeWatch::Change> TreeWatch::changes() {
    std::vector<Change> found;
    alignas(inotify_event) std::array<char, 64 * 1024> buffer;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            require(got < 0 && errno == EAGAIN);
            return found;
        }
        for (ssize_t at = 0; at < got;) {
            inotify_event event;
            std::memcpy(&event, buffer.data() + at, sizeof event);
            const char* name = buffer.data() + at + sizeof event;
            const auto folder = folders_.find(event.wd);
            found.push_back({folder == folders_.end() ? QString() : folder->second,
                             event.len > 0 ? QFile::decodeName(name) : QString(), event.mask});
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
}

}  // namespace fuzz_support
