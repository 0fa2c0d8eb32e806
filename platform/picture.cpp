#include "picture.h"

#include "platform/paths.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cstdint>

namespace platform {

namespace {

std::int32_t le32At(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return static_cast<std::int32_t>(value);
}

int le16At(const QByteArray& bytes, qsizetype at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// An uncompressed 24-bit bitmap, decoded straight from its rows; a null image for
// any other file. Every tile, car and animation frame is one, the board loads up
// to 400 of them per animation tick, and Qt's reader needs four times as long,
// reading each row through its device layers.
QImage plainBitmap(const QByteArray& bytes) {
    constexpr qsizetype kHeaders = 54;  // file header and BITMAPINFOHEADER
    constexpr std::int32_t kLargest = 4096;
    if (bytes.size() < kHeaders || !bytes.startsWith("BM") || le32At(bytes, 14) != 40 || le16At(bytes, 26) != 1 ||
        le16At(bytes, 28) != 24 || le32At(bytes, 30) != 0)
        return {};
    const std::int32_t width = le32At(bytes, 18);
    const std::int32_t height = le32At(bytes, 22);  // negative: rows stored top down
    const std::int32_t offset = le32At(bytes, 10);
    if (width <= 0 || width > kLargest || height == 0 || height > kLargest || height < -kLargest ||
        offset < kHeaders)
        return {};
    const int rows = height < 0 ? -height : height;
    const qsizetype stride = (qsizetype{width} * 3 + 3) / 4 * 4;
    if (offset + stride * rows > bytes.size()) return {};
    QImage image(width, rows, QImage::Format_RGB888);
    for (int y = 0; y < rows; ++y) {
        const int stored = height < 0 ? y : rows - 1 - y;
        const auto* from = reinterpret_cast<const uchar*>(bytes.constData()) + offset + stride * stored;
        uchar* to = image.scanLine(y);
        for (std::int32_t x = 0; x < width; ++x) {  // stored blue, green, red
            to[3 * x] = from[3 * x + 2];
            to[3 * x + 1] = from[3 * x + 1];
            to[3 * x + 2] = from[3 * x];
        }
    }
    return image;
}

}  // namespace

// The one place where picture files are read.
class PictureReader {
public:
    // `asked` is kept as the picture's source path; `real` is the file read.
    static std::optional<Picture> read(const QString& asked, const QString& real) {
        // The bytes are read here and decoded from memory: QPixmap::load would keep
        // the picture in QPixmapCache, and the programs must see the file as it is now.
        QFile file(real);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
        QByteArray bytes = file.readAll();

        Picture picture;
        picture.sourcePath_ = asked;
        if (const QImage plain = plainBitmap(bytes); !plain.isNull()) {
            picture.pixmap_ = QPixmap::fromImage(plain);
            picture.icon_.addPixmap(picture.pixmap_);
            return picture;
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        do {
            const QImage image = reader.read();
            if (image.isNull()) break;
            const QPixmap pixmap = QPixmap::fromImage(image);
            if (picture.pixmap_.isNull()) picture.pixmap_ = pixmap;
            picture.icon_.addPixmap(pixmap);
        } while (reader.jumpToNextImage());
        if (picture.pixmap_.isNull()) return std::nullopt;
        return picture;
    }

    static Picture readOrBlank(const QString& asked, const QString& real) {
        if (auto picture = read(asked, real)) return *picture;
        Picture blank;
        blank.sourcePath_ = asked;
        return blank;
    }
};

namespace {

QString pathText(std::string_view dataPath) {
    return QString::fromUtf8(dataPath.data(), static_cast<qsizetype>(dataPath.size()));
}

}  // namespace

Picture loadPicture(std::string_view dataPath) {
    if (dataPath.empty()) return {};
    return PictureReader::readOrBlank(pathText(dataPath), resolveDataPath(dataPath));
}

std::optional<Picture> tryLoadPicture(std::string_view dataPath) {
    if (dataPath.empty()) return std::nullopt;
    return PictureReader::read(pathText(dataPath), resolveDataPath(dataPath));
}

Picture loadPictureFile(const QString& path) {
    if (path.isEmpty()) return {};
    return PictureReader::readOrBlank(path, resolvePath(path));
}

Picture drawnPicture(const QString& name, const QPixmap& pixmap) {
    Picture picture;
    picture.sourcePath_ = name;
    picture.pixmap_ = pixmap;
    picture.icon_.addPixmap(pixmap);
    picture.drawn_ = true;
    return picture;
}

std::optional<Picture> tryLoadPictureFile(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return PictureReader::read(path, resolvePath(path));
}

}  // namespace platform
