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
        program ? b.view.MenuProgramClick() : b.view.MenuReadClick();
        b.RunTransfer();
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
