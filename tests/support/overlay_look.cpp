#include "tests/support/overlay_look.h"

#include "platform/controls/picture_box.h"
#include "platform/form.h"

#include <QWidget>

#include <algorithm>

namespace test_support {
namespace {

QImage windowPixels(const platform::Form& form, const QRect& where) {
    return form.clientArea()->grab().toImage().copy(where).convertToFormat(QImage::Format_RGB32);
}

std::string describe(int x, int y, QRgb seen, QRgb expected) {
    return std::to_string(x) + "," + std::to_string(y) + ": " + QColor(seen).name().toStdString() + " instead of " +
           QColor(expected).name().toStdString();
}

}  // namespace

OverlayLook lookAtOverlay(const platform::Form& form, platform::PictureBox& overlay) {
    QWidget* face = overlay.widget();
    const QRect where(face->mapTo(form.clientArea(), QPoint(0, 0)), face->size());
    OverlayLook look;
    look.picture = overlay.picture().pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    overlay.setVisible(true);
    look.shown = windowPixels(form, where);
    overlay.setVisible(false);
    look.beneath = windowPixels(form, where);
    overlay.setVisible(true);
    return look;
}

std::vector<std::string> pixelsOffTheirTile(const OverlayLook& look, const QColor& seeThrough) {
    std::vector<std::string> off;
    for (int y = 0; y < look.shown.height(); ++y)
        for (int x = 0; x < look.shown.width(); ++x) {
            const bool inPicture = look.picture.rect().contains(x, y);
            const QRgb own = inPicture ? look.picture.pixel(x, y) : seeThrough.rgb();
            const QRgb expected = own == seeThrough.rgb() ? look.beneath.pixel(x, y) : own;
            if (look.shown.pixel(x, y) != expected) off.push_back(describe(x, y, look.shown.pixel(x, y), expected));
        }
    return off;
}

std::vector<std::string> rimHidingTheTile(const OverlayLook& look, int width) {
    std::vector<std::string> hiding;
    const int w = look.shown.width(), h = look.shown.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (std::min({x, y, w - 1 - x, h - 1 - y}) < width && look.shown.pixel(x, y) != look.beneath.pixel(x, y))
                hiding.push_back(describe(x, y, look.shown.pixel(x, y), look.beneath.pixel(x, y)));
    return hiding;
}

}  // namespace test_support
