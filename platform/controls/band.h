#pragma once
// An invisible strip of a form that holds controls placed on it. Qt goes through
// all children of a widget for every repaint and every change of what covers
// what, so a window with hundreds of controls side by side (the board's 400 tile
// buttons and their 400 overlays) puts each row on a band of its own: a repaint
// then goes through a row instead of the whole board.
//
// A band draws nothing; the mouse reaches the controls on it, and where it has
// none, the form's bare surface. Controls on a band keep their rectangles in the
// form's coordinates and lie above the controls placed before the band.
//
//     place(boardRow(r), {120, 1080 + 600 * r, 15015, 615});   // in design()
//     boardRow(r).place(cmd(i), {120 + 600 * c, 1080 + 600 * r, 615, 615});
#include "platform/controls/control.h"
#include "platform/form.h"

namespace platform {

// Marks a band's widget, which the form counts as its surface.
inline constexpr char kBandProperty[] = "platformBand";

class Band : public Control {
public:
    Band() = default;

    // Puts a control on the band (in design(), after the band itself was placed).
    template <class C>
    C& place(C& control, const Rect& rect) {
        if (form() && widget()) form()->adopt(control, widget(), rect, this->rect());
        return control;
    }

protected:
    QWidget* createWidget(QWidget* parent) override;
};

}  // namespace platform
