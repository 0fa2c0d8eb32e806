#include "bitmap_decoder.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace platform {
namespace {

std::int32_t le32At(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(value);
}

int le16At(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// One row of a 24-bit bitmap (blue, green, red per pixel) as opaque 0xAARRGGBB
// pixels. In little-endian memory those are the same three bytes with the alpha
// byte after them, so four pixels come from three 32-bit words.
void copyBgrRowPlain(const uchar* from, QRgb* to, std::int32_t width) {
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the words are read little-endian");
    constexpr std::uint32_t kOpaque = 0xff000000u;
    std::int32_t x = 0;
    for (; x + 4 <= width; x += 4, from += 12, to += 4) {
        std::uint32_t w[3];
        std::memcpy(w, from, sizeof w);
        to[0] = kOpaque | w[0];
        to[1] = kOpaque | w[0] >> 24 | w[1] << 8;
        to[2] = kOpaque | w[1] >> 16 | w[2] << 16;
        to[3] = kOpaque | w[2] >> 8;
    }
    for (; x < width; ++x, from += 3, ++to)
        *to = kOpaque | std::uint32_t{from[2]} << 16 | std::uint32_t{from[1]} << 8 | from[0];
}

#if defined(__x86_64__)
// The same, four pixels at a time with one byte shuffle, where the processor has
// it: 400 tiles a board load, and the rows are most of a picture's decoding. Each
// step loads 16 bytes and uses 12, so it stops 4 bytes short of `end`.
__attribute__((target("ssse3"))) void copyBgrRowShuffled(const uchar* from, QRgb* to, std::int32_t width,
                                                         const uchar* end) {
    const __m128i spread = _mm_setr_epi8(0, 1, 2, -1, 3, 4, 5, -1, 6, 7, 8, -1, 9, 10, 11, -1);
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(0xff000000u));
    std::int32_t x = 0;
    for (; x + 4 <= width && from + 16 <= end; x += 4, from += 12, to += 4) {
        const __m128i bgr = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), _mm_or_si128(_mm_shuffle_epi8(bgr, spread), opaque));
    }
    copyBgrRowPlain(from, to, width - x);
}

bool canShuffleBytes() {
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    return ssse3;
}
#endif

// `end` is the end of the bytes the row lies in.
void copyBgrRow(const uchar* from, QRgb* to, std::int32_t width, const uchar* end) {
#if defined(__x86_64__)
    if (canShuffleBytes()) {
        copyBgrRowShuffled(from, to, width, end);
        return;
    }
#endif
    (void)end;
    copyBgrRowPlain(from, to, width);
}

}  // namespace

// An uncompressed 24-bit bitmap, decoded straight from its rows into the
// screen's own pixel format, so the pixmap takes the image without another pass;
// a null image for any other file. Every tile, car and animation frame is one, the
// board loads up to 400 of them per animation tick, and Qt's reader needs four
// times as long, reading each row through its device layers.
QImage decodePlainBitmap(std::string_view bytes) {
    constexpr std::size_t kHeaders = 54;  // file header and BITMAPINFOHEADER
    constexpr std::int32_t kLargest = 4096;
    if (bytes.size() < kHeaders || !bytes.starts_with("BM") || le32At(bytes, 14) != 40 || le16At(bytes, 26) != 1 ||
        le16At(bytes, 28) != 24 || le32At(bytes, 30) != 0)
        return {};
    const std::int32_t width = le32At(bytes, 18);
    const std::int32_t height = le32At(bytes, 22);  // negative: rows stored top down
    const std::int32_t offset = le32At(bytes, 10);
    if (width <= 0 || width > kLargest || height == 0 || height > kLargest || height < -kLargest ||
        offset < static_cast<std::int32_t>(kHeaders))
        return {};
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (static_cast<std::size_t>(offset) + stride * static_cast<std::size_t>(rows) > bytes.size()) return {};
    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull()) return {};
    uchar* const pixels = image.bits();
    const qsizetype line = image.bytesPerLine();
    for (int y = 0; y < rows; ++y) {
        const int stored = height < 0 ? y : rows - 1 - y;
        const auto* from =
            reinterpret_cast<const uchar*>(bytes.data()) + offset + stride * static_cast<std::size_t>(stored);
        copyBgrRow(from, reinterpret_cast<QRgb*>(pixels + line * y), width,
                   reinterpret_cast<const uchar*>(bytes.data()) + bytes.size());
    }
    return image;
}

}  // namespace platform
