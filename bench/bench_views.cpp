// Cost of the map grid's mouse and paint paths and of one interpolation, through the window.
#include <benchmark/benchmark.h>

#include "app/form_hlav.h"
#include "bench_platform.h"

namespace orvell {
namespace {

// Draws nothing; only the calls are paid.
class NullCanvas final : public Canvas {
  public:
    int Width() const override { return 603; }
    int Height() const override { return 352; }
    void SetPen(Colour) override {}
    void SetBrush(Colour) override {}
    void ClearBrush() override {}
    void SetTextColour(Colour) override {}
    void FillRect(int, int, int, int) override {}
    void Rectangle(int, int, int, int) override {}
    void RoundRect(int, int, int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Polygon(std::span<const CanvasPoint>) override {}
    void Line(int, int, int, int) override {}
    void Text(int, int, std::string_view) override {}
    int TextWidth(std::string_view) const override { return 0; }
    int TextHeight() const override { return 13; }
};

struct GridWindow {
    BenchFolder folder;
    InertPlatform platform;
    TFormHlav form{platform, FormOptions{folder.Path(), {}, nullptr}};
    GridWindow() {
        form.FormCreate();
        form.window.CheckBoxTpsMapa.SetChecked(true);
        form.CheckBoxMouseUp();
    }
    void Mouse(EventKind kind, int x, int y) {
        UserEvent e;
        e.kind = kind;
        e.sender = &form.window.ImageSelect;
        e.x = x;
        e.y = y;
        form.HandleEvent(e);
    }
};

// A pointer move while a band is dragged over the whole grid.
void BM_GridBandMove(benchmark::State& state) {
    GridWindow g;
    g.Mouse(EventKind::MouseDown, 2, 2);
    int i = 0;
    for (auto _ : state) {
        g.Mouse(EventKind::MouseMove, 300 + (i & 255), 170 + (i & 127));
        ++i;
    }
}
BENCHMARK(BM_GridBandMove);

// One repaint of the selection image with every cell marked.
void BM_GridPaint(benchmark::State& state) {
    GridWindow g;
    g.Mouse(EventKind::MouseDown, 0, 0);
    g.Mouse(EventKind::MouseMove, 602, 351);
    g.Mouse(EventKind::MouseUp, 602, 351);
    NullCanvas canvas;
    for (auto _ : state) g.form.PaintSurface(g.form.window.ImageSelect, canvas);
}
BENCHMARK(BM_GridPaint);

// Interpolation of the whole map: fill, rules, refresh, undo step.
void BM_InterpolateWholeMap(benchmark::State& state) {
    GridWindow g;
    g.Mouse(EventKind::MouseDown, 0, 0);
    g.Mouse(EventKind::MouseMove, 602, 351);
    g.Mouse(EventKind::MouseUp, 602, 351);
    int i = 0;
    for (auto _ : state) {
        g.form.image.MapCell(0, 0) = static_cast<std::uint8_t>(i++ % 60);
        g.form.DoInterpolation();
    }
}
BENCHMARK(BM_InterpolateWholeMap);

}  // namespace
}  // namespace orvell
