// Cost of the main loop: one 55 ms tick of the whole window, idle and with a monitoring frame
// (with and without the live log recording it).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "app/form_hlav.h"
#include "bench_platform.h"
#include "simulated_unit.h"

namespace orvell {
namespace {

// A port that is always there, takes every frame at once and delivers what the bench queues.
class QueuePort : public SerialPort {
  public:
    PortOpenFailure Open(const std::string&) override { return {}; }
    void Close() override {}
    bool IsOpen() const override { return true; }
    std::size_t QueuedBytes() override { return input.size(); }
    std::size_t ReadQueued(std::span<std::uint8_t> buffer) override {
        const std::size_t n = std::min(buffer.size(), input.size());
        std::copy_n(input.begin(), n, buffer.begin());
        input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }
    bool WriteFrame(std::span<const std::uint8_t>) override { return true; }
    void AbortInput() override { input.clear(); }

    std::vector<std::uint8_t> input;
};

struct Started {
    BenchFolder folder;
    InertPlatform platform;
    QueuePort port;
    TFormHlav form{platform, FormOptions{folder.Path(), {}, &port}};
    Started() { form.FormCreate(); }
};

// Nothing received: transfer and watchdog counters, status countdown, live point colours.
void BM_IdleTick(benchmark::State& state) {
    Started s;
    for (auto _ : state) {
        s.form.Timer1Timer();
        benchmark::DoNotOptimize(s.form.window.LabelSpojeni);
    }
}
BENCHMARK(BM_IdleTick);

// A monitoring frame arrives: decoded, copied into the monitor labels, live point moved; with
// `recording`, also written as one row of the live log (flushed once a second of the clock).
void TickWithMonitorFrame(benchmark::State& state, bool recording) {
    Started s;
    if (recording) {
        s.platform.logFile = s.folder.Path() / "bench-log.csv";
        s.form.MenuRecordLogClick();
        if (!s.form.LiveLogRecording()) state.SkipWithError("the log could not be created");
    }
    sim::SimulatedUnit unit;
    std::vector<Frame> frames;
    for (int i = 0; i < 64; ++i) {
        frames.push_back(unit.MonitorFrame());
        unit.Advance(330);
    }
    std::size_t n = 0;
    for (auto _ : state) {
        const Frame& frame = frames[n++ % frames.size()];
        s.port.input.assign(frame.begin(), frame.end());
        s.platform.clockMs += 55;
        s.form.Timer1Timer();
        benchmark::DoNotOptimize(s.form.window.LabelRpm);
    }
    if (recording) s.form.MenuStopLogClick();
}
void BM_TickWithMonitorFrame(benchmark::State& state) {
    TickWithMonitorFrame(state, false);
}
BENCHMARK(BM_TickWithMonitorFrame);
void BM_TickWithMonitorFrameRecording(benchmark::State& state) {
    TickWithMonitorFrame(state, true);
}
BENCHMARK(BM_TickWithMonitorFrameRecording);

}  // namespace
}  // namespace orvell
