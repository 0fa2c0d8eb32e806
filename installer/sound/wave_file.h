#pragma once
// RIFF WAVE bytes: 16-bit PCM, mono.
#include <QByteArray>

#include <cstdint>
#include <vector>

namespace pendix::installer {

inline constexpr int kSampleRate = 22050;

QByteArray waveBytes(const std::vector<std::int16_t>& samples, int sampleRate = kSampleRate);

}  // namespace pendix::installer
