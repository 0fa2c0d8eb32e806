#include "installer/install_data.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <functional>
#include <string>

#include "installer/art/animation_art.h"
#include "installer/art/car_art.h"
#include "installer/art/decoration_art.h"
#include "installer/art/icon_art.h"
#include "installer/art/street_art.h"
#include "installer/data_folder.h"
#include "installer/file_list.h"
#include "installer/image_encoding.h"
#include "installer/output/help_output.h"
#include "installer/output/level_output.h"
#include "installer/sound/wave_file.h"
#include "installer/sound/wave_synth.h"
#include "shared/tile_catalogue.h"

namespace pendix::installer {
namespace {

constexpr int kIconFrames = 15;
constexpr int kBuiltInLevels = 9;
// The programs that may lie in the program folder beside the data.
const char* const kPrograms[] = {"tavrik.exe", "Pendix", "Editor", "Hilfe"};

struct Sound {
    const char* path;
    std::vector<std::int16_t> (*make)();
};
constexpr Sound kSounds[] = {
    {"\\wav\\applaus.wav", fanfareSound}, {"\\wav\\pendix.wav", wahWahSound}, {"\\wav\\gerade.wav", tickSound},
    {"\\wav\\kurve.wav", swooshSound},    {"\\wav\\trans.wav", shimmerSound},
};

std::string twoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

bool isStreetLike(Family f) { return f == Family::Street || f == Family::Blocked || f == Family::Transporter; }

bool writePictures(DataFolder& folder) {
    auto bmp = [&](const std::string& path, const QImage& image) { return folder.write(path, bmpBytes(image)); };
    for (int code : allTileCodes())
        if (isStreetLike(familyOf(code)) && !bmp(tileBitmap(code), streetTile(code))) return false;
    for (int street = 101; street <= 111; ++street)
        if (!bmp(endMarkerBitmap(street), endMarkerTile(street))) return false;
    for (int d = kFirstDirection; d <= kLastDirection; ++d)
        if (!bmp(carBitmap(d), carImage(d, false)) || !bmp(carOnEndBitmap(d), carImage(d, true)) ||
            !bmp(arrowBitmap(d), exitArrowImage(d)))
            return false;
    for (int code : allTileCodes()) {
        const Family f = familyOf(code);
        if (!isStreetLike(f) && f != Family::Animation && !bmp(tileBitmap(code), decorationTile(code))) return false;
    }
    for (int kind = 1; kind <= kAnimationKinds; ++kind)
        for (int frame = 1; frame <= animationFrameCount(kind); ++frame)
            if (!bmp(animationFrameBitmap(kind, frame), animationFrame(kind, frame))) return false;
    return true;
}

bool writeIconsAndSounds(DataFolder& folder) {
    for (int n = 1; n <= kIconFrames; ++n)
        if (!folder.write("\\ico\\auto" + twoDigits(n) + ".ico", icoBytes(iconFrame(n)))) return false;
    for (const Sound& s : kSounds)
        if (!folder.write(s.path, waveBytes(s.make()))) return false;
    return true;
}

bool writeHelp(DataFolder& folder, QStringList& faults) {
    for (const HelpDocument& doc : helpDocuments()) {
        if (doc.html.isEmpty()) {
            faults << QStringLiteral("Die Hilfeseite zu \"%1\" fehlt im Installer.").arg(QString::fromUtf8(doc.path.data()));
            continue;
        }
        if (!folder.write(doc.path, doc.html)) return false;
    }
    return true;
}

bool writeLevels(DataFolder& folder, QStringList& faults) {
    for (int n = 1; n <= kBuiltInLevels; ++n) {
        const QString source = QStringLiteral("levels/level%1.txt").arg(n);
        QFile f(QStringLiteral(":/") + source);
        if (!f.open(QIODevice::ReadOnly)) {
            faults << QStringLiteral("Die Levelquelle \"%1\" fehlt im Installer.").arg(source);
            continue;
        }
        const QByteArray text = f.readAll();
        QString error;
        const auto bytes = levelFromSource(std::string_view(text.constData(), std::size_t(text.size())), source, &error);
        if (!bytes) {
            faults << error;
            continue;
        }
        if (!folder.write("\\lev1-9\\level" + std::to_string(n) + ".lev", *bytes)) return false;
    }
    return folder.makeFolder("\\lvlneu\\") && folder.write("\\lvlneu\\blanko.lvl", blankTemplateLevel());
}

bool writeFileList(DataFolder& folder) {
    QStringList programs;
    for (const char* p : kPrograms)
        if (QFileInfo(folder.root().filePath(QString::fromLatin1(p))).isFile()) programs << QString::fromLatin1(p);
    const QByteArray list = fileListBytes(programs, folder.folders());
    if (list.isEmpty()) return false;
    QFile f(folder.root().filePath(QStringLiteral("dateien.lst")));
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(list) == list.size() && f.flush();
}

}  // namespace

InstallResult installData(const QDir& programFolder) {
    DataFolder folder(programFolder);
    QStringList faults;
    if (!writePictures(folder) || !writeIconsAndSounds(folder) || !writeHelp(folder, faults) ||
        !writeLevels(folder, faults))
        return {false, folder.error()};
    if (!writeFileList(folder))
        return {false, QStringLiteral("Die Dateiliste \"%1\" konnte nicht geschrieben werden.")
                           .arg(programFolder.filePath(QStringLiteral("dateien.lst")))};
    if (!faults.isEmpty()) return {false, faults.join(QLatin1Char('\n'))};
    return {true, {}};
}

}  // namespace pendix::installer
