#include "tests/support/dialog_hands.h"

#include "platform/application.h"
#include "shared/file_list/frm_datei_lst.h"
#include "shared/level_chooser/frm_levelauswahl.h"

#include <gtest/gtest.h>

namespace test_support {

void pickInChooser(test_support::ScriptedModalLoop& modal, const QString& folder, const QString& file) {
    modal.script.push_back([folder, file](platform::Form& form) {
        auto& chooser = static_cast<pendix::frmLevelauswahl&>(form);
        chooser.dirVerzeichnisse.setPath(folder);
        for (int i = 0; i < chooser.filDateien.listCount(); ++i)
            if (chooser.filDateien.list(i) == file) chooser.filDateien.setListIndex(i);
        ASSERT_EQ(chooser.filDateien.fileName(), file);
        chooser.cmdOk.click();
    });
}

void browseFileList() {
    auto& list = platform::instance<pendix::frmDateiLst>();
    ASSERT_TRUE(list.isLoaded());
    for (int folder = 0; folder < list.lstVerzeichnisse.listCount(); ++folder) {
        list.lstVerzeichnisse.setListIndex(folder);
        if (list.lstDateien.listCount() > 0) list.lstDateien.setListIndex(0);
    }
    list.Timer.fire();
    list.cmdOk.click();
    EXPECT_FALSE(list.isLoaded());
}

}  // namespace test_support
