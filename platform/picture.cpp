#include "picture.h"

#include "platform/paths.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace platform {

// The one place where picture files are read.
class PictureReader {
public:
    // `asked` is kept as the picture's source path; `real` is the file read.
    static std::optional<Picture> read(const QString& asked, const QString& real) {
        // The bytes are read here and decoded from memory: QPixmap::load would keep
        // the picture in QPixmapCache, and the programs must see the file as it is now.
        QFile file(real);
        if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
        QByteArray bytes = file.readAll();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);
        reader.setDecideFormatFromContent(true);

        Picture picture;
        picture.sourcePath_ = asked;
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

std::optional<Picture> tryLoadPictureFile(const QString& path) {
    if (path.isEmpty()) return std::nullopt;
    return PictureReader::read(path, resolvePath(path));
}

}  // namespace platform
