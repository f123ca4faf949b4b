// The "Map" view of the advance map as the cell selection sees it: where each cell of the grid
// lies on the selection image, and the picture of the marks painted on that image.
#pragma once

#include <array>

#include "core/colours.h"
#include "views/canvas.h"
#include "views/cell_selection.h"

namespace orvell {

using GridCellRects = std::array<CellRect, kMapCells>;

// The frame pens of a marked cell, by its flags.
namespace grid_pen {
inline constexpr Colour kBand = colour::kRed;          // the band outline; a cell it will mark
inline constexpr Colour kUnmarking = colour::kYellow;  // a marked cell the band will unmark
inline constexpr Colour kCorner = 0x00008000;          // a corner of the interpolation rectangle
inline constexpr Colour kMarked = 0x00FF0000;          // any other marked cell
}  // namespace grid_pen

// Each cell's edit box and spinner, two pixels wider on the left and at the top, in pixels of
// the selection image. With the TPS map off only the 100 % row is shown, in the first row's
// place; the other cells have no rectangle and cannot be caught.
GridCellRects GridCells(bool tpsMap);

// Makes the grid the selection surface: its cell rectangles and the image's size.
void LayoutGridCells(TSelcell& selection, bool tpsMap, int width, int height);

// Paints the selection image: the background, the band while it is dragged on the grid
// (`showBand`), and two frames around every marked cell of the grid in the pen its flags choose.
void DrawSelection(const TSelcell& selection, const GridCellRects& cells, bool showBand,
                   Canvas& canvas, Colour background);

}  // namespace orvell
