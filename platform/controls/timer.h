#pragma once
// A timer: raises Timer every Interval milliseconds while it is enabled, its
// interval is above 0 and its form is loaded. It keeps ticking while any window
// waits modally (message boxes, modal forms, pop-up menus). A tick never starts
// while the same timer's handler still runs.
//
// Tests do not wait for ticks: they call fire(), which gives one tick exactly as
// the running timer would.
#include "platform/controls/component.h"

#include <QTimer>

#include <functional>

namespace platform {

class Timer : public Component {
public:
    Timer();

    int interval() const { return props_.interval; }
    void setInterval(int milliseconds);
    bool enabled() const { return props_.enabled; }
    void setEnabled(bool on);

    std::function<void()> onTimer;

    // One tick: runs the Timer handler when the timer would tick now (placed on a
    // loaded form, enabled, interval above 0, its handler not running). True when it ran.
    bool fire();
    // Whether the underlying Qt timer runs (tests may check it).
    bool isRunning() const { return qtimer_.isActive(); }

protected:
    void reset() override { props_ = Props{}; }
    void attach(Form& form) override;
    void detach() override;

private:
    void update();

    struct Props {
        int interval = 0;
        bool enabled = true;
    };
    Props props_;
    QTimer qtimer_;
    bool inHandler_ = false;
};

}  // namespace platform
