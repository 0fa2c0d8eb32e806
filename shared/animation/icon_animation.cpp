#include "icon_animation.h"

#include "platform/picture.h"

#include <array>
#include <cstdio>
#include <string>

namespace pendix {
namespace {

constexpr int kIconFrames = 15;

const std::string& iconPath(int step) {
    static const auto table = [] {
        std::array<std::string, kIconFrames> paths;
        for (int n = 1; n <= kIconFrames; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "\\ico\\auto%02d.ico", n);
            paths[n - 1] = name;
        }
        return paths;
    }();
    return table[step - 1];
}

}  // namespace

void AnimateIcon(platform::Form& form, std::int16_t& iconStep) {
    iconStep = static_cast<std::int16_t>(iconStep + 1);
    if (iconStep > kIconFrames || iconStep < 1) iconStep = 1;
    if (auto icon = platform::tryLoadPicture(iconPath(iconStep))) form.setIcon(*icon);
}

}  // namespace pendix
