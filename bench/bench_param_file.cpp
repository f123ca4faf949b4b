// Costs of saving and opening a parameter file; both run on the window's thread.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "core/bike_presets.h"
#include "core/param_file.h"

namespace orvell {
namespace {

ParamImage DefaultImage() {
    ParamImage image;
    image.SetBikeCode(kStartupBikeCode);
    ApplyDefaults(image);
    return image;
}

void BM_FormatParameterFile(benchmark::State& state) {
    const ParamImage image = DefaultImage();
    for (auto _ : state) benchmark::DoNotOptimize(FormatParameterFile(image));
}
BENCHMARK(BM_FormatParameterFile);

void BM_ParseParameterFile(benchmark::State& state) {
    const std::string text = FormatParameterFile(DefaultImage());
    ParamImage image;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ParseParameterFile(text, image));
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(BM_ParseParameterFile);

// The whole Save: temporary file, flush to the disk, rename. Dominated by the disk.
void BM_WriteParameterFile(benchmark::State& state) {
    const ParamImage image = DefaultImage();
    const auto path = std::filesystem::temp_directory_path() /
                      ("orvell-bench-" + std::to_string(getpid()) + ".ign");
    for (auto _ : state) {
        if (!WriteParameterFile(path, image)) state.SkipWithError("write failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_WriteParameterFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvell
