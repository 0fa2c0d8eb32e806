#pragma once
// Whether a wave file's bytes are a complete PCM wave: a RIFF/WAVE header, a
// "fmt " chunk for PCM before the "data" chunk, and every chunk up to and
// including the data there in full. Qt's sample loader waits forever for the
// missing rest of a cut-short wave, so only complete waves are handed to it.
#include <string_view>

namespace platform {

bool isCompleteWave(std::string_view bytes);

}  // namespace platform
