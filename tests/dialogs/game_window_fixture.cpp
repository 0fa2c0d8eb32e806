#include "game_window_fixture.h"

#include "platform/application.h"
#include "platform/main_form.h"

namespace dialogs_test {

GameWindowTest::GameWindowTest() : game(platform::instance<pendix::frmHaupt>()) {
    folder.writePicture("\\bmp\\Autedlou.bmp");  // the first-start probe
    platform::setMainForm<pendix::frmHaupt>();
    game.load();
}

GameWindowTest::~GameWindowTest() { platform::dropInstances(); }

QString GameWindowTest::writeLevel(std::string_view dataPath, const char* name) const {
    QByteArray bytes = QByteArray(name) + "\r\n101\r\n";
    for (int cell = 1; cell < 400; ++cell) bytes += "0\r\n";
    bytes += "0\r\n1\r\n0\r\n";  // start cell, start direction, end cell
    folder.writeText(dataPath, bytes);
    return folder.file(dataPath);
}

}  // namespace dialogs_test
