#include "simulated_unit.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "core/bike_presets.h"
#include "core/consistency_rules.h"
#include "link/monitor.h"

namespace orvell::sim {

namespace {

// A triangle wave between lo and hi with the given period.
int Sweep(std::uint64_t t, int periodMs, int lo, int hi) {
    const double phase = static_cast<double>(t % static_cast<std::uint64_t>(periodMs)) / periodMs;
    const double x = phase < 0.5 ? 2 * phase : 2 - 2 * phase;
    return lo + static_cast<int>(std::lround(x * (hi - lo)));
}

void PutWord(Frame& f, std::size_t at, int value) {
    f[at] = static_cast<std::uint8_t>(value & 0xFF);
    f[at + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// Last breakpoint at or below the value (0 below the first).
template <typename T>
int FloorIndex(const T* points, int value) {
    int i = 0;
    while (i < 9 && points[i + 1] <= value) ++i;
    return i;
}

int MillivoltsToReading(int mv) {
    return std::clamp(mv * 1023 / 5000, 0, 1023);
}

}  // namespace

SimulatedUnit::SimulatedUnit(UnitOptions options)
    : options_(std::move(options)), rng_(options_.seed) {
    // Program "ORV07" of 11 Dec 2026, 08:30.
    block0_ = {'O', 'R', 'V', 7, 11, 'D' + 'e' + 'c' - 256, 26, 8, 30};
    const std::size_t n = std::min<std::size_t>(options_.programText.size(), 30);
    std::copy_n(options_.programText.begin(), n, block0_.begin() + 16);
    // A unit holds what the tool programmed into it: the start-up set as the rules leave it.
    ApplyStartupSet(stored_);
    ConsistencyRules().ApplyConsistencyRules(stored_);
}

std::span<const std::uint8_t, kBlockSize> SimulatedUnit::Block(int n) const {
    return n == 1 ? stored_.Block1() : stored_.Block2();
}

void SimulatedUnit::SetBlocks(const ParamImage& image) {
    std::copy(image.Block1().begin(), image.Block1().end(), stored_.Block1().begin());
    std::copy(image.Block2().begin(), image.Block2().end(), stored_.Block2().begin());
}

std::optional<Frame> SimulatedUnit::CleanAnswer(const Frame& request) {
    if (!HasValidCheckByte(request)) return std::nullopt;
    const std::uint8_t cmd = request[0];
    if (cmd == command::kMonitor) return MonitorFrame();
    const int block = cmd & command::kBlockMask;
    if ((cmd & command::kAnswerBit) || block > 2 || (cmd & ~(command::kReadBit | 3)) != 0) {
        return std::nullopt;
    }
    block0_[kUnitVersionByte] = options_.version;
    if (block == 0) return MakeFrame(cmd | command::kAnswerBit, block0_);
    if (!(cmd & command::kReadBit)) {
        const auto payload = Payload(request);
        auto target = block == 1 ? stored_.Block1() : stored_.Block2();
        std::copy(payload.begin(), payload.end(), target.begin());
        ++storeRevision_;
        if (block == 2) {
            ++programCount_;
            savingCountdown_ = 414;
            savingLeftMs_ = kSavingMs;
        }
    }
    return MakeFrame(cmd | command::kAnswerBit, Block(block));
}

std::optional<Frame> SimulatedUnit::Answer(const Frame& request) {
    lastCorruption_ = Corruption::None;
    lastRequestCorruption_ = Corruption::None;
    // A silent unit does nothing; a dropped answer is lost on the line after the unit acted.
    if (options_.silent) return std::nullopt;
    std::uniform_real_distribution<double> share(0.0, 1.0);
    std::optional<Frame> answer;
    if (options_.requestCorruptShare > 0 && share(rng_) < options_.requestCorruptShare) {
        // The unit acts on what arrived: a damage the check byte cannot see may turn the
        // request into another one (a read into a write of block 1, say).
        Frame arrived = request;
        lastRequestCorruption_ = Damage(arrived, 0);
        answer = CleanAnswer(arrived);
    } else {
        answer = CleanAnswer(request);
    }
    if (!answer) return answer;
    if (options_.dropShare > 0 && share(rng_) < options_.dropShare) return std::nullopt;
    if (options_.corruptShare > 0 && share(rng_) < options_.corruptShare) {
        lastCorruption_ = Damage(*answer, 1);
    }
    return answer;
}

Corruption SimulatedUnit::Damage(Frame& frame, std::size_t first) {
    std::uniform_int_distribution<int> kind(0, 2), bit(0, 7),
        at(static_cast<int>(first), kPayloadSize);
    const auto mask = static_cast<std::uint8_t>(1 << bit(rng_));
    switch (kind(rng_)) {
        case 0:
            frame[kCheckByte] ^= mask;
            return Corruption::CheckByte;
        case 1:
            frame[static_cast<std::size_t>(at(rng_))] ^= mask;
            return Corruption::PayloadBit;
        default: {
            const int a = at(rng_);
            int b = at(rng_);
            if (b == a) b = a == static_cast<int>(kPayloadSize) ? static_cast<int>(first) : a + 1;
            frame[static_cast<std::size_t>(a)] ^= mask;
            frame[static_cast<std::size_t>(b)] ^= mask;
            return Corruption::TwinBits;
        }
    }
}

void SimulatedUnit::Advance(int milliseconds) {
    if (milliseconds <= 0) return;
    timeMs_ += static_cast<std::uint64_t>(milliseconds);
    if (savingLeftMs_ > 0) {
        savingLeftMs_ = std::max(0.0, savingLeftMs_ - milliseconds);
        savingCountdown_ = static_cast<std::uint16_t>(std::ceil(savingLeftMs_ * 414 / kSavingMs));
    }
}

Frame SimulatedUnit::MonitorFrame() const {
    const ParamImage& p = stored_;
    Frame f{};
    f[0] = command::kMonitorAnswer;
    const int limiter = p.LimiterSpeed() != 0 ? p.LimiterSpeed() * 100 : 10000;
    const int speed = Sweep(timeMs_, 16000, 1000, limiter + 200);
    const int throttle = Sweep(timeMs_, 7000, 0, 100);
    PutWord(f, monitor::kEngineSpeed, speed);
    const int tps0 = conv::kTps0Voltage.Show(p.Tps0Voltage());
    const int tps100 = conv::kTps100Voltage.Show(p.Tps100Voltage());
    PutWord(f, monitor::kThrottleReading,
            MillivoltsToReading(tps0 + (tps100 - tps0) * throttle / 100));
    PutWord(f, monitor::kSupplyVoltage, 13800 + Sweep(timeMs_, 9000, -400, 400));

    // Servo: desired voltage from the servo map, measured following it a little behind.
    const int s = speed / 100;
    const int servoMv = conv::kServoVoltage.Show(
        p.ServoVoltage(FloorIndex(p.Raw().data() + field::kServoSpeed, s)));
    PutWord(f, monitor::kServoDesired, MillivoltsToReading(servoMv));
    PutWord(f, monitor::kServoMeasured, MillivoltsToReading(servoMv * 97 / 100));
    PutWord(f, monitor::kProgramCount, programCount_);
    for (int i = 0; i < 8; ++i) {
        PutWord(f, monitor::kTestValues + 2 * static_cast<std::size_t>(i), (i + 1) * 111);
    }

    f[monitor::kClutchMaster] = throttle > 90 && speed > 6000;
    f[monitor::kThrottlePercent] = static_cast<std::uint8_t>(throttle);
    f[monitor::kShiftLight] = p.ShiftLightSpeed() != 0 && s >= p.ShiftLightSpeed();
    // Pick-ups: plenty of revolutions, a plausible pulse count, signals while turning.
    const bool twoPickups =
        MethodHasTwoPickups(p.SyncMethod()) || MethodHasCamSensor(p.SyncMethod());
    const auto pulses = static_cast<std::uint8_t>(std::min(255, p.LobeCount() * 2));
    for (std::size_t k = 0; k < 2; ++k) {
        f[monitor::kPickupRevolutions + k] = 250;
        f[monitor::kPickupPulses + k] = pulses;
    }
    f[monitor::kPickupSignal] = speed > 0;
    f[monitor::kPickupSignal + 1] = twoPickups && speed > 0;

    // Advance per channel from the stored map at the current operating point.
    const int row = p.TpsMapFlag() ? FloorIndex(kThrottleBreakpoints.data(), throttle) : 9;
    const int column = FloorIndex(p.Raw().data() + field::kRpmAxis, s);
    int mapMax = 0;
    for (std::size_t k = 0; k < 100; ++k) mapMax = std::max<int>(mapMax, p[field::kAdvanceMap + k]);
    for (int ch = 0; ch < 4; ++ch) {
        if (ch >= p.ChannelCount()) continue;
        const auto at = static_cast<std::size_t>(ch);
        f[monitor::kChannelAdvance + at] = static_cast<std::uint8_t>(p.MapCell(row, column) + 100);
        PutWord(f, monitor::kChannelMaxAdvance + 2 * at, mapMax);
    }
    f[monitor::kSpeedAlarm] = p.LimiterSpeed() != 0 && speed >= limiter;
    f[monitor::kSpeedWarning] = p.LimiterSpeed() != 0 && speed >= limiter - 500;
    f[monitor::kServoInOrder] = 1;
    // Input 1 and input 2 grounded now and then.
    f[monitor::kInputGrounded] = timeMs_ % 10000 < 3000;
    f[monitor::kInputGrounded + 1] = (timeMs_ + 5000) % 10000 < 2000;
    PutWord(f, monitor::kSavingCountdown, savingCountdown_);
    f[monitor::kUnitProgramVersion] = options_.version;
    SetCheckByte(f);
    return f;
}

bool SimulatedUnit::Load(const std::string& path, std::string* error) {
    std::ifstream in(path);
    if (!in) {
        if (error) *error = path + ": cannot open";
        return false;
    }
    ParamImage loaded = stored_;
    int count = programCount_;
    std::string line;
    bool ok = true;
    while (ok && std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        if (!(words >> key) || key[0] == '#') continue;
        if (key == "PROGRAM_COUNT") {
            ok = static_cast<bool>(words >> count);
        } else if (key == "BLOCK1" || key == "BLOCK2") {
            auto block = key == "BLOCK1" ? loaded.Block1() : loaded.Block2();
            for (auto& b : block) {
                int v;
                ok = ok && static_cast<bool>(words >> v) && v >= 0 && v <= 255;
                if (ok) b = static_cast<std::uint8_t>(v);
            }
        }
    }
    if (!ok) {
        if (error) *error = path + ": not a unit store";
        return false;
    }
    stored_ = loaded;
    programCount_ = static_cast<std::uint16_t>(count);
    return true;
}

bool SimulatedUnit::Save(const std::string& path, std::string* error) const {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        out << "# orvell-unit-sim store: blocks 1 and 2 as the unit holds them\n";
        out << "PROGRAM_COUNT " << programCount_ << "\n";
        for (int n = 1; n <= 2; ++n) {
            out << "BLOCK" << n;
            for (std::uint8_t b : Block(n)) out << ' ' << static_cast<int>(b);
            out << "\n";
        }
        out.flush();
        if (!out) {
            if (error) *error = temp + ": cannot write";
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        if (error) *error = path + ": cannot replace";
        return false;
    }
    return true;
}

}  // namespace orvell::sim
