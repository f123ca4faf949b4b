#include "editor/binding.h"

#include "core/bike_presets.h"
#include "editor/spinner_fields.h"

namespace orvell {

namespace {

constexpr std::uint8_t kCompensationOutsideTestMode = 11;

// Every check box that stores 0 / 1 in one byte, except the two lobe-check flags whose gather
// depends on the bike and the method.
template <class F>
void ForEachFlagField(WindowModel& w, F&& f) {
    f(w.CheckBoxInvInput1, field::kPickup1Inverted);
    f(w.CheckBoxInvInput2, field::kPickup2Inverted);
    f(w.CheckBoxInNeutralSs, field::kNeutralSideStandInputs);
    f(w.CheckBoxZamenaPickup, field::kPickupInterchange);
    f(w.CheckBoxSpecStart, field::kLowerAdvanceAtStart);
    f(w.CheckBoxBuzDlouhe, field::kLongExcitation);
    f(w.CheckBoxPrivEnable, field::kServoEnable);
    f(w.CheckBoxTpsMapa, field::kTpsMapFlag);
    for (int c = 0; c < kChannels; ++c) {
        f(w.CheckBoxPalecZacH2[c], field::kMaxAdvance2ndEdge + c);
        f(w.CheckBoxPalecEndH2[c], field::kStartAdvance2ndEdge + c);
        f(w.CheckBoxPalecZacP2[c], field::kMaxAdvance2ndPickup + c);
        f(w.CheckBoxPalecEndP2[c], field::kStartAdvance2ndPickup + c);
    }
}

std::uint8_t Flag(const CheckBox& box) {
    return box.Checked() ? 1 : 0;
}

}  // namespace

void GatherControlsIntoImage(WindowModel& w, ParamImage& image, bool testMode) {
    // Lists without a selection leave their byte alone: no entry stands for no value.
    if (const auto code = BikeCodeFromEntry(w.ComboBoxBike.ItemIndex())) image.SetBikeCode(*code);
    if (w.ComboBoxSynchro.ItemIndex() >= 0) {
        image.SetSyncMethod(static_cast<std::uint8_t>(w.ComboBoxSynchro.ItemIndex()));
    }
    if (w.ComboBoxNasobekPalcu.ItemIndex() >= 0) {
        image.SetLobeMultiplier(
            conv::LobeMultiplierFromListIndex(w.ComboBoxNasobekPalcu.ItemIndex()));
    }
    if (w.RadioGroupInput1.ItemIndex() >= 0) {
        image.SetInput1Function(static_cast<std::uint8_t>(w.RadioGroupInput1.ItemIndex()));
    }
    if (w.RadioGroupInput2.ItemIndex() >= 0) {
        image.SetInput2Function(static_cast<std::uint8_t>(w.RadioGroupInput2.ItemIndex()));
    }

    ForEachFlagField(w, [&](CheckBox& box, std::size_t byte) { image[byte] = Flag(box); });
    if (image.BikeCode() == kSpecialBikeCode && image.SyncMethod() == kMethodOneLobe) {
        image.SetNoLobeLengthCheck(Flag(w.CheckBoxNehlidaPalec));
        image.SetSparkBeforeLobe(Flag(w.CheckBoxPredPalec));
    } else {
        image.SetNoLobeLengthCheck(0);
        image.SetSparkBeforeLobe(0);
        w.CheckBoxNehlidaPalec.SetChecked(false);
        w.CheckBoxPredPalec.SetChecked(false);
    }

    ForEachSpinnerField(w, [&](UpDown& upDown, const SpinnerField& row, std::size_t byte) {
        image[byte] = row.testModeOnly && !testMode ? kCompensationOutsideTestMode
                                                    : row.conversion.Store(upDown.ReadPosition());
    });
}

void RefreshControlsFromImage(WindowModel& w, const ParamImage& image) {
    if (const auto entry = EntryFromBikeCode(image.BikeCode())) w.ComboBoxBike.SetItemIndex(*entry);
    w.ComboBoxSynchro.SetItemIndex(image.SyncMethod());
    w.ComboBoxNasobekPalcu.SetItemIndex(conv::ListIndexFromLobeMultiplier(image.LobeMultiplier()));
    w.RadioGroupInput1.SetItemIndex(image.Input1Function());
    w.RadioGroupInput2.SetItemIndex(image.Input2Function());

    ForEachFlagField(w, [&](CheckBox& box, std::size_t byte) { box.SetChecked(image[byte] != 0); });
    w.CheckBoxNehlidaPalec.SetChecked(image.NoLobeLengthCheck() != 0);
    w.CheckBoxPredPalec.SetChecked(image.SparkBeforeLobe() != 0);

    ForEachSpinnerField(w, [&](UpDown& upDown, const SpinnerField& row, std::size_t byte) {
        upDown.SetPosition(row.conversion.Show(image[byte]));
    });

    if (image.SyncMethod() == kMethodLongGapMoreLobes) {
        for (int c = 0; c < kChannels; ++c) {
            w.CheckBoxPalecZacH2[c].SetChecked(true);
            w.CheckBoxPalecEndH2[c].SetChecked(true);
        }
    }
}

}  // namespace orvell
