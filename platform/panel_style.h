#pragma once
// The application's style with one difference: the panel of a line edit, which
// the style draws with antialiased rounded corners at every repaint, is drawn
// once for each size, state and palette and then copied. A text box that shows a
// changing value (the game's fields counter, at every step of the car) otherwise
// spends most of its repaint on its unchanged frame. The pixels are the style's own.
#include <QPixmap>
#include <QProxyStyle>

#include <map>
#include <tuple>

namespace platform {

class PanelCachingStyle : public QProxyStyle {
public:
    // A fresh instance of the style the application has now, with the cache before it.
    PanelCachingStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // Size, state, palette, frame widths, direction, device pixel ratio (in 1/1000).
    using Key = std::tuple<int, int, unsigned, qint64, int, int, int, int>;
    mutable std::map<Key, QPixmap> panels_;
};

}  // namespace platform
