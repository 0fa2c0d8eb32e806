#pragma once
// The part of the wave player that makes the sound. It lives in a module of its
// own (platform/sound/), the only code that needs Qt Multimedia and the sound
// libraries under it; the program loads it when its first wave plays, so that
// starting a program does not wait for those libraries.
#include <QByteArray>
#include <QString>

#include <memory>

namespace platform {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays the complete PCM wave `bytes`, read just now from the file at `path`.
    virtual void play(const QString& path, const QByteArray& bytes) = 0;
    // Stops every wave that is playing.
    virtual void stopAll() = 0;
};

// The module's one entry point, looked up by this name.
using MakeSoundOutput = SoundOutput* (*)();
inline constexpr char kSoundModule[] = "libpendix_sound.so";
inline constexpr char kMakeSoundOutput[] = "pendixMakeSoundOutput";

// The module's output; where the module cannot be loaded, one that plays nothing.
std::unique_ptr<SoundOutput> loadSoundOutput();

}  // namespace platform
