#pragma once
// The editor window with its board answering: clicks land where the user's would
// (on whatever lies topmost at a cell's centre), tools come from the palettes, the
// object menus and the position buttons, and a snapshot of the whole board state
// tells what a click changed.
#include "editor_fixture.h"
#include "shared/tile_catalogue.h"

#include <QString>

#include <array>
#include <string>
#include <vector>

namespace editor_test {

// Everything a board click may change, for comparing before and after.
struct BoardState {
    struct Cell {
        QString tag;
        QString picture;  // the source path of the tile button's picture
        bool operator==(const Cell&) const = default;
    };
    struct Overlay {
        QString tag;
        QString picture;
        bool visible = false;
        bool operator==(const Overlay&) const = default;
    };
    std::array<Cell, pendix::kCellCount> cells;
    std::array<Overlay, pendix::kCellCount> overlays;
    int startPos = 0, startDir = 0, endPos = 0, selectedCode = 0;
    bool startMode = false, endMode = false;
    QString lblSP, lblEP;
};

// The fields in which two states differ, cell by cell ("cmd(52).tag: \"102\" -> \"301\"").
std::vector<std::string> differences(const BoardState& expected, const BoardState& actual);

class BoardTest : public EditorTest {
protected:
    BoardState state() const;

    // A left click or a right click at the centre of a cell, where the user points.
    void clickCell(int cell);
    void rightClickCell(int cell);
    // The widget that takes the mouse at a cell's centre.
    QWidget* widgetAtCentre(int cell) const;
    void clickCells(std::initializer_list<int> cells);
    void clickAtCentre(int cell, Qt::MouseButton mouse);

    // A palette button, its tab brought to the front first (paged palettes on their first page).
    void choosePaletteTool(pendix::Family family, int button);
    // The object menu item of a code.
    void chooseMenuTool(int code);
    void startMode();
    void endMode();

    // The one message shown since the last call, as the refusals show it.
    void expectRefusal(const char* text);
    void expectNoMessage();

    // Streets RL on 51..58, transporter 901 on 60 linked to 54 (exit 1), the start on 52 (up),
    // the end on 56; then the tree "Baum 1" is the tool.
    void composeMarkedRow();
};

}  // namespace editor_test
