#include "editor/rules/name_rules.h"

#include "platform/text/cp1252_table.h"

#include <algorithm>

namespace pendix::editor {
namespace {

// Unicode's control characters: C0, DEL and C1.
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// A surrogate that does not stand in its pair, high then low.
bool hasBrokenCharacter(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isLowSurrogate(text[i])) return true;
        if (!isHighSurrogate(text[i])) continue;
        if (i + 1 == text.size() || !isLowSurrogate(text[i + 1])) return true;
        ++i;
    }
    return false;
}

}  // namespace

FileNameProblem fileNameProblem(std::u16string_view answer) {
    if (std::ranges::any_of(answer, [](char16_t c) { return c == u'/' || c == u'\\'; }))
        return FileNameProblem::Separator;
    if (std::ranges::any_of(answer, isControl)) return FileNameProblem::ControlCharacter;
    // Blanks around the dots change nothing: the name would still be no file's.
    std::u16string_view core = answer;
    while (!core.empty() && core.front() == u' ') core.remove_prefix(1);
    while (!core.empty() && core.back() == u' ') core.remove_suffix(1);
    if (!core.empty() && std::ranges::all_of(core, [](char16_t c) { return c == u'.'; }))
        return FileNameProblem::OnlyDots;
    if (hasBrokenCharacter(answer)) return FileNameProblem::BrokenCharacter;
    return FileNameProblem::None;
}

std::optional<char32_t> unstorableNameCharacter(std::u32string_view name) {
    for (const char32_t c : name)
        if (c == U'\r' || c == U'\n' || platform::cp1252Byte(c) < 0) return c;
    return std::nullopt;
}

}  // namespace pendix::editor
