// The help launcher's start-up.
#include "help/start.h"

#include "help/frm_haupt.h"
#include "platform/application.h"
#include "platform/main_form.h"

namespace pendix::hilfe {

void Main() {
    platform::setMainForm<frmHaupt>();
    platform::instance<frmHaupt>().show();
}

}  // namespace pendix::hilfe
