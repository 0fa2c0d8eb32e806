#include "mm_control.h"

#include "platform/services/services.h"

namespace platform {

void MMControl::setFileName(const QString& fileName) {
    props_.fileName = fileName;
    services().wavePlayer().setFileName(fileName);
}

void MMControl::setDeviceType(const QString& deviceType) {
    props_.deviceType = deviceType;
    services().wavePlayer().setDeviceType(deviceType);
}

void MMControl::setCommand(const QString& command) { services().wavePlayer().command(command); }

}  // namespace platform
