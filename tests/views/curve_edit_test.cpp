#include "views/curve_edit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvell {
namespace {

constexpr int kWidth = 603;
constexpr int kHeight = 417;

class RecordingHost final : public MapViewHost {
  public:
    void ApplyRules(int editedBreakpoint) override { rulePasses.push_back(editedBreakpoint); }
    void RefreshControls() override { ++refreshes; }
    void PushSnapshot() override { ++snapshots; }
    void WarpPointer(int x, int y) override { warps.push_back({x, y}); }
    void SetGraphHint(std::string_view hint) override { hints.emplace_back(hint); }

    std::vector<int> rulePasses;
    int refreshes = 0;
    int snapshots = 0;
    std::vector<CanvasPoint> warps;
    std::vector<std::string> hints;
};

// Breakpoints 1000..10000 rpm, limiter 9000 rpm, base 5; every row 20 degrees but a 58 on the
// top curve and a 1 on the bottom one in column 3.
ParamImage EditImage() {
    ParamImage image;
    for (int c = 0; c < kMapColumns; ++c) {
        image.SetRpmAxis(c, static_cast<std::uint8_t>(10 * (c + 1)));
        for (int r = 0; r < kMapRows; ++r) image.MapCell(r, c) = 20;
    }
    image.MapCell(0, 3) = 58;
    image.MapCell(9, 3) = 1;
    image.SetLimiterSpeed(90);
    image.SetBaseAdvance(5);
    image.SetTpsMapFlag(1);
    return image;
}

struct Fixture {
    explicit Fixture(bool curveMap = true) : curveMap(curveMap) {
        image.SetTpsMapFlag(curveMap ? 1 : 0);
        Rescale();
    }
    void Rescale() {
        if (curveMap) {
            ComputeCurveScales(graph, image, kWidth, kHeight);
        } else {
            ComputeSingleCurveScales(graph, image, kWidth, kHeight);
        }
    }
    CurveMouseResult Mouse(PointerAction action, int x, int y) {
        return curveMap ? CurveMapMouse(edit, action, x, y) : SingleCurveMouse(edit, action, x, y);
    }
    CurveMouseResult Mouse(PointerAction action, CanvasPoint p) { return Mouse(action, p.x, p.y); }
    bool Wheel(int delta) {
        return curveMap ? CurveMapWheel(edit, live, delta) : SingleCurveWheel(edit, live, delta);
    }
    CanvasPoint Point(int curve, int k) const {
        return CurvePointAt(graph, image, curve, k, CurveOffset(graph, curveMap, curve));
    }
    // Press on a point, move it by whole degrees (and rpm) and release there.
    void DragPoint(int curve, int k, int degrees, int rpm = 0) {
        const CanvasPoint p = Point(curve, k);
        Mouse(PointerAction::Press, p);
        const int advance = image.MapCell(curve, k) + degrees + CurveOffset(graph, curveMap, curve);
        const CanvasPoint to{RpmToX(graph, image.RpmAxis(k) * 100 + rpm + 50),
                             AdvanceToY(graph, advance)};
        graph.pointerWarped = 0;
        Mouse(PointerAction::Move, to);
        graph.pointerWarped = 0;
        Mouse(PointerAction::Release, to);
    }

