#pragma once
// The Target mark: what the overlay of a transporter's target cell holds as its
// tag, 4 characters: the transporter's own cell as three digits with leading
// zeros (1 to 3) and the exit direction (4), the same character as the 7th of
// the transporter's text. The board knows a target cell by the length alone, and
// a level file may bring any exit character, so reading takes the characters as
// they stand. Plain C++.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pendix::editor {

class TargetMark {
public:
    static constexpr std::size_t kLength = 4;

    // Any text of exactly 4 characters; nullopt for another length.
    static std::optional<TargetMark> parse(std::string_view text);
    // The mark of a link from cell `source` (0..399) with the exit character `exit`; nullopt off the board.
    static std::optional<TargetMark> compose(int source, char exit);

    const std::string& text() const { return text_; }
    // Characters 1 to 3 read as a number (halves to even), when that is a cell 0..399.
    std::optional<int> sourceCell() const;
    char exit() const { return text_[kLength - 1]; }
    TargetMark withExit(char exit) const;

    bool operator==(const TargetMark&) const = default;

private:
    explicit TargetMark(std::string text) : text_(std::move(text)) {}
    std::string text_;
};

}  // namespace pendix::editor
