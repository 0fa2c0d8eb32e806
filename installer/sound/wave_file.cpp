#include "installer/sound/wave_file.h"

#include "installer/little_endian.h"

namespace pendix::installer {
QByteArray waveBytes(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataSize = quint32(samples.size() * 2);
    QByteArray out;
    out.append("RIFF", 4);
    appendLe32(out, 36 + dataSize);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    appendLe32(out, 16);
    appendLe16(out, 1);  // PCM
    appendLe16(out, 1);  // mono
    appendLe32(out, quint32(sampleRate));
    appendLe32(out, quint32(sampleRate) * 2);
    appendLe16(out, 2);
    appendLe16(out, 16);
    out.append("data", 4);
    appendLe32(out, dataSize);
    for (std::int16_t s : samples) appendLe16(out, quint16(s));
    return out;
}

}  // namespace pendix::installer
