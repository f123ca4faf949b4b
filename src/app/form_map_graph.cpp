// The window's side of the map views: the tick's poll and repaint, the wheel dispatch, the
// pointer events of the curve graph and the host its edits report to.
#include <array>

#include "app/form_hlav.h"
#include "views/curve_edit.h"
#include "views/curve_graph.h"

namespace orvell {

static_assert(kViewRepaint == kRedrawRepaint && kViewRescale == kRedrawRescale,
              "the views and the editor share the redraw request's bits");

namespace {

bool CurveMapMode(const ParamImage& image) {
    return image.TpsMapFlag() != 0;
}

// The 2D graph is visible in its own view, and in the Map view while the TPS map is off (the
// single curve lies under the one row of edit boxes).
bool Graph2dVisible(const WindowModel& w) {
    const int mode = w.MapMode();
    return mode == kMapModeGraph || (mode == kMapModeGrid && !w.CheckBoxTpsMapa.Checked());
}

}  // namespace

void TFormHlav::GraphHost::ApplyRules(int editedBreakpoint) {
    form_.rules.SetEditedBreakpoint(editedBreakpoint);
    form_.ApplyConsistencyRules();
    form_.rules.SetEditedBreakpoint(kNoBreakpoint);
}

void TFormHlav::GraphHost::RefreshControls() {
    form_.RefreshControls();
}

void TFormHlav::GraphHost::PushSnapshot() {
    form_.PushSnapshot();
}

void TFormHlav::GraphHost::WarpPointer(int x, int y) {
    form_.platform_.WarpPointer(form_.window.GrafAdv, x, y);
}

void TFormHlav::GraphHost::SetGraphHint(std::string_view hint) {
    form_.window.GrafAdv.SetHint(hint);
}

LiveMapPoint TFormHlav::LiveMap() const {
    const LiveOperatingPoint p = seams.live->LivePoint();
    LiveMapPoint live;
    live.rpm = p.engineSpeed;
    // Without a speed, or below the first breakpoint, no cell is the live one.
    live.rpmColumn = p.engineSpeed == 0 || p.belowMap ? kMapColumns : p.rpmColumn;
    live.throttleRow = p.throttleRow;
    live.throttlePercent = p.throttlePercent;
    return live;
}

void TFormHlav::TrackKeysAndLive(TGraphAdv& graph) {
    const std::int32_t shift = platform_.ShiftDown() ? 1 : 0;
    const std::int32_t ctrl = platform_.CtrlDown() ? 1 : 0;
    if (shift != graph.shiftHeld || ctrl != graph.ctrlHeld) {
        editorState.redrawRequest |= kRedrawRepaint;
    }
    graph.shiftHeld = shift;
    graph.ctrlHeld = ctrl;
    const LiveMapPoint live = LiveMap();
    if (live.rpm != graph.shownRpm || live.throttlePercent != graph.shownThrottle) {
        graph.shownRpm = live.rpm;
        graph.shownThrottle = live.throttlePercent;
        editorState.redrawRequest |= kRedrawRepaint;
    }
}

void TFormHlav::ViewTick() {
    wheelTaken_ = false;
    UpdateMapToolItems();
    if (window.MapMode() == kMapModeGraph3D) {
        TrackKeysAndLive(graph3d);
    } else if (Graph2dVisible(window)) {
        TrackKeysAndLive(graph2d);
    }
    if (editorState.redrawRequest != 0) RedrawViews();
}

void TFormHlav::RedrawViews() {
    if (editorState.redrawRequest == 0) return;
    const bool curveMap = CurveMapMode(image);
    if ((editorState.redrawRequest & kRedrawRescale) != 0) {
        const ImageSurface& surface = window.GrafAdv;
        if (curveMap) {
            ComputeCurveScales(graph2d, image, surface.Width(), surface.Height());
        } else {
            ComputeSingleCurveScales(graph2d, image, surface.Width(), surface.Height());
        }
    }
    // The picture itself is painted from this state whenever the front end asks.
    window.GrafAdv.Invalidate();
    std::array<char, 64> hint{};
    window.GrafAdv.SetHint(curveMap ? CurveGraphHint(graph2d, image, hint) : std::string_view{});
    DrawSurfaceViews();
    editorState.redrawRequest = 0;
}

CurveEdit TFormHlav::GraphEdit() {
    return {graph2d,
            image,
            selection,
            editorState.redrawRequest,
            graphHost_,
            window.GrafAdv.Width(),
            window.GrafAdv.Height()};
}

void TFormHlav::GraphMouseDispatch(PointerAction action, int x, int y) {
    CurveEdit edit = GraphEdit();
    if (CurveMapMode(image)) {
        CurveMapMouse(edit, action, x, y);
        return;
    }
    if (SingleCurveMouse(edit, action, x, y) == CurveMouseResult::BandEnded) {
        // The grid row above the graph shows the new marks at once.
        seams.grid->LayoutGridCells();
        seams.grid->DrawSelection();
    }
}

void TFormHlav::GrafAdvMouseDown(int x, int y) {
    GraphMouseDispatch(PointerAction::Press, x, y);
}

void TFormHlav::GrafAdvMouseMove(int x, int y) {
    GraphMouseDispatch(PointerAction::Move, x, y);
}

void TFormHlav::GrafAdvMouseUp(int x, int y) {
    GraphMouseDispatch(PointerAction::Release, x, y);
}

void TFormHlav::GrafAdvMouseLeave() {
    CurveEdit edit = GraphEdit();
    CurveGraphLeave(edit, CurveMapMode(image));
}

bool TFormHlav::WheelDispatch(int delta, int x, int y) {
    // A map the user does not see is never changed: on the other pages the wheel scrolls.
    if (window.PageControl1.ActivePageIndex() != kPageAdvance) return false;
    // One wheel step per tick; further turns in the same tick go to the window's own handling.
    if (wheelTaken_) return false;
    wheelTaken_ = true;
    switch (window.MapMode()) {
        case kMapModeGraph: {
            CurveEdit edit = GraphEdit();
            const LiveMapPoint live = LiveMap();
            return CurveMapMode(image) ? CurveMapWheel(edit, live, delta)
                                       : SingleCurveWheel(edit, live, delta);
        }
        case kMapModeGraph3D:
            return SurfaceWheel(delta, x, y);
        default:
            // The Map view leaves the wheel to the window, also under the single curve.
            return false;
    }
}

}  // namespace orvell
