#include "editor/parameter_editor.h"

#include <algorithm>

#include "editor/binding.h"
#include "editor/page_layout.h"

namespace orvell {

namespace {

constexpr std::uint8_t kAdvanceMax = 60;
constexpr std::uint8_t kServoVoltageMin = 1;    // 20 mV
constexpr std::uint8_t kServoVoltageMax = 249;  // 4980 mV
constexpr int kTps0CalibrationMin = 100;        // mV
constexpr int kTps0CalibrationMax = 2500;
constexpr int kTps100CalibrationMin = 2500;
constexpr int kTps100CalibrationMax = 4900;

bool InMap(int row, int column) {
    return row >= 0 && row < kMapRows && column >= 0 && column < kMapColumns;
}

// One degree of advance, stopping at 0 and 60.
void StepCell(std::uint8_t& cell, bool up) {
    if (up && cell < kAdvanceMax) ++cell;
    if (!up && cell > 0) --cell;
}

}  // namespace

void ParameterEditor::GatherControls() {
    if (state_.refreshing) return;
    GatherControlsIntoImage(w_, image_, state_.testMode);
    UpdateLayout();
}

void ParameterEditor::RefreshControls() {
    state_.refreshing = true;
    RefreshControlsFromImage(w_, image_);
    state_.refreshing = false;
    UpdateLayout();
    state_.redrawRequest |= kRedrawRescale;
}

void ParameterEditor::UpdateLayout() {
    const LayoutInputs inputs{state_.printing, &state_.unitTexts, state_.linkLost};
    state_.redrawRequest |= UpdatePageLayout(w_, image_, inputs, *seams_.grid);
}

void ParameterEditor::RunChangePipeline() {
    ApplyConsistencyRules();
    RefreshControls();
    PushSnapshot();
    state_.redrawRequest |= kRedrawRescale;
}

void ParameterEditor::ResetHistory() {
    history_.Reset(image_, w_.PageControl1.ActivePageIndex());
    UpdateUndoControls();
}

void ParameterEditor::PushSnapshot() {
    const bool changed = history_.Push(image_, w_.PageControl1.ActivePageIndex());
    if (changed) {
        UpdateUndoControls();
        seams_.recorder->ChangeRecorded();
    }
    if (history_.ProgramAfterChange(changed, w_.CheckBoxProgHned.Checked())) {
        seams_.transfer->StartProgramTransfer();
    }
}

void ParameterEditor::RestoreSnapshot() {
    const Snapshot& snapshot = history_.Current();
    std::copy(snapshot.imageBytes.begin(), snapshot.imageBytes.end(), image_.Stored().begin());
    // The axis memory belongs to the replaced set; kept, it would pull the restored axis.
    rules_.ResetAxisMemory();
    RefreshControls();
    if (w_.PageControl1.ActivePageIndex() != snapshot.pageIndex) {
        w_.PageControl1.SetActivePageIndex(snapshot.pageIndex);
    }
}

void ParameterEditor::UpdateUndoControls() {
    w_.SpeedButtonZpet.SetEnabled(history_.CanUndo());
    w_.MenuZpet.SetEnabled(history_.CanUndo());
    w_.SpeedButtonZnovu.SetEnabled(history_.CanRedo());
    w_.MenuZnovu.SetEnabled(history_.CanRedo());
}

void ParameterEditor::Undo() {
    if (history_.StepBack()) AfterHistoryStep();
}

void ParameterEditor::Redo() {
    if (history_.StepForward()) AfterHistoryStep();
}

void ParameterEditor::AfterHistoryStep() {
    RestoreSnapshot();
    UpdateUndoControls();
    seams_.recorder->ChangeRecorded();
    // The restored set was consistent when stored: no rules, no new snapshot.
    if (w_.CheckBoxProgHned.Checked()) seams_.transfer->StartProgramTransfer();
    state_.redrawRequest = kRedrawRescale;
}

void ParameterEditor::SpinnerClick(UpDown& upDown, bool up) {
    if (state_.refreshing) return;
    upDown.Click(up);
    EditBoxExit();
}

void ParameterEditor::EditBoxExit() {
    if (state_.refreshing) return;
    // The rule pass finds out itself which rpm breakpoint, if any, the edit moved.
    rules_.SetEditedBreakpoint(kFindChangedBreakpoint);
    GatherControls();
    RunChangePipeline();
    state_.redrawRequest |= kRedrawRescale;
}

bool ParameterEditor::EnterKey(char key) {
    if (key != '\r' || state_.refreshing) return false;
    seams_.focus->FocusNextControl();
    GatherControls();
    RunChangePipeline();
    return true;
}

void ParameterEditor::CheckBoxMouseUp() {
    if (state_.refreshing) return;
    GatherControls();
    UpdateLayout();
    RunChangePipeline();
    state_.redrawRequest |= kRedrawRescale;
}

void ParameterEditor::InputFunctionChosen(int input) {
    if (state_.refreshing) return;
    const RadioGroup& group = input == 1 ? w_.RadioGroupInput1 : w_.RadioGroupInput2;
    if (group.ItemIndex() >= 0) {
        const auto function = static_cast<std::uint8_t>(group.ItemIndex());
        if (input == 1) {
            image_.SetInput1Function(function);
        } else {
            image_.SetInput2Function(function);
        }
    }
    PushSnapshot();
    UpdateLayout();
}

void ParameterEditor::ServoStep(bool up) {
    if (state_.refreshing) return;
    GatherControls();
    const int live = seams_.live->LivePoint().servoPoint;
    for (int i = 0; i < kServoPoints; ++i) {
        if (!w_.CheckBoxServoAll.Checked() && i != live) continue;
        const std::uint8_t v = image_.ServoVoltage(i);
        if (up && v < kServoVoltageMax) image_.SetServoVoltage(i, static_cast<std::uint8_t>(v + 1));
        if (!up && v > kServoVoltageMin)
            image_.SetServoVoltage(i, static_cast<std::uint8_t>(v - 1));
    }
    RunChangePipeline();
}

void ParameterEditor::AdvanceStep(bool up) {
    if (state_.refreshing) return;
    GatherControls();
    ApplyConsistencyRules();
    if (w_.CheckBoxIgnAll.Checked()) {
        // The marked cells when there is a selection, else the whole map.
        const bool selection = seams_.marks->SelectionPresent();
        for (int k = 0; k < kMapRows * kMapColumns; ++k) {
            if (selection && !seams_.marks->CellSelected(k)) continue;
            std::uint8_t& cell = image_.MapCell(k / kMapColumns, k % kMapColumns);
            const std::uint8_t before = cell;
            StepCell(cell, up);
            if (cell != before) ApplyConsistencyRules();
        }
    } else if (const LiveOperatingPoint live = seams_.live->LivePoint();
               !live.belowMap && InMap(live.throttleRow, live.rpmColumn)) {
        // The cell the engine is running in at this moment.
        StepCell(image_.MapCell(live.throttleRow, live.rpmColumn), up);
        ApplyConsistencyRules();
    }
    RunChangePipeline();
}

bool ParameterEditor::AdvanceKey(char key) {
    if (key != '+' && key != '-') return false;
    AdvanceStep(key == '+');
    return true;
}

void ParameterEditor::SetTps0FromLive() {
    const int mv = seams_.live->LivePoint().tpsMillivolts;
    if (mv < kTps0CalibrationMin || mv > kTps0CalibrationMax) return;
    image_.SetTps0Voltage(conv::kTps0Voltage.Store(mv));
    RunChangePipeline();
}

void ParameterEditor::SetTps100FromLive() {
    const int mv = seams_.live->LivePoint().tpsMillivolts;
    if (mv < kTps100CalibrationMin || mv > kTps100CalibrationMax) return;
    image_.SetTps100Voltage(conv::kTps100Voltage.Store(mv));
    RunChangePipeline();
}

void ParameterEditor::ColumnStep(int column, bool up) {
    if (state_.refreshing || !InMap(0, column)) return;
    GatherControls();
    for (int r = 0; r < kMapRows; ++r) StepCell(image_.MapCell(r, column), up);
    RunChangePipeline();
}

}  // namespace orvell
