// The map cell tools as a user drives them: the menu items on a marked block or the focused cell,
// each change one undo step; the clipboard; arrows in the grid; the map's context menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/form_hlav.h"
#include "core/bike_presets.h"
#include "fake_platform.h"
#include "temp_folder.h"
#include "views/grid_view.h"

namespace orvell {
namespace {

struct CountingTransfer : TransferStarter {
    int starts = 0;
    void StartProgramTransfer() override { ++starts; }
};

class MapToolsTest : public ::testing::Test {
  protected:
    MapToolsTest() {
        ApplyStartupSet(form.image);
        // Cell (r, c) holds 20 + r + c: every cell tells where it is, far from the range's ends.
        for (int k = 0; k < kMapCells; ++k) form.image.MapCell(k / 10, k % 10) = Value(k);
        form.ApplyConsistencyRules();
        form.RefreshControls();
        form.ResetHistory();
        form.UpdateLayout();
        Send(EventKind::Change, w().PageControl1, [](UserEvent& e) { e.index = kPageAdvance; });
        if (!w().CheckBoxTpsMapa.Checked()) {
            Send(EventKind::Change, w().CheckBoxTpsMapa, [](UserEvent& e) { e.checked = true; });
        }
        form.ResetHistory();
    }

    static std::uint8_t Value(int k) { return static_cast<std::uint8_t>(20 + k / 10 + k % 10); }
    WindowModel& w() { return form.window; }
    int Cell(int k) const { return form.image.MapCell(k / 10, k % 10); }

