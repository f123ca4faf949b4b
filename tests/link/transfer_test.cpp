#include "link/transfer.h"

#include <gtest/gtest.h>

#include "link_fakes.h"

namespace orvell {
namespace {

using testing::BlocksEqual;
using testing::LinkBench;
using testing::PatternImage;

// Command bytes of the parameter requests written so far (monitoring requests left out).
std::vector<int> Requests(const testing::UnitLine& line) {
    std::vector<int> commands;
    for (const auto& w : line.written) {
        if (w.frame[0] != command::kMonitor) commands.push_back(w.frame[0]);
    }
    return commands;
}

// Flips the same bit in two payload bytes: the check byte stays valid.
void TwinFlip(Frame& frame, std::size_t a, std::size_t b) {
    frame[1 + a] ^= 0x08;
    frame[1 + b] ^= 0x08;
}

TEST(Transfer, ProgramSendsBlocksVerifiesAndReportsSavingThenCompletion) {
    LinkBench b;
    b.image = PatternImage(1);
    b.view.MenuProgramClick();
    EXPECT_EQ(b.view.gathers, 1);
    EXPECT_EQ(b.view.status, "Program device:");
    EXPECT_TRUE(b.view.gaugeVisible);
    EXPECT_TRUE(b.line.written.empty()) << "nothing is sent before the first tick";

    b.RunTransfer();
    EXPECT_EQ(Requests(b.line), (std::vector<int>{0x00, 0x01, 0x02, 0x41, 0x42}));
    // The tick that finishes the verify runs its Idle step too, which at once shows the
    // completion of the Program.
    EXPECT_TRUE(b.view.SawStatus("Verify::"));
    EXPECT_TRUE(b.view.SawStatus("Verify:: OK"));
    EXPECT_EQ(b.view.status, "Program device:: OK");
    EXPECT_EQ(b.view.statusColour, colour::kButtonFace);
    EXPECT_EQ(b.view.successes, std::vector{TransferKind::Program});
    EXPECT_TRUE(BlocksEqual(b.unit, b.image, false));
    EXPECT_EQ(b.unit.ProgramCount(), 1);
    EXPECT_EQ(b.transfer().UnitInfo().programId, "ORV07");
    // A Program request for block 1 carries image bytes 0..99 unchanged.
    const Frame& block1 = b.line.written[1].frame;
    EXPECT_TRUE(std::equal(block1.begin() + 1, block1.end() - 1, b.image.Block1().begin()));
    EXPECT_TRUE(HasValidCheckByte(block1));

    // The unit now stores: the status line shows the saving progress, then the completion.
    int lastSaving = -1;
    for (int i = 0; i < 80; ++i) {
        b.Tick();
        if (b.view.status == "Saving:") {
            EXPECT_EQ(b.view.gaugeMaximum, 100);
            EXPECT_GE(b.view.gauge, lastSaving);
            lastSaving = b.view.gauge;
        }
    }
    EXPECT_GT(lastSaving, 0);
    EXPECT_EQ(b.view.status, "Program device:: OK");
    EXPECT_EQ(b.view.gauge, 2);
    EXPECT_EQ(b.view.gaugeMaximum, 2);
}

TEST(Transfer, SilentUnitResendsEveryFourTicksAndFailsAfterTheFifthSend) {
    struct Case {
        void (testing::FakeWindow::*start)();
        int command;
        const char* error;
    };
    using testing::FakeWindow;
    for (const Case c : {Case{&FakeWindow::MenuProgramClick, 0x00, "Program error!"},
                         Case{&FakeWindow::MenuVerifyClick, 0x41, "Verify error!"},
                         Case{&FakeWindow::MenuReadClick, 0x40, "Read error!"}}) {
        LinkBench b(testing::SilentUnit());
        b.image = PatternImage(3);
        const ParamImage before = b.image;
        (b.view.*c.start)();
        const int ticks = b.RunTransfer();
        std::vector<int> sendTicks;
        for (const auto& w : b.line.written) {
            ASSERT_EQ(w.frame[0], c.command);
            sendTicks.push_back(w.tick);
        }
        EXPECT_EQ(sendTicks, (std::vector<int>{4, 8, 12, 16, 20})) << c.error;
        EXPECT_EQ(ticks, 24);
        EXPECT_EQ(b.view.status, c.error);
        EXPECT_EQ(b.view.statusColour, colour::kRed);
        EXPECT_EQ(b.view.statusCountdown, 200);
        EXPECT_EQ(b.image, before);
        // Monitoring resumes in Idle.
        for (int i = 0; i < 6; ++i) b.Tick();
        EXPECT_EQ(b.line.written.back().frame[0], command::kMonitor);
    }
}

TEST(Transfer, AnswerMustEchoTheCommandInProgress) {
    LinkBench b;
    b.image = PatternImage(4);
    b.unit.SetBlocks(b.image);
    b.view.MenuVerifyClick();
    while (b.line.written.empty()) b.Tick();
    b.line.inFlight.clear();

    // 0x81 answers a Program request, not the pending 0x41: ignored, and the unit does not count
    // as heard.
    EXPECT_FALSE(b.transfer().HandleResponse(MakeFrame(0x81, b.image.Block1())));
    EXPECT_EQ(b.transfer().CommandByte(), 0x41);
    // A wrong check byte is ignored the same way.
    Frame damaged = MakeFrame(0xC1, b.image.Block1());
    damaged[kCheckByte] ^= 0x10;
    EXPECT_FALSE(b.transfer().HandleResponse(damaged));
    EXPECT_TRUE(b.transfer().HandleResponse(MakeFrame(0xC1, b.image.Block1())));
    EXPECT_EQ(b.transfer().CommandByte(), 0x42);
}

TEST(Transfer, ProgramEchoThatDiffersIsAcceptedAsContactButNotAsProgress) {
    LinkBench b;
    b.image = PatternImage(5);
    b.view.StartProgramTransfer();
    while (b.transfer().CommandByte() != 0x01) b.Tick();
    b.line.inFlight.clear();
    auto wrong = std::array<std::uint8_t, kBlockSize>{};
    std::copy(b.image.Block1().begin(), b.image.Block1().end(), wrong.begin());
    wrong[1] ^= 1;  // even byte 1 must echo exactly
    EXPECT_TRUE(b.transfer().HandleResponse(MakeFrame(0x81, wrong)));
    EXPECT_EQ(b.transfer().CommandByte(), 0x01);
}

TEST(Transfer, VerifyLeavesOnlyImageByte1OutOfTheComparison) {
    struct Case {
        std::size_t differingByte;
        const char* result;
    };
    for (const Case c : {Case{1, "Verify:: OK"}, Case{0, "Verify error!"}, Case{2, "Verify error!"},
                         Case{101, "Verify error!"}, Case{199, "Verify error!"}}) {
        LinkBench b;
        b.image = PatternImage(6);
        ParamImage held = b.image;
        held[c.differingByte] ^= 0x40;
        b.unit.SetBlocks(held);
        b.view.MenuVerifyClick();
        b.RunTransfer();
        EXPECT_EQ(b.view.status, c.result) << "byte " << c.differingByte;
        EXPECT_EQ(b.view.successes.size(), c.differingByte == 1 ? 1u : 0u);
        for (const TransferKind kind : b.view.successes) EXPECT_EQ(kind, TransferKind::Verify);
    }
}

TEST(Transfer, ReadReplacesTheBlocksAndVerifiesThemWithoutClaimingAProgram) {
    LinkBench b;
    b.image = PatternImage(7);
    b.view.MenuReadClick();
    EXPECT_EQ(b.view.fileNameClears, 1);
    EXPECT_EQ(b.view.status, "Read:");
    b.RunTransfer();
    EXPECT_EQ(Requests(b.line), (std::vector<int>{0x40, 0x41, 0x42, 0x41, 0x42}));
    EXPECT_TRUE(BlocksEqual(b.unit, b.image, false));
    EXPECT_EQ(b.view.imageReplacements, 1);
    EXPECT_EQ(b.view.refreshes, 1);
    EXPECT_EQ(b.view.status, "Verify:: OK");
    EXPECT_EQ(b.view.successes, std::vector{TransferKind::Read});
    for (int i = 0; i < 20; ++i) b.Tick();
    EXPECT_FALSE(b.view.SawStatus("Program device:: OK"));
}

// A Read that dies after block 1 must not leave the unit's block 1 beside the old block 2.
TEST(Transfer, FailedReadLeavesTheImageExactlyAsItWas) {
    LinkBench b;
    b.image = PatternImage(8);
    const ParamImage before = b.image;
    b.view.MenuReadClick();
    while (b.transfer().CommandByte() != 0x42) b.Tick();
    b.line.inFlight.clear();
    b.unit.Options().silent = true;
    b.RunTransfer();
    EXPECT_EQ(b.view.status, "Read error!");
    EXPECT_TRUE(
        std::equal(before.Stored().begin(), before.Stored().end(), b.image.Stored().begin()));
    EXPECT_EQ(b.view.refreshes, 0);
    EXPECT_EQ(b.view.imageReplacements, 0);
}

// Damage the check byte cannot see, in one of the two readings of a Read, shows as a difference
// between them: the Read fails and the image gets back what it held before.
TEST(Transfer, ReadWhoseReadingsDifferFailsAndRestoresTheImage) {
    struct Case {
        const char* what;
        int answer;  // which answer to 0x41 / 0x42 is damaged: 1 first, 2 second reading
        std::uint8_t command;
        std::size_t a, b;  // payload bytes flipped
        bool silentAfter;  // the unit answers nothing more once the Read's blocks are in
    };
    for (const Case c : {Case{"first block 1", 1, 0x41, 0, 57, false},
                         Case{"first block 1, with the unit's own byte 1", 1, 0x41, 1, 57, false},
                         Case{"first block 2", 1, 0x42, 3, 99, false},
                         Case{"second block 1", 2, 0x41, 20, 21, false},
                         Case{"second block 2", 2, 0x42, 0, 50, false},
                         Case{"no second reading", 0, 0, 0, 0, true}}) {
        SCOPED_TRACE(c.what);
        LinkBench b;
        b.image = PatternImage(11);
        b.unit.SetBlocks(PatternImage(12));
        const ParamImage before = b.image;
        int seen = 0;
        b.line.tamper = [&](const Frame& request, Frame& answer) {
            if (request[0] == c.command && ++seen == c.answer) TwinFlip(answer, c.a, c.b);
        };
        b.view.MenuReadClick();
        while (b.transfer().Mode() == TransferMode::Read) b.Tick();
        ASSERT_EQ(b.view.imageReplacements, 1);
        if (c.silentAfter) {
            b.line.inFlight.clear();
            b.unit.Options().silent = true;
        }
        b.RunTransfer();
        EXPECT_EQ(b.view.status, "Read error!");
        EXPECT_EQ(b.view.statusColour, colour::kRed);
        EXPECT_FALSE(b.view.SawStatus("Verify:: OK"));
        EXPECT_EQ(b.view.imageRestores, 1);
        EXPECT_TRUE(
            std::equal(before.Stored().begin(), before.Stored().end(), b.image.Stored().begin()));
    }
}

// A Compare is a Read with both its readings into a side buffer: the image never changes, whether
// the readings agree or not.
TEST(Transfer, CompareReadsIntoASideBufferAndNeverTouchesTheImage) {
    for (const bool damaged : {false, true}) {
        SCOPED_TRACE(damaged ? "second reading damaged" : "clean line");
        LinkBench b;
        b.image = PatternImage(11);
        b.unit.SetBlocks(PatternImage(12));
        const ParamImage before = b.image;
        ParamImage side = b.image;
        int seen = 0;
        b.line.tamper = [&](const Frame& request, Frame& answer) {
            if (damaged && request[0] == 0x42 && ++seen == 2) TwinFlip(answer, 0, 50);
        };
        b.transfer().StartCompare(side);
        b.view.Take();
        b.RunTransfer();
        EXPECT_EQ(b.view.sideReadings, 1);
        EXPECT_EQ(b.view.imageReplacements + b.view.imageRestores, 0);
        EXPECT_TRUE(
            std::equal(before.Stored().begin(), before.Stored().end(), b.image.Stored().begin()));
        if (damaged) {
            EXPECT_EQ(b.view.status, "Read error!");
            EXPECT_TRUE(b.view.successes.empty());
        } else {
            EXPECT_EQ(b.view.successes, std::vector{TransferKind::Compare});
            EXPECT_TRUE(BlocksEqual(b.unit, side, false));
        }
        // The next Read goes into the image again.
        b.line.tamper = nullptr;
        b.view.MenuReadClick();
        b.RunTransfer();
        EXPECT_TRUE(BlocksEqual(b.unit, b.image, false));
    }
}

// A unit that holds an inconsistent set: the rules repair what the Read brought, so the verify
// phase finds the unit different from the image. The unit read the same twice, so the repaired
// set stays and the status line says the unit differs.
TEST(Transfer, ReadRepairedByTheRulesKeepsTheRepairAndEndsInVerifyError) {
    for (const std::size_t repaired : {std::size_t{5}, std::size_t{150}}) {
        LinkBench b;
        b.image = PatternImage(13);
        b.unit.SetBlocks(PatternImage(14));
        b.view.rulePassAfterRead = [&] { b.image[repaired] ^= 0x01; };
        b.view.MenuReadClick();
        b.RunTransfer();
        EXPECT_EQ(b.view.status, "Verify error!") << repaired;
        EXPECT_EQ(b.view.imageRestores, 0);
        ParamImage expected = PatternImage(14);
        expected[repaired] ^= 0x01;
        EXPECT_TRUE(std::equal(expected.Stored().begin(), expected.Stored().begin() + 200,
                               b.image.Stored().begin()))
            << repaired;
    }
}

// A damaged block 0 that names another version is read again: our version in the second reading
// lets the transfer go on, and only an agreed reading goes into the image.
TEST(Transfer, DamagedBlock0IsReadAgainBeforeAVersionIsBelieved) {
    for (const std::uint8_t info : {std::uint8_t{0x00}, std::uint8_t{0x40}}) {
        LinkBench b;
        b.image = PatternImage(15);
        b.unit.SetBlocks(b.image);
        int block0Answers = 0;
        b.line.tamper = [&](const Frame& request, Frame& answer) {
            if (request[0] == info && ++block0Answers == 1) {
                TwinFlip(answer, kUnitVersionByte, 3);
            }
        };
        info == 0x00 ? b.view.MenuProgramClick() : b.view.MenuReadClick();
        b.RunTransfer();
        EXPECT_TRUE(b.view.messages.empty());
        EXPECT_TRUE(b.view.SawStatus("Verify:: OK"));
        const std::vector<int> requests = Requests(b.line);
        ASSERT_GE(requests.size(), 3u);
        EXPECT_EQ((std::vector<int>(requests.begin(), requests.begin() + 3)),
                  (std::vector<int>{info, info, info + 1}));
        EXPECT_TRUE(
            std::equal(b.unit.Block0().begin(), b.unit.Block0().end(), b.image.UnitInfo().begin()));
    }
}

// A resent verify request whose command byte was damaged into a write: the unit stores the block
// after an earlier copy of the request has already been answered. Its echo during the verify
// ends the verify with an error, whatever was compared before; an echo of the image is harmless.
TEST(Transfer, WriteEchoDuringAVerifyThatDiffersFromTheImageEndsIt) {
    struct Case {
        bool read;
        bool differs;
        const char* result;
    };
    for (const Case c : {Case{false, true, "Verify error!"}, Case{true, true, "Read error!"},
                         Case{false, false, "Verify:: OK"}, Case{true, false, "Verify:: OK"}}) {
        LinkBench b;
        b.image = PatternImage(16);
        b.unit.SetBlocks(b.image);
        const ParamImage before = b.image;
        c.read ? b.view.MenuReadClick() : b.view.MenuVerifyClick();
        while (b.transfer().Mode() != TransferMode::Verify || b.transfer().CommandByte() != 0x42) {
            b.Tick();
        }
        auto stored = std::array<std::uint8_t, kBlockSize>{};
        std::copy(b.image.Block1().begin(), b.image.Block1().end(), stored.begin());
        if (c.differs) stored[30] ^= 0x40;
        b.line.Queue(MakeFrame(0x81, stored));
        b.RunTransfer();
        EXPECT_TRUE(b.view.SawStatus(c.result)) << c.read << c.differs;
        EXPECT_TRUE(
            std::equal(before.Stored().begin(), before.Stored().end(), b.image.Stored().begin()));
    }
}

TEST(Transfer, OtherUnitVersionStopsBeforeAnyParameterMoves) {
    for (const bool program : {true, false}) {
        LinkBench b(testing::UnitOfVersion(74));
        b.image = PatternImage(9);
        const ParamImage before = b.image;
        const ParamImage unitBefore = [&] {
            ParamImage held;
            std::copy(b.unit.Block(1).begin(), b.unit.Block(1).end(), held.Block1().begin());
            std::copy(b.unit.Block(2).begin(), b.unit.Block(2).end(), held.Block2().begin());
            return held;
        }();
        // Ticks go on while the box is open: they must run in Idle, with no resends.
        int requestsWhileOpen = 0;
        b.view.duringMessage = [&] {
            EXPECT_EQ(b.transfer().Mode(), TransferMode::Idle);
            const auto sent = Requests(b.line).size();
            for (int i = 0; i < 10; ++i) b.Tick();
            requestsWhileOpen = static_cast<int>(Requests(b.line).size() - sent);
        };
        // The first reading is damaged beyond the version byte: the second does not agree with
        // it, so a third is needed, and the information comes from the two that agree.
        int block0Answers = 0;
        b.line.tamper = [&](const Frame& request, Frame& answer) {
            if ((request[0] & command::kBlockMask) == 0 && ++block0Answers == 1) {
                TwinFlip(answer, 0, 1);
            }
        };
        program ? b.view.MenuProgramClick() : b.view.MenuReadClick();
        b.RunTransfer();
        const int info = program ? 0x00 : 0x40;
        EXPECT_EQ(Requests(b.line), (std::vector<int>{info, info, info}));
        EXPECT_TRUE(
            std::equal(b.unit.Block0().begin(), b.unit.Block0().end(), b.image.UnitInfo().begin()));
        ASSERT_EQ(b.view.messages.size(), 1u);
        EXPECT_EQ(b.view.messages[0],
                  "Unmatched version of PC and Ignition programs!  PC-75, IGN-74");
        EXPECT_EQ(requestsWhileOpen, 0);
        EXPECT_EQ(b.view.statusCountdown, 0);
        EXPECT_EQ(b.image[kUnitInfoOffset + kUnitVersionByte], 74);
        EXPECT_TRUE(
            std::equal(before.Stored().begin(), before.Stored().end(), b.image.Stored().begin()));
        EXPECT_TRUE(BlocksEqual(b.unit, unitBefore, false));
        EXPECT_EQ(b.view.refreshes, program ? 2 : 1);  // the Program command refreshes first
    }
}

// "Program device: OK" means the unit holds the image and a verify proved it; a verify that
// never finished may not leave that text behind.
TEST(Transfer, CompletionTextOnlyAfterAFinishedVerify) {
    LinkBench b;
    b.image = PatternImage(10);
    b.view.MenuProgramClick();
    while (b.transfer().Mode() != TransferMode::Verify) b.Tick();
    b.transfer().Abandon();  // as before a message box elsewhere
    for (int i = 0; i < 80; ++i) b.Tick();
    EXPECT_FALSE(b.view.SawStatus("Program device:: OK"));

    b.view.MenuProgramClick();
    b.RunTransfer();
    for (int i = 0; i < 80; ++i) b.Tick();
    EXPECT_EQ(b.view.status, "Program device:: OK");

    // A second Program that fails shows only its error.
    b.unit.Options().silent = true;
    b.view.statusLog.clear();
    b.view.MenuProgramClick();
    b.RunTransfer();
    for (int i = 0; i < 20; ++i) b.Tick();
    EXPECT_EQ(b.view.status, "Program error!");
    EXPECT_FALSE(b.view.SawStatus("Program device:: OK"));
}

TEST(Transfer, SavingProgressOnTheScaleOf414) {
    ParamImage image;
    const MessageTexts texts = MessagesFor(kEnglish);
    LinkReports reports;
    Transfer transfer(image, texts, reports, [](const Frame&) {});
    testing::FakeWindow view(reports, transfer);
    for (const auto& [countdown, percent] :
         {std::pair{414, 0}, {207, 50}, {1, 99}, {413, 0}, {500, 0}, {60000, 0}}) {
        transfer.TransferTick(static_cast<std::uint16_t>(countdown));
        view.Take();
        EXPECT_EQ(view.status, "Saving:");
        EXPECT_EQ(view.gauge, percent) << countdown;
        EXPECT_EQ(view.gaugeMaximum, 100);
    }
    transfer.TransferTick(0);
    view.Take();
    EXPECT_EQ(view.gaugeMaximum, 2);
}

}  // namespace
}  // namespace orvell
