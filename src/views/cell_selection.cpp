#include "views/cell_selection.h"

#include <algorithm>

namespace orvell {

void TSelcell::BeginSelection(int x, int y, bool keepAnchor, bool keepCells) {
    pointX = x;
    pointY = y;
    if (!keepAnchor) {
        anchorX = x;
        anchorY = y;
    }
    if (!keepAnchor && !keepCells) cellFlags.fill(0);
    state = SelectionDragging;
    TrackSelection(x, y);
}

bool TSelcell::TrackSelection(int x, int y) {
    if (state != SelectionDragging) return false;
    if (x == pointX && y == pointY) return false;
    pointX = std::clamp(x, 0, std::max(areaWidth - 1, 0));
    pointY = std::clamp(y, 0, std::max(areaHeight - 1, 0));
    const int minX = std::min(anchorX, pointX);
    const int maxX = std::max(anchorX, pointX);
    const int minY = std::min(anchorY, pointY);
    const int maxY = std::max(anchorY, pointY);
    for (int k = 0; k < kMapCells; ++k) {
        const CellRect& r = cellRect[static_cast<std::size_t>(k)];
        auto& flags = cellFlags[static_cast<std::size_t>(k)];
        // Strict on every side: a band that only touches a cell's edge does not catch it.
        const bool inBand =
            r.Present() && minX < r.right && r.left < maxX && minY < r.bottom && r.top < maxY;
        flags = static_cast<std::int16_t>(inBand ? (flags | FlagInBand) : (flags & ~FlagInBand));
    }
    return true;
}

void TSelcell::EndSelection() {
    for (auto& flags : cellFlags) {
        if ((flags & FlagInBand) != 0) flags ^= FlagMarked;
        flags = static_cast<std::int16_t>(flags & ~(FlagInBand | FlagCorner));
    }
    UpdateRectangle();
}

void TSelcell::MarkBlock(int row0, int column0, int row1, int column1) {
    const int r0 = std::clamp(std::min(row0, row1), 0, rows - 1);
    const int r1 = std::clamp(std::max(row0, row1), 0, rows - 1);
    const int c0 = std::clamp(std::min(column0, column1), 0, columns - 1);
    const int c1 = std::clamp(std::max(column0, column1), 0, columns - 1);
    cellFlags.fill(0);
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) cellFlags[static_cast<std::size_t>(10 * r + c)] = FlagMarked;
    }
    UpdateRectangle();
}

void TSelcell::ClearMarks() {
    cellFlags.fill(0);
    UpdateRectangle();
}

void TSelcell::UpdateRectangle() {
    for (auto& flags : cellFlags) flags = static_cast<std::int16_t>(flags & ~FlagCorner);
    // Row by row: the first marked row fixes the columns, each later row marks exactly those or
    // none, and after a row without them no cell may be marked.
    int count = 0;
    bool error = false;
    int c0 = -1;
    int c1 = -1;
    int r0 = -1;
    int r1 = -1;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (cellFlags[static_cast<std::size_t>(10 * r + c)] != 0) {
                ++count;
                if (c0 == -1) c0 = c;
                if (c < c0) error = true;
                if (r0 == -1) r0 = r;
                if (c1 >= 0 && c > c1) error = true;
                if (r1 >= 0 && r > r1) error = true;
            } else {
                if (c0 >= 0 && c1 == -1) c1 = c - 1;
                if (c0 >= 0 && c0 <= c && c <= c1 && r0 >= 0 && r1 == -1) {
                    r1 = r - 1;
                    if (c0 < c) error = true;
                }
            }
        }
        if (c0 >= 0 && c1 == -1) c1 = columns - 1;
    }
    if (r0 >= 0 && r1 == -1) r1 = rows - 1;

    firstColumn = lastColumn = firstRow = lastRow = -1;
    if (c0 >= 0 && !error && (c1 - c0 > 1 || r1 - r0 > 1)) {
        for (const int r : {r0, r1}) {
            for (const int c : {c0, c1})
                cellFlags[static_cast<std::size_t>(10 * r + c)] |= FlagCorner;
        }
        firstColumn = c0;
        lastColumn = c1;
        firstRow = r0;
        lastRow = r1;
    }
    state = count > 0 ? SelectionPresent : SelectionNone;
}

}  // namespace orvell
