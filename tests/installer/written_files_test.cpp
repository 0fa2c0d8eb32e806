// What tavrik.exe wrote into a fresh program folder: every file a program can ask
// for, found the way the programs find it, and readable as what it claims to be.
#include "installed_run.h"
#include "shared/tile_catalogue.h"

#include <QDir>
#include <QImage>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace pendix;
using installer_test::findInFolder;
using installer_test::firstRun;
using installer_test::readAll;

namespace {

struct Picture {
    std::string path;
    int size;
};

std::vector<Picture> everyPictureTheProgramsAskFor() {
    std::vector<Picture> all;
    for (int code : allTileCodes()) {
        all.push_back({tileBitmap(code, CurveSpelling::Game), 40});
        all.push_back({tileBitmap(code, CurveSpelling::Palette), 40});
    }
    for (int street = 101; street <= 111; ++street) all.push_back({endMarkerBitmap(street), 40});
    for (int d = kFirstDirection; d <= kLastDirection; ++d) {
        all.push_back({carBitmap(d), 25});
        all.push_back({carOnEndBitmap(d), 25});
        all.push_back({arrowBitmap(d), 25});
    }
    all.push_back({"\\bmp\\Pfeilr.bmp", 25});
    all.push_back({"\\bmp\\Pfeirl.bmp", 25});
    all.push_back({std::string(kProbeBitmap), 25});
    for (int kind = 1; kind <= kAnimationKinds; ++kind)
        for (int frame = 1; frame <= animationFrameCount(kind); ++frame)
            all.push_back({animationFrameBitmap(kind, frame), 40});
    for (int n = 1; n <= 15; ++n)
        all.push_back({"\\ico\\auto" + std::string(n < 10 ? "0" : "") + std::to_string(n) + ".ico", 32});
    return all;
}

}  // namespace

TEST(WrittenFiles, EveryPictureIsThereAndHasItsSize) {
    const auto pictures = everyPictureTheProgramsAskFor();
    EXPECT_EQ(pictures.size(), 2u * 173 + 11 + 24 + 3 + 201 + 15);
    for (const Picture& pic : pictures) {
        const QString found = findInFolder(firstRun(), pic.path);
        ASSERT_FALSE(found.isEmpty()) << pic.path;
        const QImage image(found);
        ASSERT_FALSE(image.isNull()) << pic.path;
        EXPECT_EQ(image.size(), QSize(pic.size, pic.size)) << pic.path;
    }
}

TEST(WrittenFiles, BitmapsHaveTwentyFourBitsAndIconsTransparency) {
    const QByteArray street = readAll(findInFolder(firstRun(), tileBitmap(101)));
    ASSERT_GE(street.size(), 30);
    EXPECT_TRUE(street.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(street.constData() + 28), 24);

    const QImage icon(findInFolder(firstRun(), "\\ico\\auto01.ico"));
    ASSERT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(16, 16)), 255);
}

TEST(WrittenFiles, StreetsMeetTheirNeighboursAtTheCellEdges) {
    // A straight street's asphalt reaches the edge in the middle of the cell and
    // leaves the corners green, so that neighbouring tiles join.
    const QImage straight(findInFolder(firstRun(), tileBitmap(101)));
    const QImage crossing(findInFolder(firstRun(), tileBitmap(111)));
    const QRgb green = qRgb(0, 128, 0);
    EXPECT_EQ(straight.pixel(0, 0), green);
    EXPECT_EQ(straight.pixel(39, 39), green);
    EXPECT_EQ(straight.pixel(0, 20), green);
    EXPECT_NE(straight.pixel(15, 0), green);
    EXPECT_EQ(straight.pixel(15, 0), straight.pixel(15, 39));
    for (const auto& [x, y] : {std::pair{15, 0}, std::pair{15, 39}, std::pair{0, 15}, std::pair{39, 15}})
        EXPECT_EQ(crossing.pixel(x, y), straight.pixel(15, 0)) << x << "," << y;
}

