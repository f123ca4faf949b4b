// The map cell tools: copy and paste through the clipboard, Set to / Add / Scale / Smooth on
// the marked cells, the selection by keyboard and the map's context menu.
#include <algorithm>
#include <array>
#include <string>

#include "app/form_hlav.h"
#include "views/map_tools.h"

namespace orvell {

namespace {

// A menu caption as a dialog title: without the accelerator mark and the trailing dots.
std::string TitleOf(const MenuItem& item) {
    std::string title;
    for (const char ch : item.Caption()) {
        if (ch != '&') title += ch;
    }
    while (!title.empty() && (title.back() == '.' || title.back() == ' ')) title.pop_back();
    return title;
}

}  // namespace

void TFormHlav::UpdateMapToolItems() {
    const bool onMap = window.PageControl1.ActivePageIndex() == kPageAdvance;
    for (MenuItem* item :
         {&window.MenuCopyCells, &window.MenuPasteCells, &window.MenuSetCells, &window.MenuAddCells,
          &window.MenuScaleCells, &window.MenuSmoothCells, &window.MenuInterpolation,
          &window.MenuSelectAll, &window.MenuClearSelection}) {
        item->SetEnabled(onMap);
    }
    // Off the map page Ctrl+C and Ctrl+V are the edit boxes' own.
    window.MenuCopyCells.SetShortcut(onMap ? "Ctrl+C" : "");
    window.MenuPasteCells.SetShortcut(onMap ? "Ctrl+V" : "");
}

void TFormHlav::FinishMapChange() {
    ApplyConsistencyRules();
    RefreshControls();
    PushSnapshot();
    editorState.redrawRequest |= kRedrawRescale;
}

void TFormHlav::MenuCopyCellsClick() {
    const CellMask cells = ToolCells(selection, window.CheckBoxTpsMapa.Checked(), focusedCell_);
    if (!AnyCell(cells)) return;
    platform_.SetClipboardText(CopyCellsText(image, cells));
}

void TFormHlav::MenuPasteCellsClick() {
    const bool tpsMap = window.CheckBoxTpsMapa.Checked();
    const int first = FirstCell(ToolCells(selection, tpsMap, focusedCell_));
    if (first < 0) return;
    const auto table = ParseCellTable(platform_.ClipboardText());
    if (!table) {
        ShowMessage(texts[Msg::MsgPasteRefused]);
        return;
    }
    // A value typed into a box and not yet taken is part of the set the paste starts from.
    GatherControls();
    // The top-left cell of the marks: the first row's first marked cell may lie right of a
    // marked cell of a later row when the marks are no rectangle.
    int column = first % kMapColumns;
    const CellMask cells = ToolCells(selection, tpsMap, focusedCell_);
    for (int k = first; k < kMapCells; ++k) {
        if (cells[static_cast<std::size_t>(k)]) column = std::min(column, k % kMapColumns);
    }
    PasteCells(image, *table, first / kMapColumns, column, tpsMap);
    FinishMapChange();
}

void TFormHlav::MenuSetCellsClick() {
    RunCellTool(CellTool::Set);
}

void TFormHlav::MenuAddCellsClick() {
    RunCellTool(CellTool::Add);
}

void TFormHlav::MenuScaleCellsClick() {
    RunCellTool(CellTool::Scale);
}

void TFormHlav::MenuSmoothCellsClick() {
    RunCellTool(CellTool::Smooth);
}

void TFormHlav::RunCellTool(CellTool tool) {
    const CellMask cells = ToolCells(selection, window.CheckBoxTpsMapa.Checked(), focusedCell_);
    const int first = FirstCell(cells);
    if (first < 0) return;
    int operand = 0;
    CellOperation operation = CellOperation::Smooth;
    if (tool != CellTool::Smooth) {
        struct Question {
            const MenuItem* item;
            Msg label;
            CellOperation operation;
            int min, max, initial;
        };
        const int value = image.MapCell(first / kMapColumns, first % kMapColumns);
        // In the order of CellTool.
        const std::array<Question, 3> questions = {{
            {&window.MenuSetCells, Msg::MsgSetCellsPrompt, CellOperation::Set, kCellMin, kCellMax,
             value},
            {&window.MenuAddCells, Msg::MsgAddCellsPrompt, CellOperation::Add, -kCellMax, kCellMax,
             0},
            {&window.MenuScaleCells, Msg::MsgScaleCellsPrompt, CellOperation::Scale, 0, 500, 100},
        }};
        const Question& q = questions[static_cast<std::size_t>(tool)];
        const std::optional<int> answer =
            platform_.AskNumber(TitleOf(*q.item), texts[q.label], q.min, q.max, q.initial);
        if (!answer) return;
        operation = q.operation;
        // The box keeps to the range; a front end that does not is held to it here.
        operand = std::clamp(*answer, q.min, q.max);
    }
    // A value typed into a box and not yet taken is part of the set the tool starts from.
    GatherControls();
    ApplyCellOperation(image, cells, operation, operand);
    FinishMapChange();
}

void TFormHlav::MenuSelectAllClick() {
    keyAnchor_ = -1;
    if (window.CheckBoxTpsMapa.Checked()) {
        selection.MarkBlock(0, 0, kMapRows - 1, kMapColumns - 1);
    } else {
        selection.MarkBlock(kMapRows - 1, 0, kMapRows - 1, kMapColumns - 1);
    }
    editorState.redrawRequest |= kRedrawRepaint;
    DrawSelection();
}

void TFormHlav::MenuClearSelectionClick() {
    keyAnchor_ = -1;
    selection.ClearMarks();
    editorState.redrawRequest |= kRedrawRepaint;
    DrawSelection();
}

void TFormHlav::CellArrowKey(int cell, int key, bool shift) {
    const bool tpsMap = window.CheckBoxTpsMapa.Checked();
    int row = cell / kMapColumns;
    int column = cell % kMapColumns;
    if (key == kKeyUp) --row;
    if (key == kKeyDown) ++row;
    if (key == kKeyLeft) --column;
    if (key == kKeyRight) ++column;
    // Without the TPS map the grid shows only the last row.
    row = std::clamp(row, tpsMap ? 0 : kMapRows - 1, kMapRows - 1);
    column = std::clamp(column, 0, kMapColumns - 1);
    const int target = kMapColumns * row + column;
    if (shift) {
        if (keyAnchor_ < 0) keyAnchor_ = cell;
        selection.MarkBlock(keyAnchor_ / kMapColumns, keyAnchor_ % kMapColumns, row, column);
        editorState.redrawRequest |= kRedrawRepaint;
        DrawSelection();
    } else {
        keyAnchor_ = -1;
    }
    focusedCell_ = target;
    if (target != cell) platform_.MoveFocusTo(window.EditCell[static_cast<std::size_t>(target)]);
}

void TFormHlav::ShowMapMenu(const Control& at, int x, int y) {
    static constexpr std::array<const MenuItem WindowModel::*, 11> kItems = {
        &WindowModel::MenuCopyCells,
        &WindowModel::MenuPasteCells,
        &WindowModel::N5,
        &WindowModel::MenuSetCells,
        &WindowModel::MenuAddCells,
        &WindowModel::MenuScaleCells,
        &WindowModel::MenuSmoothCells,
        &WindowModel::MenuInterpolation,
        &WindowModel::N6,
        &WindowModel::MenuSelectAll,
        &WindowModel::MenuClearSelection};
    std::array<const MenuItem*, kItems.size()> items{};
    for (std::size_t i = 0; i < kItems.size(); ++i) items[i] = &(window.*kItems[i]);
    platform_.PopupMenu(items, at, x, y);
}

void TFormHlav::OnImageSelRightDown(int x, int y) {
    // Not a band until the pointer moves: a right click opens the menu and keeps the marks.
    rightPressPending_ = true;
    rightPressX_ = x;
    rightPressY_ = y;
    rightPressShift_ = platform_.ShiftDown();
    rightPressCtrl_ = platform_.CtrlDown();
}

void TFormHlav::OnImageSelRightUp(int x, int y) {
    if (!rightPressPending_) {
        OnImageSelMouseUp();
        return;
    }
    rightPressPending_ = false;
    ShowMapMenu(window.ImageSelect, x, y);
}

}  // namespace orvell
