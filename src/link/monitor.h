// Live monitoring: the unit's monitoring frame turned into the monitor column's texts and colours,
// and the live operating point that the map grid and the tables light up.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/param_image.h"
#include "i18n/messages.h"
#include "core/colours.h"
#include "link/frame.h"

namespace orvell {

// Byte positions in the monitoring frame; 16-bit values are little-endian.
namespace monitor {
inline constexpr std::size_t kEngineSpeed = 1;
inline constexpr std::size_t kThrottleReading = 3;
inline constexpr std::size_t kSupplyVoltage = 5;
inline constexpr std::size_t kServoMeasured = 7;
inline constexpr std::size_t kServoDesired = 9;
inline constexpr std::size_t kProgramCount = 11;
inline constexpr std::size_t kTestValues = 13;  // 8 words
inline constexpr std::size_t kKillSwitch = 37;
inline constexpr std::size_t kClutchMaster = 40;
inline constexpr std::size_t kThrottlePercent = 41;
inline constexpr std::size_t kShiftLight = 42;
inline constexpr std::size_t kPickupRevolutions = 44;  // pick-up 1, 2
inline constexpr std::size_t kPickupPulses = 46;       // pick-up 1, 2
inline constexpr std::size_t kPickupSignal = 48;       // pick-up 1, 2
inline constexpr std::size_t kChannelAdvance = 50;     // 4 bytes, degrees + 100, 0 = none
inline constexpr std::size_t kChannelMaxAdvance = 54;  // 4 words, degrees, 0 = none
inline constexpr std::size_t kSpeedAlarm = 62;
inline constexpr std::size_t kMotorOff = 63;
inline constexpr std::size_t kSpeedWarning = 64;
inline constexpr std::size_t kServoInOrder = 65;
inline constexpr std::size_t kInputGrounded = 66;  // input 1, 2
inline constexpr std::size_t kSavingCountdown = 95;
inline constexpr std::size_t kDataError = 99;
inline constexpr std::size_t kUnitProgramVersion = 100;
}  // namespace monitor

inline std::uint16_t Word(FrameView frame, std::size_t at) {
    return static_cast<std::uint16_t>(frame[at] | (frame[at + 1] << 8));
}

// Sensor reading 0..1023 in mV.
inline int ReadingToMillivolts(int reading) {
    return reading * 5000 / 1023;
}

// What the last accepted monitoring frame said; kept when the link is lost.
struct MonitorState {
    std::uint16_t liveEngineSpeed = 0;  // rpm
    std::uint8_t liveThrottle = 0;      // percent; above 100 means a sensor error
    std::uint16_t liveTpsVoltage = 0;   // mV
    std::uint16_t savingCountdown = 0;  // nonzero while the unit stores parameters
};

// A label as monitoring leaves it. No colour: monitoring does not change the label's colour.
struct LabelState {
    std::string text;
    std::optional<Colour> colour;
    bool visible = true;
    bool enabled = true;
    friend bool operator==(const LabelState&, const LabelState&) = default;
};

// The monitor column after a frame, member names as the window's controls.
struct MonitorDisplay {
    LabelState LabelRpm;
    int CGaugeRpm = 0;  // 0..100
    LabelState LabelNapeti;
    LabelState LabelBlocking1;
    std::array<LabelState, 4> LabelAdvance;  // LabelAdvance1 .. LabelAdvance4
    LabelState LabelMonPilotLight;
    LabelState LabelMonSnimac1;
    LabelState LabelMonSnimac2;
    LabelState LabelTpsMon;
    int CGaugeTps = 0;  // 0..100
    LabelState LabelPriveraPoz;
    LabelState LabelPriveraMer;
    LabelState LabelVersion;
    LabelState LabelEeDataErr;
    LabelState LabelPocetProgramovani;
    std::array<LabelState, 8> LabelTest;  // LabelTest1 .. LabelTest8; test mode decides visibility
    LabelState LabelMonInput1In;
    LabelState LabelMonInput2In;
    LabelState LabelClutchMon;
    LabelState LabelKillSwitch;
};

// Checks the frame and, when it is a valid monitoring frame, replaces the state and every label.
// Returns false (changing nothing) for a frame that is not one. `servoGroupVisible` is whether
// GroupBoxPrivera is shown; the servo labels follow it.
bool HandleMonitorFrame(FrameView frame, const ParamImage& image, const MessageTexts& texts,
                        bool servoGroupVisible, MonitorState& state, MonitorDisplay& display);

// The live operating point. Column, servo point and throttle row count from 0.
struct LivePoint {
    int rpmColumn = 0;
    bool belowMap = false;  // engine speed below the first rpm breakpoint: no column is lit
    int servoPoint = 0;
    int throttleRow = 0;
    friend bool operator==(const LivePoint&, const LivePoint&) = default;
};

LivePoint ComputeLivePoint(const MonitorState& state, const ParamImage& image, bool tpsMapChecked);

// Colours ShowLivePoint gives the axis edits, row labels, servo tables and map cells.
struct LiveColours {
    std::array<Colour, kAxisPoints> EditRpmAdv;          // EditRpmAdv1 .. 10
    std::array<Colour, kMapRows> LabelTps;               // LabelTps1 .. 10
    std::array<Colour, kServoPoints> EditRpmPriv;        // EditRpmPriv1 .. 10
    std::array<Colour, kServoPoints> EditNapPriv;        // EditNapPriv1 .. 10
    std::array<Colour, kMapRows * kMapColumns> MapCell;  // Edit50 .. Edit149
};

LiveColours ColoursFor(const LivePoint& point);

}  // namespace orvell
