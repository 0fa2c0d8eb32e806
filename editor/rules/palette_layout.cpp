#include "editor/rules/palette_layout.h"

namespace pendix::editor {
namespace {

constexpr std::array<std::string_view, kTabCount> kTabCaptions{
    "Name",   "Start / Ende", "Straßen", "Gesp. Straßen", "Bäume",       "Blumen",
    "Häuser", "Sport",        "Tiere",   "Animationen",   "Transporter",
};
constexpr int kStripWidth = 15015;
constexpr int kPitch = 720;

}  // namespace

std::string_view tabCaption(int tab) { return tab >= 0 && tab < kTabCount ? kTabCaptions[tab] : std::string_view{}; }

int paletteTab(Family family) { return kStartEndTab + static_cast<int>(family); }

bool isPaged(Family family) { return family == Family::Blocked || family == Family::Transporter; }

int paletteButtonCount(Family family) { return isPaged(family) ? kPageButtons : familyVariantCount(family); }

int paletteCode(Family family, int page, int index) {
    return familyFirstCode(family) + (page == 2 ? kPageButtons : 0) + index;
}

int paletteButtonLeft(int buttonCount, int index) {
    return (kStripWidth - (kPitch * (buttonCount - 1) + kPaletteButtonSize)) / 2 + kPitch * index;
}

}  // namespace pendix::editor
