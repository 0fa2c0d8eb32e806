#pragma once
// The multimedia control, used to play wave files:
//     MMControl.setCommand("Close");
//     MMControl.setFileName(programFolder() + "\\wav\\gerade.wav");
//     MMControl.setDeviceType("WaveAudio");
//     MMControl.setCommand("Open");
//     MMControl.setCommand("Play");
// It records nothing itself: every operation goes, in its order, to the wave
// player service, which plays the sound (or nothing, for a missing file).
#include "platform/controls/component.h"

#include <QString>

namespace platform {

class MMControl : public Component {
public:
    MMControl() = default;

    const QString& fileName() const { return props_.fileName; }
    void setFileName(const QString& fileName);
    const QString& deviceType() const { return props_.deviceType; }
    void setDeviceType(const QString& deviceType);
    // "Close", "Open", "Play"; other commands are handed on as well.
    void setCommand(const QString& command);
    // The control is never shown; the property is kept for the window's design.
    bool visible() const { return props_.visible; }
    void setVisible(bool on) { props_.visible = on; }

protected:
    void reset() override { props_ = Props{}; }

private:
    struct Props {
        QString fileName;
        QString deviceType;
        bool visible = true;
    };
    Props props_;
};

}  // namespace platform
