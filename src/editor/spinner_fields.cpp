#include "editor/spinner_fields.h"

#include <type_traits>

#include "core/field_ranges.h"

namespace orvell {

namespace {

// The spinners of a member of the window model: a single spinner, or count members of a family
// from first on (all from first on when count is not given).
template <auto kMember, std::size_t kFirst = 0, std::size_t kCount = std::dynamic_extent>
std::span<UpDown> Spinners(WindowModel& w) {
    auto& member = w.*kMember;
    if constexpr (std::is_same_v<std::remove_cvref_t<decltype(member)>, UpDown>) {
        return {&member, 1};
    } else {
        return std::span<UpDown>(member).subspan(kFirst, kCount);
    }
}

// A row from the field's range, which core keeps so that the .ign reader limits numbers to the
// same ranges the spinners offer.
constexpr SpinnerField Row(std::span<UpDown> (*spinners)(WindowModel&), const FieldRange& range,
                           int step, bool grouped, bool testModeOnly = false) {
    return {spinners, range.min,  range.max,        step,
            grouped,  range.byte, range.conversion, testModeOnly};
}

// Columns: spinners, range (bytes, min, max, conversion), step, digit groups, read back in test
// mode only.
// clang-format off
constexpr SpinnerField kSpinnerFields[] = {
    Row(Spinners<&WindowModel::UpDownPocPalcu>,        range::kLobeCount,                    1, false),
    Row(Spinners<&WindowModel::UpDownPocKanalu>,       range::kChannelCount,                 1, false),
    Row(Spinners<&WindowModel::UpDownPilotLight>,      range::kShiftLightSpeed,            100, true),
    Row(Spinners<&WindowModel::UpDownBaseAdv>,         range::kBaseAdvance,                  1, false),
    Row(Spinners<&WindowModel::UpDownPocSynchro>,      range::kRevolutionsWithoutIgnition,   1, false),
    Row(Spinners<&WindowModel::UpDownRpmPulsu>,        range::kTachoPulses,                  1, false),
    Row(Spinners<&WindowModel::UpDownRpmKorekce>,      range::kTachoCorrection,              1, false),
    Row(Spinners<&WindowModel::UpDownOmez2>,           range::kLimiterSpeed,               100, true),
    Row(Spinners<&WindowModel::UpDownPrivHyster>,      range::kServoHysteresis,              5, true),
    Row(Spinners<&WindowModel::UpDownTps0>,            range::kTps0Voltage,                 10, true),
    Row(Spinners<&WindowModel::UpDownTps100>,          range::kTps100Voltage,               10, true),
    Row(Spinners<&WindowModel::UpDownClutchTime>,      range::kClutchMasterTime,            10, true),
    Row(Spinners<&WindowModel::UpDownClutchPause>,     range::kClutchMasterPause,           10, true),
    Row(Spinners<&WindowModel::UpDownPalecZac>,        range::kMaxAdvanceLobe,               1, false),
    Row(Spinners<&WindowModel::UpDownPalecEnd>,        range::kStartAdvanceLobe,             1, false),
    Row(Spinners<&WindowModel::UpDownRpmAdv, 0, 1>,    range::kFirstRpmAxisPoint,          100, false),
    Row(Spinners<&WindowModel::UpDownRpmAdv, 1>,       range::kRpmAxisPoints,              100, false),
    Row(Spinners<&WindowModel::UpDownRpmPriv, 0, 2>,   range::kFirstServoSpeeds,           100, false),
    Row(Spinners<&WindowModel::UpDownRpmPriv, 2>,      range::kServoSpeeds,                100, false),
    Row(Spinners<&WindowModel::UpDownNapPriv>,         range::kServoVoltage,                20, false),
    Row(Spinners<&WindowModel::UpDownCell>,            range::kAdvanceMap,                   1, false),
    Row(Spinners<&WindowModel::UpDownKompenz>,         range::kCompensation,                 1, false, true),
};
// clang-format on

}  // namespace

std::span<const SpinnerField> SpinnerFields() {
    return kSpinnerFields;
}

const SpinnerField* FindSpinnerField(WindowModel& w, const UpDown& upDown) {
    for (const SpinnerField& row : kSpinnerFields) {
        for (const UpDown& spinner : row.spinners(w)) {
            if (&spinner == &upDown) return &row;
        }
    }
    return nullptr;
}

}  // namespace orvell
