#include "core/field_ranges.h"

#include <gtest/gtest.h>

namespace orvell {
namespace {

// Each byte has at most one range, only field bytes have one, and both ends of every range store
// into a byte without wrapping, so that limiting to the stored ends is limiting to the range.
TEST(FieldRanges, DisjointOnFieldBytesAndEndsStoreWithinAByte) {
    for (std::size_t b = 0; b < kImageSize; ++b) {
        int covering = 0;
        for (const FieldRange& r : FieldRanges()) covering += r.Covers(b);
        EXPECT_LE(covering, 1) << "byte " << b;
        if (covering == 1) {
            EXPECT_TRUE(b < kReservedOffset && IsFieldByte(b)) << "byte " << b;
            EXPECT_TRUE(FindFieldRange(b)->Covers(b));
        } else {
            EXPECT_EQ(FindFieldRange(b), nullptr) << "byte " << b;
        }
    }
    for (const FieldRange& r : FieldRanges()) {
        SCOPED_TRACE(r.byte);
        EXPECT_GT(r.count, 0u);
        EXPECT_LT(r.min, r.max);
        const std::int64_t low = StoreUnbounded(r.conversion, r.min);
        const std::int64_t high = StoreUnbounded(r.conversion, r.max);
        EXPECT_TRUE(low >= 0 && low < high && high <= 255) << low << ".." << high;
        EXPECT_EQ(r.StoredMin(), low);
        EXPECT_EQ(r.StoredMax(), high);
    }
    // Flags and list choices keep whatever byte they hold.
    for (std::size_t b : {field::kBikeCode, field::kSyncMethod, field::kLobeMultiplier,
                          field::kServoEnable, field::kInput1Function, field::kMaxAdvance2ndEdge}) {
        EXPECT_EQ(FindFieldRange(b), nullptr) << "byte " << b;
    }
}

}  // namespace
}  // namespace orvell
