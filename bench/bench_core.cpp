// Costs of the parameter model on the paths every edit takes.
#include <benchmark/benchmark.h>

#include "core/bike_presets.h"
#include "core/consistency_rules.h"

namespace orvell {
namespace {

ParamImage StartupImage() {
    ParamImage image;
    ApplyStartupSet(image);
    return image;
}

// A breakpoint dragged up and down through its neighbours: push and return every pass.
void BM_RulePassWhileDraggingBreakpoint(benchmark::State& state) {
    ParamImage image = StartupImage();
    ConsistencyRules rules;
    rules.ApplyConsistencyRules(image);
    int step = 0;
    for (auto _ : state) {
        image.SetRpmAxis(2, static_cast<std::uint8_t>(30 + (step++ % 60)));
        rules.SetEditedBreakpoint(kFindChangedBreakpoint);
        rules.ApplyConsistencyRules(image);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_RulePassWhileDraggingBreakpoint);

void BM_DefaultsAndPreset(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(StartupImage());
}
BENCHMARK(BM_DefaultsAndPreset);

}  // namespace
}  // namespace orvell
