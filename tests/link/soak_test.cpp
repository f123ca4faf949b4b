// Many transfers against a unit on a bad line, damaging answers and requests alike: whatever
// happens, a transfer either ends verified with the unit and the image agreeing, or ends with an
// error; it never reports success otherwise, and a failed Read leaves the image as it was.
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

TEST(Soak, TransfersOverADamagingLineNeverClaimFalseSuccess) {
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
    options.requestCorruptShare = 0.05;
    options.seed = seed;
    LinkBench b(options);
    std::mt19937 rng(seed ^ 0x5EED);
    // Most answers come at once; some so late that the request has been sent again.
    b.line.answerDelay = [&] {
        return std::uniform_int_distribution<int>(0, 19)(rng) == 0 ? 5 : 1;
    };
    b.image = testing::PatternImage(0);
    b.unit.SetBlocks(b.image);

    // Every count but the first two must stay zero. The first transfer that breaks a rule is
    // named, so that its seed and number lead straight to it.
    struct Counts {
        long verified = 0;
        long failed = 0;
        long falseOk = 0;             // "OK" while the unit and the image differ
        long failedReadsChanged = 0;  // a failed Read that left the image changed
        long versionBoxes = 0;        // the unit's version doubted although it is ours
        long unclear = 0;             // no result, or both "OK" and an error
    } count;
    long firstBroken = -1;
    auto broken = [&](long& counter, long n) {
        ++counter;
        if (firstBroken < 0) firstBroken = n;
    };
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
        const bool imageKept =
            std::equal(before.Stored().begin(), before.Stored().end(), b.image.Stored().begin());
        if (b.view.messages.size() != boxes) {
            broken(count.versionBoxes, n);
        } else if (verified && !errorShown) {
            ++count.verified;
            // Program and Verify compared every byte that the image and the unit share; Read's
            // verify leaves byte 1 out like every Verify.
            if (!BlocksEqual(b.unit, b.image, kind != 0)) broken(count.falseOk, n);
        } else if (errorShown && !verified) {
            ++count.failed;
            if (kind == 2 && !imageKept) broken(count.failedReadsChanged, n);
        } else {
            broken(count.unclear, n);
        }
        b.view.statusLog.clear();
    }
    std::printf(
        "soak: %ld verified, %ld failed with the error text; must be zero: %ld false OK, %ld "
        "failed "
        "Reads that changed the image, %ld version boxes, %ld without one clear result\n",
        count.verified, count.failed, count.falseOk, count.failedReadsChanged, count.versionBoxes,
        count.unclear);
    EXPECT_EQ(count.falseOk, 0);
    EXPECT_EQ(count.failedReadsChanged, 0);
    EXPECT_EQ(count.versionBoxes, 0);
    EXPECT_EQ(count.unclear, 0);
    EXPECT_EQ(firstBroken, -1) << "first transfer that broke a rule";
    EXPECT_GT(count.verified, transfers / 2);
}

}  // namespace
}  // namespace orvell
