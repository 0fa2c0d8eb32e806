#include "picture.h"

#include "platform/file_reading.h"
#include "platform/paths.h"

#include <QBuffer>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

namespace platform {

namespace {

// Far above any picture of the programs, and above the largest bitmap decoded below.
constexpr std::size_t kPictureMaxBytes = 64 << 20;

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

// The images of an icon, handed out as they are or scaled down, never kept in
// QPixmapCache: Qt's own icon engine keeps there every pixmap that anybody asks an
// icon for, and the window system asks for the window icon at every change, ten
// times a second with the icon animation, each time of a picture freshly read.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(QList<QPixmap> pixmaps) : pixmaps_(std::move(pixmaps)) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        QPixmap best = bestFor(size);
        if (best.width() > size.width() || best.height() > size.height())
            best = best.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        return best;
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const QPixmap& pixmap : pixmaps_) sizes.push_back(pixmap.size());
        return sizes;
    }
    bool isNull() override { return pixmaps_.isEmpty(); }
    QString key() const override { return QStringLiteral("PictureIconEngine"); }
    QIconEngine* clone() const override { return new PictureIconEngine(*this); }

private:
    static bool covers(const QPixmap& pixmap, const QSize& size) {
        return pixmap.width() >= size.width() && pixmap.height() >= size.height();
    }
    // The smallest image at least as large as asked for, else the largest.
    QPixmap bestFor(const QSize& size) const {
        const QPixmap* best = nullptr;
        for (const QPixmap& candidate : pixmaps_) {
            if (!best) {
                best = &candidate;
            } else if (covers(candidate, size)) {
                if (!covers(*best, size) || candidate.width() < best->width()) best = &candidate;
            } else if (!covers(*best, size) && candidate.width() > best->width()) {
                best = &candidate;
            }
        }
        return best ? *best : QPixmap();
    }
    QList<QPixmap> pixmaps_;
};

QIcon iconOf(const QList<QPixmap>& pixmaps) { return QIcon(new PictureIconEngine(pixmaps)); }  // the icon owns it

}  // namespace

// The one place where picture files are read.
class PictureReader {
public:
    // `asked` is kept as the picture's source path; `real` is the file read.
    static std::optional<Picture> read(const QString& asked, const QString& real) {
        // The bytes are read here and decoded from memory: QPixmap::load would keep
        // the picture in QPixmapCache, and the programs must see the file as it is now.
        std::string read;
        if (readRegularFile(real, kPictureMaxBytes, read) != FileFailure::None) return std::nullopt;
        QByteArray bytes(read.data(), static_cast<qsizetype>(read.size()));

        Picture picture;
        picture.sourcePath_ = asked;
        if (const QImage plain = plainBitmap(bytes); !plain.isNull()) {
            picture.pixmap_ = QPixmap::fromImage(plain);
            picture.icon_ = iconOf({picture.pixmap_});
            return picture;
        }
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);
        QList<QPixmap> images;
        do {
            const QImage image = reader.read();
            if (image.isNull()) break;
            images.push_back(QPixmap::fromImage(image));
        } while (reader.jumpToNextImage());
        if (images.isEmpty()) return std::nullopt;
        picture.pixmap_ = images.front();
        picture.icon_ = iconOf(images);
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
    picture.icon_ = iconOf({pixmap});
    picture.drawn_ = true;
    return picture;
}

std::optional<Picture> tryLoadPictureFile(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return PictureReader::read(path, resolvePath(path));
}

}  // namespace platform