TEST(WrittenFiles, CarsAndArrowsStandOnTheGreenTheBoardLetsThrough) {
    // Around the car or the arrow every pixel is the board green, which the board's
    // overlays show as the street beneath: no box of another colour around the shape.
    const QRgb green = qRgb(0, 128, 0);
    for (int d = kFirstDirection; d <= kLastDirection; ++d)
        for (const std::string& path : {carBitmap(d), carOnEndBitmap(d), arrowBitmap(d)}) {
            const QImage image(findInFolder(firstRun(), path));
            ASSERT_EQ(image.size(), QSize(25, 25)) << path;
            int rim = 0;
            for (int y = 0; y < 25; ++y)
                for (int x = 0; x < 25; ++x) {
                    const bool nearEdge = std::min({x, y, 24 - x, 24 - y}) < 2;
                    if (nearEdge && image.pixel(x, y) != green) ++rim;
                }
            EXPECT_EQ(rim, 0) << path << ": pixels of the outer two rows and columns that hide the street";
            EXPECT_NE(image.pixel(12, 12), green) << path << ": the shape itself";
        }
}

TEST(WrittenFiles, EachFileIsWrittenOnceUnderOneSpelling) {
    // The programs ignore letter case, so two spellings would be two copies of one file.
    const QString folders[] = {"bmp", "bmp/deko", "bmp/deko/ani", "ico", "wav", "hilfe", "lev1-9", "lvlneu"};
    for (const QString& sub : folders) {
        const QStringList names = QDir(firstRun() + "/" + sub).entryList(QDir::Files);
        QStringList lower;
        for (const QString& n : names) lower << n.toLower();
        lower.removeDuplicates();
        EXPECT_EQ(lower.size(), names.size()) << sub.toStdString();
    }
    EXPECT_EQ(QDir(firstRun() + "/bmp").entryList(QDir::Files).size(),
              77 + 11 + 24);  // street-like tiles, end markers, cars and arrows
    EXPECT_EQ(QDir(firstRun() + "/bmp/deko/ani").entryList(QDir::Files).size(), 201);
}

namespace {

struct Wave {
    const char* path;
    double minSeconds;
    double maxSeconds;
};

}  // namespace

TEST(WrittenFiles, WavesArePcmMonoShortAndNotClipped) {
    const Wave waves[] = {
        {"\\wav\\applaus.wav", 0.7, 1.5}, {"\\wav\\pendix.wav", 0.7, 1.5}, {"\\wav\\gerade.wav", 0.005, 0.15},
        {"\\wav\\kurve.wav", 0.02, 0.15}, {"\\wav\\trans.wav", 0.2, 1.0},
    };
    for (const Wave& w : waves) {
        const QByteArray b = readAll(findInFolder(firstRun(), w.path));
        ASSERT_GE(b.size(), 44) << w.path;
        const char* d = b.constData();
        EXPECT_EQ(b.left(4), "RIFF");
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<quint16>(d + 20), 1) << "PCM";
        EXPECT_EQ(qFromLittleEndian<quint16>(d + 22), 1) << "mono";
        EXPECT_EQ(qFromLittleEndian<quint32>(d + 24), 22050u);
        EXPECT_EQ(qFromLittleEndian<quint16>(d + 34), 16);
        EXPECT_EQ(b.mid(36, 4), "data");
        const quint32 dataSize = qFromLittleEndian<quint32>(d + 40);
        ASSERT_EQ(dataSize + 44, quint32(b.size())) << w.path;
        const double seconds = dataSize / 2.0 / 22050.0;
        EXPECT_GE(seconds, w.minSeconds) << w.path;
        EXPECT_LE(seconds, w.maxSeconds) << w.path;
        int peak = 0;
        for (quint32 i = 0; i < dataSize / 2; ++i)
            peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(d + 44 + 2 * i))));
        EXPECT_GT(peak, 3000) << w.path << " is audible";
        EXPECT_LT(peak, 32000) << w.path << " stays below full scale";
    }
}

