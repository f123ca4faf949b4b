#include "views/map_tools.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvell {
namespace {

// Cell (r, c) holds 10 * r + c limited to 60, so every cell tells where it came from.
ParamImage Numbered() {
    ParamImage image;
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            image.MapCell(r, c) = static_cast<std::uint8_t>(std::min(10 * r + c, 60));
        }
    }
    return image;
}

CellMask Block(int r0, int c0, int r1, int c1) {
    CellMask cells{};
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) cells[static_cast<std::size_t>(10 * r + c)] = true;
    }
    return cells;
}

std::vector<int> Cells(const ParamImage& image, int row, int c0, int c1) {
    std::vector<int> values;
    for (int c = c0; c <= c1; ++c) values.push_back(image.MapCell(row, c));
    return values;
}

TEST(MapTools, ToolCellsAreTheShownMarksOrTheFocusedCell) {
    TSelcell selection;
    selection.MarkBlock(2, 3, 3, 4);
    selection.cellFlags[95] = TSelcell::FlagMarked;
    EXPECT_EQ(ToolCells(selection, true, 0), [] {
        CellMask m = Block(2, 3, 3, 4);
        m[95] = true;
        return m;
    }());
    // Without the TPS map only the 100 % row is shown: marks elsewhere are left alone.
    EXPECT_EQ(ToolCells(selection, false, 0), Block(9, 5, 9, 5));
    selection.ClearMarks();
    EXPECT_EQ(ToolCells(selection, true, 42), Block(4, 2, 4, 2));
    EXPECT_FALSE(AnyCell(ToolCells(selection, false, 42)));  // a hidden row's cell
    EXPECT_FALSE(AnyCell(ToolCells(selection, true, -1)));
}

TEST(MapTools, CopyWritesRowsOfTabSeparatedCells) {
    const ParamImage image = Numbered();
    EXPECT_EQ(CopyCellsText(image, Block(1, 2, 2, 4)), "12\t13\t14\n22\t23\t24\n");
    EXPECT_EQ(CopyCellsText(image, Block(7, 9, 7, 9)), "60\n");
    // Cells inside the block that are not chosen are empty fields.
    CellMask ell = Block(0, 0, 1, 0);
    ell[11] = true;
    EXPECT_EQ(CopyCellsText(image, ell), "0\t\n10\t11\n");
    EXPECT_EQ(CopyCellsText(image, CellMask{}), "");
}

TEST(MapTools, ParseReadsSpreadsheetTables) {
    struct Case {
        const char* text;
        CellTable expected;
    };
    const std::optional<int> none;
    const Case cases[] = {
        {"1\t2\t3\n4\t5\t6\n", {{1, 2, 3}, {4, 5, 6}}},
        {"1;2\r\n3;4\r\n\r\n", {{1, 2}, {3, 4}}},
        {" 7 ;+8; 9.5\t10,4", {{7, 8, 10, 10}}},
        // Limited to 0..60; empty fields leave their cells alone.
        {"-3\t99\t\t1000000000000\n", {{0, 60, none, 60}}},
        {"\t5\n", {{none, 5}}},
        {"12", {{12}}},
    };
    for (const Case& c : cases) {
        const auto table = ParseCellTable(c.text);
        ASSERT_TRUE(table.has_value()) << c.text;
        EXPECT_EQ(*table, c.expected) << c.text;
    }
    for (const char* refused : {"", "\n\n", "\t\t\n", "abc", "1\tx\n", "1 2", "1e3", "1.2.3",
                                "1,2,3", "--1", "-", "12%", "1\t2\n3\tfoo\n"}) {
        EXPECT_FALSE(ParseCellTable(refused).has_value()) << '"' << refused << '"';
    }
}

TEST(MapTools, CopyAndParseRoundTrip) {
    const ParamImage source = Numbered();
    CellMask cells = Block(3, 2, 5, 6);
    cells[10 * 4 + 3] = false;  // a hole stays a hole
    const auto table = ParseCellTable(CopyCellsText(source, cells));
    ASSERT_TRUE(table.has_value());
    ParamImage target;
    EXPECT_EQ(PasteCells(target, *table, 3, 2, true), 14);
    for (int k = 0; k < kMapCells; ++k) {
        const int expected =
            cells[static_cast<std::size_t>(k)] ? source.MapCell(k / 10, k % 10) : 0;
        EXPECT_EQ(target.MapCell(k / 10, k % 10), expected) << k;
    }
}

