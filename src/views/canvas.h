// A drawing surface as the map views see it: a pen, a brush, a text colour and a handful of
// shapes in whole pixels, with the classic rules of desktop canvases. Rectangles, rounded
// rectangles and ellipses take their left/top corner inclusive and their right/bottom corner
// exclusive; a line leaves out its end point. The front end implements it with its toolkit;
// tests record the calls.
#pragma once

#include <span>
#include <string_view>

#include "core/colours.h"

namespace orvell {

struct CanvasPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const CanvasPoint&, const CanvasPoint&) = default;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // Outlines and lines.
    virtual void SetPen(Colour colour) = 0;
    // The inside of shapes and the background of text; `ClearBrush` leaves both unpainted.
    virtual void SetBrush(Colour colour) = 0;
    virtual void ClearBrush() = 0;
    virtual void SetTextColour(Colour colour) = 0;

    // Brush only, no outline.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    // Pen outline, brush inside.
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                           int cornerHeight) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Polygon(std::span<const CanvasPoint> points) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // The text's top-left corner at (x, y).
    virtual void Text(int x, int y, std::string_view text) = 0;
    virtual int TextWidth(std::string_view text) const = 0;
    virtual int TextHeight() const = 0;
};

}  // namespace orvell
