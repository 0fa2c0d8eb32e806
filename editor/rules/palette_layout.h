#pragma once
// Where the editor's tools stand: the tabs of its tab strip, and on each family's
// tab one row of tile buttons centred on the strip. The blocked streets and the
// transporters have 33 variants but a row of 18 buttons, shown in two pages:
// variants 1..18 on buttons 0..17, then 19..33 on buttons 0..14. Plain C++.
#include "shared/tile_catalogue.h"

#include <array>
#include <string_view>

namespace pendix::editor {

inline constexpr int kTabCount = 11;
inline constexpr int kNameTab = 0;
inline constexpr int kStartEndTab = 1;
// "Name", "Start / Ende", then one tab per family in code order.
std::string_view tabCaption(int tab);
int paletteTab(Family family);

inline constexpr int kPageButtons = 18;
inline constexpr int kSecondPageButtons = 15;
bool isPaged(Family family);
// The buttons of a family's palette: its variants, or 18 for a paged one.
int paletteButtonCount(Family family);
// The code that button `index` stands for on `page` (1 or 2; unpaged families have only page 1).
int paletteCode(Family family, int page, int index);

// Palette buttons: 615 x 615 at Top 360 of the strip, 720 apart, the row centred on the strip's 15015 twips.
inline constexpr int kPaletteTop = 360;
inline constexpr int kPaletteButtonSize = 615;
int paletteButtonLeft(int buttonCount, int index);

}  // namespace pendix::editor
