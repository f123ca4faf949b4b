// The 3D surface in the window: its view controls, the drag, the wheel and the painting.
#include <string>

#include "form_test_fixture.h"
#include "views/recording_canvas.h"
#include "views/surface_view.h"

namespace orvell {
namespace {

using testing::DrawOp;
using testing::RecordingCanvas;

class FormSurfaceTest : public FormTest {
  public:
    // The table-driven cases act on the fixture from outside it.
    using FormTest::form;
    using FormTest::link;
    using FormTest::w;

    UserEvent Send(EventKind kind, Control& sender, int x = 0, int y = 0,
                   unsigned button = kButtonLeft) {
        UserEvent e;
        e.kind = kind;
        e.sender = &sender;
        e.x = x;
        e.y = y;
        e.button = button;
        form.HandleEvent(e);
        return e;
    }
    SurfaceTracks Tracks() {
        return {w().TrackBarX.Position(), w().TrackBarY.Position(), w().TrackBarZ.Position()};
    }
    // The 3D view on the advance page, its projection computed, the engine at column 4 of
    // the last row.
    void ShowSurface() {
        Send(EventKind::Click, w().AMapModeGraph3D);
        w().PageControl1.SetActivePageIndex(kPageAdvance);
        form.DrawSurfaceViews();
        form.editorState.redrawRequest = 0;
        link.point = {4, 9, 0, false, 0, 5200, 100};
        form.ViewTick();  // a new tick: the wheel may take a step again
        form.editorState.redrawRequest = 0;
    }
};

TEST_F(FormSurfaceTest, ViewControlsSetTheTrackBarsAndAskForTheRightRedraw) {
    struct Case {
        const char* name;
        std::function<void(FormSurfaceTest&)> act;
        SurfaceTracks tracks;
        unsigned redraw;
    };
    const Case cases[] = {
        {"ISO", [](FormSurfaceTest& t) { t.Send(EventKind::Click, t.w().A3DviewISO); },
         kSurfaceIsoView, kRedrawRescale},
        {"TOP", [](FormSurfaceTest& t) { t.Send(EventKind::Click, t.w().A3DviewTOP); },
         kSurfaceTopView, kRedrawRescale},
        {"track bar Z",
         [](FormSurfaceTest& t) {
             UserEvent e;
             e.kind = EventKind::Change;
             e.sender = &t.w().TrackBarZ;
             e.index = 12;
             t.form.HandleEvent(e);
         },
         {1, 2, 12},
         kRedrawRescale},
        {"fill off",
         [](FormSurfaceTest& t) {
             UserEvent e;
             e.kind = EventKind::Change;
             e.sender = &t.w().CheckFill;
             t.form.HandleEvent(e);
         },
         {1, 2, 3},
         kRedrawRepaint},
        {"height colours off",
         [](FormSurfaceTest& t) {
             UserEvent e;
             e.kind = EventKind::Change;
             e.sender = &t.w().CheckColorMap;
             t.form.HandleEvent(e);
         },
         {1, 2, 3},
         kRedrawRepaint},
    };
    for (const Case& c : cases) {
        w().TrackBarX.SetPosition(1);
        w().TrackBarY.SetPosition(2);
        w().TrackBarZ.SetPosition(3);
        w().CheckFill.SetChecked(true);
        w().CheckColorMap.SetChecked(true);
        const ParamImage before = form.image;
        form.editorState.redrawRequest = 0;
        c.act(*this);
        EXPECT_EQ(Tracks(), c.tracks) << c.name;
        EXPECT_EQ(form.editorState.redrawRequest, c.redraw) << c.name;
        // They change the view only: no parameter, no undo step.
        EXPECT_TRUE(form.image.Raw() == before.Raw()) << c.name;
        EXPECT_FALSE(w().SpeedButtonZpet.Enabled()) << c.name;
    }
    EXPECT_FALSE(w().CheckColorMap.Checked());
}

TEST_F(FormSurfaceTest, ALeftDragTurnsTheSurface) {
    ShowSurface();
    // Another button drags nothing.
    Send(EventKind::MouseDown, w().Graf3DAdv, 100, 100, kButtonRight);
    Send(EventKind::MouseMove, w().Graf3DAdv, 200, 100);
    EXPECT_EQ(Tracks(), kSurfaceIsoView);
    EXPECT_EQ(form.editorState.redrawRequest, 0u);

    Send(EventKind::MouseDown, w().Graf3DAdv, 100, 100);
    Send(EventKind::MouseMove, w().Graf3DAdv, 136, 100);
    EXPECT_EQ(Tracks(), (SurfaceTracks{15, -8, 0}));  // 4 steps and one radian
    EXPECT_EQ(form.editorState.redrawRequest, kRedrawRescale);
    Send(EventKind::MouseMove, w().Graf3DAdv, 136, 64);
    EXPECT_EQ(Tracks(), (SurfaceTracks{15, 3, 0}));
    Send(EventKind::MouseUp, w().Graf3DAdv, 136, 64);
    Send(EventKind::MouseLeave, w().Graf3DAdv);
    Send(EventKind::MouseMove, w().Graf3DAdv, 10, 10);
    EXPECT_EQ(Tracks(), (SurfaceTracks{15, 3, 0}));
}

TEST_F(FormSurfaceTest, TheWindowsWheelStepsTheLiveCellUnderTheSurface) {
    struct Case {
        const char* name;
        std::function<void(FormSurfaceTest&)> setup;
        int screenX, screenY, delta;
        int step;  // of cell (9, 4); 0: the turn is not used
    };
    // The fake desktop puts every control's corner at (100, 200) on the screen.
    const Case cases[] = {
        {"up", nullptr, 150, 250, 120, 1},
        {"down", nullptr, 150, 250, -120, -1},
        {"left of the surface", nullptr, 99, 250, 120, 0},
        {"below the surface", nullptr, 150, 200 + 421, 120, 0},
        {"engine stopped", [](FormSurfaceTest& t) { t.link.point.engineSpeed = 0; }, 150, 250, 120,
         0},
        {"below the map", [](FormSurfaceTest& t) { t.link.point.belowMap = true; }, 150, 250, 120,
         0},
        {"Map view", [](FormSurfaceTest& t) { t.Send(EventKind::Click, t.w().AMapForm); }, 150,
         250, 120, 0},
        {"another page",
         [](FormSurfaceTest& t) { t.w().PageControl1.SetActivePageIndex(kPageRuzne); }, 150, 250,
         120, 0},
    };
    for (const Case& c : cases) {
        ShowSurface();
        form.image.MapCell(9, 4) = 30;
        form.RefreshControls();
        form.editorState.redrawRequest = 0;
        if (c.setup) c.setup(*this);
        UserEvent turn;
        turn.kind = EventKind::Wheel;
        turn.sender = &w().FormHlav;
        turn.x = c.screenX;
        turn.y = c.screenY;
        turn.wheelDelta = c.delta;
        form.HandleEvent(turn);
        EXPECT_EQ(turn.handled, c.step != 0) << c.name;
        EXPECT_EQ(form.image.MapCell(9, 4), 30 + c.step) << c.name;
        if (c.step == 0) continue;
        // The controls show it at once and the surface is recomputed; no undo step.
        EXPECT_EQ(w().EditCell[94].Text(), std::to_string(30 + c.step)) << c.name;
        EXPECT_NE(form.editorState.redrawRequest & kRedrawRescale, 0u) << c.name;
        EXPECT_FALSE(w().SpeedButtonZpet.Enabled()) << c.name;
    }
}

TEST_F(FormSurfaceTest, TheProjectionIsComputedOnlyWhenARescaleIsAsked) {
    const std::uint32_t surface = w().Graf3DAdv.Revision();
    const std::uint32_t scale = w().CMap3DAdv.Revision();
    form.editorState.redrawRequest = kRedrawRescale;
    form.DrawSurfaceViews();
    EXPECT_EQ(form.graph3d.imageWidth, 461);
    EXPECT_EQ(form.graph3d.imageHeight, 420);
    EXPECT_NE(w().Graf3DAdv.Revision(), surface);
    EXPECT_NE(w().CMap3DAdv.Revision(), scale);

    const TGraphAdv computed = form.graph3d;
    w().TrackBarX.SetPosition(20);
    form.editorState.redrawRequest = kRedrawRepaint;
    form.DrawSurfaceViews();
    EXPECT_EQ(form.graph3d.projection, computed.projection);
    form.editorState.redrawRequest = kRedrawRescale;
    form.DrawSurfaceViews();
    EXPECT_NE(form.graph3d.projection, computed.projection);
}

TEST_F(FormSurfaceTest, PaintingTakesTheSwitchesAndTheLivePoint) {
    ShowSurface();
    RecordingCanvas surface(461, 420);
    form.PaintSurface(w().Graf3DAdv, surface);
    EXPECT_FALSE(surface.Of(DrawOp::Polygon).empty());
    EXPECT_FALSE(surface.Of(DrawOp::Ellipse).empty());

    w().CheckFill.SetChecked(false);
    link.point.engineSpeed = 0;
    RecordingCanvas wire(461, 420);
    form.PaintSurface(w().Graf3DAdv, wire);
    EXPECT_TRUE(wire.Of(DrawOp::Polygon).empty());
    EXPECT_TRUE(wire.Of(DrawOp::Ellipse).empty());

    RecordingCanvas scale(127, 284);
    form.PaintSurface(w().CMap3DAdv, scale);
    EXPECT_EQ(scale.Of(DrawOp::Text).size(), 13u);  // 0 .. 60, no live advance
}

}  // namespace
}  // namespace orvell
