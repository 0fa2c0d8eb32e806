// Waves through QSoundEffect. A missing or broken file plays nothing.
#include "qt_services.h"

#include "platform/paths.h"

#include <QFileInfo>
#include <QSoundEffect>

namespace platform {

QtWavePlayer::QtWavePlayer() = default;
QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::command(const QString& command) {
    if (command.compare(u"Close", Qt::CaseInsensitive) == 0) {
        if (effect_) effect_->stop();
        opened_.clear();
    } else if (command.compare(u"Open", Qt::CaseInsensitive) == 0) {
        const QFileInfo file(resolvePath(fileName_));
        opened_ = file.isFile() ? QUrl::fromLocalFile(file.absoluteFilePath()) : QUrl();
    } else if (command.compare(u"Play", Qt::CaseInsensitive) == 0 && opened_.isValid()) {
        if (!effect_) effect_ = std::make_unique<QSoundEffect>();
        if (effect_->source() != opened_) effect_->setSource(opened_);
        effect_->play();  // starts as soon as the sound is loaded
    }
}

}  // namespace platform
