#include "editor/rules/count_layout.h"

#include <algorithm>
#include <array>

namespace pendix::editor {
namespace {

constexpr int kColumnPitch = 1320;
constexpr int kRowPitch = 720;
constexpr int kGridLeft = 240;
constexpr int kGridTop = 600;
constexpr int kButtonSize = 615;
constexpr int kBoxWidth = 375;
constexpr int kBoxHeight = 285;
constexpr int kFamilyLabelTop = 3600;
constexpr int kFamilyLabelHeight = 255;
constexpr int kFamilyTotalTop = 3575;

// In code order of the families. The animations' tool tip is spelled as the window has always shown it.
constexpr std::array<FamilyRow, kCountTabCount> kFamilyRows{{
    {"Anzahl der verwendeten Straßen:", 5280, 2415, 7680, "Hier erfahren sie die Anzahl der verwendeten Straßen."},
    {"Anzahl der verwendeten gesperrten Straßen:", 4920, 3255, 8160,
     "Hier erfahren sie die Anzahl der verwendeten gesperrten Straßen."},
    {"Anzahl der verwendeten Bäume:", 5280, 2415, 7680, "Hier erfahren sie die Anzahl der verwendeten Bäume."},
    {"Anzahl der verwendeten Blumen:", 5280, 2415, 7680, "Hier erfahren sie die Anzahl der verwendeten Blumen."},
    {"Anzahl der verwendeten Häuser:", 5280, 2415, 7680, "Hier erfahren sie die Anzahl der verwendeten Häuser."},
    {"Anzahl der verwendeten Sport - Objekte:", 5040, 2895, 7920,
     "Hier erfahren sie die Anzahl der verwendeten Sport - Objekte."},
    {"Anzahl der verwendeten Tiere:", 5400, 2175, 7680, "Hier erfahren sie die Anzahl der verwendeten Tiere."},
    {"Anzahl der verwendeten Animationen:", 5160, 2775, 7920,
     "Hier erfahren sie die Anzahl der verwendeten Animatioen."},
    {"Anzahl der verwendeten Transporter:", 5160, 2655, 7920,
     "Hier erfahren sie die Anzahl der verwendeten Transporter."},
}};

int columnLeft(int variant) { return kGridLeft + kColumnPitch * (variant % kVariantsPerRow); }
int rowTop(int variant) { return kGridTop + kRowPitch * (variant / kVariantsPerRow); }

}  // namespace

int countTab(Family family) { return static_cast<int>(family) - static_cast<int>(Family::Street); }

platform::Rect objectButtonRect(int variant) {
    return {columnLeft(variant), rowTop(variant), kButtonSize, kButtonSize};
}

platform::Rect equalsLabelRect(int variant) { return {columnLeft(variant) + 600, rowTop(variant) + 240, 135, 135}; }

platform::Rect countBoxRect(int variant) {
    return {columnLeft(variant) + 720, rowTop(variant) + 240, kBoxWidth, kBoxHeight};
}

const FamilyRow& familyRow(Family family) { return kFamilyRows[static_cast<std::size_t>(countTab(family))]; }

platform::Rect familyLabelRect(Family family) {
    const FamilyRow& row = familyRow(family);
    // Some rows overlap their total box by a pixel; the caption ends one pixel before it instead.
    const int width = std::min(row.labelWidth, row.totalLeft - platform::kTwipsPerPixel - row.labelLeft);
    return {row.labelLeft, kFamilyLabelTop, width, kFamilyLabelHeight};
}

platform::Rect familyTotalRect(Family family) {
    return {familyRow(family).totalLeft, kFamilyTotalTop, kBoxWidth, kBoxHeight};
}

}  // namespace pendix::editor
