// The main window object: it owns the parameter image, the rule pass, the window model and
// the undo history, and conducts. Its handlers are named after the control and event they
// serve and hand the work to the owning component.
#pragma once

#include "core/consistency_rules.h"
#include "core/param_image.h"
#include "editor/parameter_editor.h"
#include "editor/seams.h"
#include "editor/undo_history.h"
#include "editor/window_model.h"

namespace orvell {

class TFormHlav {
    NullSeams noSeams_;  // first: the seams point at it until real components plug in

  public:
    TFormHlav();
    TFormHlav(const TFormHlav&) = delete;
    TFormHlav& operator=(const TFormHlav&) = delete;

    // Owned state. The window model comes first: its control table is built before anything.
    WindowModel window;
    ParamImage image;
    ConsistencyRules rules;
    BoundedSettings boundedSettings;
    UndoHistory history;
    EditorState editorState;
    // Components of later work plug in here; until then each seam does nothing.
    EditorSeams seams;

    // Operations.
    void GatherControls() { editor_.GatherControls(); }
    void RefreshControls() { editor_.RefreshControls(); }
    void ApplyConsistencyRules() { editor_.ApplyConsistencyRules(); }
    void RunChangePipeline() { editor_.RunChangePipeline(); }
    void UpdateLayout() { editor_.UpdateLayout(); }
    void ResetHistory() { editor_.ResetHistory(); }
    void PushSnapshot() { editor_.PushSnapshot(); }
    void RestoreSnapshot() { editor_.RestoreSnapshot(); }
    void UpdateUndoControls() { editor_.UpdateUndoControls(); }

    // Handlers of the edit controls.
    void UpDownClick(UpDown& sender, bool up) { editor_.SpinnerClick(sender, up); }
    void EditExit() { editor_.EditBoxExit(); }
    void ComboBoxNasobekPalcuChange() { editor_.EditBoxExit(); }
    // Enter in an edit box or the window: the key is swallowed (set to 0) when it acted.
    void FormKeyPress(char& key);
    void CheckBoxMouseUp() { editor_.CheckBoxMouseUp(); }
    void RadioGroupInput1Click() { editor_.InputFunctionChosen(1); }
    void RadioGroupInput2Click() { editor_.InputFunctionChosen(2); }
    void BitBtnServoMinusClick() { editor_.ServoStep(false); }
    void BitBtnServoPlusClick() { editor_.ServoStep(true); }
    // Also the menu items "Advance -" and "Advance +".
    void BitBtnAdvMinusClick() { editor_.AdvanceStep(false); }
    void BitBtnAdvPlusClick() { editor_.AdvanceStep(true); }
    // "+" and "-" typed on the advance-map page's buttons, check boxes and view switches.
    void AdvanceKeyPress(char& key);
    void BitBtnTps0Click() { editor_.SetTps0FromLive(); }
    void BitBtnTps100Click() { editor_.SetTps100FromLive(); }
    // `CSpinButton`(column + 1).
    void CSpinButtonDownClick(int column) { editor_.ColumnStep(column, false); }
    void CSpinButtonUpClick(int column) { editor_.ColumnStep(column, true); }
    void AMapFormClick() { editor_.MapModeClick(); }
    void AMapModeGraphClick() { editor_.MapModeClick(); }
    void AMapModeGraph3DClick() { editor_.MapModeClick(); }

    // Undo (`SpeedButtonZpet`, `MenuZpet`) and redo (`SpeedButtonZnovu`, `MenuZnovu`).
    void SpeedButtonZpetClick() { editor_.Undo(); }
    void SpeedButtonZnovuClick() { editor_.Redo(); }

  private:
    ParameterEditor editor_;
};

}  // namespace orvell
