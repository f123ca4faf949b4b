// The curve graph in the window: pointer and wheel events through the event table, the tick's
// poll and repaint, the rules, the controls and the history behind a drag.
#include <string>

#include "form_test_fixture.h"
#include "views/curve_graph.h"

namespace orvell {
namespace {

class GraphTest : public FormTest {
  protected:
    // The 2D view of a map whose rows are 20 degrees with breakpoints 1000..10000 rpm.
    void ShowCurves(bool tpsMap = true) {
        ParamImage image = form.image;
        for (int c = 0; c < kMapColumns; ++c) {
            image.SetRpmAxis(c, static_cast<std::uint8_t>(10 * (c + 1)));
            for (int r = 0; r < kMapRows; ++r) image.MapCell(r, c) = 20;
        }
        image.SetLimiterSpeed(90);
        image.SetTpsMapFlag(tpsMap ? 1 : 0);
        Load(image);
        w().PageControl1.SetActivePageIndex(kPageAdvance);
        Send(EventKind::Click, w().AMapModeGraph);
        form.ViewTick();
        ASSERT_EQ(form.editorState.redrawRequest, 0u);
        ASSERT_TRUE(form.graph2d.hasImage);
    }
    UserEvent Send(EventKind kind, Control& sender, int x = 0, int y = 0) {
        UserEvent e;
        e.kind = kind;
        e.sender = &sender;
        e.x = x;
        e.y = y;
        e.button = kButtonLeft;
        form.HandleEvent(e);
        return e;
    }
    CanvasPoint Point(int curve, int k) const {
        const bool curveMap = form.image.TpsMapFlag() != 0;
        return CurvePointAt(form.graph2d, form.image, curve, k,
                            CurveOffset(form.graph2d, curveMap, curve));
    }
    int YOf(int curve, int advance) const {
        return AdvanceToY(form.graph2d, advance + CurveOffset(form.graph2d, true, curve));
    }
    bool Wheel(int delta) {
        UserEvent turn;
        turn.kind = EventKind::Wheel;
        turn.sender = &w().FormHlav;
        turn.wheelDelta = delta;
        form.HandleEvent(turn);
        return turn.handled;
    }
};

TEST_F(GraphTest, CtrlDragMovesTheColumnOnEveryCurveAndUndoesInOneStep) {
    ShowCurves();
    const ParamImage before = form.image;
    platform.ctrl = true;
    form.ViewTick();
    ASSERT_EQ(form.graph2d.ctrlHeld, 1);

    const CanvasPoint p = Point(5, 3);
    Send(EventKind::MouseDown, w().GrafAdv, p.x, p.y);
    // Several moves, each through the rules and the refresh; the last one 4 degrees up.
    for (const int degrees : {1, 2, 4}) {
        form.graph2d.pointerWarped = 0;
        Send(EventKind::MouseMove, w().GrafAdv, p.x, YOf(5, 20 + degrees));
        form.ViewTick();
    }
    Send(EventKind::MouseUp, w().GrafAdv, p.x, YOf(5, 24));
    for (int r = 0; r < kMapRows; ++r) {
        EXPECT_EQ(form.image.MapCell(r, 3), 24) << r;
        EXPECT_EQ(form.image.MapCell(r, 2), 20) << r;
        EXPECT_EQ(w().EditCell[r * 10 + 3].Text(), "24");
    }
    EXPECT_TRUE(w().SpeedButtonZpet.Enabled());
    form.SpeedButtonZpetClick();
    EXPECT_TRUE(form.image == before);
}

TEST_F(GraphTest, HorizontalDragPushesTheNeighbouringBreakpoint) {
    ShowCurves();
    const CanvasPoint p = Point(9, 3);  // 4000 rpm; the next breakpoint is at 5000
    Send(EventKind::MouseDown, w().GrafAdv, p.x, p.y);
    Send(EventKind::MouseMove, w().GrafAdv, RpmToX(form.graph2d, 5350), p.y);
    EXPECT_EQ(form.image.RpmAxis(3), 53);
    EXPECT_GT(form.image.RpmAxis(4), 53);
    EXPECT_EQ(w().EditRpmAdv[3].Text(), "5300");
    Send(EventKind::MouseUp, w().GrafAdv, RpmToX(form.graph2d, 5350), p.y);
    EXPECT_EQ(form.graph2d.dragHandle, HandleNone);
}

TEST_F(GraphTest, ADragThatRescalesWarpsThePointerOnTheGraph) {
    ShowCurves();
    const CanvasPoint p = Point(0, 6);  // the top curve: raising it raises the axis
    Send(EventKind::MouseDown, w().GrafAdv, p.x, p.y);
    Send(EventKind::MouseMove, w().GrafAdv, p.x, YOf(0, 40));
    ASSERT_FALSE(platform.warps.empty());
    EXPECT_EQ(platform.warps.back().surface, &w().GrafAdv);
    EXPECT_EQ(platform.warps.back().y, Point(0, 6).y);
    EXPECT_EQ(form.graph2d.pointerWarped, 1);
}

TEST_F(GraphTest, HoverShowsTheHintAndLeavingClearsIt) {
    ShowCurves();
    const CanvasPoint p = Point(2, 4);
    Send(EventKind::MouseMove, w().GrafAdv, p.x, p.y);
    form.ViewTick();
    EXPECT_EQ(w().GrafAdv.Hint(), "  rpm=5000; advance=20\u00B0");
    Send(EventKind::MouseLeave, w().GrafAdv);
    EXPECT_EQ(w().GrafAdv.Hint(), "");
    EXPECT_EQ(form.graph2d.hoverHandle, HandleNone);
}

TEST_F(GraphTest, RightButtonNeitherPressesNorReleases) {
    ShowCurves();
    const CanvasPoint p = Point(2, 4);
    UserEvent e;
    e.kind = EventKind::MouseDown;
    e.sender = &w().GrafAdv;
    e.x = p.x;
    e.y = p.y;
    e.button = kButtonRight;
    form.HandleEvent(e);
    EXPECT_EQ(form.graph2d.dragHandle, HandleNone);
}

TEST_F(GraphTest, WheelStepsOncePerTickAndOnlyInThe2DView) {
    ShowCurves();
    const CanvasPoint p = Point(6, 7);
    Send(EventKind::MouseMove, w().GrafAdv, p.x, p.y);
    form.ViewTick();
    EXPECT_TRUE(Wheel(120));
    EXPECT_FALSE(Wheel(120));  // the same tick: left to the window
    EXPECT_EQ(form.image.MapCell(6, 7), 21);
    EXPECT_EQ(w().EditCell[67].Text(), "21");
    form.ViewTick();
    EXPECT_TRUE(Wheel(120));
    EXPECT_EQ(form.image.MapCell(6, 7), 22);

    // A map on a page the user does not see is never changed: there the wheel scrolls.
    w().PageControl1.SetActivePageIndex(kPageRuzne);
    form.ViewTick();
    EXPECT_FALSE(Wheel(120));
    EXPECT_EQ(form.image.MapCell(6, 7), 22);

    // The Map view keeps the wheel for the window, also with the single curve under the grid.
    for (const bool tpsMap : {true, false}) {
        ShowCurves(tpsMap);
        Send(EventKind::Click, w().AMapForm);
        form.ViewTick();
        const ParamImage before = form.image;
        EXPECT_FALSE(Wheel(120));
        EXPECT_TRUE(form.image == before);
    }
}

TEST_F(GraphTest, TickRepaintsWhenAModifierChangesAndKeepsTheHeldState) {
    ShowCurves();
    const std::uint32_t painted = w().GrafAdv.Revision();
    form.ViewTick();
    EXPECT_EQ(w().GrafAdv.Revision(), painted);  // nothing asked: nothing painted
    platform.shift = true;
    form.ViewTick();
    EXPECT_EQ(form.graph2d.shiftHeld, 1);
    EXPECT_NE(w().GrafAdv.Revision(), painted);
    EXPECT_EQ(form.editorState.redrawRequest, 0u);

    // Not visible (3D view): the keys are not followed.
    Send(EventKind::Click, w().AMapModeGraph3D);
    platform.shift = false;
    form.ViewTick();
    EXPECT_EQ(form.graph2d.shiftHeld, 1);
}

TEST_F(GraphTest, SingleCurveBandShowsTheMarksInTheGridRow) {
    ShowCurves(false);
    Send(EventKind::Click, w().AMapForm);
    form.ViewTick();
    const CanvasPoint a = Point(9, 1);
    const int layouts = grid.layouts;
    Send(EventKind::MouseDown, w().GrafAdv, a.x - 8, a.y + 8);
    Send(EventKind::MouseMove, w().GrafAdv, a.x + 8, a.y - 8);
    Send(EventKind::MouseUp, w().GrafAdv, a.x + 8, a.y - 8);
    EXPECT_TRUE(form.selection.Selected(91));
    EXPECT_GT(grid.layouts, layouts);
}

}  // namespace
}  // namespace orvell
