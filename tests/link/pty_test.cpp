// The real POSIX port over a real pseudo-terminal against the simulated unit. Ticks are driven
// directly; after each tick the test waits (bounded) only for the bytes to cross the pty.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "link/posix_serial_port.h"
#include "link_fakes.h"
#include "pty_unit.h"

namespace orvell {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kCrossingLimit = std::chrono::seconds(3);

struct PtyBench {
    explicit PtyBench(sim::UnitOptions unitOptions = {},
                      sim::PtyOptions ptyOptions = testing::FastPty())
        : unit(unitOptions), pty(unit, ptyOptions) {
        std::string error;
        if (!pty.Open(&error)) ADD_FAILURE() << error;
        ::unsetenv("ORVELL_COM1");
        link.SetPortOverrides(
            {{1, ptyOptions.linkPath.empty() ? pty.DevicePath() : ptyOptions.linkPath}});
        link.OpenPort();
        view.Take();
    }

    // One tick of the main loop, then let the request reach the unit and its answer come back.
    void Tick() {
        link.PollReceive();
        view.Take();
        link.TransferTick();
        view.Take();
        link.WatchdogTick();
        view.Take();
        const auto deadline = Clock::now() + kCrossingLimit;
        const auto answered = pty.AnswersSent();
        const std::string line = pty.DevicePath();
        while (pty.RequestsSeen() < port.writes && Clock::now() < deadline) pty.Service(20);
        // No answer, or the unit dropped the line right after it and took the answer along.
        if (pty.AnswersSent() == answered || pty.DevicePath() != line) return;
        while (port.QueuedBytes() < kFrameSize && Clock::now() < deadline) {
            pollfd p{port.real.Descriptor(), POLLIN, 0};
            ::poll(&p, 1, 5);
        }
    }
    int RunTransfer() {
        int ticks = 0;
        do {
            Tick();
        } while (++ticks < 200 && link.GetTransfer().Mode() != TransferMode::Idle);
        return ticks;
    }

