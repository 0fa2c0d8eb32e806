#include "window_beside.h"

#include <algorithm>

namespace platform {
namespace {

// The start of a span of `length` moved into [low, high] as far as it fits; a
// span longer than the range starts at `low`.
int within(int start, int length, int low, int high) { return std::max(low, std::min(start, high - length + 1)); }

}  // namespace

QRect placeBeside(const QRect& asker, const QSize& wanted, int minWidth, const QRect& screen) {
    const int rightRoom = screen.right() - asker.right();
    const int leftRoom = asker.left() - screen.left();
    int width = std::min(wanted.width(), screen.width());
    const int height = std::min(wanted.height(), screen.height());
    int left;
    int top = asker.top();
    if (rightRoom >= width) {
        left = asker.right() + 1;
    } else if (leftRoom >= width) {
        left = asker.left() - width;
    } else if (std::max(rightRoom, leftRoom) >= minWidth) {
        width = std::max(rightRoom, leftRoom);
        left = rightRoom >= leftRoom ? asker.right() + 1 : asker.left() - width;
    } else {
        left = asker.center().x() - width / 2;
        top = asker.center().y() - height / 2;
    }
    return {within(left, width, screen.left(), screen.right()), within(top, height, screen.top(), screen.bottom()),
            width, height};
}

}  // namespace platform
