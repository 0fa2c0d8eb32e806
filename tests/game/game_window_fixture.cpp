#include "game_window_fixture.h"

#include "platform/application.h"
#include "platform/paths.h"
#include "shared/level_format/level_writer.h"

#include <QFile>

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
    return writeFile(fileName, pendix::levelFileBytes(nameBytes, cells, start, startDirection, end));
}

QString GameWindowTest::writeFile(const std::string& fileName, const std::string& bytes) const {
    const QString path = levels.filePath(QString::fromStdString(fileName));
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

QStringList GameWindowTest::playedWaves() const {
    QStringList waves;
    for (const QString& file : fakes.waves.played()) waves << file.mid(platform::programFolder().size());
    return waves;
}

}  // namespace game_test
