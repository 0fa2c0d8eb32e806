#include "tile_catalogue.h"

#include <array>
#include <cstdio>

namespace pendix {
namespace {

// Variants 1..11 of the blocked and transporter families have a street's shape,
// 12..33 a blocked shape.
constexpr int kStreetShapes = kLastStreet - kFirstStreet + 1;
constexpr int kFirstBlockedShape = kStreetShapes + 1;
constexpr int kLastBlockedShape = 33;

struct Range {
    int first;
    int last;
    Family family;
    std::string_view itemWord;
};

constexpr std::array<Range, 9> kRanges{{
    {kFirstStreet, kLastStreet, Family::Street, "Straße"},
    {201, 233, Family::Blocked, "Gesperrte Straße"},
    {301, 314, Family::Tree, "Baum"},
    {401, 409, Family::Flower, "Blume"},
    {501, 510, Family::House, "Haus"},
    {601, 621, Family::Sport, "Sport"},
    {701, 721, Family::Animal, "Tier"},
    {801, 821, Family::Animation, "Animation"},
    {kFirstTransporter, kLastTransporter, Family::Transporter, "Transporter"},
}};

constexpr std::array<std::string_view, kStreetShapes> kStreetSuffix{"OU",  "RL",  "KRO", "kRU", "kLO", "kLU",
                                                                    "ASR", "ASL", "AWR", "AWL", "AB"};
// The game's transporter bitmaps write the three small-k curves with a capital K.
constexpr std::array<std::string_view, kStreetShapes> kTransporterSuffix{"OU",  "RL",  "KRO", "KRU", "KLO", "KLU",
                                                                         "ASR", "ASL", "AWR", "AWL", "AB"};

constexpr std::array<unsigned, kStreetShapes> kStreetArms{
    ArmUp | ArmDown,            ArmLeft | ArmRight,          ArmRight | ArmUp,
    ArmRight | ArmDown,         ArmLeft | ArmUp,             ArmLeft | ArmDown,
    ArmUp | ArmDown | ArmRight, ArmUp | ArmDown | ArmLeft,   ArmLeft | ArmRight | ArmUp,
    ArmLeft | ArmRight | ArmDown, ArmUp | ArmDown | ArmLeft | ArmRight,
};

struct BlockedShape {
    std::string_view suffix;
    int openArmStreet;
};
constexpr std::array<BlockedShape, kLastBlockedShape - kFirstBlockedShape + 1> kBlocked{{
    {"slol", 105}, {"slou", 101}, {"slul", 106}, {"sror", 103}, {"srou", 101}, {"srur", 104},
    {"wlrl", 102}, {"wlul", 106}, {"wlur", 104}, {"wrol", 105}, {"wror", 103}, {"wrrl", 102},
    {"blu", 106},  {"bol", 105},  {"bor", 103},  {"bou", 101},  {"brl", 102},  {"bru", 104},
    {"boul", 108}, {"bour", 107}, {"brlo", 109}, {"brlu", 110},
}};

constexpr std::array<std::string_view, 8> kDirectionSuffix{"OU", "UO", "RL", "LR", "DROU", "DLOU", "DLUO", "DRUO"};

constexpr std::array<int, 21> kFrameCounts{11, 24, 10, 5, 8, 5, 6, 6, 6, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10};

const Range* rangeOf(int code) {
    for (const Range& r : kRanges)
        if (code >= r.first && code <= r.last) return &r;
    return nullptr;
}

std::string twoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string joined(std::string_view a, std::string_view b, std::string_view c) {
    std::string s;
    s.reserve(a.size() + b.size() + c.size());
    s.append(a).append(b).append(c);
    return s;
}

}  // namespace

bool isTileCode(int code) { return rangeOf(code) != nullptr; }

const std::vector<int>& allTileCodes() {
    static const std::vector<int> codes = [] {
        std::vector<int> v;
        for (const Range& r : kRanges)
            for (int c = r.first; c <= r.last; ++c) v.push_back(c);
        return v;
    }();
    return codes;
}

Family familyOf(int code) {
    const Range* r = rangeOf(code);
    return r ? r->family : Family{0};
}

std::string_view familyCaption(Family family) {
    switch (family) {
        case Family::Street: return "Straßen";
        case Family::Blocked: return "Gesperrte Straßen";
        case Family::Tree: return "Bäume";
        case Family::Flower: return "Blumen";
        case Family::House: return "Häuser";
        case Family::Sport: return "Sport";
        case Family::Animal: return "Tiere";
        case Family::Animation: return "Animationen";
        case Family::Transporter: return "Transporter";
    }
    return "";
}

const std::vector<Family>& allFamilies() {
    static const std::vector<Family> families = [] {
        std::vector<Family> v;
        for (const Range& r : kRanges) v.push_back(r.family);
        return v;
    }();
    return families;
}

int familyFirstCode(Family family) {
    for (const Range& r : kRanges)
        if (r.family == family) return r.first;
    return 0;
}

int familyVariantCount(Family family) {
    for (const Range& r : kRanges)
        if (r.family == family) return r.last - r.first + 1;
    return 0;
}

std::string itemCaption(int code) {
    const Range* r = rangeOf(code);
    if (!r) return "";
    return std::string(r->itemWord) + " " + std::to_string(code % 100);
}

std::string_view streetShapeSuffix(int variant) {
    return variant >= 1 && variant <= kStreetShapes ? kStreetSuffix[variant - 1] : std::string_view{};
}

std::string_view blockedShapeSuffix(int variant) {
    return variant >= kFirstBlockedShape && variant <= kLastBlockedShape ? kBlocked[variant - kFirstBlockedShape].suffix
                                                                         : std::string_view{};
}

std::string tileBitmap(int code, CurveSpelling spelling) {
    const Range* r = rangeOf(code);
    if (!r) return "";
    const int variant = code % 100;
    switch (r->family) {
        case Family::Street: return joined("\\bmp\\Stras", streetShapeSuffix(variant), ".bmp");
        case Family::Blocked:
            return variant <= kStreetShapes ? joined("\\bmp\\Strag", streetShapeSuffix(variant), ".bmp")
                                            : joined("\\bmp\\Stga", blockedShapeSuffix(variant), ".bmp");
        case Family::Tree: return "\\bmp\\deko\\Baum" + twoDigits(variant) + ".bmp";
        case Family::Flower: return "\\bmp\\deko\\Blume" + std::to_string(variant) + ".bmp";
        case Family::House: return "\\bmp\\deko\\Haus" + twoDigits(variant) + ".bmp";
        case Family::Sport: return "\\bmp\\deko\\Sport" + twoDigits(variant) + ".bmp";
        case Family::Animal: return "\\bmp\\deko\\Tier" + twoDigits(variant) + ".bmp";
        case Family::Animation: return animationFrameBitmap(variant, 1);
        case Family::Transporter:
            if (variant > kStreetShapes) return joined("\\bmp\\Sgta", blockedShapeSuffix(variant), ".bmp");
            return joined("\\bmp\\Strat",
                          spelling == CurveSpelling::Game ? kTransporterSuffix[variant - 1] : kStreetSuffix[variant - 1],
                          ".bmp");
    }
    return "";
}

int streetOfShape(int variant) { return variant >= 1 && variant <= kStreetShapes ? kFirstStreet - 1 + variant : 0; }

bool hasBlockedShape(int code) {
    const Family family = familyOf(code);
    return (family == Family::Blocked || family == Family::Transporter) && code % 100 >= kFirstBlockedShape;
}

int openArmStreet(int code) {
    return hasBlockedShape(code) ? kBlocked[code % 100 - kFirstBlockedShape].openArmStreet : 0;
}

int transporterBase(int code) {
    if (!isTransporter(code)) return 0;
    return hasBlockedShape(code) ? openArmStreet(code) : streetOfShape(code % 100);
}

unsigned streetArms(int street) { return isPlainStreet(street) ? kStreetArms[street - kFirstStreet] : 0u; }

std::string endMarkerBitmap(int street) {
    if (!isPlainStreet(street)) return "";
    return joined("\\bmp\\Strae", kStreetSuffix[street - kFirstStreet], ".bmp");
}

std::string_view directionSuffix(int direction) {
    return direction >= 1 && direction <= 8 ? kDirectionSuffix[direction - 1] : std::string_view{};
}

std::string carBitmap(int direction) {
    const auto s = directionSuffix(direction);
    return s.empty() ? "" : joined("\\bmp\\Auto", s, ".bmp");
}

std::string carOnEndBitmap(int direction) {
    const auto s = directionSuffix(direction);
    return s.empty() ? "" : joined("\\bmp\\Aute", s, ".bmp");
}

std::string arrowBitmap(int direction) {
    const auto s = directionSuffix(direction);
    return s.empty() ? "" : joined("\\bmp\\Pfei", s, ".bmp");
}

int animationFrameCount(int kind) { return kind >= 1 && kind <= kAnimationKinds ? kFrameCounts[kind - 1] : 0; }

std::string animationFrameBitmap(int kind, int frame) {
    if (kind < 1 || kind > kAnimationKinds) return "";
    if (kind >= 4 && kind <= 9) return "\\bmp\\deko\\ani\\Ani00" + std::to_string(kind) + std::to_string(frame) + ".bmp";
    return "\\bmp\\deko\\ani\\Ani" + twoDigits(kind) + twoDigits(frame) + ".bmp";
}

}  // namespace pendix
