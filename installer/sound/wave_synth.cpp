#include "installer/sound/wave_synth.h"

#include "installer/sound/wave_file.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pendix::installer {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kRate = kSampleRate;

using Buffer = std::vector<double>;

Buffer silence(double seconds) { return Buffer(std::size_t(seconds * kRate), 0.0); }

// Fixed-seed noise in -1..1, the same on every run.
class Noise {
public:
    double next() {
        state_ = state_ * 1664525u + 1013904223u;
        return double(state_ >> 8) / double(1u << 23) - 1.0;
    }

private:
    std::uint32_t state_ = 0x5eed1234u;
};

// Attack and release ramps, cosine shaped, so no sound starts or ends with a click.
double ramp(double t, double length, double attack, double release) {
    if (t < attack) return 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
    if (t > length - release) return 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, length - t) / release);
    return 1.0;
}

// A brass-like note: a few harmonics with falling weights, brightness given by tone.
void addBrass(Buffer& out, double start, double length, double freq, double gain, double tone = 1.0) {
    const std::size_t first = std::size_t(start * kRate);
    const std::size_t count = std::size_t(length * kRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.2);
        double v = 0.0;
        for (int h = 1; h <= 6; ++h) v += std::pow(0.55 * tone, h - 1) * std::sin(kTwoPi * freq * h * vibrato * t);
        const double decay = std::exp(-t * 1.2);
        out[first + i] += gain * v * decay * ramp(t, length, 0.012, std::min(0.08, length / 3));
    }
}

std::vector<std::int16_t> toSamples(const Buffer& in, double peak) {
    double maxAbs = 1e-9;
    for (double v : in) maxAbs = std::max(maxAbs, std::abs(v));
    const double scale = peak * 32767.0 / maxAbs;
    std::vector<std::int16_t> out;
    out.reserve(in.size());
    for (double v : in) out.push_back(std::int16_t(std::lround(std::clamp(v * scale, -32767.0, 32767.0))));
    return out;
}

}  // namespace

std::vector<std::int16_t> fanfareSound() {
    Buffer out = silence(1.15);
    // G4 C5 E5 rising, then a held C major chord with the octave on top.
    addBrass(out, 0.00, 0.13, 392.00, 0.8);
    addBrass(out, 0.13, 0.13, 523.25, 0.8);
    addBrass(out, 0.26, 0.13, 659.25, 0.8);
    for (double f : {523.25, 659.25, 783.99, 1046.5}) addBrass(out, 0.39, 0.76, f, 0.45);
    // A little sparkle of high bells over the chord.
    Noise noise;
    for (int k = 0; k < 6; ++k) {
        const double start = 0.42 + 0.1 * k;
        const double f = 2093.0 * std::pow(2.0, (k % 3) * 4.0 / 12.0);
        const std::size_t first = std::size_t(start * kRate);
        for (std::size_t i = 0; i < std::size_t(0.12 * kRate) && first + i < out.size(); ++i) {
            const double t = double(i) / kRate;
            out[first + i] += 0.12 * std::sin(kTwoPi * f * t) * std::exp(-t * 30.0) + 0.004 * noise.next();
        }
    }
    return toSamples(out, 0.75);
}

std::vector<std::int16_t> wahWahSound() {
    // Four falling trombone notes, each opening and closing like a mute.
    const double notes[] = {311.13, 293.66, 277.18, 261.63};
    const double lengths[] = {0.22, 0.22, 0.22, 0.5};
    Buffer out = silence(1.2);
    double start = 0.0;
    for (int n = 0; n < 4; ++n) {
        const std::size_t first = std::size_t(start * kRate);
        const std::size_t count = std::size_t(lengths[n] * kRate);
        for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
            const double t = double(i) / kRate;
            const double phase = t / lengths[n];
            const double wah = std::sin(std::numbers::pi * std::min(1.0, phase * 1.3));  // mute opens, then closes
            const double bend = n == 3 ? 1.0 - 0.03 * phase : 1.0;
            const double vib = n == 3 ? 1.0 + 0.012 * std::sin(kTwoPi * 6.0 * t) : 1.0;
            double v = 0.0;
            for (int h = 1; h <= 7; ++h)
                v += std::pow(0.25 + 0.45 * wah, h - 1) * std::sin(kTwoPi * notes[n] * bend * vib * h * t);
            out[first + i] += v * (0.35 + 0.65 * wah) * ramp(t, lengths[n], 0.02, 0.05);
        }
        start += lengths[n];
    }
    return toSamples(out, 0.7);
}

std::vector<std::int16_t> tickSound() {
    Buffer out = silence(0.03);
    Noise noise;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double body = std::sin(kTwoPi * 1700.0 * t) + 0.4 * std::sin(kTwoPi * 3400.0 * t);
        out[i] = (body + 0.25 * noise.next()) * std::exp(-t / 0.004) * ramp(t, 0.03, 0.0008, 0.005);
    }
    return toSamples(out, 0.35);
}

std::vector<std::int16_t> swooshSound() {
    const double length = 0.12;
    Buffer out = silence(length);
    Noise noise;
    double low = 0.0;
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double freq = 1350.0 - 300.0 * (t / length) + 35.0 * std::sin(kTwoPi * 38.0 * t);
        phase += kTwoPi * freq / kRate;
        low += 0.25 * (noise.next() - low);  // soft, dark rustle under the squeal
        out[i] = (0.55 * std::sin(phase) + 0.45 * low) * ramp(t, length, 0.015, 0.05);
    }
    return toSamples(out, 0.3);
}

std::vector<std::int16_t> shimmerSound() {
    const double length = 0.55;
    Buffer out = silence(length);
    const double detune[] = {1.0, 1.007, 0.993, 1.5, 2.01};
    double phases[5] = {0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / kRate;
        const double sweep = 500.0 * std::pow(3.2, t / length);  // rises about an octave and a half
        double v = 0.0;
        for (int k = 0; k < 5; ++k) {
            phases[k] += kTwoPi * sweep * detune[k] / kRate;
            v += (k < 3 ? 0.3 : 0.15) * std::sin(phases[k]);
        }
        const double tremolo = 0.65 + 0.35 * std::sin(kTwoPi * 17.0 * t);
        out[i] = v * tremolo * ramp(t, length, 0.06, 0.2);
    }
    return toSamples(out, 0.55);
}

}  // namespace pendix::installer
