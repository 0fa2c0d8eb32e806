// The game's start-up.
#include "game/start.h"

#include "game/frm_haupt.h"
#include "platform/application.h"
#include "platform/main_form.h"
#include "platform/services/services.h"

namespace pendix::game {

void Main() {
    platform::setMainForm<frmHaupt>();  // the shared level chooser answers into its Tag
    platform::setWaitCursor();
    platform::instance<frmHaupt>().show();
    platform::setDefaultCursor();
}

}  // namespace pendix::game

int main(int argc, char** argv) {
    platform::Application app(argc, argv, QStringLiteral("Pendix"));
    pendix::game::Main();
    return app.exec();
}
