#include "installer/level_source.h"

#include "shared/level_format/transporter_text.h"

#include <charconv>
#include <cstdlib>
#include <map>
#include <utility>
#include <vector>

namespace pendix {
namespace {

constexpr std::string_view kEmptyCell = "...";

struct Link {
    int lineNumber;
    int target;
    int direction;
};

// A '#' at the start of a line or after a blank opens a comment; a name may still
// carry a '#' inside a word.
std::string_view withoutComment(std::string_view line) {
    for (std::size_t i = 0; i < line.size(); ++i)
        if (line[i] == '#' && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) return line.substr(0, i);
    return line;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != separator) continue;
        parts.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    return parts;
}

// The numbers after a key, separated by any run of blanks.
std::optional<std::vector<int>> numbers(std::string_view text) {
    std::vector<int> values;
    for (std::string_view part : split(text, ' ')) {
        if (part.empty()) continue;
        int value = 0;
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (ec != std::errc{} || end != part.data() + part.size()) return std::nullopt;
        values.push_back(value);
    }
    return values;
}

bool isDirection(int value) { return value >= kFirstDirection && value <= kLastDirection; }

class Parser {
public:
    std::optional<LevelSource> parse(std::string_view text, std::string& error) {
        std::vector<std::string_view> lines = split(text, '\n');
        if (!lines.empty() && lines.back().empty()) lines.pop_back();  // the break after the last line
        for (std::size_t i = 0; i < lines.size(); ++i) {
            lineNumber_ = static_cast<int>(i) + 1;
            const std::string_view line = trimmed(withoutComment(lines[i]));
            if (boardRowsRead_ >= 0 && boardRowsRead_ < kRows) {
                if (!boardRow(line)) break;
                continue;
            }
            if (line.empty()) continue;
            if (!setting(line)) break;
        }
        if (error_.empty()) finish();
        if (!error_.empty()) {
            error = error_;
            return std::nullopt;
        }
        return level_;
    }

private:
    bool fail(const std::string& why) {
        error_ = "Zeile " + std::to_string(lineNumber_) + ": " + why;
        return false;
    }
    bool failAtEnd(const std::string& why) {
        error_ = why;
        return false;
    }

    bool setting(std::string_view line) {
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos) return fail("unbekannte Angabe \"" + std::string(line) + "\".");
        const std::string key(trimmed(line.substr(0, colon)));
        const std::string_view value = trimmed(line.substr(colon + 1));
        if (key == "link") return link(value);
        if (!seen_.emplace(key, lineNumber_).second) return fail("\"" + key + "\" steht doppelt da.");
        if (key == "name") {
            level_.name = std::string(value);
            return true;
        }
        if (key == "start") {
            const auto v = numbers(value);
            if (!v || v->size() != 2 || !isOnBoard((*v)[0]) || !isDirection((*v)[1]))
                return fail("\"start:\" erwartet ein Feld 0 bis 399 und eine Richtung 1 bis 8.");
            level_.start = (*v)[0];
            level_.startDirection = (*v)[1];
            return true;
        }
        if (key == "end") {
            const auto v = numbers(value);
            if (!v || v->size() != 1 || !isOnBoard((*v)[0])) return fail("\"end:\" erwartet ein Feld 0 bis 399.");
            level_.end = (*v)[0];
            return true;
        }
        if (key == "board") {
            if (!value.empty())
                return fail("nach \"board:\" folgen die Zeilen des Spielfelds, nichts in derselben Zeile.");
            boardRowsRead_ = 0;
            return true;
        }
        return fail("unbekannte Angabe \"" + key + "\".");
    }

    bool link(std::string_view value) {
        const auto v = numbers(value);
        if (!v || v->size() != 3 || !isOnBoard((*v)[0]) || !isOnBoard((*v)[1]) || !isDirection((*v)[2]))
            return fail("\"link:\" erwartet Transporterfeld, Zielfeld (0 bis 399) und Ausfahrtrichtung (1 bis 8).");
        if (!links_.emplace((*v)[0], Link{lineNumber_, (*v)[1], (*v)[2]}).second)
            return fail("das Feld " + std::to_string((*v)[0]) + " hat schon eine Verbindung.");
        return true;
    }

    bool boardRow(std::string_view line) {
        const std::vector<std::string_view> tokens = split(line, ' ');
        if (tokens.size() != static_cast<std::size_t>(kColumns))
            return fail("eine Spielfeldzeile braucht 25 durch je ein Leerzeichen getrennte Felder, hier sind es " +
                        std::to_string(tokens.size()) + ".");
        for (int column = 0; column < kColumns; ++column) {
            const std::string_view token = tokens[column];
            std::string& cell = level_.cells[boardRowsRead_ * kColumns + column];
            if (token == kEmptyCell) {
                cell.clear();
                continue;
            }
            std::string text(token);
            int code = 0;
            const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), code);
            if (token.size() != 3 || ec != std::errc{} || end != token.data() + 3 || !isTileCode(code))
                return fail("\"" + text + "\" in Spalte " + std::to_string(column + 1) +
                            " ist weder \"...\" noch ein Kachelcode.");
            cell = std::move(text);
        }
        ++boardRowsRead_;
        return true;
    }

    void finish() {
        for (const char* key : {"name", "start", "end"})
            if (!seen_.count(key)) {
                failAtEnd(std::string("die Angabe \"") + key + ":\" fehlt.");
                return;
            }
        if (boardRowsRead_ < 0) {
            failAtEnd("das Spielfeld (\"board:\") fehlt.");
            return;
        }
        if (boardRowsRead_ < kRows) {
            failAtEnd("das Spielfeld hat nur " + std::to_string(boardRowsRead_) + " von 16 Zeilen.");
            return;
        }
        for (const auto& [cell, link] : links_) {
            std::string& text = level_.cells[cell];
            // Target and direction are checked already: only a cell without a transporter fails here.
            const std::optional<TransporterText> linked =
                TransporterText::compose(std::atoi(text.c_str()), link.target, link.direction);
            if (!linked) {
                lineNumber_ = link.lineNumber;
                fail("auf Feld " + std::to_string(cell) + " liegt kein Transporter.");
                return;
            }
            text = linked->text();
        }
    }

    LevelSource level_;
    std::map<std::string, int> seen_;
    std::map<int, Link> links_;
    int boardRowsRead_ = -1;  // -1 until "board:"
    int lineNumber_ = 0;
    std::string error_;
};

}  // namespace

std::optional<LevelSource> parseLevelSource(std::string_view text, std::string* error) {
    std::string why;
    std::optional<LevelSource> level = Parser().parse(text, why);
    if (error) *error = why;
    return level;
}

}  // namespace pendix
