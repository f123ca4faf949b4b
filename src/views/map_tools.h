// Tools that work on a block of advance-map cells at once: copying them as a table a
// spreadsheet takes, pasting such a table back, and setting, adding, scaling or smoothing the
// cells. Pure logic on the image; the window asks for the numbers, runs the rules, the refresh
// and the undo step.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/param_image.h"
#include "views/cell_selection.h"

namespace orvell {

// Every cell value lies in 0..60 degrees; the tools keep their results there.
inline constexpr int kCellMin = 0;
inline constexpr int kCellMax = 60;

using CellMask = std::array<bool, kMapCells>;

// The cells the tools work on: the marked cells of the rows the grid shows (all rows with the
// TPS map on, only the 100 % row without it), or the focused cell when none of them is marked.
// Marks left in rows the grid does not show are never touched. `focusedCell` is -1 for none.
CellMask ToolCells(const TSelcell& selection, bool tpsMap, int focusedCell);
bool AnyCell(const CellMask& cells);
// The first chosen cell in reading order (top row first), -1 for none.
int FirstCell(const CellMask& cells);

// The chosen cells as tab-separated text, rows on lines ending in a line break, over the
// smallest rectangle holding them; a cell of that rectangle that is not chosen is an empty
// field. Empty text when nothing is chosen.
std::string CopyCellsText(const ParamImage& image, const CellMask& cells);

// A table read from the clipboard: rows of fields, an empty field (std::nullopt) leaves its
// cell alone. Every number is already rounded and limited to the cell range.
using CellTable = std::vector<std::vector<std::optional<int>>>;

// Reads tab- or semicolon-separated numbers, one table row per line (Windows or Unix line
// ends; blank lines at the end ignored). Numbers may have a sign and a decimal part with a
// point or a comma. Nullopt when any field is not a number or there is no number at all.
std::optional<CellTable> ParseCellTable(std::string_view text);

// Writes the table with its first field at (row, column), clipping what lies beyond the map's
// edge or in a row the grid does not show; returns how many cells were written.
int PasteCells(ParamImage& image, const CellTable& table, int row, int column, bool tpsMap);

enum class CellOperation {
    Set,    // every chosen cell becomes the operand
    Add,    // the operand (degrees, may be negative) is added
    Scale,  // multiplied by operand / 100, rounded
    Smooth  // the rounded mean of the cell and its chosen neighbours (the operand is unused)
};

// Applies the operation to the chosen cells, results limited to the cell range. Smoothing reads
// the values as they were before any cell changed. Returns how many cells changed.
int ApplyCellOperation(ParamImage& image, const CellMask& cells, CellOperation operation,
                       int operand);

}  // namespace orvell
