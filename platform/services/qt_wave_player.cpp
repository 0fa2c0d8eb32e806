// Waves as the multimedia control plays them. A missing, damaged or cut-short
// file plays nothing.
#include "platform/files/file_reading.h"
#include "platform/services/sound_output.h"
#include "platform/services/wave_check.h"
#include "qt_services.h"

#include <string>

namespace platform {
namespace {

constexpr std::size_t kWaveMaxBytes = 64 << 20;  // minutes of sound; the game's last a second

}  // namespace

QtWavePlayer::QtWavePlayer() = default;
QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::command(const QString& command) {
    if (command.compare(u"Close", Qt::CaseInsensitive) == 0) {
        if (output_) output_->stopAll();
        openedPath_.clear();
    } else if (command.compare(u"Open", Qt::CaseInsensitive) == 0) {
        // The file is read from disk at every "Open".
        std::string bytes;
        QString path;
        const bool playable =
            readFileAt(fileName_, kWaveMaxBytes, bytes, {}, &path) == FileFailure::None && isCompleteWave(bytes);
        openedPath_ = playable ? path : QString();
        openedBytes_ = playable ? QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())) : QByteArray();
    } else if (command.compare(u"Play", Qt::CaseInsensitive) == 0 && !openedPath_.isEmpty()) {
        if (!output_) output_ = loadSoundOutput();
        output_->play(openedPath_, openedBytes_);
    }
}

}  // namespace platform
