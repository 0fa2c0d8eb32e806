#include "installer/art/grass.h"

#include "installer/art/palette.h"

namespace pendix::installer {

QImage grassTile(std::uint32_t seed) {
    QImage img(art::kTileSize, art::kTileSize, QImage::Format_RGB32);
    img.fill(art::kBoardGreen);
    PixelRandom rnd(seed + 1);
    // Short blades, a little darker or lighter than the board, averaging out to it.
    for (int k = 0; k < 45; ++k) {
        const int x = int(rnd.next() % art::kTileSize);
        const int y = int(rnd.next() % (art::kTileSize - 2));
        const bool light = rnd.next() % 2;
        const QRgb c = light ? qRgb(14, 142, 12) : qRgb(0, 112, 0);
        img.setPixel(x, y, c);
        img.setPixel(x, y + 1, c);
    }
    return img;
}

}  // namespace pendix::installer
