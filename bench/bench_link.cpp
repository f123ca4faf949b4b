// Costs of the link on the paths every tick takes, and the length of complete transfers in ticks
// against a prompt unit.
#include <benchmark/benchmark.h>

#include "link/device_link.h"
#include "link_fakes.h"

namespace orvell {
namespace {

using testing::FakeWindow;
using testing::LinkBench;

// One answer handled and one tick per iteration, over Verify transfers that restart when done.
void BM_HandleResponseAndTransferTick(benchmark::State& state) {
    ParamImage image = testing::PatternImage(1);
    const MessageTexts texts = MessagesFor(kEnglish);
    LinkReports reports;
    Transfer transfer(image, texts, reports, [](const Frame& f) { benchmark::DoNotOptimize(f); });
    FakeWindow view(reports, transfer);
    const Frame block1 = MakeFrame(0xC1, image.Block1());
    const Frame block2 = MakeFrame(0xC2, image.Block2());
    for (auto _ : state) {
        if (transfer.Mode() == TransferMode::Idle) view.MenuVerifyClick();
        benchmark::DoNotOptimize(
            transfer.HandleResponse(transfer.CommandByte() == 0x41 ? block1 : block2));
        view.Take();
        transfer.TransferTick(0);
        view.Take();
        view.statusLog.clear();
    }
}
BENCHMARK(BM_HandleResponseAndTransferTick);

// A monitoring frame decoded into every reading, then the live point and its colours.
void BM_MonitorFrameAndLivePoint(benchmark::State& state) {
    sim::SimulatedUnit unit;
    std::vector<Frame> frames;
    for (int i = 0; i < 64; ++i) {
        frames.push_back(unit.MonitorFrame());
        unit.Advance(330);
    }
    ParamImage image = testing::PatternImage(2);
    for (int i = 0; i < 10; ++i) image.SetRpmAxis(i, static_cast<std::uint8_t>(10 * (i + 1)));
    const MessageTexts texts = MessagesFor(kEnglish);
    MonitorState monitor;
    MonitorReadout readout;
    std::size_t n = 0;
    for (auto _ : state) {
        HandleMonitorFrame(frames[n++ % frames.size()], image, texts, monitor, readout);
        const LiveColours colours = ColoursFor(ComputeLivePoint(monitor, image, true));
        benchmark::DoNotOptimize(colours);
        benchmark::DoNotOptimize(readout);
    }
}
BENCHMARK(BM_MonitorFrameAndLivePoint);

// Ticks from the command to the verified result, for every phase of the Idle tick counter at
// the command (the first request leaves 1 to 4 ticks later). The time measured is the
// simulation's, not the 55 ms ticks.
void TransferTicks(benchmark::State& state, void (FakeWindow::*start)()) {
    int fewest = 1000, most = 0;
    for (auto _ : state) {
        for (int idle = 0; idle < 6; ++idle) {
            LinkBench b;
            for (int i = 0; i < 12 + idle; ++i) b.Tick();
            (b.view.*start)();
            int ticks = 0;
            while (!b.view.SawStatus("Verify:: OK") && ticks < 100) {
                b.Tick();
                ++ticks;
            }
            fewest = std::min(fewest, ticks);
            most = std::max(most, ticks);
        }
    }
    state.counters["ticks_min"] = fewest;
    state.counters["ticks_max"] = most;
    state.counters["ms_max"] = most * 55;
}
void BM_ProgramWithVerifyTicks(benchmark::State& state) {
    TransferTicks(state, &FakeWindow::StartProgramTransfer);
}
void BM_ReadWithVerifyTicks(benchmark::State& state) {
    TransferTicks(state, &FakeWindow::MenuReadClick);
}
BENCHMARK(BM_ProgramWithVerifyTicks)->Iterations(1);
BENCHMARK(BM_ReadWithVerifyTicks)->Iterations(1);

}  // namespace
}  // namespace orvell
