#include "editor/rules/count_rule.h"

#include "platform/text/numeric_value.h"
#include "shared/level_format/transporter_text.h"

namespace pendix::editor {

std::optional<CountedTile> countedTile(std::string_view tag) {
    const double value = platform::numericValue(tag);
    if (value == 0) return std::nullopt;  // an empty cell
    if (const auto link = TransporterText::parse(tag)) {
        const int code = link->transporterCode();
        if (code == 0) return std::nullopt;
        return CountedTile{code, Family::Transporter};
    }
    // Only a whole three-digit value can be a catalogue code (and be converted safely).
    if (!(value >= 100 && value < 1000)) return std::nullopt;
    const int code = static_cast<int>(value);
    if (code != value || !isTileCode(code)) return std::nullopt;
    return CountedTile{code, familyOf(code)};
}

}  // namespace pendix::editor
