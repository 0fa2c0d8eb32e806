// The installer's parts on their own: the code page, the file-list writer, the
// folder writer.
#include "installer/art/decoration_art.h"
#include "installer/art/grass.h"
#include "installer/cp1252.h"
#include "installer/data_folder.h"
#include "installer/file_list.h"
#include "installer/install_data.h"
#include "shared/tile_catalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pendix::installer;

TEST(Cp1252, EncodesLatinLettersAndMarksTheRest) {
    const std::pair<const char*, const char*> cases[] = {
        {"Level 1", "Level 1"},
        {"Straßenbahn über Äcker", "Stra\xDF" "enbahn \xFC" "ber \xC4" "cker"},
        {"5 € – „gut“", "5 \x80 \x96 \x84gut\x93"},
        {"\u0081\u009d", "\x81\x9d"},  // unassigned bytes: the C1 controls of their number
        {"Ελ", "??"},
        {"🚗", "?"},
        {"\xC3", "?"},          // a cut-off sequence
        {"a\x80z", "a?z"},      // a stray continuation byte
    };
    for (const auto& [utf8, expected] : cases) EXPECT_EQ(utf8ToCp1252(utf8), expected) << utf8;
}

TEST(FileListBytes, WritesSectionsClosedByEmptyLines) {
    const std::vector<ListedFolder> folders{{"\\wav\\", {"kurve.wav", "trans.wav"}}, {"\\leer\\", {}}};
    EXPECT_EQ(fileListBytes({"tavrik.exe"}, folders),
              QByteArray("[]\r\ntavrik.exe\r\n\r\n\\wav\\\r\nkurve.wav\r\ntrans.wav\r\n\r\n"));
}

TEST(FileListBytes, RefusesNamesTheDialogWouldMisread) {
    for (const char* bad : {"\\x.bmp", "[x].bmp", "x"}) {
        const std::vector<ListedFolder> folders{{"\\wav\\", {bad}}};
        EXPECT_TRUE(fileListBytes({}, folders).isEmpty()) << bad;
    }
    EXPECT_TRUE(fileListBytes({}, {}).isEmpty()) << "a list needs a section";
}

TEST(DataFolder, WritesOnceAndRefusesASecondFileUnderTheSameName) {
    QTemporaryDir dir;
    DataFolder folder{QDir(dir.path())};
    ASSERT_TRUE(folder.write("\\bmp\\PfeiLR.bmp", "left"));
    EXPECT_TRUE(folder.write("\\bmp\\Pfeilr.bmp", "left")) << "the same file in other letter case";
    EXPECT_FALSE(folder.write("\\BMP\\pfeilr.BMP", "other"));
    ASSERT_EQ(folder.faults().size(), 1);
    EXPECT_TRUE(folder.faults()[0].contains("Zwei verschiedene Dateien")) << folder.faults()[0].toStdString();
    ASSERT_EQ(folder.folders().size(), 1u);
    EXPECT_EQ(folder.folders()[0].header, "\\bmp\\");
    EXPECT_EQ(folder.folders()[0].names, QStringList{"PfeiLR.bmp"});
    EXPECT_TRUE(QDir(dir.path()).entryList({"*"}, QDir::Files, QDir::Name).isEmpty());
    EXPECT_EQ(QDir(dir.path() + "/bmp").entryList(QDir::Files), QStringList{"PfeiLR.bmp"});
}

TEST(DecorationTile, ShowsSomethingOnTheGrassWithAndWithoutTheEmojiFont) {
    // What the picture draws: the pixels that differ from its bare grass.
    auto drawnPixels = [](const QImage& img, int code) {
        const QImage grass = grassTile(std::uint32_t(code));
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) n += img.pixel(x, y) != grass.pixel(x, y);
        return n;
    };
    for (int code : pendix::allTileCodes()) {
        if (code < 301 || code > 721) continue;
        for (bool withEmoji : {true, false}) {
            const QImage tile = decorationTile(code, withEmoji);
            EXPECT_EQ(tile.size(), QSize(40, 40));
            EXPECT_GT(drawnPixels(tile, code), 200) << code << (withEmoji ? " with emoji" : " drawn");
        }
    }
}
