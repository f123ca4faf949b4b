// The binder on the offscreen platform: a sync after a refresh that changes every value, and
// a sync with nothing to do (what every tick costs when nothing moved).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStyleFactory>

#include "app/form_hlav.h"
#include "qt/command_table.h"
#include "qt/interim_start.h"
#include "qt/main_window.h"

namespace orvell {
namespace {

struct Front {
    Front() {
        InterimStart(form, 0, texts);
        window = std::make_unique<MainWindow>(form, commands);
        form.window.PageControl1.SetActivePageIndex(kPageAdvance);  // the grid on screen
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
    TFormHlav form;
    CommandTable commands;
    MessageTexts texts;
    std::unique_ptr<MainWindow> window;
    ParamImage first, second;
};

Front& TheFront() {
    static Front* front = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "orvell_bench_qt";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        return new Front;
    }();
    return *front;
}

void BM_SyncAfterFullRefresh(benchmark::State& state) {
    Front& f = TheFront();
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
    Front& f = TheFront();
    f.window->Bindings().Sync();
    for (auto _ : state) benchmark::DoNotOptimize(f.window->Bindings().Sync());
}
BENCHMARK(BM_SyncNothingChanged)->Unit(benchmark::kMicrosecond);

// From an empty main window object to the window on screen and painted once: what the start
// adds to the toolkit's own start.
void BM_BuildAndShowWindow(benchmark::State& state) {
    TheFront();  // the application exists
    for (auto _ : state) {
        TFormHlav form;
        CommandTable commands;
        MessageTexts texts;
        InterimStart(form, 0, texts);
        MainWindow window(form, commands);
        window.show();
        window.grab();
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_BuildAndShowWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvell
