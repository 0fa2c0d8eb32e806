#include "caption_fit.h"

#include "platform/controls/font.h"
#include "platform/controls/geometry.h"

#include <QFontMetrics>

namespace pendix {

void widenToFitCaption(platform::Label& label) {
    const QFontMetrics metrics(platform::toQFont(label.font()));
    const int needed = metrics.horizontalAdvance(label.caption()) + 2;  // the underline's and antialiasing's pixel
    const int shown = platform::twipsToPixels(label.width());
    if (needed <= shown) return;
    const int grow = platform::pixelsToTwips((needed - shown + 1) / 2);
    label.move({label.left() - grow, label.top(), label.width() + 2 * grow, label.height()});
}

}  // namespace pendix
