#include "views/interpolation.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace orvell {
namespace {

TSelcell Rectangle(int c0, int c1, int r0, int r1) {
    TSelcell s;
    s.firstColumn = c0;
    s.lastColumn = c1;
    s.firstRow = r0;
    s.lastRow = r1;
    return s;
}

ParamImage WithAxis(std::initializer_list<int> breakpoints) {
    ParamImage image;
    int i = 0;
    for (const int b : breakpoints) image.SetRpmAxis(i++, static_cast<std::uint8_t>(b));
    return image;
}

std::vector<int> Row(const ParamImage& image, int row, int c0, int c1) {
    std::vector<int> cells;
    for (int c = c0; c <= c1; ++c) cells.push_back(image.MapCell(row, c));
    return cells;
}

TEST(Interpolation, OneRowIsLinearInEngineSpeed) {
    struct Case {
        const char* name;
        std::initializer_list<int> axis;  // in 100 rpm
        int first, last;
        std::vector<int> expected;
    };
    const Case cases[] = {
        // 10 + 30 * 0.25 = 17.5 rounds to 18.
        {"1000/2000/5000 rpm", {10, 20, 50}, 10, 40, {10, 18, 40}},
        {"exact half rounds up", {10, 20, 30}, 10, 13, {10, 12, 13}},
        {"falling values", {10, 20, 50}, 40, 10, {40, 33, 10}},
        {"five columns", {10, 20, 30, 40, 50}, 0, 60, {0, 15, 30, 45, 60}},
    };
    for (const Case& c : cases) {
        ParamImage image = WithAxis(c.axis);
        const int last = static_cast<int>(c.axis.size()) - 1;
        image.MapCell(4, 0) = static_cast<std::uint8_t>(c.first);
        image.MapCell(4, last) = static_cast<std::uint8_t>(c.last);
        image.MapCell(4, last + 1) = 7;  // outside the rectangle
        image.MapCell(5, 1) = 9;
        EXPECT_TRUE(InterpolateSelection(Rectangle(0, last, 4, 4), image)) << c.name;
        EXPECT_EQ(Row(image, 4, 0, last), c.expected) << c.name;
        EXPECT_EQ(image.MapCell(4, last + 1), 7) << c.name;
        EXPECT_EQ(image.MapCell(5, 1), 9) << c.name;
    }
}

TEST(Interpolation, OneColumnIsLinearInTheRowIndexWhateverTheThrottle) {
    ParamImage image = WithAxis({10, 20, 30, 40, 50, 60, 70, 80, 90, 100});
    image.MapCell(0, 6) = 0;
    image.MapCell(9, 6) = 27;
    ASSERT_TRUE(InterpolateSelection(Rectangle(6, 6, 0, 9), image));
    for (int r = 0; r <= 9; ++r) EXPECT_EQ(image.MapCell(r, 6), 3 * r) << r;
}

TEST(Interpolation, ABlockBlendsItsFourCorners) {
    // Uneven rpm steps: column 3 lies at a quarter of the way from column 2 to column 4.
    ParamImage image = WithAxis({5, 8, 10, 15, 30, 40, 50, 60, 70, 80});
    image.MapCell(1, 2) = 0;   // A
    image.MapCell(1, 4) = 40;  // B
    image.MapCell(7, 2) = 60;  // C
    image.MapCell(7, 4) = 20;  // D
    ASSERT_TRUE(InterpolateSelection(Rectangle(2, 4, 1, 7), image));
    EXPECT_EQ(Row(image, 1, 2, 4), (std::vector<int>{0, 10, 40}));
    EXPECT_EQ(Row(image, 4, 2, 4), (std::vector<int>{30, 30, 30}));
    EXPECT_EQ(Row(image, 7, 2, 4), (std::vector<int>{60, 50, 20}));
    // Row 3: left 20, right 33.33; a quarter across: 23.33 -> 23.
    EXPECT_EQ(Row(image, 3, 2, 4), (std::vector<int>{20, 23, 33}));
}

TEST(Interpolation, WithoutARectangleNothingChanges) {
    ParamImage image = WithAxis({10, 20, 30});
    image.MapCell(0, 0) = 5;
    image.MapCell(0, 2) = 50;
    const ParamImage before = image;
    EXPECT_FALSE(InterpolateSelection(TSelcell{}, image));
    EXPECT_EQ(image, before);
}

// An rpm axis out of order (a file, a unit) must not push values past the corners, below 0 or
// beyond a byte.
TEST(Interpolation, AnAxisOutOfOrderKeepsValuesWithinTheCorners) {
    for (const auto& [first, last] : {std::pair{10, 40}, std::pair{40, 10}}) {
        ParamImage image = WithAxis({10, 80, 20});
        image.MapCell(0, 0) = static_cast<std::uint8_t>(first);
        image.MapCell(0, 2) = static_cast<std::uint8_t>(last);
        ASSERT_TRUE(InterpolateSelection(Rectangle(0, 2, 0, 0), image));
        EXPECT_EQ(Row(image, 0, 0, 2), (std::vector<int>{first, last, last})) << first;
    }
}

}  // namespace
}  // namespace orvell
