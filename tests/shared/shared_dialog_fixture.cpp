#include "tests/shared/shared_dialog_fixture.h"

#include "shared/tile_catalogue.h"

#include "platform/application.h"

namespace extras_test {

ExtrasTest::ExtrasTest() {
    for (int direction = pendix::kFirstDirection; direction <= pendix::kLastDirection; ++direction)
        folder.writePicture(pendix::carBitmap(direction));
    // The probe as the installer writes it: the car on the end cell, up-left.
    folder.writePicture("\\bmp\\AuteDLOU.bmp");
}

ExtrasTest::~ExtrasTest() { platform::dropInstances(); }

}  // namespace extras_test
