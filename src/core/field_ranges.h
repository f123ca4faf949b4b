// The range of every field that has one, in the units the window shows it. The window's spinners
// offer exactly these ranges and the .ign reader limits hand-edited numbers to them, so a value a
// spinner could never hold cannot come in through a file either.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "core/param_image.h"

namespace orvell {

struct FieldRange {
    std::size_t byte;   // the first byte of the field
    std::size_t count;  // consecutive bytes from `byte` that share the range
    int min;            // shown units
    int max;
    Conversion conversion;

    constexpr bool Covers(std::size_t b) const { return b >= byte && b < byte + count; }
    // The stored values of the ends. Conversions rise with the shown value, so a stored byte lies
    // in [StoredMin, StoredMax] exactly when the value it shows can be entered.
    constexpr std::uint8_t StoredMin() const { return conversion.Store(min); }
    constexpr std::uint8_t StoredMax() const { return conversion.Store(max); }
};

// The stored value of a shown number of any size, before it is cut to 8 bits.
constexpr std::int64_t StoreUnbounded(Conversion c, std::int64_t shown) {
    return shown / c.scale - c.offset / c.scale;
}

namespace range {
// clang-format off
inline constexpr FieldRange kLobeCount{                 field::kLobeCount,                 1,                         1,        58, conv::kIdentity};
inline constexpr FieldRange kChannelCount{              field::kChannelCount,              1,                         1, kChannels, conv::kIdentity};
inline constexpr FieldRange kShiftLightSpeed{           field::kShiftLightSpeed,           1,                       100,     25000, conv::kRpm};
inline constexpr FieldRange kBaseAdvance{               field::kBaseAdvance,               1,                         0,        40, conv::kIdentity};
inline constexpr FieldRange kRevolutionsWithoutIgnition{field::kRevolutionsWithoutIgnition, 1,                        0,        40, conv::kIdentity};
inline constexpr FieldRange kTachoPulses{               field::kTachoPulses,               1,                         0,         6, conv::kIdentity};
inline constexpr FieldRange kTachoCorrection{           field::kTachoCorrection,           1,                       -60,        60, conv::kTachoCorrection};
inline constexpr FieldRange kLimiterSpeed{              field::kLimiterSpeed,              1,                       999,     25000, conv::kRpm};
inline constexpr FieldRange kServoHysteresis{           field::kServoHysteresis,           1,                         0,      1275, conv::kServoHysteresis};
inline constexpr FieldRange kTps0Voltage{               field::kTps0Voltage,               1,                       250,      2500, conv::kTps0Voltage};
inline constexpr FieldRange kTps100Voltage{             field::kTps100Voltage,             1,                      2500,      4750, conv::kTps100Voltage};
inline constexpr FieldRange kClutchMasterTime{          field::kClutchMasterTime,          1,                         0,      2500, conv::kClutchTime};
inline constexpr FieldRange kClutchMasterPause{         field::kClutchMasterPause,         1,                         0,      2500, conv::kClutchTime};
inline constexpr FieldRange kMaxAdvanceLobe{            field::kMaxAdvanceLobe,            kChannels,                 1,        58, conv::kIdentity};
inline constexpr FieldRange kStartAdvanceLobe{          field::kStartAdvanceLobe,          kChannels,                 1,        58, conv::kIdentity};
// The rpm axis' first point goes down to 199 rpm and the first two servo speeds to 200 rpm; the
// other points start at 300.
inline constexpr FieldRange kFirstRpmAxisPoint{         field::kRpmAxis,                   1,                       199,     20100, conv::kRpm};
inline constexpr FieldRange kRpmAxisPoints{             field::kRpmAxis + 1,               kAxisPoints - 1,         300,     20100, conv::kRpm};
inline constexpr FieldRange kFirstServoSpeeds{          field::kServoSpeed,                2,                       200,     20100, conv::kRpm};
inline constexpr FieldRange kServoSpeeds{               field::kServoSpeed + 2,            kServoPoints - 2,        300,     20100, conv::kRpm};
inline constexpr FieldRange kServoVoltage{              field::kServoVoltage,              kServoPoints,             20,      5000, conv::kServoVoltage};
inline constexpr FieldRange kAdvanceMap{                field::kAdvanceMap,                kMapRows * kMapColumns,    0,        60, conv::kIdentity};
inline constexpr FieldRange kCompensation{              field::kCompensation,              kCompensations,            0,       255, conv::kIdentity};
// clang-format on
}  // namespace range

// Every range above, each byte in at most one.
std::span<const FieldRange> FieldRanges();

// The range that covers byte b; null for a byte without one (flags, list choices, the lobe
// bytes of the second edge and pick-up, bytes no field uses).
const FieldRange* FindFieldRange(std::size_t b);

}  // namespace orvell
