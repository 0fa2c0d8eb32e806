// The sound module: waves through QSoundEffect (see services/sound_output.h).
#include "platform/services/sound_output.h"

#include <QSoundEffect>
#include <QUrl>

#include <map>

namespace platform {
namespace {

class QtSoundOutput : public SoundOutput {
public:
    void play(const QString& path, const QByteArray& bytes) override {
        LoadedWave& wave = waves_[path];
        if (!wave.effect) wave.effect = std::make_unique<QSoundEffect>();
        // The file is read at every play; the sound is loaded again only when
        // what was read differs from what the effect holds, since a reload makes
        // Qt's sample loader hold up the program until the whole file is decoded.
        const QUrl url = QUrl::fromLocalFile(path);
        if (wave.bytes != bytes || wave.effect->source() != url) {
            wave.effect->setSource(QUrl());
            wave.effect->setSource(url);
            wave.bytes = bytes;
        }
        wave.effect->play();  // starts as soon as the sound is loaded
    }

    void stopAll() override {
        for (auto& [path, wave] : waves_) wave.effect->stop();
    }

private:
    struct LoadedWave {
        std::unique_ptr<QSoundEffect> effect;
        QByteArray bytes;
    };
    std::map<QString, LoadedWave> waves_;
};

}  // namespace
}  // namespace platform

extern "C" platform::SoundOutput* pendixMakeSoundOutput() { return new platform::QtSoundOutput; }
