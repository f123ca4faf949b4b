#include "link/monitor.h"

#include <gtest/gtest.h>

namespace orvell {
namespace {

// A monitoring frame built field by field; Build() sets the check byte.
struct MonitorFrameBuilder {
    Frame f{};
    MonitorFrameBuilder() {
        f[0] = command::kMonitorAnswer;
        f[monitor::kUnitProgramVersion] = 75;
        f[monitor::kServoInOrder] = 1;
        f[monitor::kPickupRevolutions] = f[monitor::kPickupRevolutions + 1] = 200;
    }
    MonitorFrameBuilder& Byte(std::size_t at, int v) {
        f[at] = static_cast<std::uint8_t>(v);
        return *this;
    }
    MonitorFrameBuilder& Word(std::size_t at, int v) {
        f[at] = static_cast<std::uint8_t>(v & 0xFF);
        f[at + 1] = static_cast<std::uint8_t>(v >> 8);
        return *this;
    }
    Frame Build() {
        SetCheckByte(f);
        return f;
    }
};

struct Monitoring {
    ParamImage image;
    MessageTexts texts = MessagesFor(kEnglish);
    MonitorState state;
    MonitorReadout readout;
    bool Handle(const Frame& frame) {
        return HandleMonitorFrame(frame, image, texts, state, readout);
    }
};

TEST(Monitor, SupplyVoltageColourAtItsLimits) {
    const std::pair<int, Colour> cases[] = {
        {11000, colour::kYellow}, {11001, colour::kButtonFace}, {14998, colour::kButtonFace},
        {14999, colour::kYellow}, {17998, colour::kYellow},     {17999, colour::kRed},
        {7000, colour::kRed},     {7001, colour::kYellow}};
    for (const auto& [mv, expected] : cases) {
        Monitoring m;
        ASSERT_TRUE(m.Handle(MonitorFrameBuilder().Word(monitor::kSupplyVoltage, mv).Build()));
        EXPECT_EQ(m.readout.supplyVoltage.colour, expected) << mv;
    }
    Monitoring m;
    m.Handle(MonitorFrameBuilder().Word(monitor::kSupplyVoltage, 13800).Build());
    EXPECT_EQ(m.readout.supplyVoltage.text, "U = 13.8 [V]");
}

TEST(Monitor, EngineSpeedLabelAndBar) {
    Monitoring m;
    m.Handle(MonitorFrameBuilder().Word(monitor::kEngineSpeed, 4321).Build());
    EXPECT_EQ(m.readout.engineSpeed.text, "RPM = 4321 ");
    EXPECT_EQ(m.readout.engineSpeed.colour, colour::kButtonFace);
    EXPECT_EQ(m.readout.engineSpeedPercent, 43) << "a limiter byte of 0 divides by 100";
    EXPECT_EQ(m.state.liveEngineSpeed, 4321);

    m.image.SetLimiterSpeed(120);
    m.Handle(MonitorFrameBuilder()
                 .Word(monitor::kEngineSpeed, 6000)
                 .Byte(monitor::kSpeedWarning, 1)
                 .Byte(monitor::kSpeedAlarm, 1)
                 .Build());
    EXPECT_EQ(m.readout.engineSpeedPercent, 50);
    EXPECT_EQ(m.readout.engineSpeed.colour, colour::kRed) << "the alarm wins over the warning";
    m.Handle(MonitorFrameBuilder().Byte(monitor::kSpeedWarning, 1).Build());
    EXPECT_EQ(m.readout.engineSpeed.colour, colour::kYellow);
}

TEST(Monitor, AdvanceLabels) {
    Monitoring m;
    m.Handle(MonitorFrameBuilder()
                 .Byte(monitor::kChannelAdvance + 0, 0)
                 .Byte(monitor::kChannelAdvance + 1, 125)
                 .Byte(monitor::kChannelAdvance + 2, 130)
                 .Word(monitor::kChannelMaxAdvance + 4, 30)
                 .Byte(monitor::kChannelAdvance + 3, 95)
                 .Word(monitor::kChannelMaxAdvance + 6, 31)
                 .Build());
    EXPECT_EQ(m.readout.channelAdvance[0].text, "Advance 1 = ---");
    EXPECT_EQ(m.readout.channelAdvance[1].text, "Advance 2 = 25 [°]");
    EXPECT_EQ(m.readout.channelAdvance[2].text, "Advance 3 = 30 [°] /max 30 [°]");
    EXPECT_EQ(m.readout.channelAdvance[2].colour, colour::kYellow);
    EXPECT_EQ(m.readout.channelAdvance[3].text, "Advance 4 = -5 [°] /max 31 [°]");
    EXPECT_EQ(m.readout.channelAdvance[3].colour, colour::kButtonFace);
}

TEST(Monitor, PickupErrorTakesOverAllAdvanceLabels) {
    // Pick-up in error: fewer revolutions than image byte 10 and more pulses than byte 10 x 3.
    struct Case {
        int revolutions, pulses;
        bool error;
    };
    for (const Case c : {Case{4, 21, true}, Case{5, 21, false}, Case{4, 20, false}}) {
        Monitoring m;
        m.image.SetRevolutionsWithoutIgnition(5);
        m.image.SetLobeCount(4);
        m.Handle(MonitorFrameBuilder()
                     .Byte(monitor::kPickupRevolutions + 1, c.revolutions)
                     .Byte(monitor::kPickupPulses + 1, c.pulses)
                     .Build());
        for (const auto& label : m.readout.channelAdvance) {
            EXPECT_EQ(label.text == "Pick up system error                    ", c.error);
            EXPECT_EQ(label.colour == colour::kRed, c.error);
        }
    }
}

TEST(Monitor, ThrottleTextAndErrorColour) {
    Monitoring m;
    m.Handle(MonitorFrameBuilder()
                 .Byte(monitor::kThrottlePercent, 37)
                 .Word(monitor::kThrottleReading, 1023)
                 .Build());
    EXPECT_EQ(m.readout.throttle.text, "TP= 37 [%]= 5000 [mV]");
    EXPECT_EQ(m.readout.throttlePercent, 37);
    EXPECT_EQ(m.state.liveTpsVoltage, 5000);

    for (const bool tpsMap : {false, true}) {
        m.image.SetTpsMapFlag(tpsMap);
        m.Handle(MonitorFrameBuilder()
                     .Byte(monitor::kThrottlePercent, 101)
                     .Word(monitor::kThrottleReading, 100)
                     .Build());
        EXPECT_EQ(m.readout.throttle.text, "TP=error = 488 [mV]");
        EXPECT_EQ(m.readout.throttle.colour, tpsMap ? colour::kRed : colour::kButtonFace);
        EXPECT_EQ(m.readout.throttlePercent, 0);
    }
}

TEST(Monitor, FlagLabelsServoVersionAndCounters) {
    Monitoring m;
    m.image.SetServoEnable(0);  // the servo readings are not shown
    m.Handle(MonitorFrameBuilder()
                 .Byte(monitor::kMotorOff, 1)
                 .Byte(monitor::kShiftLight, 1)
                 .Byte(monitor::kPickupSignal, 1)
                 .Byte(monitor::kInputGrounded, 1)
                 .Byte(monitor::kInputGrounded + 1, 1)
                 .Byte(monitor::kClutchMaster, 1)
                 .Byte(monitor::kServoInOrder, 0)
                 .Word(monitor::kServoDesired, 1023)
                 .Word(monitor::kProgramCount, 1234)
                 .Word(monitor::kTestValues + 14, 65535)
                 .Byte(monitor::kUnitProgramVersion, 74)
                 .Byte(monitor::kDataError, 1)
                 .Word(monitor::kSavingCountdown, 300)
                 .Build());
    const MonitorReadout& d = m.readout;
    EXPECT_EQ(d.motorOff, (ReadingText{"Motor off - YES", colour::kRed}));
    EXPECT_EQ(d.shiftLight, (ReadingText{"Gear Shift Light - YES", colour::kYellow}));
    EXPECT_EQ(d.pickup[0], (ReadingText{"Pick-up (CKPS) 1 - is running", colour::kLime}));
    EXPECT_EQ(d.pickup[1], (ReadingText{"Pick-up (CKPS) 2 - no signal", colour::kButtonFace}));
    EXPECT_EQ(d.input[0], (ReadingText{"Input 1: Grounded", colour::kFuchsia}));
    EXPECT_EQ(d.input[1], (ReadingText{"Input 2: Grounded", colour::kAqua}));
    EXPECT_EQ(d.clutchMaster, (ReadingText{"Clutch master - YES", colour::kLime}));
    EXPECT_EQ(d.killSwitch, (ReadingText{"Kill switch - NO", colour::kButtonFace}));
    EXPECT_EQ(d.servoDesired, (ReadingText{"Servo desired= 5000 [mV]", colour::kRed, false}));
    EXPECT_EQ(d.servoMeasured, (ReadingText{"Servo measured= 0 [mV]", colour::kRed, false}));
    EXPECT_EQ(d.programCount.text, "Number of Programing= 1234");
    EXPECT_EQ(d.testValue[7].text, "Test8 = 65535 ");
    EXPECT_TRUE(d.versionMismatch.visible);
    EXPECT_EQ(d.versionMismatch.text,
              "Unmatched version of PC and Ignition programs!  PC-75, IGN-74");
    EXPECT_TRUE(d.dataError.visible);
    EXPECT_EQ(m.state.savingCountdown, 300);

    m.image.SetServoEnable(1);
    m.Handle(MonitorFrameBuilder().Build());
    EXPECT_TRUE(m.readout.servoDesired.visible);
    EXPECT_TRUE(m.readout.servoMeasured.visible);
    EXPECT_FALSE(m.readout.versionMismatch.visible);
    EXPECT_FALSE(m.readout.dataError.visible);
    EXPECT_EQ(m.readout.input[0], (ReadingText{"Input 1: Open", colour::kButtonFace}));
}

TEST(Monitor, DamagedFrameChangesNothing) {
    Monitoring m;
    m.Handle(MonitorFrameBuilder().Word(monitor::kEngineSpeed, 3000).Build());
    Frame bad = MonitorFrameBuilder().Word(monitor::kEngineSpeed, 9000).Build();
    bad[kCheckByte] ^= 1;
    EXPECT_FALSE(m.Handle(bad));
    EXPECT_EQ(m.state.liveEngineSpeed, 3000);
    EXPECT_EQ(m.readout.engineSpeed.text, "RPM = 3000 ");
}

// Axis 10, 20, ..., 100 (x100 rpm), servo speeds 5, 15, ..., 95.
ParamImage AxisImage() {
    ParamImage image;
    for (int i = 0; i < 10; ++i) {
        image.SetRpmAxis(i, static_cast<std::uint8_t>(10 * (i + 1)));
        image.SetServoSpeed(i, static_cast<std::uint8_t>(10 * i + 5));
    }
    return image;
}

TEST(LivePoint, NearestColumnHalfwayGoesDownAndBelowTheMapLightsNothing) {
    const ParamImage image = AxisImage();
    struct Case {
        int rpm;
        int column;
        bool below;
        int servo;
    };
    for (const Case c : {Case{0, 0, true, 0}, Case{999, 0, true, 0}, Case{1000, 0, false, 0},
                         Case{1500, 0, false, 1}, Case{1600, 1, false, 1}, Case{5500, 4, false, 5},
                         Case{5600, 5, false, 5}, Case{12000, 9, false, 9}}) {
        MonitorState state;
        state.liveEngineSpeed = static_cast<std::uint16_t>(c.rpm);
        const LivePoint p = ComputeLivePoint(state, image, true);
        EXPECT_EQ(p.rpmColumn, c.column) << c.rpm;
        EXPECT_EQ(p.belowMap, c.below) << c.rpm;
        EXPECT_EQ(p.servoPoint, c.servo) << c.rpm;
    }
}

TEST(LivePoint, ThrottleRowOverTheFixedBreakpoints) {
    const ParamImage image = AxisImage();
    const std::pair<int, int> cases[] = {{0, 0},  {1, 0},  {2, 1},  {3, 1},   {4, 2},  {15, 3},
                                         {16, 4}, {70, 7}, {71, 8}, {100, 9}, {250, 9}};
    for (const auto& [percent, row] : cases) {
        MonitorState state;
        state.liveThrottle = static_cast<std::uint8_t>(percent);
        EXPECT_EQ(ComputeLivePoint(state, image, true).throttleRow, row) << percent;
        EXPECT_EQ(ComputeLivePoint(state, image, false).throttleRow, 9) << percent;
    }
}

TEST(LivePoint, ColoursLightTheCellTheAxisTheRowAndTheServoPoint) {
    const LiveColours lit =
        ColoursFor({.rpmColumn = 3, .belowMap = false, .servoPoint = 6, .throttleRow = 2});
    EXPECT_EQ(lit.mapCells[23], colour::kLime);
    EXPECT_EQ(std::count(lit.mapCells.begin(), lit.mapCells.end(), colour::kLime), 1);
    EXPECT_EQ(lit.rpmAxis[3], colour::kLime);
    EXPECT_EQ(lit.rpmAxis[2], colour::kWindow);
    EXPECT_EQ(lit.throttleRows[2], colour::kLime);
    EXPECT_EQ(lit.throttleRows[3], colour::kButtonFace);
    EXPECT_EQ(lit.servoSpeeds[6], colour::kLime);
    EXPECT_EQ(lit.servoVoltages[6], colour::kLime);
    EXPECT_EQ(lit.servoVoltages[5], colour::kWindow);

    const LiveColours below =
        ColoursFor({.rpmColumn = 0, .belowMap = true, .servoPoint = 0, .throttleRow = 4});
    EXPECT_EQ(std::count(below.mapCells.begin(), below.mapCells.end(), colour::kLime), 0);
    EXPECT_EQ(std::count(below.rpmAxis.begin(), below.rpmAxis.end(), colour::kLime), 0);
    EXPECT_EQ(below.throttleRows[4], colour::kLime) << "the throttle row label still is lit";
}

}  // namespace
}  // namespace orvell
