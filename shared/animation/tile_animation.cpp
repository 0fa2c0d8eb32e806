#include "tile_animation.h"

#include "platform/picture.h"
#include "shared/animation/tile_tag.h"
#include "shared/tile_catalogue.h"

#include <array>
#include <string>
#include <vector>

namespace pendix {
namespace {

// The 201 frame paths, built once: the names never change, only the files are read afresh.
const std::string& framePath(int kind, int frame) {
    static const auto table = [] {
        std::array<std::vector<std::string>, kAnimationKinds> paths;
        for (int k = 1; k <= kAnimationKinds; ++k)
            for (int f = 1; f <= animationFrameCount(k); ++f) paths[k - 1].push_back(animationFrameBitmap(k, f));
        return paths;
    }();
    return table[kind - 1][frame - 1];
}

}  // namespace

void animateTile(platform::GraphicalButton& button, std::int16_t& counter) {
    const int kind = animatedKindOfTag(button.tag());
    if (kind == 0) return;
    const int frames = animationFrameCount(kind);
    if (counter < 1 || counter > frames) return;
    const int next = counter == frames ? 1 : counter + 1;
    auto picture = platform::tryLoadPicture(framePath(kind, next));
    if (!picture) return;
    button.setPicture(*picture);
    counter = static_cast<std::int16_t>(next);
}

void AnimateTiles(platform::ControlArray<platform::GraphicalButton>& buttons, std::span<std::int16_t> counters) {
    const int count = static_cast<int>(counters.size());
    for (int i = 0; i < count; ++i) animateTile(buttons(i), counters[static_cast<std::size_t>(i)]);
}

}  // namespace pendix
