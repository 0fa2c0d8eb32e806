// Waves through QSoundEffect. A missing, damaged or cut-short file plays nothing.
#include "qt_services.h"

#include "platform/paths.h"
#include "platform/services/wave_check.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>

namespace platform {
namespace {

bool isPlayableWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    return isCompleteWave(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace

QtWavePlayer::QtWavePlayer() = default;
QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::command(const QString& command) {
    if (command.compare(u"Close", Qt::CaseInsensitive) == 0) {
        if (effect_) effect_->stop();
        opened_.clear();
    } else if (command.compare(u"Open", Qt::CaseInsensitive) == 0) {
        const QFileInfo file(resolvePath(fileName_));
        opened_ = file.isFile() && isPlayableWave(file.absoluteFilePath()) ? QUrl::fromLocalFile(file.absoluteFilePath())
                                                                          : QUrl();
    } else if (command.compare(u"Play", Qt::CaseInsensitive) == 0 && opened_.isValid()) {
        if (!effect_) effect_ = std::make_unique<QSoundEffect>();
        // Dropping the source first makes the sound effect read the file again:
        // a wave is loaded from disk each time it plays, like every data file.
        effect_->setSource(QUrl());
        effect_->setSource(opened_);
        effect_->play();  // starts as soon as the sound is loaded
    }
}

}  // namespace platform
