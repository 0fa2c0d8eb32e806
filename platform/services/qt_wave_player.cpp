// Waves through QSoundEffect. A missing or broken file plays nothing.
#include "qt_services.h"

#include "platform/paths.h"

#include <QFile>
#include <QFileInfo>
#include <QSoundEffect>

#include <cstdint>

namespace platform {
namespace {

std::uint32_t le32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// A RIFF wave whose format chunk is PCM and whose data chunk lies wholly in the file.
// QSoundEffect waits for the rest of a wave that is cut short, and the next
// change of source then blocks the program for good, so such a file plays nothing.
bool isWholeWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return false;
    bool format = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t size = le32(bytes, at + 4);
        if (size > static_cast<std::uint64_t>(bytes.size() - at - 8)) return false;
        if (id == "fmt ") format = size >= 16 && le32(bytes, at + 8) % 0x10000 == 1;  // PCM
        if (id == "data") return format;
        at += 8 + static_cast<qsizetype>(size) + (size % 2);
    }
    return false;
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
        opened_ = file.isFile() && isWholeWave(file.absoluteFilePath()) ? QUrl::fromLocalFile(file.absoluteFilePath())
                                                                         : QUrl();
    } else if (command.compare(u"Play", Qt::CaseInsensitive) == 0 && opened_.isValid()) {
        if (!effect_) effect_ = std::make_unique<QSoundEffect>();
        if (effect_->source() != opened_) effect_->setSource(opened_);
        effect_->play();  // starts as soon as the sound is loaded
    }
}

}  // namespace platform
