#include "core/field_ranges.h"

namespace orvell {

namespace {

constexpr FieldRange kRanges[] = {
    range::kLobeCount,
    range::kChannelCount,
    range::kShiftLightSpeed,
    range::kBaseAdvance,
    range::kRevolutionsWithoutIgnition,
    range::kTachoPulses,
    range::kTachoCorrection,
    range::kLimiterSpeed,
    range::kServoHysteresis,
    range::kTps0Voltage,
    range::kTps100Voltage,
    range::kClutchMasterTime,
    range::kClutchMasterPause,
    range::kMaxAdvanceLobe,
    range::kStartAdvanceLobe,
    range::kFirstRpmAxisPoint,
    range::kRpmAxisPoints,
    range::kFirstServoSpeeds,
    range::kServoSpeeds,
    range::kServoVoltage,
    range::kAdvanceMap,
    range::kCompensation,
};

}  // namespace

std::span<const FieldRange> FieldRanges() {
    return kRanges;
}

const FieldRange* FindFieldRange(std::size_t b) {
    for (const FieldRange& r : kRanges) {
        if (r.Covers(b)) return &r;
    }
    return nullptr;
}

}  // namespace orvell
