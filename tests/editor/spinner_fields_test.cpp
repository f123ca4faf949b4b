#include "editor/spinner_fields.h"

#include <gtest/gtest.h>

#include <set>

#include "core/field_ranges.h"

namespace orvell {
namespace {

// Each spinner of the window stands in the table exactly once and stores into a byte of its own,
// so a gather cannot let one spinner overwrite another's value.
TEST(SpinnerFields, EverySpinnerOnceEachWithAFieldByteOfItsOwn) {
    WindowModel w;
    std::set<const UpDown*> spinners;
    std::set<std::size_t> bytes;
    ForEachSpinnerField(w, [&](UpDown& upDown, const SpinnerField& row, std::size_t byte) {
        EXPECT_TRUE(spinners.insert(&upDown).second) << upDown.Name();
        EXPECT_TRUE(bytes.insert(byte).second) << upDown.Name() << " byte " << byte;
        EXPECT_TRUE(byte < kReservedOffset && IsFieldByte(byte)) << upDown.Name();
        EXPECT_EQ(FindSpinnerField(w, upDown), &row) << upDown.Name();
    });
    std::size_t windowSpinners = 0;
    for (const Control* c : w.AllControls()) windowSpinners += c->Kind() == ControlKind::UpDown;
    EXPECT_EQ(spinners.size(), windowSpinners);
}

// The spinners offer exactly the ranges the .ign reader limits to: each row's bytes are one range
// of core's table, whole.
TEST(SpinnerFields, RowsAreTheFieldRangesOfCore) {
    WindowModel w;
    std::size_t rangedBytes = 0;
    for (const SpinnerField& row : SpinnerFields()) {
        const FieldRange* range = FindFieldRange(row.byte);
        ASSERT_NE(range, nullptr) << "byte " << row.byte;
        EXPECT_EQ(range->byte, row.byte);
        EXPECT_EQ(range->count, row.spinners(w).size()) << "byte " << row.byte;
        EXPECT_EQ(range->min, row.min);
        EXPECT_EQ(range->max, row.max);
        EXPECT_EQ(range->conversion.scale, row.conversion.scale);
        EXPECT_EQ(range->conversion.offset, row.conversion.offset);
        rangedBytes += range->count;
    }
    std::size_t coreBytes = 0;
    for (const FieldRange& r : FieldRanges()) coreBytes += r.count;
    EXPECT_EQ(rangedBytes, coreBytes);
}

}  // namespace
}  // namespace orvell
