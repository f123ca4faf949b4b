#include "link/monitor.h"

#include <algorithm>
#include <cstdio>

#include "link/unit_info.h"

namespace orvell {

namespace {

std::string Format(const char* format, auto... args) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

std::string YesNo(const MessageTexts& texts, bool yes) {
    return yes ? texts[Msg::MsgYes] : texts[Msg::MsgNo];
}

// A "Name - YES/NO" label, coloured when set.
ReadingText Flag(const MessageTexts& texts, Msg name, bool set, Colour whenSet) {
    return {texts[name] + " - " + YesNo(texts, set), set ? whenSet : colour::kButtonFace};
}

bool PickupInError(FrameView f, const ParamImage& image, int k) {
    const int revolutions = image.RevolutionsWithoutIgnition();
    return f[monitor::kPickupRevolutions + k] < revolutions &&
           f[monitor::kPickupPulses + k] > revolutions * image.LobeCount();
}

Colour VoltageColour(int mv) {
    if (mv >= 17999 || mv <= 7000) return colour::kRed;
    if (mv >= 14999 || mv <= 11000) return colour::kYellow;
    return colour::kButtonFace;
}

// Nearest breakpoint to `value`, given the index of the first breakpoint above it (10: none);
// a value exactly halfway goes to the lower one.
template <typename Points>
int Nearest(const Points& points, int i, int value) {
    if (i >= 10) return 9;
    if (i == 0) return 0;
    return points[i - 1] + points[i] >= 2 * value ? i - 1 : i;
}

int FirstAbove(const ParamImage& image, std::size_t first, int value) {
    int i = 0;
    while (i < 10 && image[first + static_cast<std::size_t>(i)] <= value) ++i;
    return i;
}

}  // namespace

bool HandleMonitorFrame(FrameView f, const ParamImage& image, const MessageTexts& texts,
                        MonitorState& state, MonitorReadout& r) {
    if (f[0] != command::kMonitorAnswer || !HasValidCheckByte(f)) return false;

    state.liveThrottle = f[monitor::kThrottlePercent];
    state.liveEngineSpeed = Word(f, monitor::kEngineSpeed);

    const int speed = state.liveEngineSpeed;
    r.engineSpeed = {Format("RPM = %d ", speed), f[monitor::kSpeedAlarm]     ? colour::kRed
                                                 : f[monitor::kSpeedWarning] ? colour::kYellow
                                                                             : colour::kButtonFace};
    const int limiter = image.LimiterSpeed() != 0 ? image.LimiterSpeed() : 100;
    r.engineSpeedPercent = std::clamp(speed / limiter, 0, 100);

    const int mv = Word(f, monitor::kSupplyVoltage);
    state.supplyVoltage = static_cast<std::uint16_t>(mv);
    r.supplyVoltage = {Format("U = %4.1f [V]", mv * 0.001), VoltageColour(mv)};

    r.motorOff = Flag(texts, Msg::MsgMotorOff, f[monitor::kMotorOff] != 0, colour::kRed);

    state.pickupError = PickupInError(f, image, 0) || PickupInError(f, image, 1);
    for (std::size_t i = 0; i < state.advance.size(); ++i) {
        state.advance[i] = f[monitor::kChannelAdvance + i];
    }
    if (state.pickupError) {
        for (auto& reading : r.channelAdvance) reading = {texts[Msg::MsgPickupError], colour::kRed};
    } else {
        for (int i = 0; i < 4; ++i) {
            const int raw = f[monitor::kChannelAdvance + static_cast<std::size_t>(i)];
            const int a = raw - 100;
            const int m = Word(f, monitor::kChannelMaxAdvance + 2 * static_cast<std::size_t>(i));
            std::string text = texts[Msg::MsgAdvance] + " " + std::to_string(i + 1) + " = ";
            if (raw == 0) {
                text += "---";
            } else if (m != 0) {
                text += Format("%d [\u00B0] /max %d [\u00B0]", a, m);
            } else {
                text += Format("%d [\u00B0]", a);
            }
            r.channelAdvance[static_cast<std::size_t>(i)] = {
                std::move(text), m > 0 && a >= m ? colour::kYellow : colour::kButtonFace};
        }
    }

    r.shiftLight = Flag(texts, Msg::MsgShiftLight, f[monitor::kShiftLight] != 0, colour::kYellow);
    for (int k = 0; k < 2; ++k) {
        const bool running = f[monitor::kPickupSignal + static_cast<std::size_t>(k)] != 0;
        state.pickupSignal[static_cast<std::size_t>(k)] = running;
        ReadingText& reading = r.pickup[static_cast<std::size_t>(k)];
        reading.text = texts[Msg::MsgPickup] + (k == 0 ? " 1 - " : " 2 - ") +
                       texts[running ? Msg::MsgRunning : Msg::MsgNoSignal];
        reading.colour = running ? colour::kLime : colour::kButtonFace;
    }

    state.liveTpsVoltage =
        static_cast<std::uint16_t>(ReadingToMillivolts(Word(f, monitor::kThrottleReading)));
    if (state.liveThrottle > 100) {
        r.throttle = {Format("TP=error = %d [mV]", state.liveTpsVoltage),
                      image.TpsMapFlag() ? colour::kRed : colour::kButtonFace};
        r.throttlePercent = 0;
    } else {
        r.throttle = {Format("TP= %d [%%]= %d [mV]", state.liveThrottle, state.liveTpsVoltage),
                      colour::kButtonFace};
        r.throttlePercent = state.liveThrottle;
    }

    const bool servoShown = ServoInUse(image);
    state.servoInUse = servoShown;
    state.servoDesired =
        static_cast<std::uint16_t>(ReadingToMillivolts(Word(f, monitor::kServoDesired)));
    state.servoMeasured =
        static_cast<std::uint16_t>(ReadingToMillivolts(Word(f, monitor::kServoMeasured)));
    const Colour servoColour = f[monitor::kServoInOrder] ? colour::kButtonFace : colour::kRed;
    r.servoDesired = {texts[Msg::MsgServoDesired] +
                          Format(" %d [mV]", ReadingToMillivolts(Word(f, monitor::kServoDesired))),
                      servoColour, servoShown};
    r.servoMeasured = {
        texts[Msg::MsgServoMeasured] +
            Format(" %d [mV]", ReadingToMillivolts(Word(f, monitor::kServoMeasured))),
        servoColour, servoShown};

    const int version = f[monitor::kUnitProgramVersion];
    r.versionMismatch.visible = version != kUnitVersion;
    if (r.versionMismatch.visible) {
        r.versionMismatch.text =
            texts[Msg::MsgUnitVersionMismatch] + Format("  PC-%d, IGN-%d", kUnitVersion, version);
    }

    state.savingCountdown = Word(f, monitor::kSavingCountdown);
    r.dataError.visible = f[monitor::kDataError] != 0;
    r.programCount.text =
        texts[Msg::MsgProgramCount] + std::to_string(Word(f, monitor::kProgramCount));
    for (std::size_t i = 0; i < r.testValue.size(); ++i) {
        r.testValue[i].text =
            Format("Test%d = %d ", static_cast<int>(i + 1), Word(f, monitor::kTestValues + 2 * i));
    }

    for (int k = 0; k < 2; ++k) {
        const bool grounded = f[monitor::kInputGrounded + static_cast<std::size_t>(k)] != 0;
        state.inputGrounded[static_cast<std::size_t>(k)] = grounded;
        ReadingText& reading = r.input[static_cast<std::size_t>(k)];
        reading.text = texts[Msg::MsgInput] + (k == 0 ? " 1: " : " 2: ") +
                       texts[grounded ? Msg::MsgInputGrounded : Msg::MsgInputOpen];
        reading.colour = !grounded ? colour::kButtonFace
                         : k == 0  ? colour::kFuchsia
                                   : colour::kAqua;
    }
    r.clutchMaster =
        Flag(texts, Msg::MsgClutchMaster, f[monitor::kClutchMaster] != 0, colour::kLime);
    r.killSwitch = Flag(texts, Msg::MsgKillSwitch, f[monitor::kKillSwitch] != 0, colour::kRed);
    return true;
}

LivePoint ComputeLivePoint(const MonitorState& state, const ParamImage& image, bool throttleRows) {
    const int s = state.liveEngineSpeed / 100;
    LivePoint p;
    const int column = FirstAbove(image, field::kRpmAxis, s);
    p.belowMap = column == 0;
    p.rpmColumn = Nearest(image.Raw().data() + field::kRpmAxis, column, s);
    p.servoPoint = Nearest(image.Raw().data() + field::kServoSpeed,
                           FirstAbove(image, field::kServoSpeed, s), s);
    if (throttleRows) {
        const int t = state.liveThrottle;
        int i = 1;
        while (i < 10 && kThrottleBreakpoints[static_cast<std::size_t>(i)] <= t) ++i;
        p.throttleRow = Nearest(kThrottleBreakpoints, i, t);
    } else {
        p.throttleRow = 9;
    }
    return p;
}

LiveColours ColoursFor(const LivePoint& p) {
    LiveColours c;
    for (int k = 0; k < 10; ++k) {
        const auto i = static_cast<std::size_t>(k);
        c.rpmAxis[i] = k == p.rpmColumn && !p.belowMap ? colour::kLime : colour::kWindow;
        c.throttleRows[i] = k == p.throttleRow ? colour::kLime : colour::kButtonFace;
        c.servoSpeeds[i] = k == p.servoPoint ? colour::kLime : colour::kWindow;
        c.servoVoltages[i] = c.servoSpeeds[i];
    }
    c.mapCells.fill(colour::kWindow);
    if (!p.belowMap) {
        c.mapCells[static_cast<std::size_t>(10 * p.throttleRow + p.rpmColumn)] = colour::kLime;
    }
    return c;
}

}  // namespace orvell
