// Editing the advance map on the curve graph with the mouse and the wheel. A press on a curve
// point, a base point or the limiter line starts a drag that moves it in steps of 100 rpm and
// one degree; Ctrl widens a point to its rpm column on every curve, Shift to the whole active
// curve, both to the whole map. A press elsewhere drags a rubber band that marks cells. The
// wheel steps the value under the pointer, the marked cells or the live cell. Every step goes
// through the rule pass and the refresh of the controls; a drag is one undo step, at its release.
#pragma once

#include "core/param_image.h"
#include "views/cell_selection.h"
#include "views/curve_graph.h"
#include "views/graph_state.h"

namespace orvell {

enum class PointerAction { Press, Move, Release };

// What an edit on the curve graph works on. `width` and `height` are the graph image's present
// size, which a drag step's new scales are computed for.
struct CurveEdit {
    TGraphAdv& graph;
    ParamImage& image;
    TSelcell& selection;
    unsigned& redrawRequest;
    MapViewHost& host;
    int width = 0;
    int height = 0;
};

// What the window has to do after a pointer event.
enum class CurveMouseResult {
    None,
    BandEnded,  // a rubber band ended on the single curve: the grid row shows the new marks
};

// Pointer events in the pixels of the graph image.
CurveMouseResult CurveMapMouse(CurveEdit& edit, PointerAction action, int x, int y);
CurveMouseResult SingleCurveMouse(CurveEdit& edit, PointerAction action, int x, int y);

// The pointer left the image: no handle is under it any more.
void CurveGraphLeave(CurveEdit& edit, bool curveMap);

// One wheel step (delta > 0 up); always handled.
bool CurveMapWheel(CurveEdit& edit, const LiveMapPoint& live, int delta);
bool SingleCurveWheel(CurveEdit& edit, const LiveMapPoint& live, int delta);

}  // namespace orvell
