#include "file_list_rules.h"

#include <algorithm>
#include <limits>

namespace pendix {
namespace {

bool isFolderHeader(std::string_view line) { return !line.empty() && line.front() == '\\'; }
bool isBracketHeader(std::string_view line) { return !line.empty() && line.front() == '['; }

// The file lines after line `header`, up to the next empty line or the end.
void appendSection(const std::vector<std::string>& lines, std::size_t header, std::vector<std::string>& out) {
    for (std::size_t i = header + 1; i < lines.size() && !lines[i].empty(); ++i) out.push_back(lines[i]);
}

}  // namespace

std::string_view withoutLastChar(std::string_view line) {
    return line.empty() ? line : line.substr(0, line.size() - 1);
}

std::string_view withoutFirstAndLastChar(std::string_view line) {
    return line.size() < 2 ? std::string_view{} : line.substr(1, line.size() - 2);
}

std::optional<std::string> sectionName(std::string_view line) {
    if (isFolderHeader(line)) return std::string(withoutLastChar(line));
    if (isBracketHeader(line)) return std::string(withoutFirstAndLastChar(line));
    return std::nullopt;
}

std::vector<std::string> sectionNames(const std::vector<std::string>& lines) {
    std::vector<std::string> names;
    for (const auto& line : lines)
        if (auto name = sectionName(line)) names.push_back(std::move(*name));
    return names;
}

std::vector<std::string> filesOfFolder(const std::vector<std::string>& lines, std::string_view entry) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.empty()) continue;
        if (withoutLastChar(line) == entry || withoutFirstAndLastChar(line) == entry) appendSection(lines, i, files);
    }
    return files;
}

std::vector<std::string> listedFilePaths(const std::vector<std::string>& lines) {
    std::vector<std::string> paths;
    std::vector<std::string> files;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string prefix;
        if (isFolderHeader(lines[i]))
            prefix = lines[i];
        else if (isBracketHeader(lines[i]))
            prefix = std::string(withoutFirstAndLastChar(lines[i])) + '\\';
        else
            continue;
        files.clear();
        appendSection(lines, i, files);
        for (const auto& file : files) paths.push_back(prefix + file);
    }
    return paths;
}

void FileTotals::add(std::int64_t bytes) {
    if (fileCount < std::numeric_limits<std::int16_t>::max()) ++fileCount;
    const std::int64_t sum = std::int64_t{totalBytes} + std::max<std::int64_t>(bytes, 0);
    totalBytes = static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace pendix
