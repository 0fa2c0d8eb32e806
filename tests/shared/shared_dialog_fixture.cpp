#include "tests/shared/shared_dialog_fixture.h"

#include "platform/application.h"
#include "shared/tile_catalogue.h"

namespace shared_test {

SharedDialogTest::SharedDialogTest() {
    for (int direction = pendix::kFirstDirection; direction <= pendix::kLastDirection; ++direction)
        folder.writePicture(pendix::carBitmap(direction));
    // The probe as the installer writes it: the car on the end cell, up-left.
    folder.writePicture("\\bmp\\AuteDLOU.bmp");
}

SharedDialogTest::~SharedDialogTest() { platform::dropInstances(); }

}  // namespace shared_test
