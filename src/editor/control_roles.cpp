// The roles of the window's controls that their kind does not tell, and the further keys of
// the menu.
#include <algorithm>
#include <initializer_list>

#include "editor/window_model.h"

namespace orvell {

void WindowModel::AssignRoles() {
    // These check boxes switch what the map and servo pages show; they hold no parameter.
    const std::initializer_list<const Control*> viewSwitches = {&CheckBoxIgnAll, &CheckBoxServoAll,
                                                                &CheckFill, &CheckColorMap};
    for (Control* c : all_) {
        if (c->Kind() != ControlKind::CheckBox) continue;
        if (std::find(viewSwitches.begin(), viewSwitches.end(), c) == viewSwitches.end()) {
            c->AddRole(Role::FieldCheckBox);
        }
    }
    for (Control* c :
         {static_cast<Control*>(&CheckBoxTpsMapa), static_cast<Control*>(&CheckBoxIgnAll),
          static_cast<Control*>(&BitBtnAdvMinus), static_cast<Control*>(&BitBtnAdvPlus),
          static_cast<Control*>(&Interpolation), static_cast<Control*>(&AMapForm),
          static_cast<Control*>(&AMapModeGraph), static_cast<Control*>(&AMapModeGraph3D)}) {
        c->AddRole(Role::AdvanceKeys);
    }
    // The three large warnings and the recording mark are red text on the window's background.
    for (Label* warning : {&LabelSpojeni, &LabelVersion, &LabelEeDataErr, &LabelRec}) {
        warning->AddRole(Role::TextColour);
    }
    for (Button* tool : {&SpeedButton6, &SpeedButtonOpen, &SpeedButtonSave, &SpeedButtonPrint,
                         &SpeedButtonZpet, &SpeedButtonZnovu}) {
        tool->AddRole(Role::Picture);
    }
    // Redo answers the keys other desktop programs use for it, besides its own.
    MenuZnovu.SetAlternateShortcuts({"Ctrl+Y", "Ctrl+Shift+Z"});
}

}  // namespace orvell
