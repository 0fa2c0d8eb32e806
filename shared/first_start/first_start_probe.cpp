#include "first_start_probe.h"

#include "platform/application.h"
#include "platform/picture.h"
#include "shared/first_start/frm_beginn.h"
#include "shared/tile_catalogue.h"

namespace pendix {

bool passesFirstStartProbe(platform::Form& mainWindow, platform::Timer* animationTimer) {
    // The picture only tells that the data is there; it is let go at once.
    if (platform::tryLoadPicture(kProbeBitmap)) return true;
    showFirstStartBox(mainWindow, animationTimer);
    return false;
}

void showFirstStartBox(platform::Form& mainWindow, platform::Timer* animationTimer) {
    if (animationTimer) animationTimer->setEnabled(false);
    platform::instance<frmBeginn>().showModal();
    mainWindow.unload();
}

}  // namespace pendix
