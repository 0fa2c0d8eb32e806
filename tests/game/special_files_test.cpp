// Level files that are no regular file or never end: the game refuses them at
// once with a message that names them, and reads no further than a level needs.
#include "game/rules/level_reader.h"
#include "game_window_fixture.h"
#include "platform/paths.h"
#include "tests/support/installed_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

namespace game_test {
namespace {

class SpecialLevelFiles : public GameWindowTest {
protected:
    QString path(const char* name) const { return levels.filePath(QString::fromLatin1(name)); }
    // The one message box the load showed.
    QString message() const {
        EXPECT_EQ(fakes.messages.shown.size(), 1u);
        return fakes.messages.shown.empty() ? QString() : fakes.messages.shown.front().text;
    }
    void expectRefused(const QString& problem) const {
        const QString text = message();
        EXPECT_TRUE(text.contains(problem)) << text.toStdString();
        EXPECT_EQ(game.lblLevelName.caption(), "Kein Level eingelesen!");
    }
};

TEST_F(SpecialLevelFiles, APipeADeviceAndANeverEndingFileAreRefusedByName) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.lvl")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", path("null.lvl")));
    const QString huge = writeFile("riesig.lvl", "Name\r\n");
    ASSERT_EQ(::truncate(QFile::encodeName(huge).constData(), qint64{3} << 30), 0);  // sparse: no disk used
    struct Case {
        QString file;
        QString problem;
    };
    const Case cases[] = {
        {path("pipe.lvl"), "Das ist eine Pipe, keine Level-Datei."},
        {path("null.lvl"), "Das ist ein Gerät, keine Level-Datei."},
        {huge, "Die Datei hat in ihren ersten 1048576 Bytes keine 404 Zeilen: Das ist keine Level-Datei."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        fakes.messages.shown.clear();
        game.ClearBoard();
        game.LoadLevel(c.file);
        expectRefused(c.problem);
        EXPECT_TRUE(message().contains(c.file));
    }
}

TEST_F(SpecialLevelFiles, ALevelFollowedByGigabytesLoadsFromItsFirstLines) {
    std::array<std::string, 400> cells;
    cells[0] = "101";
    const QString path = writeLevel("lang.lvl", "Lang", cells, 0, 1, 0);
    ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), qint64{3} << 30), 0);
    game.ClearBoard();
    game.LoadLevel(path);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(game.lblLevelName.caption(), "Level: Lang");
    EXPECT_EQ(game.cmd(0).tag(), "101");
}

TEST_F(SpecialLevelFiles, LevelOneAsAPipeGivesAMessageInsteadOfFreezing) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("lev1-9"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("lev1-9/level1.lev")).constData(), 0600), 0);
    platform::setProgramFolder(folder.path());
    game.mnuLevel1.click();
    expectRefused("Das ist eine Pipe, keine Level-Datei.");
}

TEST_F(SpecialLevelFiles, TheMessageShowsThePathWithSlashesOnly) {
    QTemporaryDir folder;
    platform::setProgramFolder(folder.path());
    game.mnuLevel1.click();
    const QString text = message();
    EXPECT_TRUE(text.contains(folder.path() + "/lev1-9/level1.lev")) << text.toStdString();
    EXPECT_FALSE(text.contains('\\')) << text.toStdString();
}

}  // namespace
}  // namespace game_test
