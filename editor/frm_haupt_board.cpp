// Board clicks: placing and erasing tiles, the start, the end and transporter links.
#include "editor/frm_haupt.h"

#include "editor/rules/direction_step.h"
#include "editor/rules/target_mark.h"
#include "platform/files/cp1252.h"
#include "platform/picture.h"
#include "platform/services/services.h"
#include "platform/text/numeric_value.h"
#include "shared/level_format/drawn_code.h"
#include "shared/level_format/transporter_text.h"

namespace pendix::editor {

namespace {

const QString kRefusalTitle = QStringLiteral("Wählen sie nochmal!");
const QString kTargetNoFreeStreet = QStringLiteral("Es kann nur auf eine freie Straße transportiert werden!");
const QString kTargetOnEnd = QStringLiteral("Es kann nicht auf die Endposition gesprungen werden!");
const QString kStartNoStreet = QStringLiteral(
    "Der angeklickte Punkt ist nicht für die Start - Position geeignet, da er sich nicht auf der Straße befindet!");
const QString kStartOnEnd = QStringLiteral("Der angeklickte Punkt ist bereits als End - Position definiert!");
const QString kEndNoStreet = QStringLiteral(
    "Der angeklickte Punkt ist nicht für die End - Position geeignet, da er nicht mit dem Auto erreichbar ist!");
const QString kEndOnStart = QStringLiteral("Der angeklickte Punkt ist bereits als Start - Position definiert!");

std::string bytes(const QString& tag) { return platform::toCp1252(tag); }
QString text(const std::string& bytes) { return platform::fromCp1252(bytes); }

double tagValue(const platform::Control& control) { return platform::numericValue(bytes(control.tag())); }

// The code when the tag is exactly one of the three-digit codes first..last ("101", not "101 " or "0101"), else 0.
int exactCode(const QString& tag, int first, int last) {
    if (tag.size() != 3) return 0;
    int code = 0;
    for (QChar c : tag) {
        if (c < u'0' || c > u'9') return 0;
        code = code * 10 + (c.unicode() - u'0');
    }
    return code >= first && code <= last ? code : 0;
}

platform::Picture picture(const std::string& bitmap) { return platform::loadPicture(bitmap); }

}  // namespace

void frmHaupt::cmd_Click(int index) {
    platform::setWaitCursor();
    clickCell(index);
    platform::setDefaultCursor();  // every branch returns here, a refusal after its message
}

void frmHaupt::clickCell(int index) {
    if (SelectedCode == kNoTool) return;
    // A tool on a linked transporter first takes its arrow away, whatever the click does next.
    if (cmd(index).tag().size() == static_cast<qsizetype>(TransporterText::kLength)) removeTargetArrow(index);
    if (SelectedCode >= kTargetChoice)
        chooseTarget(index);
    else if (pic(index).tag().size() == static_cast<qsizetype>(TargetMark::kLength))
        turnExit(index);
    else if (mnuStartpositionfestlegen.checked())
        markStart(index);
    else if (mnuEndpositionfestlegen.checked())
        markEnd(index);
    else
        placeTile(index);
}

void frmHaupt::removeTargetArrow(int source) {
    const auto link = TransporterText::parse(bytes(cmd(source).tag()));
    if (!link) return;
    const std::optional<int> target = link->targetCell();
    if (!target) return;  // a damaged text names no cell of the board
    auto& overlay = pic(*target);
    // Only this link's own arrow goes: a start's car or another transporter's arrow there stays.
    const auto mark = TargetMark::parse(bytes(overlay.tag()));
    if (!mark || mark->sourceCell() != source) return;
    overlay.setPicture({});
    overlay.setTag(QStringLiteral("0"));
    overlay.setVisible(false);
}

void frmHaupt::chooseTarget(int target) {
    const int source = SelectedCode - kTargetChoice;
    const int code = source < kCells ? exactCode(cmd(source).tag(), kFirstTransporter, kLastTransporter) : 0;
    if (code == 0) {
        // The waiting transporter is gone (a level was loaded or made meanwhile): the choice ends unlinked.
        SelectedCode = kNoTool;
        return;
    }
    if (!holdsPlainStreet(target) || pic(target).visible()) {
        refuseClick(kTargetNoFreeStreet);
        return;
    }
    if (target == EndPos) {
        refuseClick(kTargetOnEnd);
        return;
    }
    // A new link always leaves upwards; clicks on the target turn it.
    auto& overlay = pic(target);
    overlay.setPicture(picture(arrowBitmap(kFirstDirection)));
    overlay.setTag(text(TargetMark::compose(source, directionDigit(kFirstDirection))->text()));
    cmd(source).setTag(text(TransporterText::compose(code, target, kFirstDirection)->text()));
    overlay.setVisible(true);
    // The object menus still show this transporter: the next click places another one of it.
    SelectedCode = static_cast<std::int16_t>(code);
}

void frmHaupt::turnExit(int target) {
    auto& overlay = pic(target);
    auto mark = TargetMark::parse(bytes(overlay.tag()));
    if (!mark) return;
    const char exit = mark->exit();
    if (const std::optional<int> next = nextDirection(std::string_view(&exit, 1))) {
        overlay.setPicture(picture(arrowBitmap(*next)));
        mark = mark->withExit(directionDigit(*next));
        overlay.setTag(text(mark->text()));
    }
    // An exit that is no direction (from a file) stays as it is, and the source takes it all the same.
    const std::optional<int> source = mark->sourceCell();
    if (!source) return;
    // Only a transporter text has an exit to change; any other tag there would be spoilt by the digit.
    if (const auto link = TransporterText::parse(bytes(cmd(*source).tag())))
        cmd(*source).setTag(text(link->withExit(mark->exit()).text()));
}

bool frmHaupt::holdsPlainStreet(int cell) { return isPlainStreetValue(tagValue(cmd(cell))); }

bool frmHaupt::refusedMark(int cell, int otherMark, const QString& noStreet, const QString& taken) {
    // The start and the end go only on a plain street, and never on the other one's cell.
    if (!holdsPlainStreet(cell)) {
        refuseClick(noStreet);
        return true;
    }
    if (cell == otherMark) {
        refuseClick(taken);
        return true;
    }
    return false;
}

void frmHaupt::markStart(int cell) {
    if (refusedMark(cell, EndPos, kStartNoStreet, kStartOnEnd)) return;
    // The former start keeps its car and digit, hidden, so that choosing it again goes on from there;
    // a target's arrow that stands where no start was set yet stays in view.
    if (pic(StartPos).tag().size() != static_cast<qsizetype>(TargetMark::kLength)) pic(StartPos).setVisible(false);
    auto& overlay = pic(cell);
    const int direction = nextDirection(bytes(overlay.tag())).value_or(kFirstDirection);
    overlay.setPicture(picture(carBitmap(direction)));
    overlay.setTag(QString::number(direction));
    StartDir = static_cast<std::int16_t>(direction);
    StartPos = static_cast<std::int16_t>(cell);
    lblSP.setCaption(QString::number(StartPos));
    overlay.setVisible(true);
    mnuStartpositionfestlegen.setChecked(false);
}

void frmHaupt::markEnd(int cell) {
    if (refusedMark(cell, StartPos, kEndNoStreet, kEndOnStart)) return;
    // An EndPos of 0 is no end yet; a former end whose street was replaced keeps the new picture.
    if (EndPos > 0) {
        if (const int street = exactCode(cmd(EndPos).tag(), kFirstStreet, kLastStreet))
            cmd(EndPos).setPicture(picture(tileBitmap(street)));
    }
    if (const int street = exactCode(cmd(cell).tag(), kFirstStreet, kLastStreet))
        cmd(cell).setPicture(picture(endMarkerBitmap(street)));
    EndPos = static_cast<std::int16_t>(cell);
    lblEP.setCaption(QString::number(EndPos));
    mnuEndpositionfestlegen.setChecked(false);
}

void frmHaupt::placeTile(int cell) {
    const int code = SelectedCode;
    // A bitmap that cannot be read leaves the cell without a picture; its tag and the rest go on as usual.
    cmd(cell).setPicture(picture(tileBitmap(code)));
    if (isTileCode(code) && familyOf(code) == Family::Animation) AnimCells[static_cast<std::size_t>(cell)] = 1;
    cmd(cell).setTag(QString::number(code));
    if (isTransporter(code)) SelectedCode = static_cast<std::int16_t>(kTargetChoice + cell);
}

void frmHaupt::cmd_MouseUp(int index, int button, int, double, double) {
    // The release that ends a left click comes here too.
    if (button != platform::kRightButton) return;
    platform::setWaitCursor();
    eraseCell(index);
    platform::setDefaultCursor();
}

void frmHaupt::eraseCell(int cell) {
    // The cell's own overlay stays: a start's car, or a target's arrow with its mark.
    cmd(cell).setPicture({});
    if (cmd(cell).tag().size() == static_cast<qsizetype>(TransporterText::kLength)) removeTargetArrow(cell);
    cmd(cell).setTag(QStringLiteral("0"));
    // A transporter waiting for its target stays unlinked, and no tool is left chosen.
    if (SelectedCode >= kTargetChoice) SelectedCode = kNoTool;
}

void frmHaupt::refuseClick(const QString& message) {
    platform::messageBox(message, platform::MsgBoxStyle::Exclamation, kRefusalTitle);
}

}  // namespace pendix::editor
