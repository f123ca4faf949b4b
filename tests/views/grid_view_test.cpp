#include "views/grid_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "logging_canvas.h"

namespace orvell {
namespace {

using testing::LoggingCanvas;

TEST(GridView, CellRectanglesFollowTheGridAndOnlyRowNineWithoutTheTpsMap) {
    const GridCellRects withTps = GridCells(true);
    // The column gaps widen by one pixel after columns 2 and 6.
    EXPECT_EQ(withTps[0], (CellRect{10, 15, 58, 37}));
    EXPECT_EQ(withTps[3], (CellRect{188, 15, 236, 37}));
    EXPECT_EQ(withTps[17], (CellRect{425, 48, 473, 70}));
    EXPECT_EQ(withTps[99], (CellRect{543, 312, 591, 334}));

    const GridCellRects without = GridCells(false);
    for (int k = 0; k < kMapCells; ++k) {
        const CellRect& r = without[static_cast<std::size_t>(k)];
        if (k < 90) {
            EXPECT_FALSE(r.Present()) << k;
        } else {
            // Row 9 in the first row's place.
            const CellRect& first = withTps[static_cast<std::size_t>(k - 90)];
            EXPECT_EQ(r, first) << k;
        }
    }

    TSelcell s;
    LayoutGridCells(s, false, 603, 50);
    EXPECT_TRUE(s.laidOut);
    EXPECT_EQ(s.cellRect, without);
    EXPECT_EQ(s.areaWidth, 603);
    EXPECT_EQ(s.areaHeight, 50);
}

// The pen chosen before the first frame of a cell, found by the cell's outer frame.
std::string PenBefore(const std::vector<std::string>& calls, const CellRect& r) {
    const std::string outer = "rect " + std::to_string(r.left - 1) + " " +
                              std::to_string(r.top - 1) + " " + std::to_string(r.right + 1) + " " +
                              std::to_string(r.bottom + 1);
    const std::string inner = "rect " + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
                              std::to_string(r.right) + " " + std::to_string(r.bottom);
    const auto at = std::find(calls.begin(), calls.end(), outer);
    if (at == calls.end() || at - calls.begin() < 2 || *(at - 1) != inner) return "no frames";
    return *(at - 2);
}

TEST(GridView, EachMarkedCellGetsTwoFramesInThePenOfItsFlags) {
    struct Case {
        std::int16_t flags;
        const char* pen;
    };
    constexpr std::int16_t M = TSelcell::FlagMarked;
    constexpr std::int16_t B = TSelcell::FlagInBand;
    constexpr std::int16_t C = TSelcell::FlagCorner;
    const Case cases[] = {
        {M, "pen 0xff0000"},                                   // blue
        {static_cast<std::int16_t>(M | C), "pen 0x8000"},      // dark green corner
        {B, "pen 0xff"},                                       // red: the band will mark it
        {static_cast<std::int16_t>(M | B), "pen 0xffff"},      // yellow: it will unmark
        {static_cast<std::int16_t>(M | B | C), "pen 0xffff"},  // the band's colour wins
        {0, "no frames"},
    };
    const GridCellRects cells = GridCells(true);
    for (const Case& c : cases) {
        TSelcell s;
        LayoutGridCells(s, true, 603, 352);
        s.cellFlags[42] = c.flags;
        LoggingCanvas canvas(603, 352);
        DrawSelection(s, cells, true, canvas, colour::kButtonFace);
        EXPECT_EQ(PenBefore(canvas.calls, cells[42]), c.pen) << c.flags;
        // The background comes first, over the whole image.
        ASSERT_GE(canvas.calls.size(), 3u);
        EXPECT_EQ(canvas.calls[2], "fill 0 0 603 352");
    }
}

TEST(GridView, TheBandIsDrawnOnlyWhileDraggedOnTheGrid) {
    TSelcell s;
    LayoutGridCells(s, true, 603, 352);
    s.BeginSelection(100, 40, false, false);
    s.TrackSelection(30, 90);
    const GridCellRects cells = GridCells(true);
    const std::vector<std::string> band = {"pen 0xff", "line 100 40 30 40", "line 30 40 30 90",
                                           "line 30 90 100 90", "line 100 90 100 40"};

    LoggingCanvas dragging(603, 352);
    DrawSelection(s, cells, true, dragging, colour::kButtonFace);
    EXPECT_TRUE(std::search(dragging.calls.begin(), dragging.calls.end(), band.begin(),
                            band.end()) != dragging.calls.end());

    LoggingCanvas elsewhere(603, 352);  // the band belongs to another view
    DrawSelection(s, cells, false, elsewhere, colour::kButtonFace);
    s.EndSelection();
    LoggingCanvas ended(603, 352);
    DrawSelection(s, cells, true, ended, colour::kButtonFace);
    for (const auto* canvas : {&elsewhere, &ended}) {
        EXPECT_EQ(std::count(canvas->calls.begin(), canvas->calls.end(), "line 100 40 30 40"), 0);
    }
    // The band caught cells 10..11 and 20..21 (a 2 x 2 block: blue, no corners).
    EXPECT_EQ(PenBefore(ended.calls, cells[21]), "pen 0xff0000");
}

TEST(GridView, MarksOfCellsTheGridDoesNotShowAreNotDrawn) {
    TSelcell s;
    LayoutGridCells(s, false, 603, 50);
    s.cellFlags[5] = TSelcell::FlagMarked;  // marked while the TPS map was on
    s.cellFlags[95] = TSelcell::FlagMarked;
    const GridCellRects cells = GridCells(false);
    LoggingCanvas canvas(603, 50);
    DrawSelection(s, cells, true, canvas, colour::kButtonFace);
    EXPECT_EQ(std::count_if(canvas.calls.begin(), canvas.calls.end(),
                            [](const std::string& c) { return c.starts_with("rect"); }),
              2);
    EXPECT_EQ(PenBefore(canvas.calls, cells[95]), "pen 0xff0000");
}

}  // namespace
}  // namespace orvell
