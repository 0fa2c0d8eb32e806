#pragma once
// Positions and sizes are given in twips: 15 twips are one pixel at 96 dpi, and
// Qt's high-dpi scaling does the rest.

namespace platform {

inline constexpr int kTwipsPerPixel = 15;

// Nearest pixel; halves away from zero, so 7.5 pixels (112.5 twips) draw as 8.
constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// Left, top, width and height of a control in twips, in its container's coordinates.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

}  // namespace platform
