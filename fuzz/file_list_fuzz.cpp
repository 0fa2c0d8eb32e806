// The bytes of "\dateien.lst", read the way the file-list dialog reads them: split
// into lines, the folder entries shown as text, the files of every folder entry
// listed, every listed file's length asked for below a small program folder and
// added to the totals. Whatever the bytes, nothing may crash and the totals must
// stay within the fields that show them.
#include "platform/files/cp1252.h"
#include "platform/files/file_info.h"
#include "platform/text/line_split.h"
#include "shared/file_list/file_list_rules.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Folder choices and file-system look-ups per input: enough to reach every rule,
// few enough to keep the fuzzer fast.
constexpr std::size_t kMaxFolderChoices = 32;
constexpr std::size_t kMaxLookups = 3;

void require(bool condition)
{
    if (!condition) std::abort();
}

// Qt warns about every path with a NUL byte in it; the fuzzer makes plenty.
void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

// A program folder with one listed file, so some look-ups find something.
const QString& programFolder()
{
    static const auto previous = qInstallMessageHandler(quiet);
    (void)previous;
    static const QTemporaryDir folder;
    static const bool made = [] {
        QDir(folder.path()).mkpath(QStringLiteral("bmp"));
        QFile file(folder.path() + QStringLiteral("/bmp/StrasOU.bmp"));
        return file.open(QIODevice::WriteOnly) && file.write("BM") == 2;
    }();
    require(made);
    static const QString path = folder.path();
    return path;
}

bool isHeader(std::string_view line) { return !line.empty() && (line.front() == '\\' || line.front() == '['); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> lines = platform::splitLines(bytes);

    const std::vector<std::string> sections = pendix::sectionNames(lines);
    std::size_t headers = 0;
    for (const auto& line : lines) headers += isHeader(line) ? 1 : 0;
    require(sections.size() == headers);

    std::set<std::string> chosen;
    for (const auto& section : sections) {
        require(platform::toCp1252(platform::fromCp1252(section)) == section);
        if (chosen.size() == kMaxFolderChoices || !chosen.insert(section).second) continue;
        for (const auto& file : pendix::filesOfFolder(lines, section)) require(!file.empty());
    }

    pendix::FileTotals totals;
    std::size_t lookups = 0;
    for (const auto& path : pendix::listedFilePaths(lines)) {
        std::int64_t length = static_cast<std::int64_t>(path.size()) * 1000003;
        if (lookups++ < kMaxLookups)
            length = platform::fileLength(programFolder() + platform::fromCp1252(path)).value_or(0);
        totals.add(length);
        require(totals.fileCount >= 0 && totals.totalBytes >= 0);
    }
    require(totals.fileCount <= std::numeric_limits<std::int16_t>::max());
    return 0;
}
