#include "control.h"

#include "platform/controls/event_widget.h"

#include <QPalette>

namespace platform {

int mouseButtonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return kLeftButton;
    case Qt::RightButton: return kRightButton;
    case Qt::MiddleButton: return kMiddleButton;
    default: return 0;
    }
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= kShiftMask;
    if (modifiers & Qt::ControlModifier) shift |= kCtrlMask;
    if (modifiers & Qt::AltModifier) shift |= kAltMask;
    return shift;
}

Control::~Control() {
    if (widget_) {
        if (auto* owned = dynamic_cast<detail::OwnedWidget*>(widget_.data())) owned->disown();
        delete widget_.data();
    }
}

void Control::attach(Form& form, QWidget* parent, const Rect& rect, const Rect& band) {
    if (widget_) {  // placed twice in one design: the later place counts
        QWidget* old = widget_.data();
        detach();
        old->hide();
        old->deleteLater();
    }
    common_ = Common{};
    resetProperties();
    common_.rect = rect;
    band_ = band;
    form_ = &form;
    widget_ = createWidget(parent);
    applyGeometry();
    // Most controls have the form's standard font already from their parent, and
    // setting it again would only send them change events.
    if (const QFont font = toQFont(common_.font); widget_->font() != font) widget_->setFont(font);
    applyColors();
    applyProperties();
    widget_->setVisible(common_.visible);
}

void Control::detach() {
    if (widget_) {
        if (auto* owned = dynamic_cast<detail::OwnedWidget*>(widget_.data())) owned->disown();
    }
    widget_ = nullptr;
    leftPressed_ = false;
}

void Control::applyGeometry() {
    if (!widget_) return;
    const Rect& r = common_.rect;
    // On a band, the same pixels on the form as without it.
    widget_->setGeometry(twipsToPixels(r.left) - twipsToPixels(band_.left),
                         twipsToPixels(r.top) - twipsToPixels(band_.top), twipsToPixels(r.width),
                         twipsToPixels(r.height));
}

void Control::move(const Rect& rect) {
    common_.rect = rect;
    applyGeometry();
}

void Control::setLeft(int twips) {
    common_.rect.left = twips;
    applyGeometry();
}

void Control::setTop(int twips) {
    common_.rect.top = twips;
    applyGeometry();
}

void Control::setWidth(int twips) {
    common_.rect.width = twips;
    applyGeometry();
}

void Control::setHeight(int twips) {
    common_.rect.height = twips;
    applyGeometry();
}

void Control::setVisible(bool visible) {
    common_.visible = visible;
    if (widget_) widget_->setVisible(visible);
}

void Control::setEnabled(bool enabled) {
    common_.enabled = enabled;
    if (widget_) widget_->setEnabled(enabled);
}

void Control::setToolTip(const QString& toolTip) {
    common_.toolTip = toolTip;
    if (widget_) widget_->setToolTip(toolTip);
}

void Control::setFont(const Font& font) {
    common_.font = font;
    if (widget_) widget_->setFont(toQFont(font));
}

void Control::setForeColor(const QColor& color) {
    common_.foreColor = color;
    if (widget_) applyColors();
}

void Control::setBackColor(const QColor& color) {
    common_.backColor = color;
    if (widget_) applyColors();
}

void Control::applyColors() {
    const bool colored = common_.foreColor.isValid() || common_.backColor.isValid();
    if (!colored && !widget_->testAttribute(Qt::WA_SetPalette)) return;  // the style's own colours already
    QPalette palette;
    if (common_.foreColor.isValid()) {
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, common_.foreColor);
    }
    if (common_.backColor.isValid()) {
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            palette.setColor(role, common_.backColor);
    }
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(common_.backColor.isValid());
}

void Control::setFocus() {
    if (widget_) widget_->setFocus(Qt::OtherFocusReason);
}

void Control::bringToFront() {
    if (widget_) widget_->raise();
}

void Control::click() {
    if (widget_ && common_.enabled && common_.visible) raiseClick();
}

void Control::widgetMouse(MouseAction action, const QMouseEvent& event) {
    const int button = mouseButtonCode(event.button());
    const int shift = shiftCode(event.modifiers());
    const double x = event.position().x() * kTwipsPerPixel;
    const double y = event.position().y() * kTwipsPerPixel;
    switch (action) {
    case MouseAction::Press:
        leftPressed_ = button == kLeftButton;
        if (onMouseDown) onMouseDown(button, shift, x, y);
        break;
    case MouseAction::Release: {
        const bool clicked = (mouseClicks() & MouseClick) && button == kLeftButton && leftPressed_ && widget_ &&
                             widget_->rect().contains(event.position().toPoint());
        leftPressed_ = false;
        if (onMouseUp) onMouseUp(button, shift, x, y);
        if (clicked) raiseClick();
        break;
    }
    case MouseAction::DoubleClick:
        if ((mouseClicks() & MouseDblClick) && button == kLeftButton) {
            leftPressed_ = false;  // the release after a double click is no further click
            raiseDblClick();
        } else {
            leftPressed_ = button == kLeftButton;
            if (onMouseDown) onMouseDown(button, shift, x, y);
        }
        break;
    }
}

Control* controlOf(QWidget* widget) {
    for (QWidget* w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (auto* owned = dynamic_cast<detail::OwnedWidget*>(w)) return owned->owner();
    }
    return nullptr;
}

}  // namespace platform
