#pragma once
// The base of every visible control. A control is an object of its window class
// that keeps its properties itself; while its form is loaded it also has a Qt
// widget that shows them. Form::place() (in the window's design()) puts it on the
// loaded form with its default properties, and design() then sets its design
// values. Unloading the form destroys the widget; the control object keeps its
// last values, so code that reads a control of an unloaded form gets those and
// nothing breaks.
//
// Events are std::function members; assign them once, in the window's
// constructor: `cmdOk.onClick = [this] { cmdOk_Click(); };`
#include "platform/controls/font.h"
#include "platform/controls/geometry.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QMouseEvent;

namespace platform {

class Form;
class TabStrip;

// Mouse buttons and shift keys as the event handlers receive them.
inline constexpr int kLeftButton = 1, kRightButton = 2, kMiddleButton = 4;
inline constexpr int kShiftMask = 1, kCtrlMask = 2, kAltMask = 4;

namespace detail {
class OwnedWidget;
class KeyDispatcher;
template <class Base> class EventWidget;
}  // namespace detail

class Control {
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Position and size in twips, relative to the form's client area or to the tab strip.
    const Rect& rect() const { return common_.rect; }
    int left() const { return common_.rect.left; }
    int top() const { return common_.rect.top; }
    int width() const { return common_.rect.width; }
    int height() const { return common_.rect.height; }
    void move(const Rect& rect);
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);

    // The Visible property, not whether the window is on the screen.
    bool visible() const { return common_.visible; }
    void setVisible(bool visible);
    bool enabled() const { return common_.enabled; }
    void setEnabled(bool enabled);
    const QString& tag() const { return common_.tag; }
    void setTag(const QString& tag) { common_.tag = tag; }
    const QString& toolTip() const { return common_.toolTip; }
    void setToolTip(const QString& toolTip);
    const Font& font() const { return common_.font; }
    void setFont(const Font& font);
    // An invalid colour (the default) means the style's own colour.
    const QColor& foreColor() const { return common_.foreColor; }
    void setForeColor(const QColor& color);
    const QColor& backColor() const { return common_.backColor; }
    void setBackColor(const QColor& color);

    void setFocus();
    // Lays the control above the other controls of its container; otherwise later
    // places lie above earlier ones. For design(): the next load starts afresh.
    void bringToFront();

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    // Button: kLeftButton, kRightButton or kMiddleButton; shift: the k...Mask bits; x, y in twips.
    std::function<void(int button, int shift, double x, double y)> onMouseDown;
    std::function<void(int button, int shift, double x, double y)> onMouseUp;
    // Runs after the form's Form_KeyPress (key preview); 0 swallows the key.
    std::function<void(int& keyAscii)> onKeyPress;

    // A click as the user gives it: raises Click when the control is on a loaded
    // form, enabled and visible; otherwise nothing happens.
    void click();

    // The Qt widget while the form is loaded, else nullptr; tests may drive it.
    QWidget* widget() const { return widget_.data(); }
    bool isPlaced() const { return widget_ != nullptr; }
    Form* form() const { return form_; }

protected:
    Control() = default;

    // A new widget for this control (an EventWidget<...> of the right kind).
    virtual QWidget* createWidget(QWidget* parent) = 0;
    // Shows the control's own properties on the freshly created widget.
    virtual void applyProperties() {}
    // Puts the control's own properties back to their defaults.
    virtual void resetProperties() {}
    // Palette roles for the colours; the default covers labels, text boxes and lists.
    virtual void applyColors();
    // Which of Click and DblClick come from the mouse on the widget itself (labels,
    // pictures); push buttons and lists raise them from their own signals instead.
    enum MouseClicks { NoMouseClicks = 0, MouseClick = 1, MouseDblClick = 2 };
    virtual int mouseClicks() const { return NoMouseClicks; }
    // Buttons answer Enter while they have the focus.
    virtual bool isButton() const { return false; }

    void raiseClick() {
        if (onClick) onClick();
    }
    void raiseDblClick() {
        if (onDblClick) onDblClick();
    }

    template <class W>
    W* as() const {
        return static_cast<W*>(widget_.data());
    }

private:
    friend class Form;
    friend class TabStrip;
    friend class detail::KeyDispatcher;
    template <class Base> friend class detail::EventWidget;

    enum class MouseAction { Press, Release, DoubleClick };

    // `band`: where the parent widget lies on the form when it is a band (see band.h), else empty.
    void attach(Form& form, QWidget* parent, const Rect& rect, const Rect& band = {});
    void detach();
    void applyGeometry();
    void widgetMouse(MouseAction action, const QMouseEvent& event);
    void raiseKeyPress(int& keyAscii) {
        if (onKeyPress) onKeyPress(keyAscii);
    }

    struct Common {
        Rect rect;
        bool visible = true;
        bool enabled = true;
        QString tag;
        QString toolTip;
        Font font;
        QColor foreColor;
        QColor backColor;
    };
    Common common_;
    Form* form_ = nullptr;
    Rect band_;  // the band the control lies on; its rectangle stays in the form's coordinates
    QPointer<QWidget> widget_;
    bool leftPressed_ = false;
};

// The control a widget belongs to (the widget or its nearest ancestor that
// belongs to one), or nullptr.
Control* controlOf(QWidget* widget);

// The handlers' code of a Qt mouse button (0 for any other) and of Qt's modifiers.
int mouseButtonCode(Qt::MouseButton button);
int shiftCode(Qt::KeyboardModifiers modifiers);

}  // namespace platform
