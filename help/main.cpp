// The help launcher: no start-up routine of its own, the window opens directly.
#include "help/frm_haupt.h"

#include "platform/application.h"
#include "platform/main_form.h"

int main(int argc, char** argv) {
    platform::Application app(argc, argv, QStringLiteral("Hilfe"));
    platform::setMainForm<pendix::hilfe::frmHaupt>();
    platform::instance<pendix::hilfe::frmHaupt>().show();
    return app.exec();
}