    template <class Fill = void (*)(UserEvent&)>
    bool Send(
        EventKind kind, Control& sender, Fill fill = [](UserEvent&) {}) {
        UserEvent e;
        e.kind = kind;
        e.sender = &sender;
        fill(e);
        form.HandleEvent(e);
        return e.handled;
    }
    void Click(Control& c) { Send(EventKind::Click, c); }
    void Mouse(EventKind kind, int x, int y, unsigned button = kButtonLeft) {
        Send(kind, w().ImageSelect, [=](UserEvent& e) {
            e.x = x;
            e.y = y;
            e.button = button;
        });
    }
    static std::pair<int, int> Middle(int k) {
        const CellRect r = GridCells(true)[static_cast<std::size_t>(k)];
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void Drag(int from, int to, unsigned button = kButtonLeft) {
        Mouse(EventKind::MouseDown, Middle(from).first, Middle(from).second, button);
        Mouse(EventKind::MouseMove, Middle(to).first, Middle(to).second, button);
        Mouse(EventKind::MouseUp, Middle(to).first, Middle(to).second, button);
    }
    void Focus(int k) { Send(EventKind::Enter, w().EditCell[static_cast<std::size_t>(k)]); }
    bool Arrow(int k, int key, unsigned modifiers = 0) {
        return Send(EventKind::Key, w().EditCell[static_cast<std::size_t>(k)], [=](UserEvent& e) {
            e.key = key;
            e.modifiers = modifiers;
        });
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

// The block rows 3..4, columns 4..5 holds 27 28 / 28 29.
TEST_F(MapToolsTest, EachToolChangesTheMarkedBlockAsOneUndoStepAndPrograms) {
    CountingTransfer transfer;
    form.seams.transfer = &transfer;
    Send(EventKind::Change, w().CheckBoxProgHned, [](UserEvent& e) { e.checked = true; });
    struct Case {
        const char* name;
        MenuItem WindowModel::*item;
        std::optional<int> number;
        std::string clipboard;
        int c34, c35, c44, c45;
    };
    const Case cases[] = {
        {"set", &WindowModel::MenuSetCells, 33, "", 33, 33, 33, 33},
        {"add", &WindowModel::MenuAddCells, -8, "", 19, 20, 20, 21},
        {"scale", &WindowModel::MenuScaleCells, 150, "", 41, 42, 42, 44},
        {"smooth", &WindowModel::MenuSmoothCells, std::nullopt, "", 28, 28, 28, 28},
        // From the top-left marked cell, past the block; 99 is limited to 60.
        {"paste", &WindowModel::MenuPasteCells, std::nullopt, "1\t2\t3\n4;99\n", 1, 2, 4, 60},
    };
    for (const Case& c : cases) {
        Drag(34, 45);
        const ParamImage before = form.image;
        const int starts = transfer.starts;
        platform.numbers = {c.number};
        platform.clipboard = c.clipboard;
        form.editorState.redrawRequest = 0;

        Click(w().*c.item);
        EXPECT_EQ((std::vector<int>{Cell(34), Cell(35), Cell(44), Cell(45)}),
                  (std::vector<int>{c.c34, c.c35, c.c44, c.c45}))
            << c.name;
        EXPECT_EQ(w().EditCell[45].Text(), std::to_string(c.c45)) << c.name;
        EXPECT_EQ(Cell(33), Value(33)) << c.name;
        EXPECT_EQ(Cell(36), c.item == &WindowModel::MenuPasteCells ? 3 : Value(36)) << c.name;
        EXPECT_EQ(Cell(46), Value(46)) << c.name;
        EXPECT_EQ(transfer.starts, starts + 1) << c.name;
        EXPECT_NE(form.editorState.redrawRequest & kRedrawRescale, 0) << c.name;
        EXPECT_EQ(Marked(), (std::set<int>{34, 35, 44, 45})) << c.name;

        Click(w().SpeedButtonZpet);
        EXPECT_EQ(form.image, before) << c.name;
        EXPECT_EQ(w().EditCell[45].Text(), std::to_string(Value(45))) << c.name;
    }
}

TEST_F(MapToolsTest, TheDialogsAskWithinTheCellRangeAndACancelChangesNothing) {
    Drag(34, 45);
    const ParamImage before = form.image;
    const auto slot = form.history.CurrentSlot();
    for (MenuItem* item : {&w().MenuSetCells, &w().MenuAddCells, &w().MenuScaleCells}) {
        platform.numbers = {std::nullopt};
        Click(*item);
    }
    EXPECT_EQ(form.image, before);
    EXPECT_EQ(form.history.CurrentSlot(), slot);
    ASSERT_EQ(platform.numberQuestions.size(), 3u);
    const auto& set = platform.numberQuestions[0];
    EXPECT_EQ(set.title, "Set to");
    EXPECT_EQ(set.label, "Advance of the cells [°]:");
    EXPECT_EQ((std::vector{set.min, set.max, set.initial}), (std::vector{0, 60, 27}));
    const auto& add = platform.numberQuestions[1];
    EXPECT_EQ((std::vector{add.min, add.max, add.initial}), (std::vector{-60, 60, 0}));
    const auto& scale = platform.numberQuestions[2];
    EXPECT_EQ((std::vector{scale.min, scale.max, scale.initial}), (std::vector{0, 500, 100}));
}

TEST_F(MapToolsTest, CopyAndPasteGoThroughTheClipboardAndBadTextChangesNothing) {
    Drag(34, 45);
    Click(w().MenuCopyCells);
    EXPECT_EQ(platform.clipboard, "27\t28\n28\t29\n");

    // Without marks the focused cell is the target.
    Click(w().MenuClearSelection);
    Focus(88);
    Click(w().MenuPasteCells);
    EXPECT_EQ((std::vector<int>{Cell(88), Cell(89), Cell(98), Cell(99)}),
              (std::vector<int>{27, 28, 28, 29}));
    EXPECT_EQ(Cell(87), Value(87));

    const ParamImage before = form.image;
    const auto slot = form.history.CurrentSlot();
    platform.clipboard = "advance\tmap\n";
    Click(w().MenuPasteCells);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "The clipboard holds no table of numbers; nothing was pasted.");
    EXPECT_EQ(form.image, before);
    EXPECT_EQ(form.history.CurrentSlot(), slot);
}

TEST_F(MapToolsTest, WithoutTheTpsMapTheToolsKeepToTheShownRow) {
    Drag(84, 95);  // marks in rows 8 and 9
    Send(EventKind::Change, w().CheckBoxTpsMapa, [](UserEvent& e) { e.checked = false; });
    platform.numbers = {0};
    Click(w().MenuSetCells);
    EXPECT_EQ(Cell(84), Value(84));
    EXPECT_EQ(Cell(94), 0);
    EXPECT_EQ(Cell(95), 0);
    Click(w().MenuSelectAll);
    EXPECT_EQ(Marked(), (std::set<int>{90, 91, 92, 93, 94, 95, 96, 97, 98, 99}));
}

TEST_F(MapToolsTest, ArrowsMoveBetweenCellsAndShiftArrowsMarkABlock) {
    Focus(44);
    EXPECT_TRUE(Arrow(44, kKeyRight));
    EXPECT_EQ(platform.focused.back(), &w().EditCell[45]);
    EXPECT_EQ(form.FocusedCell(), 45);
    EXPECT_TRUE(Arrow(45, kKeyDown, kModShift));
    EXPECT_TRUE(Arrow(55, kKeyRight, kModShift));
    EXPECT_EQ(Marked(), (std::set<int>{45, 46, 55, 56}));
    // Back over the start: the block turns round the cell where the extension began.
    EXPECT_TRUE(Arrow(56, kKeyUp, kModShift));
    EXPECT_TRUE(Arrow(46, kKeyUp, kModShift));
    EXPECT_EQ(Marked(), (std::set<int>{35, 36, 45, 46}));
    // A plain arrow moves on and keeps the marks; the next Shift+arrow starts anew.
    EXPECT_TRUE(Arrow(36, kKeyLeft));
    EXPECT_TRUE(Arrow(35, kKeyLeft, kModShift));
    EXPECT_EQ(Marked(), (std::set<int>{34, 35}));
    // At the map's edge the focus stays.
    const std::size_t moves = platform.focused.size();
    EXPECT_TRUE(Arrow(9, kKeyUp));
    EXPECT_EQ(platform.focused.size(), moves);
    // Ctrl+Up steps the value as the spinner does.
    EXPECT_TRUE(Arrow(12, kKeyUp, kModCtrl));
    EXPECT_EQ(Cell(12), Value(12) + 1);
}

TEST_F(MapToolsTest, ARightClickOpensTheMapMenuAndARightDragStillMarks) {
    Drag(34, 45);
    const auto [x, y] = Middle(77);
    Mouse(EventKind::MouseDown, x, y, kButtonRight);
    Mouse(EventKind::MouseUp, x, y, kButtonRight);
    ASSERT_EQ(platform.popups.size(), 1u);
    EXPECT_EQ(platform.popups[0].at, &w().ImageSelect);
    EXPECT_EQ(platform.popups[0].x, x);
    EXPECT_EQ(Marked(), (std::set<int>{34, 35, 44, 45}));
    const std::vector<const MenuItem*>& items = platform.popups[0].items;
    EXPECT_EQ(items.front(), &w().MenuCopyCells);
    EXPECT_NE(std::find(items.begin(), items.end(), &w().MenuInterpolation), items.end());

    Drag(11, 22, kButtonRight);
    EXPECT_EQ(Marked(), (std::set<int>{11, 12, 21, 22}));
    EXPECT_EQ(platform.popups.size(), 1u);

    EXPECT_TRUE(Send(EventKind::ContextMenu, w().EditCell[5]));
    EXPECT_EQ(form.FocusedCell(), 5);
    Send(EventKind::MouseUp, w().GrafAdv, [](UserEvent& e) { e.button = kButtonRight; });
    EXPECT_EQ(platform.popups.size(), 3u);
}

TEST_F(MapToolsTest, TheToolsAndTheirShortcutsBelongToTheMapPage) {
    form.ViewTick();
    EXPECT_TRUE(w().MenuCopyCells.Enabled());
    Send(EventKind::Change, w().PageControl1, [](UserEvent& e) { e.index = kPageServo; });
    EXPECT_FALSE(w().MenuCopyCells.Enabled());
    EXPECT_FALSE(w().MenuSmoothCells.Enabled());
    EXPECT_EQ(w().MenuCopyCells.Shortcut(), "");
    Send(EventKind::Change, w().PageControl1, [](UserEvent& e) { e.index = kPageAdvance; });
    EXPECT_EQ(w().MenuCopyCells.Shortcut(), "Ctrl+C");
    EXPECT_EQ(w().MenuPasteCells.Shortcut(), "Ctrl+V");
}

}  // namespace
}  // namespace orvell
