#include "game_window_fixture.h"

#include "tests/support/level_file.h"

#include "platform/application.h"
#include "platform/paths.h"

namespace game_test {

namespace {

pendix::frmHaupt& shownWindow() {
    auto& window = platform::instance<pendix::frmHaupt>();
    window.show();
    return window;
}

}  // namespace

GameWindowTest::GameWindowTest() : window(shownWindow()) {}

GameWindowTest::~GameWindowTest() { platform::dropInstances(); }

QString GameWindowTest::writeLevel(const std::string& fileName, const std::string& nameBytes,
                                   const std::array<std::string, 400>& cells, int start, int startDirection,
                                   int end) const {
    return writeFile(fileName, test_support::levelFile(nameBytes, cells, start, startDirection, end).toStdString());
}

QString GameWindowTest::writeFile(const std::string& fileName, const std::string& bytes) const {
    const QString path = levels.filePath(QString::fromStdString(fileName));
    EXPECT_TRUE(test_support::writeFile(path, QByteArray::fromStdString(bytes))) << path.toStdString();
    return path;
}

QStringList GameWindowTest::playedWaves() const {
    QStringList waves;
    for (const QString& file : fakes.waves.played()) waves << file.mid(platform::programFolder().size());
    return waves;
}

}  // namespace game_test
