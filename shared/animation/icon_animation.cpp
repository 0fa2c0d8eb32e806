#include "icon_animation.h"

#include "platform/picture.h"
#include "shared/data_paths.h"

#include <array>
#include <string>

namespace pendix {
namespace {

const std::string& iconPath(int step) {
    static const auto table = [] {
        std::array<std::string, kIconFrames> paths;
        for (int n = 1; n <= kIconFrames; ++n) paths[n - 1] = iconFramePath(n);
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