    bool curveMap;
    ParamImage image = EditImage();
    TGraphAdv graph;
    TSelcell selection;
    unsigned redraw = 0;
    RecordingHost host;
    LiveMapPoint live;
    CurveEdit edit{graph, image, selection, redraw, host, kWidth, kHeight};
};

TEST(CurveHover, NearestCurveBecomesActiveAndAPointInItsBoxIsHovered) {
    Fixture f;
    const CanvasPoint p = f.Point(4, 6);
    f.Mouse(PointerAction::Move, p.x + 4, p.y - 3);
    EXPECT_EQ(f.graph.activeCurve, 4);
    EXPECT_EQ(f.graph.hoverHandle, 6);
    EXPECT_EQ(f.graph.wheelHandle, 6);
    EXPECT_EQ(f.graph.wheelCurve, 4);
    EXPECT_EQ(f.redraw & kViewRepaint, kViewRepaint);

    // Off every box but nearer curve 7: no hover, curve 7 active.
    const CanvasPoint q = f.Point(7, 6);
    f.redraw = 0;
    f.Mouse(PointerAction::Move, q.x + 20, q.y - 2);
    EXPECT_EQ(f.graph.hoverHandle, HandleNone);
    EXPECT_EQ(f.graph.activeCurve, 7);
    EXPECT_NE(f.redraw, 0u);
}

TEST(CurveHover, LimiterIsCaughtWithinFivePixelsAtAnyHeight) {
    for (const bool curveMap : {true, false}) {
        Fixture f(curveMap);
        f.image.SetLimiterSpeed(95);  // between the last two breakpoints
        const int x = LimiterX(f.graph, f.image);
        for (const int y : {10, 200, 400}) {
            f.Mouse(PointerAction::Move, x + 5, y);
            EXPECT_EQ(f.graph.hoverHandle, HandleLimiter) << y;
        }
        f.Mouse(PointerAction::Move, x - 6, 200);
        EXPECT_EQ(f.graph.hoverHandle, HandleNone);
    }
}

TEST(CurveHover, LeavingTheImageClearsHoverHintAndWheelTarget) {
    Fixture f;
    const CanvasPoint p = f.Point(2, 2);
    f.Mouse(PointerAction::Move, p);
    ASSERT_EQ(f.graph.hoverHandle, 2);
    f.redraw = 0;
    f.Mouse(PointerAction::Move, kWidth + 3, p.y);
    EXPECT_EQ(f.graph.hoverHandle, HandleNone);
    EXPECT_EQ(f.graph.wheelHandle, HandleNone);
    EXPECT_EQ(f.redraw, kViewRepaint);
    ASSERT_EQ(f.host.hints.size(), 1u);
    EXPECT_EQ(f.host.hints.back(), "");

    f.Mouse(PointerAction::Move, p);
    CurveGraphLeave(f.edit, true);
    EXPECT_EQ(f.graph.hoverHandle, HandleNone);
    EXPECT_EQ(f.host.hints.size(), 2u);
}

TEST(CurveDrag, ModifiersWidenTheChangeToColumnCurveOrMap) {
    struct Case {
        bool ctrl;
        bool shift;
        int degrees;
    };
    for (const Case& k : {Case{false, false, 4}, Case{true, false, 4}, Case{false, true, 4},
                          Case{true, true, 4}, Case{true, true, -4}}) {
        Fixture f;
        f.graph.ctrlHeld = k.ctrl ? 1 : 0;
        f.graph.shiftHeld = k.shift ? 1 : 0;
        ParamImage expected = f.image;
        for (int t = 0; t < kMapRows; ++t) {
            for (int c = 0; c < kMapColumns; ++c) {
                if ((c == 3 && t == 5) || (c == 3 && k.ctrl) || (t == 5 && k.shift) ||
                    (k.ctrl && k.shift)) {
                    expected.MapCell(t, c) = static_cast<std::uint8_t>(
                        std::clamp(expected.MapCell(t, c) + k.degrees, 0, 60));
                }
            }
        }
        f.DragPoint(5, 3, k.degrees);
        EXPECT_TRUE(f.image == expected) << k.ctrl << k.shift << k.degrees;
        EXPECT_EQ(f.graph.dragHandle, HandleNone);
        EXPECT_EQ(f.host.snapshots, 1);
    }
}

TEST(CurveDrag, HorizontalDragStepsTheBreakpointBy100RpmAndNamesIt) {
    Fixture f;
    f.DragPoint(5, 3, 0, 180);  // 4230 rpm under the pointer
    EXPECT_EQ(f.image.RpmAxis(3), 42);
    EXPECT_EQ(f.image.MapCell(5, 3), 20);
    ASSERT_FALSE(f.host.rulePasses.empty());
    EXPECT_EQ(f.host.rulePasses.back(), 3);
    EXPECT_GE(f.host.refreshes, 1);
}

TEST(CurveDrag, BaseAndLimiterAndTheRuleInputTheyName) {
    Fixture f;
    const CanvasPoint base = f.Point(9, HandleBase);
    f.Mouse(PointerAction::Press, base);
    EXPECT_EQ(f.graph.dragHandle, HandleBase);
    f.Mouse(PointerAction::Move, base.x, AdvanceToY(f.graph, 12));
    EXPECT_EQ(f.image.BaseAdvance(), 12);
    EXPECT_EQ(f.host.rulePasses.back(), HandleBase);
    f.Mouse(PointerAction::Release, base.x, AdvanceToY(f.graph, 12));

    const int x = LimiterX(f.graph, f.image);
    f.Mouse(PointerAction::Press, x + 2, 100);
    EXPECT_EQ(f.graph.dragHandle, HandleLimiter);
    EXPECT_EQ(f.graph.grabX, 2);
    f.graph.pointerWarped = 0;
    f.Mouse(PointerAction::Move, RpmToX(f.graph, 7040) + 2, 100);
    EXPECT_EQ(f.image.LimiterSpeed(), 70);
    EXPECT_EQ(f.host.rulePasses.back(), HandleLimiter);
    // Far right, outside the image: the drag goes on, the limiter stops at its highest value.
    f.graph.pointerWarped = 0;
    f.Mouse(PointerAction::Move, 3000, 100);
    EXPECT_EQ(f.image.LimiterSpeed(), 250);
    f.Mouse(PointerAction::Release, 3000, 100);
    EXPECT_EQ(f.host.snapshots, 2);
}

TEST(CurveDrag, OneSnapshotAtTheReleaseAndAHoverAgainAfterIt) {
    Fixture f;
    const CanvasPoint p = f.Point(5, 6);
    f.Mouse(PointerAction::Press, p);
    EXPECT_EQ(f.graph.hoverHandle, HandleNone);
    for (int step = 1; step <= 5; ++step) {
        f.graph.pointerWarped = 0;
        f.Mouse(PointerAction::Move, p.x, p.y - step);
    }
    EXPECT_EQ(f.host.snapshots, 0);
    EXPECT_EQ(f.redraw & kViewRescale, kViewRescale);
    const CanvasPoint now = f.Point(5, 6);
    f.Mouse(PointerAction::Release, now);
    EXPECT_EQ(f.host.snapshots, 1);
    EXPECT_EQ(f.graph.hoverHandle, 6);
}

TEST(CurveDrag, GrowingScaleWarpsThePointerAndTheNextMoveIsIgnored) {
    Fixture f;
    const CanvasPoint p = f.Point(0, 3);  // the top curve's 58 degrees
    f.image.MapCell(0, 3) = 50;
    f.Rescale();
    const CanvasPoint top = f.Point(0, 3);
    f.Mouse(PointerAction::Press, top);
    const float scaleY = f.graph.scaleY;
    const int to = AdvanceToY(f.graph, 60 + CurveOffset(f.graph, true, 0));
    f.Mouse(PointerAction::Move, top.x, to);
    EXPECT_EQ(f.image.MapCell(0, 3), 60);
    EXPECT_NE(f.graph.scaleY, scaleY);
    ASSERT_EQ(f.host.warps.size(), 1u);
    EXPECT_EQ(f.host.warps[0].x, top.x);
    EXPECT_EQ(f.host.warps[0].y, f.Point(0, 3).y);
    EXPECT_EQ(f.graph.pointerWarped, 1);

    // The move the warp causes changes nothing; the one after it drags again.
    f.Mouse(PointerAction::Move, top.x, 400);
    EXPECT_EQ(f.image.MapCell(0, 3), 60);
    EXPECT_EQ(f.graph.pointerWarped, 0);
    f.Mouse(PointerAction::Move, top.x, AdvanceToY(f.graph, 40 + CurveOffset(f.graph, true, 0)));
    EXPECT_EQ(f.image.MapCell(0, 3), 40);
    (void)p;
}

TEST(CurveBand, PressOffTheHandlesMarksCellsAndOutsideReleaseKeepsItOpen) {
    Fixture f;
    const CanvasPoint a = f.Point(6, 2);
    const CanvasPoint b = f.Point(5, 4);
    f.Mouse(PointerAction::Press, a.x - 8, a.y + 8);
    EXPECT_EQ(f.selection.state, TSelcell::SelectionDragging);
    f.Mouse(PointerAction::Move, b.x + 8, b.y - 8);
    f.Mouse(PointerAction::Release, kWidth + 10, b.y - 8);  // outside: the band stays open
    EXPECT_EQ(f.selection.state, TSelcell::SelectionDragging);
    f.Mouse(PointerAction::Move, kWidth + 10, 0);  // outside: not followed
    EXPECT_EQ(f.selection.pointX, b.x + 8);
    f.Mouse(PointerAction::Release, b.x + 8, b.y - 8);
    EXPECT_EQ(f.selection.state, TSelcell::SelectionPresent);
    for (const int cell : {52, 53, 54, 62, 63, 64}) EXPECT_TRUE(f.selection.Selected(cell)) << cell;
    EXPECT_FALSE(f.selection.Selected(55));
    EXPECT_FALSE(f.selection.Selected(72));
    EXPECT_EQ(f.host.snapshots, 0);
}

TEST(CurveBand, SingleCurveBandAsksForTheGridRow) {
    Fixture f(false);
    const CanvasPoint a = f.Point(9, 1);
    f.Mouse(PointerAction::Press, a.x - 8, a.y + 8);
    f.Mouse(PointerAction::Move, a.x + 60, a.y - 8);
    EXPECT_EQ(f.Mouse(PointerAction::Release, a.x + 60, a.y - 8), CurveMouseResult::BandEnded);
    EXPECT_TRUE(f.selection.Selected(91));
    EXPECT_FALSE(f.selection.Selected(81));
}

TEST(CurveWheel, StepsTheHoveredPointThenTheMarksThenTheLiveCell) {
    Fixture f;
    const CanvasPoint p = f.Point(4, 7);
    f.Mouse(PointerAction::Move, p);
    EXPECT_TRUE(f.Wheel(120));
    EXPECT_EQ(f.image.MapCell(4, 7), 21);
    EXPECT_EQ(f.redraw & kViewRescale, kViewRescale);
    EXPECT_EQ(f.host.snapshots, 0);

    f.Mouse(PointerAction::Move, 300, 3);  // on no point
    f.selection.state = TSelcell::SelectionPresent;
    f.selection.cellFlags[12] = TSelcell::FlagMarked;
    f.selection.cellFlags[13] = TSelcell::FlagMarked;
    f.Wheel(-120);
    EXPECT_EQ(f.image.MapCell(1, 2), 19);
    EXPECT_EQ(f.image.MapCell(1, 3), 19);

    f.selection = TSelcell{};
    f.live = {5000, 4, 8, 80};
    f.Wheel(120);
    EXPECT_EQ(f.image.MapCell(8, 4), 21);

    f.live.rpmColumn = kMapColumns;  // no live cell: nothing changes, still handled
    const ParamImage before = f.image;
    EXPECT_TRUE(f.Wheel(120));
    EXPECT_TRUE(f.image == before);
}

TEST(CurveWheel, BaseAndLimiterKeepTheirLimits) {
    Fixture f;
    f.graph.wheelHandle = HandleLimiter;
    f.image.SetLimiterSpeed(250);
    f.Wheel(120);
    EXPECT_EQ(f.image.LimiterSpeed(), 250);
    f.image.SetLimiterSpeed(0);
    f.Wheel(-120);
    EXPECT_EQ(f.image.LimiterSpeed(), 0);
    f.graph.wheelHandle = HandleBase;
    f.image.SetBaseAdvance(60);
    f.Wheel(120);
    EXPECT_EQ(f.image.BaseAdvance(), 60);
    f.image.SetBaseAdvance(0);
    f.Wheel(-120);
    EXPECT_EQ(f.image.BaseAdvance(), 0);
}

TEST(CurveWheel, SingleCurveStaysOnTheLastRow) {
    Fixture f(false);
    f.graph.wheelHandle = 2;
    f.graph.wheelCurve = 4;
    f.graph.ctrlHeld = 1;  // no column on other curves here
    f.Wheel(120);
    EXPECT_EQ(f.image.MapCell(9, 2), 21);
    EXPECT_EQ(f.image.MapCell(4, 2), 20);
    f.graph.wheelHandle = HandleNone;
    f.live = {5000, 5, 3, 10};
    f.Wheel(120);
    EXPECT_EQ(f.image.MapCell(9, 5), 21);
    EXPECT_EQ(f.image.MapCell(3, 5), 20);
}

}  // namespace
}  // namespace orvell
