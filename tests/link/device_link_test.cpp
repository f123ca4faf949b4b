#include "link/device_link.h"

#include <gtest/gtest.h>

#include "link_fakes.h"

namespace orvell {
namespace {

using testing::LinkBench;

TEST(ComMenu, ChoosingAPortChecksItOpensItAndReportsAFailureOnce) {
    LinkBench b;
    b.line.present = {"/dev/ttyUSB0"};
    b.ChoosePort(4);
    EXPECT_EQ(b.view.checkedItem, 4);
    EXPECT_EQ(b.view.comLabel, "COM= COM5");
    EXPECT_EQ(b.link.PortChoice(), 4);
    EXPECT_EQ(b.line.openedPaths.back(), "/dev/ttyUSB4");
    ASSERT_EQ(b.view.messages.size(), 1u);
    EXPECT_EQ(b.view.messages[0].rfind("Com opening error!\n\n/dev/ttyUSB4: ", 0), 0u)
        << b.view.messages[0];

    // The settings file's [PORTS] entry points COM5 elsewhere.
    b.link.SetPortOverrides({{5, "/dev/pts/42"}});
    b.line.present.insert("/dev/pts/42");
    b.ChoosePort(4);
    EXPECT_EQ(b.line.openedPaths.back(), "/dev/pts/42");
    EXPECT_EQ(b.view.messages.size(), 1u);
    EXPECT_EQ(b.link.DevicePath(), "/dev/pts/42");
}

TEST(Watchdog, AutomaticChoiceStepsOnePortPerTickUntilOneOpens) {
    LinkBench b(testing::SilentUnit());
    b.line.present = {DefaultDevicePath(7)};
    b.link.SetPortChoice(kAutoPortChoice);
    b.ChoosePort(kAutoPortChoice);
    EXPECT_TRUE(b.view.messages.empty()) << "the automatic choice never complains";
    EXPECT_EQ(b.view.checkedItem, 30);
    b.line.openedPaths.clear();

    std::vector<std::string> expected;
    for (int com = 2; com <= 7; ++com) expected.push_back(DefaultDevicePath(com));
    for (int i = 0; i < 6; ++i) b.Tick();
    EXPECT_EQ(b.line.openedPaths, expected);
    EXPECT_EQ(b.view.comLabel, "COM= COM7");

    // COM7 opened: it is kept for 30 ticks, then the search goes on while nobody answers.
    for (int i = 0; i < 29; ++i) b.Tick();
    EXPECT_EQ(b.line.openedPaths.size(), 6u);
    b.Tick();
    b.Tick();
    EXPECT_EQ(b.line.openedPaths.back(), DefaultDevicePath(9));
    // Past COM31 the search wraps round to COM1.
    for (int i = 0; i < 23; ++i) b.Tick();
    EXPECT_EQ(b.line.openedPaths.back(), DefaultDevicePath(1));
    EXPECT_TRUE(b.view.messages.empty());
}

TEST(Watchdog, SilenceShowsTheLabelAndReopensTheFixedPortQuietly) {
    LinkBench b(testing::SilentUnit());
    b.line.present = {"/dev/ttyUSB0"};
    b.Tick();
    EXPECT_TRUE(b.view.noConnectionVisible) << "the counter starts at 18";
    for (int i = 1; i < 29; ++i) b.Tick();
    EXPECT_EQ(b.line.opens, 1);
    b.Tick();
    EXPECT_EQ(b.line.opens, 2);
    EXPECT_EQ(b.line.openedPaths.back(), "/dev/ttyUSB0");
    EXPECT_TRUE(b.link.QuietOpen());

    // The port vanished (adapter pulled): reopens keep failing without a word.
    b.line.present = {"/dev/ttyUSB9"};
    for (int i = 0; i < 90; ++i) b.Tick();
    EXPECT_EQ(b.line.opens, 5);
    EXPECT_TRUE(b.view.messages.empty());

    // The unit answers again: the label stays until a frame is accepted, and goes with the
    // watchdog step of that same tick.
    b.line.present = {};
    b.unit.Options().silent = false;
    for (int i = 0; i < 60 && b.view.noConnectionVisible; ++i) {
        b.Tick();
        if (b.view.noConnectionVisible) {
            EXPECT_EQ(b.link.SilenceCounter(), kSilenceTicks);
        }
    }
    EXPECT_FALSE(b.view.noConnectionVisible);
    EXPECT_EQ(b.link.SilenceCounter(), 1);
}

TEST(PollReceive, WaitsForAWholeFrameAndUsesOnlyTheFirst) {
    LinkBench b(testing::SilentUnit());
    const Frame monitor = b.unit.MonitorFrame();
    b.line.Queue(std::span(monitor).first(101));
    b.link.PollReceive();
    EXPECT_EQ(b.line.input.size(), 101u);
    EXPECT_EQ(b.link.MonitorRevision(), 0u);

    b.line.Queue(std::span(monitor).last(1));
    b.line.Queue(monitor);
    b.link.PollReceive();
    EXPECT_TRUE(b.line.input.empty());
    EXPECT_EQ(b.link.ReceivedCount(), 204u);
    EXPECT_EQ(b.link.MonitorRevision(), 1u);
    EXPECT_EQ(b.link.SilenceCounter(), 0);

    // A read that starts in the middle of a frame is rejected whole.
    b.line.Queue(std::span(monitor).last(50));
    b.line.Queue(monitor);
    b.link.PollReceive();
    EXPECT_TRUE(b.line.input.empty());
    EXPECT_EQ(b.link.MonitorRevision(), 1u);
}

TEST(PollReceive, MonitoringFramesGoToMonitoringEvenDuringATransfer) {
    LinkBench b(testing::SilentUnit());
    b.view.MenuReadClick();
    b.line.Queue(b.unit.MonitorFrame());
    b.link.PollReceive();
    EXPECT_EQ(b.link.MonitorRevision(), 1u);
    EXPECT_EQ(b.transfer().Mode(), TransferMode::Read);
    EXPECT_EQ(b.transfer().CommandByte(), 0x40);
}

}  // namespace
}  // namespace orvell
