#pragma once
// Internal: the Qt widget classes behind the controls, with their mouse events
// reported to the control that owns them. A widget outlives its control's
// attachment by a little (an unloaded form's window is deleted later), so it
// forgets its owner at detach and then reports nothing.
#include "platform/controls/control.h"

#include <QMouseEvent>

#include <utility>

namespace platform::detail {

class OwnedWidget {
public:
    Control* owner() const { return owner_; }
    void disown() { owner_ = nullptr; }

protected:
    explicit OwnedWidget(Control* owner) : owner_(owner) {}
    ~OwnedWidget() = default;

private:
    Control* owner_;
};

template <class Base>
class EventWidget : public Base, public OwnedWidget {
public:
    template <class... Args>
    explicit EventWidget(Control* owner, Args&&... args) : Base(std::forward<Args>(args)...), OwnedWidget(owner) {}

    // Connects a widget signal to a slot that runs only while the widget still
    // belongs to its control.
    template <class Signal, class Slot>
    void whileOwned(Signal signal, Slot slot) {
        QObject::connect(this, signal, this, [this, slot](auto&&... args) {
            if (owner()) slot(std::forward<decltype(args)>(args)...);
        });
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (!inDoubleClick_ && owner()) owner()->widgetMouse(Control::MouseAction::Press, *event);
        Base::mousePressEvent(event);
        event->accept();  // never on to the form's surface
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (owner()) owner()->widgetMouse(Control::MouseAction::Release, *event);
        Base::mouseReleaseEvent(event);
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (owner()) owner()->widgetMouse(Control::MouseAction::DoubleClick, *event);
        // Qt's default turns a double click into a second press; that press is reported above already.
        inDoubleClick_ = true;
        Base::mouseDoubleClickEvent(event);
        inDoubleClick_ = false;
        event->accept();
    }

private:
    bool inDoubleClick_ = false;
};

}  // namespace platform::detail
