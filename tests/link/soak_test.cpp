// Many transfers against a unit on a bad line: whatever happens, a transfer either ends verified
// with the unit and the image agreeing, or ends with an error; it never reports success otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>

#include "link_fakes.h"

namespace orvell {
namespace {

using testing::BlocksEqual;
using testing::LinkBench;

// ORVELL_SOAK_TRANSFERS sets the number of transfers (the longer run uses 10000) and
// ORVELL_SOAK_SEED repeats a run.
long EnvNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtol(text, nullptr, 10) : fallback;
}

TEST(Soak, TransfersOverADroppingAndCorruptingLineNeverClaimFalseSuccess) {
    const long transfers = EnvNumber("ORVELL_SOAK_TRANSFERS", 1000);
    const auto seed = static_cast<std::uint32_t>(
        EnvNumber("ORVELL_SOAK_SEED",
                  std::chrono::steady_clock::now().time_since_epoch().count() & 0x7FFFFFFF));
    std::printf("soak: %ld transfers, seed %u (ORVELL_SOAK_SEED=%u repeats it)\n", transfers, seed,
                seed);
    SCOPED_TRACE("seed " + std::to_string(seed));

    sim::UnitOptions options;
    options.dropShare = 0.10;
    options.corruptShare = 0.05;
    options.seed = seed;
    LinkBench b(options);
    std::mt19937 rng(seed ^ 0x5EED);
    // Most answers come at once; some so late that the request has been sent again.
    b.line.answerDelay = [&] {
        return std::uniform_int_distribution<int>(0, 19)(rng) == 0 ? 5 : 1;
    };
    b.image = testing::PatternImage(0);
    b.unit.SetBlocks(b.image);

    int ok = 0, failed = 0, versionBoxes = 0;
    for (long n = 0; n < transfers; ++n) {
        // Idle time between transfers lets monitoring answers cross the next transfer's requests.
        for (int i = std::uniform_int_distribution<int>(0, 8)(rng); i > 0; --i) b.Tick();
        const int kind = std::uniform_int_distribution<int>(0, 2)(rng);
        if (kind == 0) {
            for (int i = 0; i < 8; ++i) {
                b.image[std::uniform_int_distribution<std::size_t>(0, 199)(rng)] =
                    static_cast<std::uint8_t>(rng());
            }
        }
        const ParamImage before = b.image;
        if (kind == 0) {
            b.view.StartProgramTransfer();
        } else if (kind == 1) {
            b.view.MenuVerifyClick();
        } else {
            b.view.MenuReadClick();
        }
        const std::size_t boxes = b.view.messages.size();
        const int ticks = b.RunTransfer(400);
        ASSERT_EQ(b.transfer().Mode(), TransferMode::Idle) << "transfer " << n << " never ended";
        ASSERT_LE(ticks, 150) << "transfer " << n;

        // The outcome is what the status line said during the transfer; the tick that ends it
        // may already go on to the saving progress.
        const bool verified = b.view.SawStatus("Verify:: OK");
        const bool errorShown = std::any_of(b.view.statusLog.begin(), b.view.statusLog.end(),
                                            [](const auto& e) { return e.colour == colour::kRed; });
        if (b.view.messages.size() != boxes) {
            ++versionBoxes;  // block 0 damaged where the check byte cannot see it
            EXPECT_FALSE(verified || errorShown);
            EXPECT_TRUE(std::equal(before.Stored().begin(), before.Stored().end(),
                                   b.image.Stored().begin()));
        } else if (verified) {
            ++ok;
            ASSERT_FALSE(errorShown) << "transfer " << n;
            // Program and Verify compared every byte that the image and the unit share; Read's
            // verify leaves byte 1 out like every Verify.
            ASSERT_TRUE(BlocksEqual(b.unit, b.image, kind != 0))
                << "transfer " << n << " (kind " << kind << ") reported OK on a mismatch";
        } else {
            ++failed;
            ASSERT_TRUE(errorShown) << "transfer " << n << " ended without a result";
            // A Read that failed before its verify phase changes nothing.
            if (kind == 2 && !b.view.SawStatus("Verify::")) {
                EXPECT_TRUE(std::equal(before.Stored().begin(), before.Stored().end(),
                                       b.image.Stored().begin()));
            }
        }
        b.view.statusLog.clear();
    }
    std::printf("soak: %d verified, %d failed with the error text, %d version boxes\n", ok, failed,
                versionBoxes);
    EXPECT_GT(ok, transfers / 2);
}

}  // namespace
}  // namespace orvell
