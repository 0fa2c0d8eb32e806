#include "timer.h"

namespace platform {

Timer::Timer() {
    qtimer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&qtimer_, &QTimer::timeout, [this] { fire(); });
}

void Timer::attach(Form& form) {
    Component::attach(form);
    update();
}

void Timer::detach() {
    Component::detach();
    update();
}

void Timer::setInterval(int milliseconds) {
    if (milliseconds == props_.interval) return;
    props_.interval = milliseconds;
    update();
}

void Timer::setEnabled(bool on) {
    if (on == props_.enabled) return;
    props_.enabled = on;
    update();
}

void Timer::update() {
    if (isPlaced() && props_.enabled && props_.interval > 0)
        qtimer_.start(props_.interval);
    else
        qtimer_.stop();
}

bool Timer::fire() {
    if (!isPlaced() || !props_.enabled || props_.interval <= 0 || inHandler_) return false;
    inHandler_ = true;
    if (onTimer) onTimer();
    inHandler_ = false;
    return true;
}

}  // namespace platform
