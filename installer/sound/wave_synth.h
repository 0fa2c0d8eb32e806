#pragma once
// The game's five sounds, synthesised: 16-bit samples at 22050 Hz, peaks kept
// well below full scale.
#include <cstdint>
#include <vector>

namespace pendix::installer {

std::vector<std::int16_t> fanfareSound();     // level done
std::vector<std::int16_t> wahWahSound();      // level lost
std::vector<std::int16_t> tickSound();        // straight step
std::vector<std::int16_t> swooshSound();      // turn step
std::vector<std::int16_t> shimmerSound();     // transport

}  // namespace pendix::installer
