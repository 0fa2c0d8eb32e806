#include "board_fixture.h"

#include "editor/rules/palette_layout.h"
#include "tests/support/user_input.h"

#include <QTest>
#include <QWidget>

namespace editor_test {

namespace {

std::string quoted(const QString& text) { return '"' + text.toStdString() + '"'; }

void compare(std::vector<std::string>& out, const std::string& field, const QString& expected, const QString& actual) {
    if (expected != actual) out.push_back(field + ": " + quoted(expected) + " -> " + quoted(actual));
}

void compare(std::vector<std::string>& out, const std::string& field, int expected, int actual) {
    if (expected != actual) out.push_back(field + ": " + std::to_string(expected) + " -> " + std::to_string(actual));
}

}  // namespace

std::vector<std::string> differences(const BoardState& expected, const BoardState& actual) {
    std::vector<std::string> out;
    for (int i = 0; i < pendix::kCellCount; ++i) {
        const std::string cmd = "cmd(" + std::to_string(i) + ").", pic = "pic(" + std::to_string(i) + ").";
        const auto& e = expected.cells[static_cast<std::size_t>(i)];
        const auto& a = actual.cells[static_cast<std::size_t>(i)];
        compare(out, cmd + "tag", e.tag, a.tag);
        compare(out, cmd + "picture", e.picture, a.picture);
        const auto& eo = expected.overlays[static_cast<std::size_t>(i)];
        const auto& ao = actual.overlays[static_cast<std::size_t>(i)];
        compare(out, pic + "tag", eo.tag, ao.tag);
        compare(out, pic + "picture", eo.picture, ao.picture);
        compare(out, pic + "visible", eo.visible, ao.visible);
    }
    compare(out, "StartPos", expected.startPos, actual.startPos);
    compare(out, "StartDir", expected.startDir, actual.startDir);
    compare(out, "EndPos", expected.endPos, actual.endPos);
    compare(out, "SelectedCode", expected.selectedCode, actual.selectedCode);
    compare(out, "start mode", expected.startMode, actual.startMode);
    compare(out, "end mode", expected.endMode, actual.endMode);
    compare(out, "lblSP", expected.lblSP, actual.lblSP);
    compare(out, "lblEP", expected.lblEP, actual.lblEP);
    return out;
}

BoardState BoardTest::state() const {
    BoardState s;
    for (int i = 0; i < pendix::kCellCount; ++i) {
        s.cells[static_cast<std::size_t>(i)] = {editor.cmd(i).tag(), editor.cmd(i).picture().sourcePath()};
        s.overlays[static_cast<std::size_t>(i)] = {editor.pic(i).tag(), editor.pic(i).picture().sourcePath(),
                                                   editor.pic(i).visible()};
    }
    s.startPos = editor.StartPos;
    s.startDir = editor.StartDir;
    s.endPos = editor.EndPos;
    s.selectedCode = editor.SelectedCode;
    s.startMode = editor.mnuStartpositionfestlegen.checked();
    s.endMode = editor.mnuEndpositionfestlegen.checked();
    s.lblSP = editor.lblSP.caption();
    s.lblEP = editor.lblEP.caption();
    return s;
}

QWidget* BoardTest::widgetAtCentre(int cell) const {
    QWidget* button = editor.cmd(cell).widget();
    if (button == nullptr) return nullptr;
    QWidget* window = button->window();
    // Qt hands a mouse event to the topmost child that takes the mouse at that point.
    return window->childAt(button->mapTo(window, button->rect().center()));
}

void BoardTest::clickAtCentre(int cell, Qt::MouseButton mouse) {
    test_support::clickWhereShown(editor.cmd(cell), mouse);
}

void BoardTest::clickCell(int cell) { clickAtCentre(cell, Qt::LeftButton); }
void BoardTest::rightClickCell(int cell) { clickAtCentre(cell, Qt::RightButton); }

void BoardTest::clickCells(std::initializer_list<int> cells) {
    for (int cell : cells) clickCell(cell);
}

void BoardTest::choosePaletteTool(pendix::Family family, int button) {
    bringTab(pendix::editor::paletteTab(family));
    click(editor.palette(family)(button));
}

void BoardTest::chooseMenuTool(int code) {
    const pendix::Family family = pendix::familyOf(code);
    editor.objectItems(family)(code - pendix::familyFirstCode(family)).click();
}

void BoardTest::startMode() {
    bringTab(pendix::editor::kStartEndTab);
    click(editor.cmdStartPosition);
}

void BoardTest::endMode() {
    bringTab(pendix::editor::kStartEndTab);
    click(editor.cmdEndPosition);
}

void BoardTest::expectRefusal(const char* text) {
    ASSERT_EQ(fakes.messages.shown.size(), 1u) << text;
    const auto& shown = fakes.messages.shown.front();
    EXPECT_EQ(shown.text, QString::fromUtf8(text));
    EXPECT_EQ(shown.style, 48);
    EXPECT_EQ(shown.title, "Wählen sie nochmal!");
    fakes.messages.shown.clear();
}

void BoardTest::expectNoMessage() {
    EXPECT_TRUE(fakes.messages.shown.empty()) << fakes.messages.shown.front().text.toStdString();
    fakes.messages.shown.clear();
}

void BoardTest::composeMarkedRow() {
    choosePaletteTool(pendix::Family::Street, 1);  // 102, left and right
    for (int cell = 51; cell <= 58; ++cell) clickCell(cell);
    choosePaletteTool(pendix::Family::Transporter, 0);  // 901
    clickCells({60, 54});
    startMode();
    clickCell(52);
    endMode();
    clickCell(56);
    choosePaletteTool(pendix::Family::Tree, 0);  // 301
}

}  // namespace editor_test
