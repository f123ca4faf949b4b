// The map grid as a user drives it: bands dragged on the selection image, the advance steps on
// the marked cells, and interpolation through the rules and the undo history.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "app/form_hlav.h"
#include "core/bike_presets.h"
#include "fake_platform.h"
#include "temp_folder.h"
#include "views/grid_view.h"
#include "views/interpolation.h"

namespace orvell {
namespace {

struct CountingTransfer : TransferStarter {
    int starts = 0;
    void StartProgramTransfer() override { ++starts; }
};

class MapGridTest : public ::testing::Test {
  protected:
    MapGridTest() {
        ApplyStartupSet(form.image);
        form.ApplyConsistencyRules();
        form.RefreshControls();
        form.ResetHistory();
        form.UpdateLayout();
        Send(EventKind::Change, w().PageControl1, [](UserEvent& e) { e.index = kPageAdvance; });
        SetTpsMap(true);
    }

    WindowModel& w() { return form.window; }

    template <class Fill = void (*)(UserEvent&)>
    void Send(
        EventKind kind, Control& sender, Fill fill = [](UserEvent&) {}) {
        UserEvent e;
        e.kind = kind;
        e.sender = &sender;
        fill(e);
        form.HandleEvent(e);
    }
    void Click(Control& c) { Send(EventKind::Click, c); }
    void SetTpsMap(bool on) {
        if (w().CheckBoxTpsMapa.Checked() == on) return;
        Send(EventKind::Change, w().CheckBoxTpsMapa, [on](UserEvent& e) { e.checked = on; });
    }
    void Mouse(EventKind kind, int x, int y) {
        Send(kind, w().ImageSelect, [x, y](UserEvent& e) {
            e.x = x;
            e.y = y;
            e.button = kButtonLeft;
        });
    }
    // A band from the middle of cell `from` to the middle of cell `to`, with the keys the
    // platform reports at the press.
    void Drag(int from, int to, bool shift = false, bool ctrl = false) {
        const GridCellRects cells = GridCells(w().CheckBoxTpsMapa.Checked());
        const auto middle = [&](int k) {
            const CellRect& r = cells[static_cast<std::size_t>(k)];
            return std::pair{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        };
        platform.shift = shift;
        platform.ctrl = ctrl;
        Mouse(EventKind::MouseDown, middle(from).first, middle(from).second);
        platform.shift = platform.ctrl = false;  // only the moment of the press counts
        Mouse(EventKind::MouseMove, middle(to).first, middle(to).second);
        Mouse(EventKind::MouseLeave, 0, 0);
        Mouse(EventKind::MouseUp, middle(to).first, middle(to).second);
    }
    std::set<int> Marked() const {
        std::set<int> cells;
        for (int k = 0; k < kMapCells; ++k) {
            if (form.selection.Selected(k)) cells.insert(k);
        }
        return cells;
    }

    testing::TempFolder folder;
    testing::FakePlatform platform;
    TFormHlav form{platform, FormOptions{folder.Path(), {}, nullptr}};
};

// Each cell's rectangle is its edit box and spinner on the selection image, two pixels wider on
// the left and at the top; without the TPS map the 100 % row stands in the first row's place.
TEST_F(MapGridTest, TheCellRectanglesLieOverTheGridAsThePageLaysItOut) {
    for (const bool tps : {true, false}) {
        SetTpsMap(tps);
        const ImageSurface& image = w().ImageSelect;
        EXPECT_EQ(form.selection.areaHeight, tps ? 352 : 50);
        for (int k = 0; k < kMapCells; ++k) {
            const CellRect& r = form.selection.cellRect[static_cast<std::size_t>(k)];
            const EditBox& edit = w().EditCell[static_cast<std::size_t>(k)];
            const UpDown& spin = w().UpDownCell[static_cast<std::size_t>(k)];
            ASSERT_EQ(r.Present(), edit.Visible()) << k;
            if (!r.Present()) continue;
            EXPECT_EQ(r.left, edit.Left() - 2 - image.Left()) << k;
            EXPECT_EQ(r.top, edit.Top() - 2 - image.Top()) << k;
            EXPECT_EQ(r.right, spin.Left() + spin.Width() - image.Left()) << k;
            EXPECT_LT(r.bottom, image.Height()) << k;
        }
    }
}

TEST_F(MapGridTest, ABandMarksTheCellsItCrossesAndTheReleaseAsksTheGraphsToRepaint) {
    const auto revision = w().ImageSelect.Revision();
    form.editorState.redrawRequest = 0;
    Drag(11, 33);
    EXPECT_EQ(Marked(), (std::set<int>{11, 12, 13, 21, 22, 23, 31, 32, 33}));
    EXPECT_EQ(form.selection.state, TSelcell::SelectionPresent);
    EXPECT_EQ(form.selection.cellFlags[11], TSelcell::FlagMarked | TSelcell::FlagCorner);
    EXPECT_EQ(form.selection.cellFlags[22], TSelcell::FlagMarked);
    EXPECT_EQ(form.editorState.redrawRequest & kRedrawRepaint, kRedrawRepaint);
    EXPECT_NE(w().ImageSelect.Revision(), revision);
    // Dragging far beyond the image ends the band at its edge: the last row and column.
    Mouse(EventKind::MouseDown, 570, 320);
    Mouse(EventKind::MouseMove, 5000, 5000);
    Mouse(EventKind::MouseUp, 5000, 5000);
    EXPECT_EQ(form.selection.pointX, w().ImageSelect.Width() - 1);
    EXPECT_EQ(Marked(), (std::set<int>{99}));
}

// Shift and Ctrl are read from the keyboard at the press; both together count as neither.
TEST_F(MapGridTest, TheKeysHeldAtThePressDecideWhatTheSecondBandDoes) {
    struct Case {
        const char* name;
        bool shift, ctrl;
        int from, to;
        std::set<int> marked;
    };
    const Case cases[] = {
        {"plain", false, false, 44, 45, {44, 45}},
        {"Shift and Ctrl", true, true, 44, 45, {44, 45}},
        {"Ctrl toggles", false, true, 1, 11, {0, 11}},
        // The band runs from where the first one began (cell 0) to cell 11.
        {"Shift keeps the anchor", true, false, 44, 11, {10, 11}},
    };
    for (const Case& c : cases) {
        Drag(0, 1);
        Drag(c.from, c.to, c.shift, c.ctrl);
        EXPECT_EQ(Marked(), c.marked) << c.name;
    }
}

TEST_F(MapGridTest, WithoutTheTpsMapOnlyTheHundredPercentRowIsCaughtAndOtherMarksStay) {
    Drag(0, 2);
    SetTpsMap(false);
    Drag(95, 97, false, true);  // Ctrl: add to the marks
    // A Ctrl band over the whole image catches nothing but row 9.
    platform.ctrl = true;
    Mouse(EventKind::MouseDown, 0, 0);
    platform.ctrl = false;
    Mouse(EventKind::MouseMove, 600, 49);
    EXPECT_EQ(form.selection.cellFlags[50] & TSelcell::FlagInBand, 0);
    EXPECT_NE(form.selection.cellFlags[90] & TSelcell::FlagInBand, 0);
    Mouse(EventKind::MouseUp, 600, 49);
    EXPECT_EQ(Marked(), (std::set<int>{0, 1, 2, 90, 91, 92, 93, 94, 98, 99}));
}

TEST_F(MapGridTest, MarksOutliveViewsPagesEditsUndoAndRedo) {
    Drag(11, 33);
    const auto flags = form.selection.cellFlags;
    Click(w().AMapModeGraph);
    Click(w().AMapForm);
    Send(EventKind::Change, w().PageControl1, [](UserEvent& e) { e.index = kPageServo; });
    Send(EventKind::Change, w().PageControl1, [](UserEvent& e) { e.index = kPageAdvance; });
    Send(EventKind::Click, w().UpDownCell[55], [](UserEvent& e) { e.up = true; });
    Click(w().SpeedButtonZpet);
    Click(w().SpeedButtonZnovu);
    EXPECT_EQ(form.selection.cellFlags, flags);
    EXPECT_EQ(form.selection.state, TSelcell::SelectionPresent);
}

TEST_F(MapGridTest, SelectAllStepsTheMarkedCellsOrEveryCellWhenNoneIsMarked) {
    Send(EventKind::Change, w().CheckBoxIgnAll, [](UserEvent& e) { e.checked = true; });
    const ParamImage before = form.image;
    Drag(44, 46);
    Click(w().BitBtnAdvPlus);
    for (int k = 0; k < kMapCells; ++k) {
        const int was = before.MapCell(k / 10, k % 10);
        const bool marked = k >= 44 && k <= 46;
        EXPECT_EQ(form.image.MapCell(k / 10, k % 10), marked ? std::min(was + 1, 60) : was) << k;
    }
    // A plain click clears the marks: then "-" steps the whole map.
    Mouse(EventKind::MouseDown, 2, 2);
    Mouse(EventKind::MouseUp, 2, 2);
    EXPECT_EQ(form.selection.state, TSelcell::SelectionNone);
    const ParamImage stepped = form.image;
    Click(w().BitBtnAdvMinus);
    for (int k = 0; k < kMapCells; ++k) {
        const int was = stepped.MapCell(k / 10, k % 10);
        EXPECT_EQ(form.image.MapCell(k / 10, k % 10), std::max(was - 1, 0)) << k;
    }
}

TEST_F(MapGridTest, InterpolationFillsTheRectangleAsOneUndoStepAndPrograms) {
    CountingTransfer transfer;
    form.seams.transfer = &transfer;
    Send(EventKind::Change, w().CheckBoxProgHned, [](UserEvent& e) { e.checked = true; });
    // Row 2, columns 0..2: ends 10 and 40 at 1000, 2000 and 5000 rpm.
    form.image.SetRpmAxis(0, 10);
    form.image.SetRpmAxis(1, 20);
    form.image.SetRpmAxis(2, 50);
    for (int c = 0; c < 10; ++c) form.image.MapCell(2, c) = static_cast<std::uint8_t>(30 + c);
    form.image.MapCell(2, 0) = 10;
    form.image.MapCell(2, 2) = 40;
    form.RunChangePipeline();
    ASSERT_EQ(form.image.RpmAxis(2), 50);
    const ParamImage before = form.image;
    const int starts = transfer.starts;
    Drag(20, 22);
    form.editorState.redrawRequest = 0;

    Click(w().Interpolation);
    EXPECT_EQ(form.image.MapCell(2, 1), 18);
    EXPECT_EQ(w().EditCell[21].Text(), "18");
    EXPECT_EQ(form.editorState.redrawRequest & kRedrawRescale, kRedrawRescale);
    EXPECT_EQ(transfer.starts, starts + 1);
    EXPECT_TRUE(platform.errors.empty());
    EXPECT_EQ(Marked(), (std::set<int>{20, 21, 22}));

    Click(w().SpeedButtonZpet);
    EXPECT_EQ(form.image, before);
    EXPECT_EQ(w().EditCell[21].Text(), "31");
}

TEST_F(MapGridTest, NoRectangleShowsTheErrorBoxAndChangesNothing) {
    struct Case {
        const char* name;
        std::pair<int, int> band;
        std::pair<int, int> ctrlBand;  // a second band with Ctrl; {-1, -1} none
        bool german;
    };
    const Case cases[] = {
        {"nothing marked", {-1, -1}, {-1, -1}, false},
        {"2 x 2", {0, 11}, {-1, -1}, false},
        {"L-shape", {0, 2}, {10, 20}, false},
        {"two blocks", {0, 2}, {7, 9}, true},
    };
    for (const Case& c : cases) {
        if (c.german) form.MenuGermanClick();
        Mouse(EventKind::MouseDown, 2, 2);  // a plain click clears
        Mouse(EventKind::MouseUp, 2, 2);
        if (c.band.first >= 0) Drag(c.band.first, c.band.second);
        if (c.ctrlBand.first >= 0) Drag(c.ctrlBand.first, c.ctrlBand.second, false, true);
        const ParamImage image = form.image;
        const auto slot = form.history.CurrentSlot();
        const auto flags = form.selection.cellFlags;
        platform.errors.clear();

        Click(w().Interpolation);
        ASSERT_EQ(platform.errors.size(), 1u) << c.name;
        EXPECT_EQ(platform.errors[0].first, "Choose continuouse rectangle arrea of cells...");
        EXPECT_EQ(platform.errors[0].second, "Error");
        EXPECT_EQ(form.image, image) << c.name;
        EXPECT_EQ(form.history.CurrentSlot(), slot) << c.name;
        EXPECT_EQ(form.selection.cellFlags, flags) << c.name;
    }
}

}  // namespace
}  // namespace orvell
