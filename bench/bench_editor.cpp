// Costs of the window model on the paths every user edit takes.
#include <benchmark/benchmark.h>

#include "app/form_hlav.h"
#include "bench_platform.h"
#include "core/bike_presets.h"

namespace orvell {
namespace {

void StartUp(TFormHlav& form) {
    ApplyStartupSet(form.image);
    form.ApplyConsistencyRules();
    form.RefreshControls();
    form.ResetHistory();
    form.UpdateLayout();
}

// One spinner click: gather, rules, refresh, layout and a stored snapshot.
void BM_FullEdit(benchmark::State& state) {
    BenchFolder folder;
    InertPlatform platform;
    TFormHlav form(platform, FormOptions{folder.Path(), {}, nullptr});
    StartUp(form);
    bool up = true;
    for (auto _ : state) {
        form.UpDownClick(form.window.UpDownCell[55], up);
        up = !up;
        benchmark::DoNotOptimize(form.image);
    }
}
BENCHMARK(BM_FullEdit);

// One undo (or redo) step: restore the snapshot and refresh every control.
void BM_UndoStep(benchmark::State& state) {
    BenchFolder folder;
    InertPlatform platform;
    TFormHlav form(platform, FormOptions{folder.Path(), {}, nullptr});
    StartUp(form);
    form.UpDownClick(form.window.UpDownBaseAdv, true);
    bool undo = true;
    for (auto _ : state) {
        if (undo) {
            form.SpeedButtonZpetClick();
        } else {
            form.SpeedButtonZnovuClick();
        }
        undo = !undo;
        benchmark::DoNotOptimize(form.image);
    }
}
BENCHMARK(BM_UndoStep);

}  // namespace
}  // namespace orvell
