// The 2D view of the advance map: the map as curves of advance over engine speed. Curve map
// mode (TPS map on) stacks the ten throttle rows one above the other, each raised by its curve
// offset so that they never cross; single curve mode draws the last row alone. The scales and
// the pixel mapping are plain computations over the image and the graph state; the drawing is a
// pure function of them, the selection and the live point.
#pragma once

#include <array>
#include <string_view>

#include "core/param_image.h"
#include "views/canvas.h"
#include "views/cell_selection.h"
#include "views/graph_state.h"

namespace orvell {

// Bits of the window's redraw request (the same values the editor uses).
inline constexpr unsigned kViewRepaint = 1;
inline constexpr unsigned kViewRescale = 2;  // recompute the scales, then repaint

// Index of a curve's point: -1 the base point, 0..9 the rpm columns, 10 the end point.
inline constexpr int kCurveEndPoint = 10;
// The throttle row the single curve shows.
inline constexpr int kSingleCurveRow = kMapRows - 1;

namespace graph_colour {
inline constexpr Colour kPlot = 0x00F0FBFF;
inline constexpr Colour kSilver = 0x00C0C0C0;
inline constexpr Colour kGrey = 0x00808080;
inline constexpr Colour kBlue = 0x00FF0000;
inline constexpr Colour kDarkGreen = 0x00008000;
inline constexpr Colour kLive = 0x0000FF00;
}  // namespace graph_colour

// Degrees curve t is drawn raised by: (9 - t) curve steps in curve map mode, 0 otherwise.
inline int CurveOffset(const TGraphAdv& g, bool curveMap, int curve) {
    return curveMap ? (kMapRows - 1 - curve) * g.curveStep : 0;
}

// The pixel mapping: x of an engine speed (rpm), y of an advance (degrees, offset included);
// both truncate toward zero.
inline int RpmToX(const TGraphAdv& g, double rpm) {
    return static_cast<int>(g.plotLeft + rpm * static_cast<double>(g.scaleX));
}
inline int AdvanceToY(const TGraphAdv& g, double advance) {
    return static_cast<int>(g.plotBottom - advance * static_cast<double>(g.scaleY));
}
inline int LimiterX(const TGraphAdv& g, const ParamImage& image) {
    return RpmToX(g, image.LimiterSpeed() * 100.0);
}

// Pixel position of point k (-1..10) of curve t with the given offset in degrees.
CanvasPoint CurvePointAt(const TGraphAdv& g, const ParamImage& image, int curve, int k, int offset);

// Image and plot rectangles, axis ends, curve step and scales for an image of this size.
void ComputeCurveScales(TGraphAdv& g, const ParamImage& image, int width, int height);
void ComputeSingleCurveScales(TGraphAdv& g, const ParamImage& image, int width, int height);

// What the graph paints besides its own state.
struct CurveScene {
    const TGraphAdv& graph;
    const ParamImage& image;
    const TSelcell& selection;
    const LiveMapPoint& live;
};

// Paint the whole image from the present scales (the window recomputes them before a repaint
// when they are stale).
void DrawCurveMap(Canvas& canvas, const CurveScene& scene);
void DrawSingleCurve(Canvas& canvas, const CurveScene& scene);

// The hint of the curve graph in curve map mode: what a drag moves or the pointer rests on;
// empty over nothing. Written into `buffer`.
std::string_view CurveGraphHint(const TGraphAdv& g, const ParamImage& image,
                                std::array<char, 64>& buffer);

// The curve points become the cell rectangles of the selection, so that a rubber band on the
// graph catches them: every cell in curve map mode, row 9 alone in single curve mode.
void LayoutCurvePoints(const TGraphAdv& g, const ParamImage& image, TSelcell& selection);
void LayoutSingleCurvePoints(const TGraphAdv& g, const ParamImage& image, TSelcell& selection);

}  // namespace orvell
