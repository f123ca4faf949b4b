// What a drawing surface of the map page shows before a view paints it: its fill colour, and a
// thin frame around a graph.
#pragma once

#include "core/colours.h"
#include "views/canvas.h"

namespace orvell {

void PaintBlankSurface(Canvas& canvas, Colour fill, bool framed);

}  // namespace orvell
