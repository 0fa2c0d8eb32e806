#include "h_scroll_bar.h"

#include "platform/controls/event_widget.h"

#include <QScrollBar>
#include <QSignalBlocker>

#include <algorithm>

namespace platform {

QWidget* HScrollBar::createWidget(QWidget* parent) {
    auto* bar = new detail::EventWidget<QScrollBar>(this, Qt::Horizontal, parent);
    bar->setTracking(false);  // dragging the thumb changes the value once, on release
    bar->whileOwned(&QScrollBar::valueChanged, [this](int value) { take(value); });
    return bar;
}

void HScrollBar::applyProperties() {
    auto* bar = as<QScrollBar>();
    const QSignalBlocker quiet(bar);
    bar->setRange(std::min(props_.min, props_.max), std::max(props_.min, props_.max));
    bar->setSingleStep(props_.smallChange);
    bar->setPageStep(props_.largeChange);
    bar->setValue(props_.value);
}

void HScrollBar::take(int value) {
    if (value == props_.value) return;
    props_.value = value;
    if (onChange) onChange();
}

void HScrollBar::setValue(int value) {
    const int clamped = std::clamp(value, std::min(props_.min, props_.max), std::max(props_.min, props_.max));
    if (auto* bar = as<QScrollBar>()) {
        const QSignalBlocker quiet(bar);
        bar->setValue(clamped);
    }
    take(clamped);
}

void HScrollBar::setMin(int min) {
    props_.min = min;
    if (widget()) applyProperties();
    setValue(props_.value);
}

void HScrollBar::setMax(int max) {
    props_.max = max;
    if (widget()) applyProperties();
    setValue(props_.value);
}

void HScrollBar::setSmallChange(int step) {
    props_.smallChange = step;
    if (auto* bar = as<QScrollBar>()) bar->setSingleStep(step);
}

void HScrollBar::setLargeChange(int step) {
    props_.largeChange = step;
    if (auto* bar = as<QScrollBar>()) bar->setPageStep(step);
}

}  // namespace platform
