#pragma once
// Every change to the entries of a folder tree, as the kernel reports it
// (inotify): a file or folder created, written, renamed, removed or given other
// attributes, in the tree's root or any folder below it. Unlike a comparison of
// listings it also sees a file that was written and removed again in between.
#include <QString>

#include <cstdint>
#include <map>
#include <vector>

namespace fuzz_support {

class TreeWatch {
public:
    // Watches `root` and every folder below it as they stand now.
    explicit TreeWatch(const QString& root);
    ~TreeWatch();
    TreeWatch(const TreeWatch&) = delete;
    TreeWatch& operator=(const TreeWatch&) = delete;

    struct Change {
        QString folder;  // the watched folder the entry lies in
        QString name;    // the entry's name as the file system holds it; empty for the folder itself
        std::uint32_t mask;
        bool isFolder() const;
    };
    // Every change since the last call, in order. The kernel's queue never runs
    // over between two calls here; should it, that is reported as a change too.
    std::vector<Change> changes();

private:
    void watchTree(const QString& folder);
    int fd_;
    std::map<int, QString> folders_;
};

}  // namespace fuzz_support
