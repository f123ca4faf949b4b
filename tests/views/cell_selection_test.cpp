#include "views/cell_selection.h"

#include <gtest/gtest.h>

#include <set>

namespace orvell {
namespace {

// The grid's cells as 10 x 10 squares of 10 pixels with a gap of 2 between them.
TSelcell GridSelection() {
    TSelcell s;
    for (int k = 0; k < kMapCells; ++k) {
        const int r = k / 10;
        const int c = k % 10;
        s.cellRect[static_cast<std::size_t>(k)] = {12 * c, 12 * r, 12 * c + 10, 12 * r + 10};
    }
    s.areaWidth = 120;
    s.areaHeight = 120;
    return s;
}

// Marks exactly `cells` with one Ctrl band per cell, as a user would click them in.
void Mark(TSelcell& s, const std::set<int>& cells) {
    for (const int k : cells) {
        const int x = 12 * (k % 10) + 5;
        const int y = 12 * (k / 10) + 5;
        s.BeginSelection(x, y, false, true);
        s.TrackSelection(x + 1, y + 1);
        s.EndSelection();
    }
}

TEST(CellSelection, OnlyFilledRectanglesOfThreeColumnsOrRowsCanBeInterpolated) {
    struct Case {
        const char* name;
        std::set<int> cells;
        bool rectangle;
    };
    const Case cases[] = {
        {"2 x 2", {0, 1, 10, 11}, false},
        {"3 x 1", {0, 1, 2}, true},
        {"1 x 3", {5, 15, 25}, true},
        {"2 x 3", {0, 1, 10, 11, 20, 21}, true},
        {"L-shape", {0, 1, 2, 10, 20}, false},
        {"hole", {0, 1, 2, 10, 12, 20, 21, 22}, false},
        {"two blocks", {0, 1, 2, 7, 8, 9}, false},
        {"extra cell below", {0, 1, 2, 10, 11, 12, 21}, false},
    };
    for (const Case& c : cases) {
        TSelcell s = GridSelection();
        Mark(s, c.cells);
        EXPECT_EQ(s.state, TSelcell::SelectionPresent) << c.name;
        EXPECT_EQ(s.HasRectangle(), c.rectangle) << c.name;
        int corners = 0;
        for (const auto flags : s.cellFlags) corners += (flags & TSelcell::FlagCorner) != 0;
        EXPECT_EQ(corners, c.rectangle ? (c.cells.size() == 3 ? 2 : 4) : 0) << c.name;
    }
}

TEST(CellSelection, BandCatchesStrictlyAndStaysInsideTheSurface) {
    TSelcell s = GridSelection();
    // Touching cell 1's left edge (x = 12) does not catch it; one pixel inside does.
    s.BeginSelection(5, 5, false, false);
    s.TrackSelection(12, 5 + 1);
    EXPECT_EQ(s.cellFlags[1] & TSelcell::FlagInBand, 0);
    s.TrackSelection(13, 6);
    EXPECT_NE(s.cellFlags[1] & TSelcell::FlagInBand, 0);
    // Beyond the surface the band ends at its last pixel.
    s.TrackSelection(500, -20);
    EXPECT_EQ(s.pointX, 119);
    EXPECT_EQ(s.pointY, 0);
    s.EndSelection();
    EXPECT_EQ(s.firstColumn, 0);
    EXPECT_EQ(s.lastColumn, 9);
}

TEST(CellSelection, PlainClickClearsModifiedClicksKeep) {
    TSelcell s = GridSelection();
    Mark(s, {0, 1, 2});
    for (const bool shift : {false, true}) {
        TSelcell t = s;
        t.BeginSelection(100, 100, shift, !shift);
        t.EndSelection();
        EXPECT_EQ(t.state, TSelcell::SelectionPresent);
        EXPECT_TRUE(t.HasRectangle());
    }
    s.BeginSelection(100, 100, false, false);
    s.EndSelection();
    EXPECT_EQ(s.state, TSelcell::SelectionNone);
    EXPECT_FALSE(s.Selected(0));
}

TEST(CellSelection, EveryBandTogglesTheCellsItCovers) {
    TSelcell s = GridSelection();
    s.BeginSelection(1, 1, false, false);
    s.TrackSelection(30, 6);  // cells 0..2
    s.EndSelection();
    // Shift: from the old anchor over cells 0..4; 0..2 are unmarked, 3 and 4 marked.
    s.BeginSelection(55, 6, true, false);
    s.TrackSelection(56, 6);
    EXPECT_EQ(s.cellFlags[0] & (TSelcell::FlagMarked | TSelcell::FlagInBand), 3);
    s.EndSelection();
    for (int k = 0; k < 5; ++k) EXPECT_EQ(s.Selected(k), k >= 3) << k;
}

TEST(CellSelection, CellsWithoutRectangleAreNeverCaughtAndKeepTheirMarks) {
    TSelcell s = GridSelection();
    Mark(s, {5});
    for (int k = 0; k < 90; ++k) s.cellRect[static_cast<std::size_t>(k)] = {};
    s.BeginSelection(0, 0, false, true);
    s.TrackSelection(119, 119);
    s.EndSelection();
    EXPECT_TRUE(s.Selected(5));
    for (int k = 0; k < 90; ++k) {
        EXPECT_EQ(s.Selected(k), k == 5) << k;
    }
    for (int k = 90; k < 100; ++k) EXPECT_TRUE(s.Selected(k)) << k;
}

}  // namespace
}  // namespace orvell
