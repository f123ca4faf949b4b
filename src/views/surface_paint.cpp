#include "views/surface_paint.h"

namespace orvell {

void PaintBlankSurface(Canvas& canvas, Colour fill, bool framed) {
    canvas.SetBrush(fill);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    if (!framed) return;
    canvas.SetPen(colour::kButtonShadow);
    canvas.ClearBrush();
    canvas.Rectangle(0, 0, canvas.Width(), canvas.Height());
}

}  // namespace orvell
