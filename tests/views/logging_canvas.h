// A canvas that writes down what is drawn on it, one line per call, so a test can compare a
// picture with the calls it expects ("pen 0xff", "rect 10 15 58 37", ...).
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "views/canvas.h"

namespace orvell::testing {

class LoggingCanvas : public Canvas {
  public:
    LoggingCanvas(int width, int height) : width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    void SetPen(Colour c) override { Log("pen", c); }
    void SetBrush(Colour c) override { Log("brush", c); }
    void ClearBrush() override { calls.emplace_back("no brush"); }
    void SetTextColour(Colour c) override { Log("text colour", c); }
    void FillRect(int l, int t, int r, int b) override { Log("fill", l, t, r, b); }
    void Rectangle(int l, int t, int r, int b) override { Log("rect", l, t, r, b); }
    void RoundRect(int l, int t, int r, int b, int, int) override { Log("round", l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { Log("ellipse", l, t, r, b); }
    void Polygon(std::span<const CanvasPoint> points) override {
        std::string line = "polygon";
        for (const CanvasPoint& p : points) {
            // Piece by piece: GCC 12 at -O3 reports a false overlap for `" " + string`.
            line += ' ';
            line += std::to_string(p.x);
            line += ',';
            line += std::to_string(p.y);
        }
        calls.push_back(line);
    }
    void Line(int x1, int y1, int x2, int y2) override { Log("line", x1, y1, x2, y2); }
    void Text(int x, int y, std::string_view text) override {
        calls.push_back("text " + std::to_string(x) + " " + std::to_string(y) + " " +
                        std::string(text));
    }
    int TextWidth(std::string_view text) const override {
        return 6 * static_cast<int>(text.size());
    }
    int TextHeight() const override { return 13; }

    std::vector<std::string> calls;

  private:
    void Log(const char* what, Colour c) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "0x%x", static_cast<unsigned>(c));
        calls.push_back(std::string(what) + " " + hex);
    }
    void Log(const char* what, int a, int b, int c, int d) {
        calls.push_back(std::string(what) + " " + std::to_string(a) + " " + std::to_string(b) +
                        " " + std::to_string(c) + " " + std::to_string(d));
    }

    int width_;
    int height_;
};

}  // namespace orvell::testing
