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
    const int missing = needed - shown;
    switch (label.alignment()) {
    case platform::Alignment::Center: {
        const int grow = platform::pixelsToTwips((missing + 1) / 2);
        label.move({label.left() - grow, label.top(), label.width() + 2 * grow, label.height()});
        break;
    }
    case platform::Alignment::Left: label.setWidth(label.width() + platform::pixelsToTwips(missing)); break;
    case platform::Alignment::Right: {
        const int grow = platform::pixelsToTwips(missing);
        label.move({label.left() - grow, label.top(), label.width() + grow, label.height()});
        break;
    }
    }
}

}  // namespace pendix
