// How a replaced file reaches the disk, seen at the system calls themselves: this
// program's own fsync and rename stand in front of the C library's, note each
// call and pass it on (or fail it, as a disk that reports an error would).
#include "platform/text/file_replace.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

struct Call {
    std::string what;  // "fsync" or "rename"
    std::string path;  // the synced file or folder; the renamed file
    std::string to;    // where it was renamed to
    bool operator==(const Call&) const = default;
};

struct Disk {
    std::vector<Call> calls;
    int failSyncWith = 0;  // the error every fsync reports, 0 for none
};

Disk& disk() {
    static Disk noted;
    return noted;
}

std::string pathOf(int fd) {
    char path[PATH_MAX] = {};
    const ssize_t length = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

template <typename Function>
Function libraryCall(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" int fsync(int fd) {
    disk().calls.push_back({"fsync", pathOf(fd), {}});
    if (disk().failSyncWith != 0) {
        errno = disk().failSyncWith;
        return -1;
    }
    static const auto real = libraryCall<int (*)(int)>("fsync");
    return real(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    disk().calls.push_back({"rename", from, to});
    static const auto real = libraryCall<int (*)(const char*, const char*)>("rename");
    return real(from, to);
}

namespace {

using platform::Durability;

class FileReplaceTest : public testing::Test {
protected:
    FileReplaceTest() {
        char pattern[] = "/tmp/pendix-replace-XXXXXX";
        folder_ = ::mkdtemp(pattern);
        disk() = {};
    }
    ~FileReplaceTest() override {
        disk() = {};
        std::filesystem::remove_all(folder_);
    }

    std::string contentOf(const std::string& name) const {
        std::ifstream file(folder_ + '/' + name, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    }

    std::string folder_;
};

// The new bytes are on disk before the name points at them, and the folder's
// entry after: a power cut leaves the old file or the new one, whole. A cached
// replacement waits for nothing.
TEST_F(FileReplaceTest, TheBytesReachTheDiskBeforeTheRenameAndTheFolderAfter) {
    ASSERT_EQ(platform::replaceFile(folder_, "level.lvl", "alt", Durability::OnDisk), 0);
    disk().calls.clear();
    ASSERT_EQ(platform::replaceFile(folder_, "level.lvl", "neu", Durability::OnDisk), 0);

    ASSERT_EQ(disk().calls.size(), 3u);
    const std::string temporary = disk().calls[1].path;
    EXPECT_EQ(disk().calls[0], (Call{"fsync", temporary, {}}));
    EXPECT_EQ(disk().calls[1], (Call{"rename", temporary, folder_ + "/level.lvl"}));
    EXPECT_EQ(disk().calls[2], (Call{"fsync", folder_, {}}));
    EXPECT_EQ(std::filesystem::path(temporary).parent_path(), folder_);
    EXPECT_EQ(contentOf("level.lvl"), "neu");

    disk().calls.clear();
    ASSERT_EQ(platform::replaceFile(folder_, "level.lvl", "schnell", Durability::Cached), 0);
    ASSERT_EQ(disk().calls.size(), 1u);
    EXPECT_EQ(disk().calls[0].what, "rename");
    EXPECT_EQ(contentOf("level.lvl"), "schnell");
}

// The temporary file's name is the same length for every target, so a target
// whose name fills the file system's limit is written too.
TEST_F(FileReplaceTest, TheTemporaryNameIsShortWhateverTheTarget) {
    std::vector<std::size_t> lengths;
    for (const std::string& name : {std::string("a"), std::string(255, 'y')}) {
        disk().calls.clear();
        ASSERT_EQ(platform::replaceFile(folder_, name, "x", Durability::OnDisk), 0);
        ASSERT_EQ(disk().calls.size(), 3u);
        lengths.push_back(std::filesystem::path(disk().calls[1].path).filename().string().size());
    }
    EXPECT_EQ(lengths[0], lengths[1]);
    EXPECT_LE(lengths[0], 32u);
    EXPECT_EQ(names(), (std::vector<std::string>{"a", std::string(255, 'y')}));
}

// A disk that cannot confirm the bytes: the old file stays, nothing else is left.
TEST_F(FileReplaceTest, ABytesSyncThatFailsLeavesTheOldFile) {
    ASSERT_EQ(platform::replaceFile(folder_, "level.lvl", "alt", Durability::OnDisk), 0);
    disk().calls.clear();
    disk().failSyncWith = EIO;
    EXPECT_EQ(platform::replaceFile(folder_, "level.lvl", "neu", Durability::OnDisk), EIO);
    ASSERT_EQ(disk().calls.size(), 1u);
    EXPECT_EQ(disk().calls[0].what, "fsync");
    EXPECT_EQ(contentOf("level.lvl"), "alt");
    EXPECT_EQ(names(), std::vector<std::string>{"level.lvl"});
}

}  // namespace
