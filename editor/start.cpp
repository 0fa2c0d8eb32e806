// The editor's start-up.
#include "editor/start.h"

#include "editor/frm_haupt.h"
#include "platform/application.h"
#include "platform/main_form.h"
#include "platform/services/services.h"

namespace pendix::editor {

void Main() {
    platform::setMainForm<frmHaupt>();  // the shared level chooser answers into its Tag
    platform::setWaitCursor();
    platform::instance<frmHaupt>().show();
    platform::setDefaultCursor();
}

}  // namespace pendix::editor
