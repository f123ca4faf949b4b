#include "views/grid_view.h"

namespace orvell {

namespace {

// The column gaps widen by a pixel after the third and the seventh column, like the grid's
// edit boxes.
constexpr int CellLeft(int column) {
    return 10 + 59 * column + (column >= 3 ? 1 : 0) + (column >= 7 ? 1 : 0);
}
constexpr int kCellWidth = 48;
constexpr int kCellHeight = 22;
constexpr int kFirstRowTop = 15;
constexpr int kRowPitch = 33;
constexpr int kShownRowWithoutTps = kMapRows - 1;

Colour PenOf(std::int16_t flags) {
    if ((flags & TSelcell::FlagInBand) != 0) {
        return (flags & TSelcell::FlagMarked) != 0 ? grid_pen::kUnmarking : grid_pen::kBand;
    }
    return (flags & TSelcell::FlagCorner) != 0 ? grid_pen::kCorner : grid_pen::kMarked;
}

}  // namespace

GridCellRects GridCells(bool tpsMap) {
    GridCellRects cells{};
    for (int r = 0; r < kMapRows; ++r) {
        if (!tpsMap && r != kShownRowWithoutTps) continue;
        const int top = tpsMap ? kFirstRowTop + kRowPitch * r : kFirstRowTop;
        for (int c = 0; c < kMapColumns; ++c) {
            const int left = CellLeft(c);
            cells[static_cast<std::size_t>(kMapColumns * r + c)] = {left, top, left + kCellWidth,
                                                                    top + kCellHeight};
        }
    }
    return cells;
}

void LayoutGridCells(TSelcell& selection, bool tpsMap, int width, int height) {
    selection.cellRect = GridCells(tpsMap);
    selection.areaWidth = width;
    selection.areaHeight = height;
    selection.laidOut = true;
}

void DrawSelection(const TSelcell& selection, const GridCellRects& cells, bool showBand,
                   Canvas& canvas, Colour background) {
    canvas.SetBrush(background);
    canvas.SetPen(background);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    canvas.ClearBrush();
    if (showBand && selection.state == TSelcell::SelectionDragging) {
        canvas.SetPen(grid_pen::kBand);
        const int ax = selection.anchorX;
        const int ay = selection.anchorY;
        const int px = selection.pointX;
        const int py = selection.pointY;
        canvas.Line(ax, ay, px, ay);
        canvas.Line(px, ay, px, py);
        canvas.Line(px, py, ax, py);
        canvas.Line(ax, py, ax, ay);
    }
    for (int k = 0; k < kMapCells; ++k) {
        const std::int16_t flags = selection.cellFlags[static_cast<std::size_t>(k)];
        const CellRect& r = cells[static_cast<std::size_t>(k)];
        if (flags == 0 || !r.Present()) continue;
        canvas.SetPen(PenOf(flags));
        canvas.Rectangle(r.left, r.top, r.right, r.bottom);
        canvas.Rectangle(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
    }
}

}  // namespace orvell
