#pragma once
// Files that the code under test must leave alone, and whether it did: the kernel
// reports every opening of them (inotify), also one that is closed again at once.
// A named pipe made here is guarded besides: should the code open it for reading
// after all, a writer comes and goes at once, so the reader finds it ended instead
// of waiting for one for ever, and the test fails rather than hangs.
#include <QString>

#include <atomic>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace test_support {

class UntouchedFiles {
public:
    UntouchedFiles();
    ~UntouchedFiles();
    UntouchedFiles(const UntouchedFiles&) = delete;
    UntouchedFiles& operator=(const UntouchedFiles&) = delete;

    // Watches what stands at `path` now (a file, a folder).
    void watch(const QString& path);
    // Makes a named pipe at `path` and watches it.
    void makePipe(const QString& path);
    // The watched paths opened since they were watched, each once, in order.
    std::vector<QString> opened();

private:
    void guardPipes();

    int fd_;
    std::map<int, QString> watched_;
    std::vector<QString> opened_;
    std::mutex pipesLock_;
    std::vector<QByteArray> pipes_;
    std::atomic<bool> stop_{false};
    std::thread guard_;
};

}  // namespace test_support
