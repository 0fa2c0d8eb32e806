#pragma once
// The board green with a faint grass texture, the ground of the decorations and
// animations; fixed seeds keep every run's pixels the same.
#include <QImage>

#include <cstdint>

namespace pendix::installer {

QImage grassTile(std::uint32_t seed);

// A small deterministic random source for the pictures.
class PixelRandom {
public:
    explicit PixelRandom(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double unit() { return double(next() % 10000) / 10000.0; }  // 0 <= x < 1

private:
    std::uint32_t state_;
};

}  // namespace pendix::installer
