#pragma once
// Reading a file's bytes: only a regular file (or a link to one) is read, since a
// named pipe would hold the program until some writer comes and a device may
// never end, and never more than a bound is read. A file is opened without
// waiting and read at once from its start by a positioned read, which a pipe or a
// terminal refuses without giving up its bytes; whenever that read does not end in
// a whole file (it fails, brings nothing or fills its buffer), the open file is
// looked at before anything more is read. Text files, pictures and waves all come
// through here.
#include <QString>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class FileFailure {
    None,
    Missing,
    IsFolder,
    IsPipe,    // a named pipe or a socket: reading would wait for a writer
    IsDevice,  // a device such as /dev/zero: it may never end
    Unreadable,
    TooLong,  // more than the bound, and not enough before it
};

// How many of the bytes read so far are enough, or nothing to read on.
using EnoughBytes = std::function<std::optional<std::size_t>(std::string_view bytes)>;

// Reads the file at a real path (see paths.h) into `bytes` until the file ends or
// `enough` finds the bytes read so far sufficient (they are then cut to what it
// says), never taking more than maxBytes bytes; a file that goes on past them
// without having been enough fails as TooLong. On failure `bytes` is empty.
FileFailure readRegularFile(const QString& realPath, std::size_t maxBytes, std::string& bytes,
                            const EnoughBytes& enough = {});

// The same for a data path, found as resolveDataPath finds it, and for a path a
// window hands over, found as resolvePath finds it (`foundAt`, if given, gets
// where). The path as written is opened first, as the stored letter case nearly
// always matches; only when it names no regular file are folders read for
// another letter case. A file of up to 64 KiB so costs three system calls:
// open, one read and close.
FileFailure readDataFile(std::string_view dataPath, std::size_t maxBytes, std::string& bytes,
                         const EnoughBytes& enough = {});
FileFailure readFileAt(const QString& path, std::size_t maxBytes, std::string& bytes, const EnoughBytes& enough = {},
                       QString* foundAt = nullptr);

}  // namespace platform
