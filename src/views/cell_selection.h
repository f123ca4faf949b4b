// The cell selection shared by the three map views: which advance-map cells are marked, the
// rubber band being dragged, and the rectangle that interpolation may fill. Plain state; the
// grid and the curve graph lay out the cell rectangles it catches, and paint its marks.
#pragma once

#include <array>
#include <cstdint>

#include "core/param_image.h"

namespace orvell {

inline constexpr int kMapCells = kMapRows * kMapColumns;

struct CellRect {
    int left = -1;
    int top = -1;
    int right = -1;
    int bottom = -1;
    bool Present() const { return left >= 0; }
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

class TSelcell {
  public:
    static constexpr std::int32_t SelectionNone = 0;      // nothing marked
    static constexpr std::int32_t SelectionDragging = 1;  // a rubber band is being dragged
    static constexpr std::int32_t SelectionPresent = 2;   // at least one cell is marked

    static constexpr std::int16_t FlagMarked = 1;  // selected
    static constexpr std::int16_t FlagInBand = 2;  // inside the band being dragged
    static constexpr std::int16_t FlagCorner = 4;  // a corner of the interpolation rectangle

    std::int32_t state = SelectionNone;
    std::int32_t anchorX = 0;
    std::int32_t anchorY = 0;
    std::int32_t pointX = 0;
    std::int32_t pointY = 0;
    // Pixel rectangle of cell k = 10 * row + column on the current selection surface; a cell
    // without one (all -1) is never caught by the band.
    std::array<CellRect, kMapCells> cellRect{};
    std::array<std::int16_t, kMapCells> cellFlags{};
    // The interpolation rectangle: the columns and rows the marked cells fill, all -1 when they
    // fill no rectangle of at least three columns or three rows.
    std::int32_t firstColumn = -1;
    std::int32_t lastColumn = -1;
    std::int32_t firstRow = -1;
    std::int32_t lastRow = -1;
    std::int32_t columns = kMapColumns;
    std::int32_t rows = kMapRows;
    std::int32_t areaWidth = 0;
    std::int32_t areaHeight = 0;
    // Whether a view has laid out the rectangles yet (the grid's image is then the surface the
    // marks are painted on).
    bool laidOut = false;

    // Starts a band at (x, y). keepAnchor keeps the previous band's starting corner (Shift);
    // without keepAnchor and keepCells every mark is cleared first (a plain press).
    void BeginSelection(int x, int y, bool keepAnchor, bool keepCells);
    // Moves the band's corner; true when it moved (the caller repaints).
    bool TrackSelection(int x, int y);
    // Toggles the cells the band covers, then recomputes the corners, the interpolation
    // rectangle and the state.
    void EndSelection();
    // Marks exactly the cells of the block between the two corners (in any order, limited to
    // the map) and recomputes like the end of a band; the keyboard and "Select all" use it.
    void MarkBlock(int row0, int column0, int row1, int column1);
    // Unmarks every cell.
    void ClearMarks();
    // Recomputes the corners, the interpolation rectangle and the state from the marks.
    void UpdateRectangle();

    bool Selected(int cell) const { return cellFlags[static_cast<std::size_t>(cell)] != 0; }
    bool HasRectangle() const { return firstColumn >= 0; }
};

}  // namespace orvell
