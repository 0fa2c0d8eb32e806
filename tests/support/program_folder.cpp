#include "tests/support/program_folder.h"

#include "platform/paths.h"
#include "shared/tile_catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cstdio>

namespace test_support {

ProgramFolder::ProgramFolder(Contents contents) {
    if (contents == Contents::SmallPictures) {
        for (int n = 1; n <= 15; ++n) {
            char name[32];
            std::snprintf(name, sizeof name, "\\ico\\auto%02d.ico", n);
            writePicture(name);
        }
        for (int kind = 1; kind <= pendix::kAnimationKinds; ++kind)
            for (int frame = 1; frame <= pendix::animationFrameCount(kind); ++frame)
                writePicture(pendix::animationFrameBitmap(kind, frame));
    }
    platform::setProgramFolder(path());
}

ProgramFolder::~ProgramFolder() { platform::setProgramFolder({}); }

QString ProgramFolder::file(std::string_view dataPath) const {
    QString relative = QString::fromUtf8(dataPath.data(), static_cast<qsizetype>(dataPath.size()));
    relative.replace(u'\\', u'/');
    return QDir::cleanPath(path() + u'/' + relative);
}

void ProgramFolder::writePicture(std::string_view dataPath) const {
    const QString target = file(dataPath);
    QDir().mkpath(QFileInfo(target).path());
    const bool icon = target.endsWith(QStringLiteral(".ico"), Qt::CaseInsensitive);
    QImage image(icon ? 32 : 8, icon ? 32 : 8, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    image.save(target, icon ? "ICO" : "BMP");
}

void ProgramFolder::writeText(std::string_view dataPath, const QByteArray& bytes) const {
    const QString target = file(dataPath);
    QDir().mkpath(QFileInfo(target).path());
    QFile out(target);
    if (out.open(QIODevice::WriteOnly)) out.write(bytes);
}

void ProgramFolder::remove(std::string_view dataPath) const { QFile::remove(file(dataPath)); }

}  // namespace test_support
