// The "Map" view of the advance map: the cell selection made with the mouse on the selection
// image under the grid, its picture, and the interpolation of a marked rectangle.
#include "app/form_hlav.h"
#include "views/grid_view.h"
#include "views/interpolation.h"

namespace orvell {

bool TFormHlav::GridSeams::SelectionPresent() const {
    return form_.selection.state == TSelcell::SelectionPresent;
}

bool TFormHlav::GridSeams::CellSelected(int cell) const {
    return form_.selection.Selected(cell);
}

void TFormHlav::GridSeams::LayoutGridCells() {
    form_.LayoutGridCells();
}

void TFormHlav::GridSeams::DrawSelection() {
    form_.DrawSelection();
}

void TFormHlav::LayoutGridCells() {
    orvell::LayoutGridCells(selection, window.CheckBoxTpsMapa.Checked(), window.ImageSelect.Width(),
                            window.ImageSelect.Height());
}

void TFormHlav::OnImageSelMouseDown(int x, int y) {
    // The keys as they are at the press.
    StartBand(x, y, platform_.ShiftDown(), platform_.CtrlDown());
}

void TFormHlav::StartBand(int x, int y, bool shift, bool ctrl) {
    // Shift and Ctrl together mean neither.
    if (shift && ctrl) shift = ctrl = false;
    keyAnchor_ = -1;
    LayoutGridCells();
    selection.BeginSelection(x, y, shift, ctrl);
    // A plain press has just cleared the marks.
    DrawSelection();
}

void TFormHlav::OnImageSelMouseMove(int x, int y) {
    if (rightPressPending_ && (x != rightPressX_ || y != rightPressY_)) {
        // The right button drags a band like the left one, from where it went down.
        rightPressPending_ = false;
        StartBand(rightPressX_, rightPressY_, rightPressShift_, rightPressCtrl_);
    }
    if (selection.state == TSelcell::SelectionDragging && selection.TrackSelection(x, y)) {
        DrawSelection();
    }
}

void TFormHlav::OnImageSelMouseUp() {
    selection.EndSelection();
    editorState.redrawRequest |= kRedrawRepaint;  // the graphs show the marks too
    DrawSelection();
}

void TFormHlav::OnEnterAdvanceMap() {
    LayoutGridCells();
    DrawSelection();
}

void TFormHlav::PageControl1Change() {
    UpdateMapToolItems();
    if (window.PageControl1.ActivePageIndex() == kPageAdvance) OnEnterAdvanceMap();
}

void TFormHlav::DoInterpolation() {
    if (!InterpolateSelection(selection, image)) {
        ShowError(kInterpolationErrorText, kInterpolationErrorCaption);
        return;
    }
    ApplyConsistencyRules();
    RefreshControls();
    PushSnapshot();
    editorState.redrawRequest |= kRedrawRescale;
}

void TFormHlav::PaintGridSelection(Canvas& canvas) const {
    const GridCellRects cells = GridCells(window.CheckBoxTpsMapa.Checked());
    // The band is the grid's only while the grid's rectangles are the ones it catches (a band
    // on the curve graph is the graph's to draw).
    const bool band = selection.cellRect == cells;
    orvell::DrawSelection(selection, cells, band, canvas, window.ImageSelect.Color());
}

}  // namespace orvell
