#pragma once
// What a help page may reach: the regular files inside the help folder, the
// folder of the help file a program asked the viewer to show, found without
// regard to letter case. Only such a file is shown as a linked page or serves a
// page's picture or style sheet. Telling one costs no open(): a pipe, a device or
// a file elsewhere is never opened.
#include <QString>
#include <QUrl>

#include <cstddef>
#include <optional>

namespace platform {

// Far above any help page or style sheet (ours have some KB); a larger file is
// refused after this many bytes, so a huge one costs neither time nor memory.
inline constexpr std::size_t kHelpFileMaxBytes = 8 << 20;

// The real path of the regular file that `url` (a full file: URL) names inside
// `helpFolder` (a real path, as resolvePath gives it), links inside it followed. Nothing for any other URL, for a file
// outside the folder (also when a link inside it leads there) and for anything
// but a regular file.
std::optional<QString> helpFolderFile(const QUrl& url, const QString& helpFolder);

}  // namespace platform
