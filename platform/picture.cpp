#include "picture.h"

#include "platform/bitmap_decoder.h"
#include "platform/files/file_reading.h"
#include "platform/icon_engine.h"
#include "platform/start_phases.h"

#include <QBuffer>
#include <QImageReader>

#include <cstddef>
#include <string>
#include <utility>

namespace platform {

namespace {

// Far above any picture of the programs, and above the largest bitmap the decoder takes.
constexpr std::size_t kPictureMaxBytes = 64 << 20;

}  // namespace

// The one place where picture files are decoded, our plain bitmaps by
// bitmap_decoder.h and any other by Qt's readers; readDataFile and readFileAt
// (file_reading.h) read them.
class PictureReader {
public:
    // `asked` is kept as the picture's source path; `bytes` is what was read for it,
    // or nothing when it could not be read. The bytes are decoded from memory:
    // QPixmap::load would keep the picture in QPixmapCache, and the programs must
    // see the file as it is now.
    static std::optional<Picture> read(const QString& asked, std::optional<std::string> bytes) {
        if (!bytes) return std::nullopt;
        Picture picture;
        picture.sourcePath_ = asked;
        if (QImage plain = decodePlainBitmap(*bytes); !plain.isNull()) {
            picture.pixmap_ = QPixmap::fromImage(std::move(plain));  // already in the screen's format: no copy
            return picture;                                          // its icon is made when asked for
        }
        QByteArray data = QByteArray::fromRawData(bytes->data(), static_cast<qsizetype>(bytes->size()));
        QBuffer buffer(&data);
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
        if (images.size() > 1) picture.icon_ = iconOf(images);
        return picture;
    }

    static Picture readOrBlank(const QString& asked, std::optional<std::string> bytes) {
        if (auto picture = read(asked, std::move(bytes))) return *picture;
        Picture blank;
        blank.sourcePath_ = asked;
        return blank;
    }
};

namespace {

QString pathText(std::string_view dataPath) {
    return QString::fromUtf8(dataPath.data(), static_cast<qsizetype>(dataPath.size()));
}

// The bytes of a picture file, or nothing.
std::optional<std::string> pictureBytesOf(std::string_view dataPath) {
    std::string bytes;
    if (readDataFile(dataPath, kPictureMaxBytes, bytes) != FileFailure::None) return std::nullopt;
    return bytes;
}

std::optional<std::string> pictureBytesAt(const QString& path) {
    std::string bytes;
    if (readFileAt(path, kPictureMaxBytes, bytes) != FileFailure::None) return std::nullopt;
    return bytes;
}

}  // namespace

QIcon Picture::icon() const {
    if (!icon_.isNull() || pixmap_.isNull()) return icon_;
    return iconOf({pixmap_});
}

Picture loadPicture(std::string_view dataPath) {
    if (dataPath.empty()) return {};
    const PictureTiming timing;
    return PictureReader::readOrBlank(pathText(dataPath), pictureBytesOf(dataPath));
}

std::optional<Picture> tryLoadPicture(std::string_view dataPath) {
    if (dataPath.empty()) return std::nullopt;
    const PictureTiming timing;
    return PictureReader::read(pathText(dataPath), pictureBytesOf(dataPath));
}

Picture loadPictureFile(const QString& path) {
    if (path.isEmpty()) return {};
    const PictureTiming timing;
    return PictureReader::readOrBlank(path, pictureBytesAt(path));
}

Picture drawnPicture(const QString& name, const QPixmap& pixmap) {
    Picture picture;
    picture.sourcePath_ = name;
    picture.pixmap_ = pixmap;
    picture.drawn_ = true;
    return picture;
}

std::optional<Picture> tryLoadPictureFile(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    const PictureTiming timing;
    return PictureReader::read(path, pictureBytesAt(path));
}

}  // namespace platform
