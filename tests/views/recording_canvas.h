// A canvas that keeps every shape it is asked for, with the pen and brush it was drawn in.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "views/canvas.h"

namespace orvell::testing {

struct DrawOp {
    enum Kind { Fill, Rect, RoundRect, Ellipse, Polygon, Line, Text };
    Kind kind = Fill;
    Colour pen = 0;
    Colour brush = 0;
    bool brushClear = false;
    std::vector<CanvasPoint> points;  // corners, ends or polygon points; the text's position
    std::string text;
};

class RecordingCanvas final : public Canvas {
  public:
    RecordingCanvas(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPen(Colour c) override { pen_ = c; }
    void SetBrush(Colour c) override {
        brush_ = c;
        clear_ = false;
    }
    void ClearBrush() override { clear_ = true; }
    void SetTextColour(Colour) override {}
    void FillRect(int l, int t, int r, int b) override { Add(DrawOp::Fill, {{l, t}, {r, b}}); }
    void Rectangle(int l, int t, int r, int b) override { Add(DrawOp::Rect, {{l, t}, {r, b}}); }
    void RoundRect(int l, int t, int r, int b, int, int) override {
        Add(DrawOp::RoundRect, {{l, t}, {r, b}});
    }
    void Ellipse(int l, int t, int r, int b) override { Add(DrawOp::Ellipse, {{l, t}, {r, b}}); }
    void Polygon(std::span<const CanvasPoint> points) override {
        Add(DrawOp::Polygon, {points.begin(), points.end()});
    }
    void Line(int x1, int y1, int x2, int y2) override { Add(DrawOp::Line, {{x1, y1}, {x2, y2}}); }
    void Text(int x, int y, std::string_view text) override {
        Add(DrawOp::Text, {{x, y}});
        ops.back().text = text;
    }
    // Six pixels a character.
    int TextWidth(std::string_view text) const override {
        return 6 * static_cast<int>(text.size());
    }
    int TextHeight() const override { return 13; }

    std::vector<DrawOp> Of(DrawOp::Kind kind) const {
        std::vector<DrawOp> found;
        for (const DrawOp& op : ops) {
            if (op.kind == kind) found.push_back(op);
        }
        return found;
    }

    std::vector<DrawOp> ops;

  private:
    void Add(DrawOp::Kind kind, std::vector<CanvasPoint> points) {
        ops.push_back({kind, pen_, brush_, clear_, std::move(points), {}});
    }

    int width_;
    int height_;
    Colour pen_ = 0;
    Colour brush_ = 0;
    bool clear_ = false;
};

}  // namespace orvell::testing
