#pragma once
// Replacing a file complete or not at all, without ever following a link: the
// bytes go into a new temporary file beside the target (a short name of its own,
// so any name the file system takes can be written), which is then renamed over
// the target's name. What stood there (a file, or a link, but never what a link
// points to) is replaced only once everything is written; a write that fails
// part-way leaves it untouched. Plain C++ on POSIX calls, shared by the installer
// and the editor's save.
#include <string>
#include <string_view>

namespace platform {

enum class Durability {
    // The new file may still wait in the system's cache when the call returns.
    Cached,
    // The bytes are on disk before the rename and the folder's entry after it, so a
    // power cut leaves the old file or the new one, whole.
    OnDisk,
};

// `folder` must exist; `name` is a plain file name in it. Returns 0, or the errno
// of the call that failed (EFBIG for a full disk or a file size limit, EISDIR when
// a folder stands at the name).
int replaceFile(const std::string& folder, const std::string& name, std::string_view bytes, Durability durability);

}  // namespace platform
