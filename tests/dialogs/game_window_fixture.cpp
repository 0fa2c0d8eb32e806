#include "game_window_fixture.h"

#include "tests/support/level_file.h"

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
    folder.writeText(dataPath, test_support::levelFile(name, {{0, "101"}}, "0", "1", "0"));
    return folder.file(dataPath);
}

}  // namespace dialogs_test