TEST(WrittenFiles, HelpPagesAreGermanHtmlWithTheirContent) {
    const std::pair<const char*, std::vector<const char*>> pages[] = {
        {"\\hilfe\\pendix.hlp", {"Level - Start", "F11", "Strg</kbd>+<kbd>G"}},
        {"\\hilfe\\objekte.hlp", {"Gesperrte Straße 12", "Transporter", "Animationen", "Tiere"}},
        {"\\hilfe\\menuesch.hlp", {"F1 … F9", "Strg+G", "Strg+S", "Strg+H", "Strg+O", "Strg+M", "Strg+I", "Strg+D"}},
        {"\\hilfe\\editor.hlp", {"Start - Position:", "End - Position:", "lvlneu", "Transporter"}},
        {"\\hilfe\\menueser.hlp", {"Speichern unter", "F3", "Name ändern", "Startposition festlegen", "Ende!"}},
    };
    for (const auto& [path, phrases] : pages) {
        const QByteArray html = readAll(findInFolder(firstRun(), path));
        ASSERT_FALSE(html.isEmpty()) << path;
        const QString text = QString::fromUtf8(html);
        EXPECT_EQ(text.toUtf8(), html) << path << " is valid UTF-8";
        EXPECT_TRUE(text.contains("<meta charset=\"utf-8\">")) << path;
        EXPECT_TRUE(text.contains("<html lang=\"de\">")) << path;
        for (const char* phrase : phrases)
            EXPECT_TRUE(text.contains(QString::fromUtf8(phrase))) << path << ": " << phrase;
    }
}

namespace {

QList<QByteArray> levelLines(const QByteArray& bytes) {
    QList<QByteArray> lines = bytes.split('\n');
    for (QByteArray& l : lines)
        if (l.endsWith('\r')) l.chop(1);
    return lines;
}

}  // namespace

TEST(WrittenFiles, BuiltInLevelsAreLevelFiles) {
    for (int n = 1; n <= 9; ++n) {
        const std::string path = "\\lev1-9\\level" + std::to_string(n) + ".lev";
        const QByteArray bytes = readAll(findInFolder(firstRun(), path));
        ASSERT_FALSE(bytes.isEmpty()) << path;
        EXPECT_TRUE(bytes.endsWith("\r\n\r\n")) << path;
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << path;
        const auto lines = levelLines(bytes);
        ASSERT_EQ(lines.size(), 406) << path;  // 405 lines and the empty rest after the last line end
        EXPECT_FALSE(lines[0].trimmed().isEmpty()) << path;
        const int start = lines[401].toInt();
        const int direction = lines[402].toInt();
        const int end = lines[403].toInt();
        EXPECT_TRUE(start >= 0 && start < 400) << path;
        EXPECT_TRUE(direction >= 1 && direction <= 8) << path;
        EXPECT_TRUE(end >= 0 && end < 400 && end != start) << path;
        const int endCode = lines[1 + end].toInt();
        EXPECT_TRUE(endCode >= 101 && endCode <= 111) << path << ": the end lies on a plain street";
    }
}

TEST(WrittenFiles, TheTemplateIsAnEmptyBoardNamedBlanko) {
    const QByteArray bytes = readAll(findInFolder(firstRun(), "\\lvlneu\\blanko.lvl"));
    const auto lines = levelLines(bytes);
    ASSERT_EQ(lines.size(), 406);
    EXPECT_EQ(lines[0], "Blanko");
    for (int cell = 0; cell < 400; ++cell) EXPECT_TRUE(lines[1 + cell].isEmpty()) << cell;
    EXPECT_EQ(lines[401], "0");
    EXPECT_EQ(lines[402], "0");  // no start direction: the editor asks for a start before saving
    EXPECT_EQ(lines[403], "0");
    EXPECT_EQ(bytes.size(), 8 + 400 * 2 + 3 * 3 + 2);
}
