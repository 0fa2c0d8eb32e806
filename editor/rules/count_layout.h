#pragma once
// Where the count window's controls stand. One tab per family, in code order;
// on each, variant k (from 0) in column k mod 10 and row k div 10: its object
// button, the "=" label and its count box, and at the foot of the tab the
// family's label and total box. Positions are in the tab strip's twips. Plain C++.
#include "platform/controls/geometry.h"
#include "shared/tile_catalogue.h"

#include <string_view>

namespace pendix::editor {

inline constexpr int kCountTabCount = 9;
inline constexpr int kCountTabHeight = 520;
inline constexpr int kVariantsPerRow = 10;

// The tab of a family: 0 for the streets .. 8 for the transporters.
int countTab(Family family);

platform::Rect objectButtonRect(int variant);
platform::Rect equalsLabelRect(int variant);
platform::Rect countBoxRect(int variant);

// The row at the foot of a family's tab: its label and its total box.
struct FamilyRow {
    std::string_view caption;  // "Anzahl der verwendeten Straßen:"
    int labelLeft = 0;
    int labelWidth = 0;
    int totalLeft = 0;
    std::string_view totalToolTip;  // UTF-8, as the window shows it
};
const FamilyRow& familyRow(Family family);
// The label as tabled, but ending a pixel before its total box.
platform::Rect familyLabelRect(Family family);
platform::Rect familyTotalRect(Family family);

}  // namespace pendix::editor
