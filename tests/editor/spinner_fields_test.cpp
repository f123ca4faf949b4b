#include "editor/spinner_fields.h"

#include <gtest/gtest.h>

#include <set>

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

}  // namespace
}  // namespace orvell
