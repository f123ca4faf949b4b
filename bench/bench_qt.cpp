// The binder on the offscreen platform: a sync after a refresh that changes every value, and
// a sync with nothing to do (what every tick costs when nothing moved).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyleFactory>

#include <filesystem>

#include "qt/front.h"
#include "qt/qt_canvas.h"
#include "views/surface_view.h"
#include "views/curve_graph.h"

namespace orvell {
namespace {

// An open line on which no unit ever answers.
class NoPort : public SerialPort {
  public:
    PortOpenFailure Open(const std::string&) override {
        open_ = true;
        return {};
    }
    void Close() override { open_ = false; }
    bool IsOpen() const override { return open_; }
    std::size_t QueuedBytes() override { return 0; }
    std::size_t ReadQueued(std::span<std::uint8_t>) override { return 0; }
    bool WriteFrame(std::span<const std::uint8_t>) override { return open_; }
    void AbortInput() override {}

  private:
    bool open_ = false;
};

// A settings folder of its own, removed at the end.
struct SettingsFolder {
    SettingsFolder() {
        char pattern[] = "/tmp/orvell-bench-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~SettingsFolder() { std::filesystem::remove_all(path); }
    std::filesystem::path path;
};

// The program started without a unit: no port answers, so only the benchmark moves values.
struct Bench {
    Bench() : front(FormOptions{settings.path, {}, &port}) {
        front.form.window.PageControl1.SetActivePageIndex(kPageAdvance);  // the grid on screen
        window->show();
        window->Bindings().Sync();
        QApplication::processEvents();
        first = form.image;
        // Every map cell, breakpoint and servo voltage one step away from the first set.
        second = first;
        for (int k = 0; k < kMapRows * kMapColumns; ++k) {
            std::uint8_t& cell = second.MapCell(k / kMapColumns, k % kMapColumns);
            cell = static_cast<std::uint8_t>(cell > 0 ? cell - 1 : 1);
        }
        for (int i = 0; i < kAxisPoints; ++i) {
            second.SetServoVoltage(i, static_cast<std::uint8_t>(second.ServoVoltage(i) + 1));
        }
        second.SetLimiterSpeed(static_cast<std::uint8_t>(second.LimiterSpeed() - 1));
        second.SetBaseAdvance(static_cast<std::uint8_t>(second.BaseAdvance() + 1));
    }
    SettingsFolder settings;
    NoPort port;
    Front front;
    TFormHlav& form = front.form;
    MainWindow* window = front.window.get();
    ParamImage first, second;
};

Bench& TheFront() {
    static Bench* front = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "orvell_bench_qt";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        return new Bench;
    }();
    return *front;
}

void BM_SyncAfterFullRefresh(benchmark::State& state) {
    Bench& f = TheFront();
    bool flip = false;
    int pushed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.form.image = flip ? f.first : f.second;
        flip = !flip;
        f.form.RefreshControls();
        state.ResumeTiming();
        pushed = f.window->Bindings().Sync();
    }
    state.counters["controls"] = pushed;
}
BENCHMARK(BM_SyncAfterFullRefresh)->Unit(benchmark::kMicrosecond);

void BM_SyncNothingChanged(benchmark::State& state) {
    Bench& f = TheFront();
    f.window->Bindings().Sync();
    for (auto _ : state) benchmark::DoNotOptimize(f.window->Bindings().Sync());
}
BENCHMARK(BM_SyncNothingChanged)->Unit(benchmark::kMicrosecond);

// From nothing to the started main window object to the window on screen and painted once: what the
// start adds to the toolkit's own start.
void BM_BuildAndShowWindow(benchmark::State& state) {
    TheFront();  // the application exists
    for (auto _ : state) {
        SettingsFolder settings;
        NoPort port;
        Front front(FormOptions{settings.path, {}, &port});
        front.window->show();
        front.window->grab();
        benchmark::DoNotOptimize(&front);
    }
}
BENCHMARK(BM_BuildAndShowWindow)->Unit(benchmark::kMillisecond);

// One repaint of the 3D surface and its colour scale through the Qt canvas, with a live point,
// the map on and a marked rectangle: what the tick pays at most once per redraw request.
void BM_SurfaceRepaint(benchmark::State& state) {
    Bench& f = TheFront();
    f.form.window.CheckBoxTpsMapa.SetChecked(true);
    f.form.image.SetTpsMapFlag(1);
    for (int r = 3; r <= 6; ++r) {
        for (int c = 2; c <= 5; ++c)
            f.form.selection.cellFlags[static_cast<std::size_t>(10 * r + c)] = 1;
    }
    f.form.editorState.redrawRequest = kRedrawRescale;
    f.form.DrawSurfaceViews();
    const ImageSurface& surface = f.form.window.Graf3DAdv;
    const ImageSurface& scale = f.form.window.CMap3DAdv;
    QImage surfaceImage(surface.Width(), surface.Height(), QImage::Format_ARGB32_Premultiplied);
    QImage scaleImage(scale.Width(), scale.Height(), QImage::Format_ARGB32_Premultiplied);
    const QPalette palette = f.window->palette();
    for (auto _ : state) {
        {
            QPainter painter(&surfaceImage);
            QtCanvas canvas(painter, palette, surface.Width(), surface.Height());
            f.form.PaintSurface(surface, canvas);
        }
        QPainter painter(&scaleImage);
        QtCanvas canvas(painter, palette, scale.Width(), scale.Height());
        f.form.PaintSurface(scale, canvas);
    }
}
BENCHMARK(BM_SurfaceRepaint)->Unit(benchmark::kMillisecond);

// The projection, axis ends and colour table, once per change of view or data.
void BM_SurfaceProjection(benchmark::State& state) {
    Bench& f = TheFront();
    TGraphAdv graph;
    int x = 0;
    for (auto _ : state) {
        ComputeSurfaceProjection(graph, f.form.image, {x, -8, 0}, 461, 420);
        x = x == 36 ? -36 : x + 1;
        benchmark::DoNotOptimize(graph);
    }
}
BENCHMARK(BM_SurfaceProjection)->Unit(benchmark::kMicrosecond);
// The 2D view of a ten-curve map (TPS map on), scales computed, the graph on screen.
void ShowCurveMap(Bench& f) {
    ParamImage image = f.first;
    image.SetTpsMapFlag(1);
    f.form.image = image;
    f.form.RunChangePipeline();
    f.form.window.SetMapMode(kMapModeGraph);
    f.form.AMapModeGraphClick();
    f.form.ViewTick();
    f.window->Bindings().Sync();
    QApplication::processEvents();
}

// A complete repaint of the curve map (10 curves, grid, labels, live point) through the Qt
// canvas into an image of the graph's size.
void BM_CurveMapRepaint(benchmark::State& state) {
    Bench& f = TheFront();
    ShowCurveMap(f);
    LiveMapPoint live{5200, 4, 6, 40};
    QImage picture(603, 417, QImage::Format_RGB32);
    const QPalette palette = f.window->palette();
    for (auto _ : state) {
        QPainter painter(&picture);
        QtCanvas canvas(painter, palette, picture.width(), picture.height());
        DrawCurveMap(canvas, {f.form.graph2d, f.form.image, f.form.selection, live});
    }
}
BENCHMARK(BM_CurveMapRepaint)->Unit(benchmark::kMicrosecond);

// One drag step end to end: the move event through the event table (hit test, cells, rules,
// refresh of every control, scales), the tick's redraw, the widget sync and the graph's repaint.
void BM_CurveDragStep(benchmark::State& state) {
    Bench& f = TheFront();
    ShowCurveMap(f);
    TFormHlav& form = f.form;
    QWidget* graph = f.window->Bindings().WidgetOf(form.window.GrafAdv);
    const TGraphAdv& g = form.graph2d;
    const CanvasPoint p = CurvePointAt(g, form.image, 9, 5, 0);
    UserEvent press;
    press.kind = EventKind::MouseDown;
    press.sender = &form.window.GrafAdv;
    press.button = kButtonLeft;
    press.x = p.x;
    press.y = p.y;
    form.HandleEvent(press);
    const int base = form.image.MapCell(9, 5);
    const int lower = AdvanceToY(g, base > 0 ? base - 1 : base + 1);
    bool flip = false;
    for (auto _ : state) {
        UserEvent move;
        move.kind = EventKind::MouseMove;
        move.sender = &form.window.GrafAdv;
        move.x = p.x;
        move.y = flip ? p.y : lower;
        flip = !flip;
        form.graph2d.pointerWarped = 0;
        form.HandleEvent(move);
        form.ViewTick();
        f.window->Bindings().Sync();
        graph->repaint();
    }
    UserEvent release;
    release.kind = EventKind::MouseUp;
    release.sender = &form.window.GrafAdv;
    release.button = kButtonLeft;
    release.x = p.x;
    release.y = p.y;
    form.HandleEvent(release);
}
BENCHMARK(BM_CurveDragStep)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvell
