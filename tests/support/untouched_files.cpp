#include "tests/support/untouched_files.h"

#include <QFile>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace test_support {

UntouchedFiles::UntouchedFiles() : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)), guard_([this] { guardPipes(); }) {
    EXPECT_GE(fd_, 0) << "inotify";
}

UntouchedFiles::~UntouchedFiles() {
    stop_ = true;
    guard_.join();
    if (fd_ >= 0) ::close(fd_);
}

void UntouchedFiles::watch(const QString& path) {
    const int watch = ::inotify_add_watch(fd_, QFile::encodeName(path).constData(), IN_OPEN);
    ASSERT_GE(watch, 0) << path.toStdString();
    watched_[watch] = path;
}

void UntouchedFiles::makePipe(const QString& path) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
    watch(path);
    const std::lock_guard lock(pipesLock_);
    pipes_.push_back(QFile::encodeName(path));
}

std::vector<QString> UntouchedFiles::opened() {
    alignas(inotify_event) char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got <= 0) break;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            const auto found = watched_.find(event->wd);
            if ((event->mask & IN_OPEN) && found != watched_.end() &&
                std::find(opened_.begin(), opened_.end(), found->second) == opened_.end())
                opened_.push_back(found->second);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return opened_;
}

// A writer's opening without waiting succeeds only while some reader has the pipe
// open, waiting or not; it wakes a waiting reader, and its closing ends the pipe for it.
void UntouchedFiles::guardPipes() {
    while (!stop_) {
        std::vector<QByteArray> pipes;
        {
            const std::lock_guard lock(pipesLock_);
            pipes = pipes_;
        }
        for (const QByteArray& pipe : pipes) {
            const int writer = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (writer >= 0) ::close(writer);
        }
        std::this_thread::yield();
    }
}

}  // namespace test_support
