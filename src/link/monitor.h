// Live monitoring: the unit's monitoring frame turned into readings with their texts and colours,
// and the live operating point that the advance map and the servo table light up.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "core/colours.h"
#include "core/param_image.h"
#include "i18n/messages.h"
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
    // The frame's other numbers, for the live log.
    std::uint16_t supplyVoltage = 0;                // mV
    std::uint16_t servoDesired = 0;                 // mV
    std::uint16_t servoMeasured = 0;                // mV
    bool servoInUse = false;                        // the parameter set uses the servo
    bool pickupError = false;                       // the advances are not to be trusted
    std::array<std::uint8_t, kChannels> advance{};  // degrees + 100; 0: the channel fires none
    std::array<bool, 2> pickupSignal{};             // pick-up 1, 2 sees pulses
    std::array<bool, 2> inputGrounded{};            // input 1, 2
};

// One reading as the monitor column shows it: its text, the colour that marks its state (none:
// the reading leaves the colour as it is) and whether it is shown.
struct ReadingText {
    std::string text;
    std::optional<Colour> colour;
    bool visible = true;
    friend bool operator==(const ReadingText&, const ReadingText&) = default;
};

// What the monitoring frames say, reading by reading. Visibility is meaningful only for the
// readings that the frame or the parameter set decides (servo, version, stored-data error).
struct MonitorReadout {
    ReadingText engineSpeed;
    int engineSpeedPercent = 0;  // of the limiter speed, 0..100
    ReadingText supplyVoltage;
    ReadingText motorOff;
    std::array<ReadingText, kChannels> channelAdvance;
    ReadingText shiftLight;
    std::array<ReadingText, 2> pickup;
    ReadingText throttle;
    int throttlePercent = 0;      // 0..100; 0 while the sensor is in error
    ReadingText servoDesired;     // shown while the parameter set uses the servo
    ReadingText servoMeasured;    // likewise
    ReadingText versionMismatch;  // shown while the unit runs another program version
    ReadingText dataError;        // no text of its own; shown while the stored data are damaged
    ReadingText programCount;
    std::array<ReadingText, 8> testValue;  // shown only in test mode, which the window decides
    std::array<ReadingText, 2> input;
    ReadingText clutchMaster;
    ReadingText killSwitch;
};

// Checks the frame and, when it is a valid monitoring frame, replaces the state and every reading.
// Returns false (changing nothing) for a frame that is not one.
bool HandleMonitorFrame(FrameView frame, const ParamImage& image, const MessageTexts& texts,
                        MonitorState& state, MonitorReadout& readout);

// The live operating point. Column, servo point and throttle row count from 0. Without throttle
// rows in use the map's one row, the last, is the live one.
struct LivePoint {
    int rpmColumn = 0;
    bool belowMap = false;  // engine speed below the first rpm breakpoint: no column is lit
    int servoPoint = 0;
    int throttleRow = 0;
    friend bool operator==(const LivePoint&, const LivePoint&) = default;
};

LivePoint ComputeLivePoint(const MonitorState& state, const ParamImage& image, bool throttleRows);

// Colours that light the live operating point: the advance map's rpm breakpoints, its throttle
// rows and cells, and the servo table's speeds and voltages (all indexed from 0).
struct LiveColours {
    std::array<Colour, kAxisPoints> rpmAxis;
    std::array<Colour, kMapRows> throttleRows;
    std::array<Colour, kServoPoints> servoSpeeds;
    std::array<Colour, kServoPoints> servoVoltages;
    std::array<Colour, kMapRows * kMapColumns> mapCells;  // 10 * row + column
};

LiveColours ColoursFor(const LivePoint& point);

}  // namespace orvell
