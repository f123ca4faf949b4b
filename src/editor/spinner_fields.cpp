#include "editor/spinner_fields.h"

#include <type_traits>

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

// Columns: spinners, min, max, step, digit groups, byte, conversion, read back in test mode only.
// The rpm axis' first point goes down to 199 rpm and the first two servo speeds to 200 rpm; the
// other points start at 300.
// clang-format off
constexpr SpinnerField kSpinnerFields[] = {
    {Spinners<&WindowModel::UpDownPocPalcu>,         1,        58,   1, false, field::kLobeCount,                  conv::kIdentity,        false},
    {Spinners<&WindowModel::UpDownPocKanalu>,        1, kChannels,   1, false, field::kChannelCount,               conv::kIdentity,        false},
    {Spinners<&WindowModel::UpDownPilotLight>,     100,     25000, 100, true,  field::kShiftLightSpeed,            conv::kRpm,             false},
    {Spinners<&WindowModel::UpDownBaseAdv>,          0,        40,   1, false, field::kBaseAdvance,                conv::kIdentity,        false},
    {Spinners<&WindowModel::UpDownPocSynchro>,       0,        40,   1, false, field::kRevolutionsWithoutIgnition, conv::kIdentity,        false},
    {Spinners<&WindowModel::UpDownRpmPulsu>,         0,         6,   1, false, field::kTachoPulses,                conv::kIdentity,        false},
    {Spinners<&WindowModel::UpDownRpmKorekce>,     -60,        60,   1, false, field::kTachoCorrection,            conv::kTachoCorrection, false},
    {Spinners<&WindowModel::UpDownOmez2>,          999,     25000, 100, true,  field::kLimiterSpeed,               conv::kRpm,             false},
    {Spinners<&WindowModel::UpDownPrivHyster>,       0,      1275,   5, true,  field::kServoHysteresis,            conv::kServoHysteresis, false},
    {Spinners<&WindowModel::UpDownTps0>,           250,      2500,  10, true,  field::kTps0Voltage,                conv::kTps0Voltage,     false},
    {Spinners<&WindowModel::UpDownTps100>,        2500,      4750,  10, true,  field::kTps100Voltage,              conv::kTps100Voltage,   false},
    {Spinners<&WindowModel::UpDownClutchTime>,       0,      2500,  10, true,  field::kClutchMasterTime,           conv::kClutchTime,      false},
    {Spinners<&WindowModel::UpDownClutchPause>,      0,      2500,  10, true,  field::kClutchMasterPause,          conv::kClutchTime,      false},
    {Spinners<&WindowModel::UpDownPalecZac>,         1,        58,   1, false, field::kMaxAdvanceLobe,             conv::kIdentity,        false},
    {Spinners<&WindowModel::UpDownPalecEnd>,         1,        58,   1, false, field::kStartAdvanceLobe,           conv::kIdentity,        false},
    {Spinners<&WindowModel::UpDownRpmAdv, 0, 1>,   199,     20100, 100, false, field::kRpmAxis,                    conv::kRpm,             false},
    {Spinners<&WindowModel::UpDownRpmAdv, 1>,      300,     20100, 100, false, field::kRpmAxis + 1,                conv::kRpm,             false},
    {Spinners<&WindowModel::UpDownRpmPriv, 0, 2>,  200,     20100, 100, false, field::kServoSpeed,                 conv::kRpm,             false},
    {Spinners<&WindowModel::UpDownRpmPriv, 2>,     300,     20100, 100, false, field::kServoSpeed + 2,             conv::kRpm,             false},
    {Spinners<&WindowModel::UpDownNapPriv>,         20,      5000,  20, false, field::kServoVoltage,               conv::kServoVoltage,    false},
    {Spinners<&WindowModel::UpDownCell>,             0,        60,   1, false, field::kAdvanceMap,                 conv::kIdentity,        false},
    {Spinners<&WindowModel::UpDownKompenz>,          0,       255,   1, false, field::kCompensation,               conv::kIdentity,        true},
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