TEST(MapTools, PasteClipsAtTheMapsEdgeAndTheShownRows) {
    CellTable big(12, std::vector<std::optional<int>>(12, 33));
    ParamImage image;
    EXPECT_EQ(PasteCells(image, big, 8, 7, true), 2 * 3);
    EXPECT_EQ(Cells(image, 8, 6, 9), (std::vector<int>{0, 33, 33, 33}));
    EXPECT_EQ(Cells(image, 9, 6, 9), (std::vector<int>{0, 33, 33, 33}));
    EXPECT_EQ(image.MapCell(7, 7), 0);

    // Without the TPS map only the shown row takes values.
    ParamImage single;
    EXPECT_EQ(PasteCells(single, big, 0, 0, false), 10);
    EXPECT_EQ(single.MapCell(0, 0), 0);
    EXPECT_EQ(Cells(single, 9, 0, 9), std::vector<int>(10, 33));
}

TEST(MapTools, OperationsOnABlock) {
    // The block rows 1..2, columns 1..3 of a map holding 10 * r + c; cell (0, 0) is outside.
    struct Case {
        const char* name;
        CellOperation operation;
        int operand;
        std::vector<int> row1, row2;
        int changed;
    };
    const Case cases[] = {
        {"set", CellOperation::Set, 25, {25, 25, 25}, {25, 25, 25}, 6},
        {"set to the limit", CellOperation::Set, 60, {60, 60, 60}, {60, 60, 60}, 6},
        {"add", CellOperation::Add, 5, {16, 17, 18}, {26, 27, 28}, 6},
        {"add below zero", CellOperation::Add, -15, {0, 0, 0}, {6, 7, 8}, 6},
        {"add past 60", CellOperation::Add, 40, {51, 52, 53}, {60, 60, 60}, 6},
        // 11 * 1.5 = 16.5 rounds up; 21 * 1.5 = 31.5 -> 32.
        {"scale 150 %", CellOperation::Scale, 150, {17, 18, 20}, {32, 33, 35}, 6},
        {"scale 50 %", CellOperation::Scale, 50, {6, 6, 7}, {11, 11, 12}, 6},
        {"scale 100 % changes nothing", CellOperation::Scale, 100, {11, 12, 13}, {21, 22, 23}, 0},
        {"scale 0 %", CellOperation::Scale, 0, {0, 0, 0}, {0, 0, 0}, 6},
        // Each cell: the mean of itself and its chosen neighbours, read before any change.
        // (1,1): 11 12 21 22 -> 16.5 -> 17; (1,2): 11..13, 21..23 -> 17; (2,3): 12 13 22 23
        // -> 17.5.
        {"smooth", CellOperation::Smooth, 0, {17, 17, 18}, {17, 17, 18}, 6},
    };
    for (const Case& c : cases) {
        ParamImage image = Numbered();
        EXPECT_EQ(ApplyCellOperation(image, Block(1, 1, 2, 3), c.operation, c.operand), c.changed)
            << c.name;
        EXPECT_EQ(Cells(image, 1, 1, 3), c.row1) << c.name;
        EXPECT_EQ(Cells(image, 2, 1, 3), c.row2) << c.name;
        EXPECT_EQ(Cells(image, 1, 0, 0), std::vector<int>{10}) << c.name;
        EXPECT_EQ(Cells(image, 3, 1, 3), (std::vector<int>{31, 32, 33})) << c.name;
    }
}

TEST(MapTools, SmoothingASingleCellOrAFlatBlockChangesNothing) {
    ParamImage image = Numbered();
    EXPECT_EQ(ApplyCellOperation(image, Block(4, 4, 4, 4), CellOperation::Smooth, 0), 0);
    ParamImage flat;
    EXPECT_EQ(ApplyCellOperation(flat, Block(0, 0, 9, 9), CellOperation::Smooth, 0), 0);
}

TEST(CellSelection, MarkBlockIsARectangleLikeABand) {
    TSelcell s;
    s.MarkBlock(5, 6, 3, 2);  // corners in any order
    EXPECT_EQ(s.state, TSelcell::SelectionPresent);
    EXPECT_EQ(s.firstRow, 3);
    EXPECT_EQ(s.lastRow, 5);
    EXPECT_EQ(s.firstColumn, 2);
    EXPECT_EQ(s.lastColumn, 6);
    EXPECT_EQ(s.cellFlags[32], TSelcell::FlagMarked | TSelcell::FlagCorner);
    EXPECT_EQ(s.cellFlags[43], TSelcell::FlagMarked);
    EXPECT_FALSE(s.Selected(31));
    s.MarkBlock(0, 0, 1, 1);  // 2 x 2: marked, but no rectangle to interpolate
    EXPECT_EQ(s.state, TSelcell::SelectionPresent);
    EXPECT_FALSE(s.HasRectangle());
    EXPECT_FALSE(s.Selected(43));
    s.ClearMarks();
    EXPECT_EQ(s.state, TSelcell::SelectionNone);
}

}  // namespace
}  // namespace orvell
