#include "wave_check.h"

#include <cstdint>

namespace platform {
namespace {

std::uint32_t littleEndian(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i)
        value |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

}  // namespace

bool isCompleteWave(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") return false;
    bool pcmFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint64_t size = littleEndian(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) return false;  // cut short
        if (id == "fmt ") {
            if (size < 16) return false;
            const std::uint32_t format = littleEndian(bytes, body, 2);
            const std::uint32_t channels = littleEndian(bytes, body + 2, 2);
            const std::uint32_t rate = littleEndian(bytes, body + 4, 4);
            const std::uint32_t bits = littleEndian(bytes, body + 14, 2);
            pcmFormat = format == 1 && channels >= 1 && channels <= 2 && rate > 0 && (bits == 8 || bits == 16);
            if (!pcmFormat) return false;
        } else if (id == "data") {
            return pcmFormat && size > 0;
        }
        at = body + static_cast<std::size_t>(size) + (size & 1);  // chunks are padded to even lengths
    }
    return false;
}

}  // namespace platform
