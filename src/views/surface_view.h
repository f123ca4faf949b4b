// The 3D surface of the advance map: the map drawn as a surface over engine speed (x), advance
// (y, up) and throttle row (z), turned by three angles and projected in parallel onto
// `Graf3DAdv`, with a colour scale of the heights on `CMap3DAdv`.
//
// The projection, the axis ends and the colour table live in the surface's `TGraphAdv` and are
// computed once per change of view or data; painting only reads them.
#pragma once

#include "core/colours.h"
#include "core/param_image.h"
#include "views/canvas.h"
#include "views/cell_selection.h"
#include "views/graph_state.h"

namespace orvell {

// Track bar positions per half turn: one position is pi/36 rad (5 degrees). The mouse turns the
// surface by one radian per 36 pixels.
inline constexpr int kSurfaceStepsPerPi = 36;
inline constexpr int kSurfaceMaxHeight = 60;  // degrees; the colour table covers 0..60

// The positions of TrackBarX, TrackBarY and TrackBarZ.
struct SurfaceTracks {
    int x = 0;  // turns the model about its advance axis
    int y = 0;  // about its engine speed axis
    int z = 0;  // about its throttle axis
    friend bool operator==(const SurfaceTracks&, const SurfaceTracks&) = default;
};
inline constexpr SurfaceTracks kSurfaceIsoView{4, -8, 0};
// Seen from above: engine speed to the right, throttle rows downwards, advance at the viewer.
inline constexpr SurfaceTracks kSurfaceTopView{0, -18, 0};

// A model point on the image: unrounded pixels (y grows downwards) and the depth, larger nearer
// the viewer.
struct SurfacePoint {
    float x = 0.0F;
    float y = 0.0F;
    float depth = 0.0F;
};

// Fills the surface's rotation, projection, margins, plot square, origins, axis ends, scales
// and colour table for an image of the given size.
void ComputeSurfaceProjection(TGraphAdv& graph, const ParamImage& image, SurfaceTracks tracks,
                              int imageWidth, int imageHeight);
SurfacePoint ProjectPoint(const TGraphAdv& graph, float rpm, float degrees, float row);
// The colour (0xRRGGBB) of every height 0..60, in six blended segments.
void BuildHeightColours(TGraphAdv& graph);
// A height's colour as the canvas takes it; heights beyond the table take its nearest end.
Colour HeightColour(const TGraphAdv& graph, int degrees);

// What the user chose for the look of the surface, and where the live point is.
struct SurfaceLook {
    bool fill = true;           // "Fill graph": faces filled, white grid; else a black wire frame
    bool heightColours = true;  // "Height color": faces by height; else one blue
    Colour background = colour::kButtonFace;
};

// Paints `Graf3DAdv` from the last projection: axes, cells far to near, marked cells' edges,
// the live node.
void DrawSurface(Canvas& canvas, const TGraphAdv& graph, const ParamImage& image,
                 const TSelcell& selection, const LiveMapPoint& live, const SurfaceLook& look);
// Paints `CMap3DAdv`: the heights 0..60 upwards, labelled every 5, and the live advance.
void DrawColourScale(Canvas& canvas, const TGraphAdv& graph, const ParamImage& image,
                     const LiveMapPoint& live, Colour background);
// One of the four triangles of a cell: filled with the front colour when P1, P2, C run
// clockwise on the screen, with the back colour when they run the other way; then its outer
// edge P1-P2.
void DrawSurfaceTriangle(Canvas& canvas, SurfacePoint p1, SurfacePoint p2, SurfacePoint centre,
                         Colour front, Colour back, Colour edge, bool fill);

enum class SurfaceMouseKind { Press, Move, Release };
// A left-button drag turns the surface: horizontal movement about the advance axis, vertical
// about the engine speed axis. Returns true when it set new track positions (a rescale).
bool SurfaceMouse(TGraphAdv& graph, SurfaceMouseKind kind, int x, int y, SurfaceTracks& tracks);
// The wheel over the surface steps the cell of the live operating point by one degree within
// 0..60. Not handled outside the image or without a live cell.
bool SurfaceWheel(const TGraphAdv& graph, ParamImage& image, const LiveMapPoint& live, int delta,
                  int x, int y);

}  // namespace orvell
