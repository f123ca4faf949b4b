// The views' canvas on a QPainter. System colours are taken from the widget's palette.
#pragma once

#include <QPainter>
#include <QPalette>

#include "views/canvas.h"

namespace orvell {

class QtCanvas final : public Canvas {
  public:
    QtCanvas(QPainter& painter, const QPalette& palette, int width, int height);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPen(Colour colour) override;
    void SetBrush(Colour colour) override;
    void ClearBrush() override;
    void SetTextColour(Colour colour) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                   int cornerHeight) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(std::span<const CanvasPoint> points) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Text(int x, int y, std::string_view text) override;
    int TextWidth(std::string_view text) const override;
    int TextHeight() const override;

    QColor ToQColor(Colour colour) const;

  private:
    void Outline();  // the painter's pen and brush as set for shapes

    QPainter& painter_;
    const QPalette& palette_;
    int width_;
    int height_;
    QColor pen_;
    QColor brush_;
    bool brushClear_ = false;
    QColor text_;
};

}  // namespace orvell
