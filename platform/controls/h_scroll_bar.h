#pragma once
// A horizontal scroll bar. Change runs on every real change of Value: an arrow
// or track click, the thumb released after dragging, and every assignment by
// the program that changes it, nested inside setValue() and finished before it
// returns. A value outside Min..Max is brought to the nearer end.
#include "platform/controls/control.h"

#include <functional>

namespace platform {

class HScrollBar : public Control {
public:
    HScrollBar() = default;

    int min() const { return props_.min; }
    void setMin(int min);
    int max() const { return props_.max; }
    void setMax(int max);
    int value() const { return props_.value; }
    void setValue(int value);
    // The step of an arrow click and of a click in the track.
    int smallChange() const { return props_.smallChange; }
    void setSmallChange(int step);
    int largeChange() const { return props_.largeChange; }
    void setLargeChange(int step);

    std::function<void()> onChange;

protected:
    QWidget* createWidget(QWidget* parent) override;
    void applyProperties() override;
    void resetProperties() override { props_ = Props{}; }

private:
    void take(int value);
    struct Props {
        int min = 0;
        int max = 32767;
        int value = 0;
        int smallChange = 1;
        int largeChange = 1;
    };
    Props props_;
};

}  // namespace platform
