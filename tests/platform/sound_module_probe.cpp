// Loads the sound module as every program does and prints the file it was
// loaded from; exits 1 when none could be loaded.
#include "platform/services/sound_output.h"

#include <dlfcn.h>

#include <cstdio>

int main() {
    const auto output = platform::loadSoundOutput();
    void* module = ::dlopen(platform::kSoundModule, RTLD_NOW | RTLD_NOLOAD);
    Dl_info info{};
    if (!module || !::dladdr(::dlsym(module, platform::kMakeSoundOutput), &info) || !info.dli_fname) return 1;
    std::puts(info.dli_fname);
    return 0;
}
