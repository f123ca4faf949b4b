// A canvas that keeps what was drawn on it: each shape and text with the pen, brush and text
// colour it was drawn with. Texts are 6 pixels per character wide and 13 high.
#pragma once

#include <string>
#include <vector>

#include "views/canvas.h"

namespace orvell::testing {

struct DrawCall {
    enum Kind { Fill, Rect, Round, Ellipse, Polygon, Line, Text } kind = Fill;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Colour pen = 0;
    Colour brush = 0;
    bool brushClear = false;
    Colour textColour = 0;
    std::string text;
};

class DrawRecorder final : public Canvas {
  public:
    DrawRecorder(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPen(Colour c) override { pen_ = c; }
    void SetBrush(Colour c) override {
        brush_ = c;
        clear_ = false;
    }
    void ClearBrush() override { clear_ = true; }
    void SetTextColour(Colour c) override { text_ = c; }
    void FillRect(int l, int t, int r, int b) override { Add(DrawCall::Fill, l, t, r, b); }
    void Rectangle(int l, int t, int r, int b) override { Add(DrawCall::Rect, l, t, r, b); }
    void RoundRect(int l, int t, int r, int b, int, int) override {
        Add(DrawCall::Round, l, t, r, b);
    }
    void Ellipse(int l, int t, int r, int b) override { Add(DrawCall::Ellipse, l, t, r, b); }
    void Polygon(std::span<const CanvasPoint>) override { Add(DrawCall::Polygon, 0, 0, 0, 0); }
    void Line(int x1, int y1, int x2, int y2) override { Add(DrawCall::Line, x1, y1, x2, y2); }
    void Text(int x, int y, std::string_view text) override {
        Add(DrawCall::Text, x, y, x + TextWidth(text), y + TextHeight());
        calls.back().text = std::string(text);
    }
    int TextWidth(std::string_view text) const override {
        return 6 * static_cast<int>(text.size());
    }
    int TextHeight() const override { return 13; }

    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const DrawCall& c : calls) {
            if (c.kind == DrawCall::Text) out.push_back(c.text);
        }
        return out;
    }
    const DrawCall* FindText(std::string_view text) const {
        for (const DrawCall& c : calls) {
            if (c.kind == DrawCall::Text && c.text == text) return &c;
        }
        return nullptr;
    }
    int Count(DrawCall::Kind kind, Colour pen) const {
        int n = 0;
        for (const DrawCall& c : calls) n += c.kind == kind && c.pen == pen ? 1 : 0;
        return n;
    }

    std::vector<DrawCall> calls;

  private:
    void Add(DrawCall::Kind kind, int x1, int y1, int x2, int y2) {
        DrawCall c;
        c.kind = kind;
        c.x1 = x1;
        c.y1 = y1;
        c.x2 = x2;
        c.y2 = y2;
        c.pen = pen_;
        c.brush = brush_;
        c.brushClear = clear_;
        c.textColour = text_;
        calls.push_back(std::move(c));
    }

    int width_;
    int height_;
    Colour pen_ = 0;
    Colour brush_ = 0;
    bool clear_ = false;
    Colour text_ = 0;
};

}  // namespace orvell::testing
