#include "sound_output.h"

#include <QtGlobal>

#include <dlfcn.h>

namespace platform {
namespace {

class Silence : public SoundOutput {
public:
    void play(const QString&, const QByteArray&) override {}
    void stopAll() override {}
};

}  // namespace

std::unique_ptr<SoundOutput> loadSoundOutput() {
    // Found through the program's run path, the folder it lies in. Never unloaded:
    // the output's code must outlive it.
    void* module = ::dlopen(kSoundModule, RTLD_NOW | RTLD_LOCAL);
    const auto make = module ? reinterpret_cast<MakeSoundOutput>(::dlsym(module, kMakeSoundOutput)) : nullptr;
    if (!make) {
        qWarning("no sound: %s", ::dlerror());
        return std::make_unique<Silence>();
    }
    return std::unique_ptr<SoundOutput>(make());
}

}  // namespace platform