    sim::SimulatedUnit unit;
    sim::PtyUnit pty;
    testing::CountingPort port;
    ParamImage image = testing::PatternImage(21);
    MessageTexts texts = MessagesFor(kEnglish);
    DeviceLink link{port, image, texts};
    testing::FakeWindow view{link.Reports(), link.GetTransfer()};
};

TEST(PtyLink, ProgramReadAndVerifyEndVerified) {
    PtyBench b;
    ASSERT_TRUE(b.port.IsOpen()) << b.view.messages.size();
    EXPECT_TRUE(b.view.messages.empty());

    b.view.MenuProgramClick();
    b.RunTransfer();
    EXPECT_EQ(b.view.status, "Program device:: OK");
    EXPECT_TRUE(testing::BlocksEqual(b.unit, b.image, false));

    // The program closes and reopens the line (as the watchdog and the COM menu do); the unit
    // sees the hang-up meanwhile and carries on.
    b.link.ClosePort();
    b.pty.Service(30);
    b.link.OpenPort();
    ASSERT_TRUE(b.port.IsOpen());

    const ParamImage programmed = b.image;
    b.image = testing::PatternImage(22);
    b.view.MenuReadClick();
    b.RunTransfer();
    EXPECT_EQ(b.view.status, "Verify:: OK");
    EXPECT_TRUE(std::equal(programmed.Stored().begin(), programmed.Stored().begin() + 200,
                           b.image.Stored().begin()));

    b.view.MenuVerifyClick();
    b.RunTransfer();
    EXPECT_EQ(b.view.status, "Verify:: OK");
    EXPECT_EQ(b.link.SilenceCounter(), 1);
}

TEST(PtyLink, SilentUnitEndsEachTransferWithItsError) {
    PtyBench b(testing::SilentUnit());
    const ParamImage before = b.image;
    using testing::FakeWindow;
    const std::pair<void (FakeWindow::*)(), const char*> cases[] = {
        {&FakeWindow::MenuProgramClick, "Program error!"},
        {&FakeWindow::MenuVerifyClick, "Verify error!"},
        {&FakeWindow::MenuReadClick, "Read error!"}};
    for (const auto& [start, error] : cases) {
        (b.view.*start)();
        b.RunTransfer();
        EXPECT_EQ(b.view.status, error);
        EXPECT_EQ(b.view.statusColour, colour::kRed);
    }
    EXPECT_EQ(b.image, before);
    EXPECT_GE(b.pty.RequestsSeen(), 15u) << "every request crossed the line";
}

TEST(PtyLink, OpenFailuresCarryTheSystemsReason) {
    PtyBench b;
    PosixSerialPort second;
    const PortOpenFailure inUse = second.Open(b.pty.DevicePath());
    EXPECT_EQ(inUse.kind, PortOpenFailure::Kind::InUse);
    EXPECT_NE(DescribeOpenFailure(inUse).find("Another program"), std::string::npos);

    EXPECT_EQ(second.Open("/dev/null").kind, PortOpenFailure::Kind::NotSerial);
    const PortOpenFailure missing = second.Open("/dev/orvell-no-such-port");
    EXPECT_EQ(missing.kind, PortOpenFailure::Kind::NoDevice);
    EXPECT_FALSE(second.IsOpen());
    EXPECT_EQ(second.QueuedBytes(), 0u);
    EXPECT_FALSE(second.WriteFrame(MakeFrame(command::kMonitor)));

    // A port the user chose that does not open is told, with the system's reason after it.
    b.link.SetPortOverrides({{2, "/dev/orvell-no-such-port"}});
    b.link.ChoosePort(1);
    b.view.Take();
    ASSERT_EQ(b.view.messages.size(), 1u);
    EXPECT_NE(b.view.messages[0].find("Com opening error!\n\n/dev/orvell-no-such-port: "),
              std::string::npos);
}

// The unit drops the line every few answers (like a pulled adapter): the link goes silent, the
// watchdog reopens the same COM number, which now leads to the new line, and monitoring resumes.
TEST(PtyLink, LineLostAndFoundAgainThroughTheWatchdog) {
    const auto linkPath =
        std::filesystem::temp_directory_path() / ("orvell-pty-" + std::to_string(::getpid()));
    sim::PtyOptions options = testing::FastPty();
    options.closeAfterFrames = 4;
    options.linkPath = linkPath;
    PtyBench b({}, options);
    int newLines = 0;
    b.pty.OnNewLine([&](const std::string&) { ++newLines; });
    bool labelShown = false;
    for (int i = 0; i < 160 && b.link.MonitorRevision() < 6; ++i) {
        b.Tick();
        labelShown |= b.view.noConnectionVisible;
    }
    EXPECT_TRUE(labelShown);
    EXPECT_GE(b.link.MonitorRevision(), 6u);
    EXPECT_GE(newLines, 1);
    EXPECT_TRUE(b.view.messages.empty()) << "watchdog reopens are quiet";
}

TEST(PtyLink, PacedAnswerTakesTheWireTimeOfAFrame) {
    sim::SimulatedUnit unit;
    sim::PtyUnit pty(unit, {});
    std::string error;
    ASSERT_TRUE(pty.Open(&error)) << error;
    PosixSerialPort port;
    ASSERT_FALSE(port.Open(pty.DevicePath()));
    const auto start = Clock::now();
    ASSERT_TRUE(port.WriteFrame(MakeFrame(command::kMonitor)));
    while (pty.AnswersSent() == 0 && Clock::now() - start < kCrossingLimit) pty.Service(5);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(17));
    while (port.QueuedBytes() < kFrameSize && Clock::now() - start < kCrossingLimit) pty.Service(1);
    Frame answer;
    ASSERT_EQ(port.ReadQueued(answer), kFrameSize);
    EXPECT_EQ(answer[0], command::kMonitorAnswer);
    EXPECT_TRUE(HasValidCheckByte(answer));
}

}  // namespace
}  // namespace orvell
