// Counting the tiles on the editor's board into the count window's boxes. The
// counts live only in the boxes' texts.
#include "editor/frm_voz.h"

#include "editor/frm_haupt.h"
#include "editor/rules/count_rule.h"
#include "platform/application.h"
#include "platform/files/cp1252.h"
#include "platform/services/services.h"
#include "platform/text/numeric_value.h"

namespace pendix::editor {

namespace {

void addOne(platform::TextBox& box) {
    const double value = platform::numericValue(platform::toCp1252(box.text()));
    box.setText(QString::number(static_cast<qint64>(value) + 1));
}

}  // namespace

void frmVOz::CountUsedObjects() {
    // The editor's cells keep their last tags also once its window is gone, so reading them is always safe.
    auto& board = platform::instance<frmHaupt>().cmd;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!board.contains(cell)) continue;
        const auto counted = countedTile(platform::toCp1252(board(cell).tag()));
        if (!counted) continue;
        addOne(txt(counted->code));
        addOne(familyTotal(counted->family));
        addOne(txtIA);
    }
}

void frmVOz::zeroCounts() {
    for (int code : txt.indices()) txt(code).setText(QStringLiteral("0"));
    for (const FamilyControls& controls : families()) controls.total.setText(QStringLiteral("0"));
    txtIA.setText(QStringLiteral("0"));
}

void frmVOz::cmdAktualisieren_Click() {
    platform::setWaitCursor();
    zeroCounts();
    CountUsedObjects();
    platform::setDefaultCursor();
}

}  // namespace pendix::editor
