#include "band.h"

namespace platform {

QWidget* Band::createWidget(QWidget* parent) {
    // Not an owned widget: for the form, a point on the band outside its controls is bare surface.
    auto* strip = new QWidget(parent);
    strip->setProperty(kBandProperty, true);
    return strip;
}

}  // namespace platform
