// A started main window with recording fakes at every seam, driven like a user would.
#pragma once

#include <gtest/gtest.h>

#include <string_view>

#include "app/form_hlav.h"
#include "core/bike_presets.h"
#include "fake_platform.h"
#include "temp_folder.h"

namespace orvell {

struct FakeLink : LivePointSource, TransferStarter {
    LiveOperatingPoint point;
    int programStarts = 0;
    LiveOperatingPoint LivePoint() const override { return point; }
    void StartProgramTransfer() override { ++programStarts; }
};

struct FakeSelection : CellMarks {
    bool present = false;
    bool marked[100] = {};
    bool SelectionPresent() const override { return present; }
    bool CellSelected(int cell) const override { return marked[cell]; }
};

struct FakeGrid : MapGridView {
    int layouts = 0;
    int draws = 0;
    void LayoutGridCells() override { ++layouts; }
    void DrawSelection() override { ++draws; }
};

// Moving the focus away from an edit box runs its focus-loss handler, as in the toolkit.
struct FakeFocus : FocusChain {
    TFormHlav* form = nullptr;
    int moves = 0;
    void FocusNextControl() override {
        ++moves;
        form->EditExit();
    }
};

class FormTest : public ::testing::Test {
  protected:
    FormTest() {
        form.seams.live = &link;
        form.seams.marks = &selection;
        form.seams.grid = &grid;
        form.seams.transfer = &link;
        form.seams.focus = &focus;
        focus.form = &form;
        // The start-up order of the window: defaults for the start-up bike, rules, refresh,
        // history, layout.
        ApplyStartupSet(form.image);
        form.ApplyConsistencyRules();
        form.RefreshControls();
        form.ResetHistory();
        form.UpdateLayout();
    }

    void TypeAndEnter(EditBox& box, std::string_view text) {
        box.SetText(text);
        char key = '\r';
        form.FormKeyPress(key);
        EXPECT_EQ(key, 0);
    }
    void Click(CheckBox& box) {
        box.SetChecked(!box.Checked());
        form.CheckBoxMouseUp();
    }
    // Takes the image through the controls, as New, a file or a Read would.
    void Load(const ParamImage& image) {
        form.image = image;
        form.RunChangePipeline();
    }
    WindowModel& w() { return form.window; }

    testing::TempFolder folder;
    testing::FakePlatform platform;
    TFormHlav form{platform, FormOptions{folder.Path(), {}, nullptr}};
    FakeLink link;
    FakeSelection selection;
    FakeGrid grid;
    FakeFocus focus;
};

}  // namespace orvell
