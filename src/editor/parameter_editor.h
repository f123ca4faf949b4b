// The parameter editor: the change pipeline and the edit events of the main window, over the
// parts the window owns (image, rule pass, window model, history). It holds references only.
#pragma once

#include <array>
#include <string>

#include "core/consistency_rules.h"
#include "core/param_image.h"
#include "editor/seams.h"
#include "editor/undo_history.h"
#include "editor/window_model.h"

namespace orvell {

// Window state the editor reads and writes beside the controls.
struct EditorState {
    // Set only while the controls are refreshed; every edit handler returns at once meanwhile,
    // so values set by the program never start a gather.
    bool refreshing = false;
    bool testMode = false;  // the compensations are gathered only in test mode
    bool printing = false;
    bool linkLost = false;  // no unit has answered for a while (the monitor is greyed)
    unsigned redrawRequest = kRedrawRescale;
    // The unit's program version, date and time; the design texts until a unit answered.
    std::array<std::string, 3> unitTexts{"QMX42", "25.01.2003", "16:21"};
};

class ParameterEditor {
  public:
    ParameterEditor(WindowModel& window, ParamImage& image, ConsistencyRules& rules,
                    BoundedSettings& settings, UndoHistory& history, EditorState& state,
                    const EditorSeams& seams)
        : w_(window),
          image_(image),
          rules_(rules),
          settings_(settings),
          history_(history),
          state_(state),
          seams_(seams) {}

    // Operations other components call.
    void GatherControls();
    void RefreshControls();
    void ApplyConsistencyRules() { rules_.ApplyConsistencyRules(image_, &settings_); }
    void RunChangePipeline();
    void UpdateLayout();
    void ResetHistory();
    void PushSnapshot();
    void RestoreSnapshot();
    void UpdateUndoControls();
    void Undo();
    void Redo();

    // Edit events. `SpinnerClick` moves the spinner first; the front end has already put the
    // typed text into the box for `EditBoxExit`.
    void SpinnerClick(UpDown& upDown, bool up);
    void EditBoxExit();
    // Returns true when the key was the Enter key and has been swallowed.
    bool EnterKey(char key);
    void CheckBoxMouseUp();
    void InputFunctionChosen(int input);  // 1 or 2
    void ServoStep(bool up);
    void AdvanceStep(bool up);
    // "+" and "-" on the advance-map controls; returns true when the key acted.
    bool AdvanceKey(char key);
    void SetTps0FromLive();
    void SetTps100FromLive();
    void ColumnStep(int column, bool up);
    void MapModeClick() { UpdateLayout(); }

  private:
    void AfterHistoryStep();

    WindowModel& w_;
    ParamImage& image_;
    ConsistencyRules& rules_;
    BoundedSettings& settings_;
    UndoHistory& history_;
    EditorState& state_;
    const EditorSeams& seams_;
};

}  // namespace orvell
