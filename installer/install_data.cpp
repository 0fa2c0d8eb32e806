#include "installer/install_data.h"

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
#include "shared/data_paths.h"
#include "shared/tile_catalogue.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <functional>
#include <string>

namespace pendix::installer {
namespace {

// The programs that may lie in the program folder beside the data.
const char* const kPrograms[] = {"tavrik.exe", "Pendix", "Editor", "Hilfe"};

struct Sound {
    std::string_view path;
    std::vector<std::int16_t> (*make)();
};
constexpr Sound kSounds[] = {
    {kWaveWon, fanfareSound}, {kWaveLost, wahWahSound},          {kWaveStraight, tickSound},
    {kWaveTurn, swooshSound}, {kWaveTransport, shimmerSound},
};

bool isStreetLike(Family f) { return f == Family::Street || f == Family::Blocked || f == Family::Transporter; }

// Every writer goes on past a file it cannot write; the folder keeps the list.
void writePictures(DataFolder& folder) {
    auto bmp = [&](const std::string& path, const QImage& image) { folder.write(path, bmpBytes(image)); };
    for (int code : allTileCodes())
        if (isStreetLike(familyOf(code))) bmp(tileBitmap(code), streetTile(code));
    for (int street = kFirstStreet; street <= kLastStreet; ++street) bmp(endMarkerBitmap(street), endMarkerTile(street));
    for (int d = kFirstDirection; d <= kLastDirection; ++d) {
        bmp(carBitmap(d), carImage(d, false));
        bmp(carOnEndBitmap(d), carImage(d, true));
        bmp(arrowBitmap(d), exitArrowImage(d));
    }
    for (int code : allTileCodes()) {
        const Family f = familyOf(code);
        if (!isStreetLike(f) && f != Family::Animation) bmp(tileBitmap(code), decorationTile(code));
    }
    for (int kind = 1; kind <= kAnimationKinds; ++kind)
        for (int frame = 1; frame <= animationFrameCount(kind); ++frame)
            bmp(animationFrameBitmap(kind, frame), animationFrame(kind, frame));
}

void writeIconsAndSounds(DataFolder& folder) {
    for (int n = 1; n <= kIconFrames; ++n) folder.write(iconFramePath(n), icoBytes(iconFrame(n)));
    for (const Sound& s : kSounds) folder.write(s.path, waveBytes(s.make()));
}

void writeHelp(DataFolder& folder, QStringList& faults) {
    for (const HelpDocument& doc : helpDocuments()) {
        if (doc.html.isEmpty()) {
            faults << QStringLiteral("Die Hilfeseite zu \"%1\" fehlt im Installer.").arg(QString::fromUtf8(doc.path.data()));
            continue;
        }
        folder.write(doc.path, doc.html);
    }
}

void writeLevels(DataFolder& folder, QStringList& faults) {
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
        folder.write(builtInLevelPath(n), *bytes);
    }
    if (folder.makeFolder(ownLevelPath(""))) folder.write(ownLevelPath(kBlankLevelName), blankTemplateLevel());
}

// Written last, it lists exactly the files that were written.
void writeFileList(DataFolder& folder, QStringList& faults) {
    QStringList programs;
    for (const char* p : kPrograms)
        if (QFileInfo(folder.root().filePath(QString::fromLatin1(p))).isFile()) programs << QString::fromLatin1(p);
    const QByteArray list = fileListBytes(programs, folder.folders());
    if (!list.isEmpty()) {
        folder.writeUnlisted(kFileList, list);
        return;
    }
    folder.noteUnwritten(kFileList);
    if (!folder.folders().empty())  // else nothing was written that it could list
        faults << QStringLiteral("Die Dateiliste hielte ihr eigenes Format nicht ein.");
}

}  // namespace

InstallResult installData(const QDir& programFolder) {
    DataFolder folder(programFolder);
    QStringList faults;
    writePictures(folder);
    writeIconsAndSounds(folder);
    writeHelp(folder, faults);
    writeLevels(folder, faults);
    writeFileList(folder, faults);
    faults = folder.faults() + faults;
    InstallResult result;
    result.unwritten = folder.unwritten();
    result.ok = result.unwritten.isEmpty() && faults.isEmpty();
    QStringList lines;
    if (!result.unwritten.isEmpty()) {
        lines << QStringLiteral("Folgende Pfade konnten nicht geschrieben werden (%1):")
                     .arg(result.unwritten.size());
        for (const QString& path : result.unwritten) lines << QStringLiteral("  ") + path;
    }
    lines += faults;
    result.message = lines.join(QLatin1Char('\n'));
    return result;
}

}  // namespace pendix::installer
