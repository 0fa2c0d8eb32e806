#pragma once
// The Transporter text: the cell line and tile tag of a transporter linked to
// its target, 7 characters: the transporter's code (characters 1 to 3, "901" to
// "933"), the target cell as three digits with leading zeros (4 to 6) and the
// exit direction digit (7, "1" to "8"). A transporter without a target is its
// 3-digit code alone. Files may hold any 7 characters, so reading takes them as
// they stand and says separately what they spell. Plain C++.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pendix {

class TransporterText {
public:
    static constexpr std::size_t kLength = 7;

    // Any text of exactly 7 characters, whatever they are; nullopt for another length.
    static std::optional<TransporterText> parse(std::string_view text);
    // A link as the editor and the installer make it: code 901..933, target cell
    // 0..399 padded to three digits, exit direction 1..8; nullopt for other values.
    static std::optional<TransporterText> compose(int code, int target, int exitDirection);

    const std::string& text() const { return text_; }

    // 901..933 when characters 1 to 3 spell a transporter code, else 0.
    int transporterCode() const;
    // Characters 4 to 6 read as a number (halves to even) when that is a cell
    // 0..399; nullopt for anything else.
    std::optional<int> targetCell() const;
    // Character 7 as it stands.
    char exit() const { return text_[kLength - 1]; }
    // 1..8 when character 7 is a direction digit, else 0.
    int exitDirection() const;
    // Character 7 read as a number: its digit, 0 for anything that is none.
    int exitValue() const;

    // The same text with characters 1 to 3 replaced by a 3-digit code 100..999
    // (the game's board tag keeps the transporter's base street there).
    TransporterText withCode(int code) const;
    // The same text with character 7 replaced (the editor's turned arrow).
    TransporterText withExit(char exit) const;

    bool operator==(const TransporterText&) const = default;

private:
    explicit TransporterText(std::string text) : text_(std::move(text)) {}
    std::string text_;
};

}  // namespace pendix
