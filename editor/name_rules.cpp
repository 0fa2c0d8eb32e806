#include "editor/name_rules.h"

#include <algorithm>

#include "platform/text/cp1252_table.h"

namespace pendix::editor {
namespace {

// Unicode's control characters: C0, DEL and C1.
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

FileNameProblem fileNameProblem(std::u32string_view answer) {
    if (std::ranges::any_of(answer, [](char32_t c) { return c == U'/' || c == U'\\'; }))
        return FileNameProblem::Separator;
    if (std::ranges::any_of(answer, isControl)) return FileNameProblem::ControlCharacter;
    // Blanks around the dots change nothing: the name would still be no file's.
    std::u32string_view core = answer;
    while (!core.empty() && core.front() == U' ') core.remove_prefix(1);
    while (!core.empty() && core.back() == U' ') core.remove_suffix(1);
    if (!core.empty() && std::ranges::all_of(core, [](char32_t c) { return c == U'.'; }))
        return FileNameProblem::OnlyDots;
    return FileNameProblem::None;
}

std::optional<char32_t> unstorableNameCharacter(std::u32string_view name) {
    for (const char32_t c : name)
        if (c == U'\r' || c == U'\n' || platform::cp1252Byte(c) < 0) return c;
    return std::nullopt;
}

}  // namespace pendix::editor
