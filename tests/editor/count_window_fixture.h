#pragma once
// The count window beside the real editor window: tags are set on the editor's
// board directly (the count only reads them), and every box is checked against
// the counts a test expects per code.
#include "editor/frm_voz.h"
#include "editor_fixture.h"

#include <map>

namespace editor_test {

class CountWindowTest : public EditorTest {
protected:
    pendix::editor::frmVOz& count();
    // Opens the count window as the user does: "Objekte" - "Verwendete Objekte zählen".
    void openCount();
    // The window's close box.
    void closeCount();
    void setTag(int cell, const QString& tag) { editor.cmd(cell).setTag(tag); }
    // Every code box, every family total and the overall total show these counts (codes not named: 0).
    void expectCounts(const std::map<int, int>& perCode);
    // The texts of every box, in a fixed order.
    std::vector<QString> allBoxTexts();
};

}  // namespace editor_test
