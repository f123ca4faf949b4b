// The window side of the 3D surface: the track bars and view buttons, the mouse drag that turns
// the surface, the wheel step on the live cell, and painting `Graf3DAdv` and `CMap3DAdv`.
#include "app/form_hlav.h"
#include "views/surface_paint.h"
#include "views/surface_view.h"

namespace orvell {

namespace {

SurfaceTracks TracksOf(const WindowModel& w) {
    return {w.TrackBarX.Position(), w.TrackBarY.Position(), w.TrackBarZ.Position()};
}

void SetTracks(WindowModel& w, SurfaceTracks tracks) {
    w.TrackBarX.SetPosition(tracks.x);
    w.TrackBarY.SetPosition(tracks.y);
    w.TrackBarZ.SetPosition(tracks.z);
}

}  // namespace

void TFormHlav::A3DviewISOClick() {
    SetTracks(window, kSurfaceIsoView);
    editorState.redrawRequest |= kRedrawRescale;
}

void TFormHlav::A3DviewTOPClick() {
    SetTracks(window, kSurfaceTopView);
    editorState.redrawRequest |= kRedrawRescale;
}

void TFormHlav::G3DAdvMouseDown(unsigned button, int x, int y) {
    if (button != kButtonLeft) return;
    SurfaceTracks tracks = TracksOf(window);
    SurfaceMouse(graph3d, SurfaceMouseKind::Press, x, y, tracks);
}

void TFormHlav::G3DAdvMouseMove(int x, int y) {
    SurfaceTracks tracks = TracksOf(window);
    if (!SurfaceMouse(graph3d, SurfaceMouseKind::Move, x, y, tracks)) return;
    SetTracks(window, tracks);
    editorState.redrawRequest |= kRedrawRescale;
}

void TFormHlav::G3DAdvMouseUp(unsigned button, int x, int y) {
    if (button != kButtonLeft) return;
    SurfaceTracks tracks = TracksOf(window);
    SurfaceMouse(graph3d, SurfaceMouseKind::Release, x, y, tracks);
}

void TFormHlav::G3DAdvMouseLeave() {
    // The surface has no handles, so nothing is ever hovered; kept like the curve graph's leave.
    if (graph3d.hoverHandle == HandleNone) return;
    graph3d.hoverHandle = HandleNone;
    editorState.redrawRequest |= kRedrawRepaint;
}

bool TFormHlav::SurfaceWheel(int delta, int screenX, int screenY) {
    // Only a surface the user sees takes the wheel: the same place on another page, or in
    // another view of this one, is not the surface.
    if (!window.Graf3DAdv.Visible() || window.PageControl1.ActivePageIndex() != kPageAdvance) {
        return false;
    }
    const ScreenPoint at = platform_.MapFromScreen(window.Graf3DAdv, screenX, screenY);
    if (!orvell::SurfaceWheel(graph3d, image, LiveMap(), delta, at.x, at.y)) {
        return false;
    }
    // Like the curve graph's wheel, no undo step: the change joins the next one.
    ApplyConsistencyRules();
    RefreshControls();
    editorState.redrawRequest |= kRedrawRescale;
    return true;
}

void TFormHlav::DrawSurfaceViews() {
    if ((editorState.redrawRequest & kRedrawRescale) != 0 || !graph3d.hasImage) {
        ComputeSurfaceProjection(graph3d, image, TracksOf(window), window.Graf3DAdv.Width(),
                                 window.Graf3DAdv.Height());
    }
    window.Graf3DAdv.Invalidate();
    window.CMap3DAdv.Invalidate();
}

void TFormHlav::PaintSurfaceView(const ImageSurface& surface, Canvas& canvas) const {
    if (!graph3d.hasImage) {
        PaintBlankSurface(canvas, surface.Color(), false);
        return;
    }
    const LiveMapPoint live = LiveMap();
    if (&surface == &window.CMap3DAdv) {
        DrawColourScale(canvas, graph3d, image, live, surface.Color());
        return;
    }
    const SurfaceLook look{window.CheckFill.Checked(), window.CheckColorMap.Checked(),
                           surface.Color()};
    DrawSurface(canvas, graph3d, image, selection, live, look);
}

}  // namespace orvell
