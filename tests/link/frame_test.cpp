#include "link/frame.h"

#include <gtest/gtest.h>

#include <numeric>

namespace orvell {
namespace {

TEST(Frame, MonitorRequestIsExact) {
    const Frame f = MakeFrame(command::kMonitor);
    EXPECT_EQ(f[0], 0x30);
    EXPECT_TRUE(std::all_of(f.begin() + 1, f.end() - 1, [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(f[kCheckByte], 0xCF);
}

TEST(Frame, CheckByteMakesTheXorOfAllBytes0xFF) {
    std::array<std::uint8_t, kPayloadSize> payload;
    std::iota(payload.begin(), payload.end(), std::uint8_t{7});
    for (const std::uint8_t cmd : {0x00, 0x01, 0x42, 0x80, 0xC2, 0xFF}) {
        const Frame f = MakeFrame(cmd, payload);
        const int all = std::accumulate(f.begin(), f.end(), 0, std::bit_xor<>());
        EXPECT_EQ(all, 0xFF) << int(cmd);
        EXPECT_TRUE(HasValidCheckByte(f));
        EXPECT_TRUE(std::equal(payload.begin(), payload.end(), Payload(f).begin()));
    }
}

TEST(Frame, CheckByteSeesOneFlippedBitButNotTheSameBitFlippedTwice) {
    const Frame good = MakeFrame(0x41, std::array<std::uint8_t, 3>{1, 2, 3});
    for (std::size_t i = 0; i < kFrameSize; ++i) {
        Frame one = good;
        one[i] ^= 0x08;
        EXPECT_FALSE(HasValidCheckByte(one)) << i;
    }
    // Why the transfers compare every payload byte instead of trusting the check byte alone.
    Frame twin = good;
    twin[5] ^= 0x04;
    twin[77] ^= 0x04;
    EXPECT_TRUE(HasValidCheckByte(twin));
}

}  // namespace
}  // namespace orvell
