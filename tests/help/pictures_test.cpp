// The window's own pictures: their sizes and names, and the look of 16-colour
// images: every pixel one of the 16 colours, crisp, and the same at every load.
#include "help/pictures/pixel_canvas.h"
#include "help/pictures/window_pictures.h"

#include <QImage>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <iterator>

namespace hilfe_test {
namespace {

using namespace pendix::hilfe;

struct Drawn {
    const char* name;
    std::function<platform::Picture()> draw;
    QSize size;
};

const Drawn kPictures[] = {
    {"frmHaupt.Icon", windowIcon, {32, 32}},
    {"frmHaupt.Picture1", [] { return cornerPicture(1); }, {82, 82}},
    {"frmHaupt.Picture2", [] { return cornerPicture(2); }, {82, 82}},
    {"frmHaupt.Picture3", [] { return cornerPicture(3); }, {82, 82}},
    {"frmHaupt.Picture4", [] { return cornerPicture(4); }, {82, 82}},
    {"frmHaupt.Command", headingPicture, {222, 30}},
};

QImage imageOf(const platform::Picture& picture) {
    return picture.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(WindowPictures, SizesNamesAndOnlyTheSixteenColours) {
    for (const Drawn& drawn : kPictures) {
        SCOPED_TRACE(drawn.name);
        const platform::Picture picture = drawn.draw();
        EXPECT_TRUE(picture.isDrawn());
        EXPECT_EQ(picture.sourcePath(), drawn.name);
        const QImage image = imageOf(picture);
        ASSERT_EQ(image.size(), drawn.size);
        QSet<QRgb> colours;
        int strays = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (!isSixteenColourPixel(pixel)) ++strays;
                if (qAlpha(pixel) != 0) colours.insert(pixel);
            }
        EXPECT_EQ(strays, 0) << "pixels outside the 16 colours: blended edges";
        EXPECT_GE(colours.size(), 6) << "a picture, not a placeholder";
    }
}

TEST(WindowPictures, TheIconStandsFreeAndTheOthersAreWhole) {
    const QImage icon = imageOf(windowIcon());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "the corner above the car is see-through";
    EXPECT_EQ(qAlpha(icon.pixel(16, 20)), 255);
    for (const Drawn& drawn : kPictures) {
        if (drawn.size == QSize(32, 32)) continue;
        SCOPED_TRACE(drawn.name);
        const QImage image = imageOf(drawn.draw());
        bool opaque = true;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) opaque = opaque && qAlpha(image.pixel(x, y)) == 255;
        EXPECT_TRUE(opaque);
    }
}

TEST(WindowPictures, FourDifferentCornersAndTheSameAtEveryDrawing) {
    QSet<QByteArray> distinct;
    for (int corner = 1; corner <= 4; ++corner) {
        const QImage first = imageOf(cornerPicture(corner));
        EXPECT_EQ(first, imageOf(cornerPicture(corner)));
        distinct.insert(QByteArray(reinterpret_cast<const char*>(first.constBits()), first.sizeInBytes()));
    }
    EXPECT_EQ(distinct.size(), 4);
    EXPECT_EQ(imageOf(windowIcon()), imageOf(windowIcon()));
    EXPECT_EQ(imageOf(headingPicture()), imageOf(headingPicture()));
    EXPECT_TRUE(cornerPicture(0).isEmpty());
    EXPECT_TRUE(cornerPicture(5).isEmpty());
}

// A fingerprint of every pixel (FNV-1a over the ARGB values, row by row).
std::uint64_t fingerprint(const QImage& image) {
    std::uint64_t hash = 14695981039346656037ull;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            for (int shift = 0; shift < 32; shift += 8) {
                hash ^= (pixel >> shift) & 0xffu;
                hash *= 1099511628211ull;
            }
        }
    return hash;
}

TEST(WindowPictures, EveryPixelAsTheWindowHasAlwaysShownIt) {
    // Taken from the pictures as first drawn: any faster way of drawing them draws the same pixels.
    const std::uint64_t expected[] = {
        0x0090de73ba0827fa, 0xdfaed46bd6db5ef7, 0x5f2152be2db7b116,
        0xf3f3bbf701959ca2, 0x5db9f2995b0455f1, 0xd1f76fe10b3e30f6,
    };
    static_assert(std::size(expected) == std::size(kPictures));
    for (std::size_t i = 0; i < std::size(kPictures); ++i) {
        SCOPED_TRACE(kPictures[i].name);
        EXPECT_EQ(fingerprint(imageOf(kPictures[i].draw())), expected[i]);
    }
}

TEST(PixelCanvas, ShapesTakeThePixelsWhoseCentreTheyHold) {
    PixelCanvas canvas(8, 8, Colour16::Green);
    canvas.fill(box(2, 2, 5, 4), Colour16::Red);         // columns 2..4, rows 2..3
    canvas.fill(disc(6.5, 6.5, 0.6), Colour16::Yellow);  // the one pixel (6, 6)
    canvas.sprite(0, 6, {"kw", ".b"});
    const QImage& image = canvas.image();
    EXPECT_EQ(image.pixel(2, 2), rgbOf(Colour16::Red));
    EXPECT_EQ(image.pixel(4, 3), rgbOf(Colour16::Red));
    EXPECT_EQ(image.pixel(5, 3), rgbOf(Colour16::Green));
    EXPECT_EQ(image.pixel(2, 4), rgbOf(Colour16::Green));
    EXPECT_EQ(image.pixel(6, 6), rgbOf(Colour16::Yellow));
    EXPECT_EQ(image.pixel(7, 6), rgbOf(Colour16::Green));
    EXPECT_EQ(image.pixel(0, 6), rgbOf(Colour16::Black));
    EXPECT_EQ(image.pixel(1, 6), rgbOf(Colour16::White));
    EXPECT_EQ(image.pixel(0, 7), rgbOf(Colour16::Green)) << "'.' leaves the canvas";
    EXPECT_EQ(image.pixel(1, 7), rgbOf(Colour16::Blue));

    PixelCanvas outline(5, 5);
    outline.fill(edgeOf(box(0, 0, 5, 5)), Colour16::Black);
    EXPECT_EQ(outline.image().pixel(0, 2), rgbOf(Colour16::Black));
    EXPECT_EQ(qAlpha(outline.image().pixel(2, 2)), 0);
    canvas.set(-1, 9, Colour16::White);  // outside: nothing
}

}  // namespace
}  // namespace hilfe_test
