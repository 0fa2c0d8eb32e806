#include "game_window_fixture.h"

#include "platform/application.h"
#include "platform/main_form.h"
#include "platform/paths.h"
#include "shared/tile_catalogue.h"

namespace game_test {

GameWindowTest::GameWindowTest(Data data) : game(platform::instance<pendix::game::frmHaupt>()) {
    if (data == Data::Installed) {
        installed_.emplace();
    } else {
        own_.emplace();
        own_->writePicture(pendix::kProbeBitmap);
    }
    platform::setMainForm<pendix::game::frmHaupt>();
    game.show();
}

GameWindowTest::~GameWindowTest() { platform::dropInstances(); }

QString GameWindowTest::writeLevel(const std::string& fileName, const std::string& nameBytes,
                                   const test_support::LevelCells& cells, int start, int startDirection,
                                   int end) const {
    return writeFile(fileName, test_support::levelFile(nameBytes, cells, start, startDirection, end).toStdString());
}

QString GameWindowTest::writeFile(const std::string& fileName, const std::string& bytes) const {
    const QString path = levels.filePath(QString::fromStdString(fileName));
    EXPECT_TRUE(test_support::writeFile(path, QByteArray::fromStdString(bytes))) << path.toStdString();
    return path;
}

QString GameWindowTest::writeLevel(std::string_view dataPath, const char* name) const {
    folder().writeText(dataPath, test_support::levelFile(name, {{0, "101"}}, "0", "1", "0"));
    return folder().file(dataPath);
}

QStringList GameWindowTest::playedWaves() const {
    QStringList waves;
    for (const QString& file : fakes.waves.played()) waves << file.mid(platform::programFolder().size());
    return waves;
}

}  // namespace game_test
