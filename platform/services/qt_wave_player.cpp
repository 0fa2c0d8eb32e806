// Waves through QSoundEffect. A missing, damaged or cut-short file plays nothing.
#include "qt_services.h"

#include "platform/file_reading.h"
#include "platform/paths.h"
#include "platform/services/wave_check.h"

#include <QFileInfo>
#include <QSoundEffect>

#include <optional>
#include <string>

namespace platform {
namespace {

// The bytes of a complete wave at `path`; nothing for a missing, damaged or cut-short one.
std::optional<QByteArray> playableWave(const QString& path) {
    constexpr std::size_t kWaveMaxBytes = 64 << 20;  // minutes of sound; the game's last a second
    std::string bytes;
    if (readRegularFile(path, kWaveMaxBytes, bytes) != FileFailure::None || !isCompleteWave(bytes)) return std::nullopt;
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

}  // namespace

QtWavePlayer::QtWavePlayer() = default;
QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::command(const QString& command) {
    if (command.compare(u"Close", Qt::CaseInsensitive) == 0) {
        for (auto& [path, wave] : waves_) wave.effect->stop();
        opened_.clear();
    } else if (command.compare(u"Open", Qt::CaseInsensitive) == 0) {
        const QFileInfo file(resolvePath(fileName_));
        const std::optional<QByteArray> bytes =
            file.isFile() ? playableWave(file.absoluteFilePath()) : std::optional<QByteArray>();
        opened_ = bytes ? QUrl::fromLocalFile(file.absoluteFilePath()) : QUrl();
        openedBytes_ = bytes.value_or(QByteArray());
    } else if (command.compare(u"Play", Qt::CaseInsensitive) == 0 && opened_.isValid()) {
        LoadedWave& wave = waves_[opened_.toLocalFile()];
        if (!wave.effect) wave.effect = std::make_unique<QSoundEffect>();
        // The file is read from disk at every "Open"; the sound is loaded again
        // whenever what it read differs from what the effect holds.
        if (wave.bytes != openedBytes_ || wave.effect->source() != opened_) {
            wave.effect->setSource(QUrl());
            wave.effect->setSource(opened_);
            wave.bytes = openedBytes_;
        }
        wave.effect->play();  // starts as soon as the sound is loaded
    }
}

}  // namespace platform
