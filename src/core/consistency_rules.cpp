#include "core/consistency_rules.h"

namespace orvell {

namespace {

ConsistencyRules::Axis ReadAxis(const ParamImage& image) {
    ConsistencyRules::Axis axis;
    for (int i = 0; i < kAxisPoints; ++i) axis[i] = image.RpmAxis(i);
    return axis;
}

void WriteAxis(ParamImage& image, const ConsistencyRules::Axis& axis) {
    for (int i = 0; i < kAxisPoints; ++i) image.SetRpmAxis(i, axis[i]);
}

// Axis limits of the active breakpoint k, in units of 100 rpm.
constexpr int AxisMin(int k) {
    return k + 3;
}
constexpr int AxisMax(int k) {
    return k + 190;
}
// Servo speed i, in units of 100 rpm.
constexpr int ServoMin(int i) {
    return i + 3;
}
constexpr int ServoMax(int i) {
    return i + 191;
}
constexpr std::uint8_t kTpsVoltageMax = 250;
constexpr std::uint8_t kMaxChannels = 4;

}  // namespace

void ConsistencyRules::ResetAxisMemory() {
    pushed_.fill(false);
    remembered_.fill(0);
    editedBreakpoint_ = kNoBreakpoint;
}

int ConsistencyRules::ChangedBreakpoint(const Axis& axis) const {
    int changed = kNoBreakpoint;
    for (int i = 0; i < kAxisPoints; ++i) {
        if (axis[i] == previousAxis_[i]) continue;
        if (changed != kNoBreakpoint) return kFindChangedBreakpoint;  // two or more
        changed = i;
    }
    return changed;
}

void ConsistencyRules::PushNeighbours(Axis& axis, int p, int direction) {
    // Iterative form of the chain: each violating neighbour ends one step beyond the previous one.
    for (int n = p + direction; n >= 0 && n < kAxisPoints; p = n, n += direction) {
        const bool outOfOrder = direction < 0 ? axis[n] >= axis[p] : axis[n] <= axis[p];
        if (!outOfOrder) return;
        if (!pushed_[n]) remembered_[n] = axis[n];
        pushed_[n] = true;
        axis[n] = static_cast<std::uint8_t>(axis[p] + direction);
    }
}

void ConsistencyRules::ReturnPushed(Axis& axis) {
    for (int pass = 0; pass < kAxisPoints; ++pass) {
        for (int j = 0; j < kAxisPoints; ++j) {
            if (!pushed_[j]) continue;
            if (axis[j] < remembered_[j]) {
                int target = remembered_[j];
                if (j < kAxisPoints - 1 && axis[j + 1] - 1 < target) target = axis[j + 1] - 1;
                axis[j] = static_cast<std::uint8_t>(target);
            }
            if (axis[j] > remembered_[j]) {
                int target = remembered_[j];
                if (j > 0 && axis[j - 1] + 1 > target) target = axis[j - 1] + 1;
                axis[j] = static_cast<std::uint8_t>(target);
            }
            if (axis[j] == remembered_[j]) pushed_[j] = false;
        }
    }
}

void ConsistencyRules::ApplyConsistencyRules(ParamImage& image, BoundedSettings* settings) {
    Axis axis = ReadAxis(image);

    // Find which breakpoint the user moves; a new one starts a fresh memory.
    const int changed = ChangedBreakpoint(axis);
    if (editedBreakpoint_ == kFindChangedBreakpoint) editedBreakpoint_ = changed;
    if (editedBreakpoint_ >= 0 && editedBreakpoint_ < kAxisPoints &&
        editedBreakpoint_ != activeBreakpoint_) {
        activeBreakpoint_ = editedBreakpoint_;
        ResetAxisMemory();
        editedBreakpoint_ = activeBreakpoint_;
    }

    // Bound the active breakpoint, then push its neighbours out of the way. Bounding first
    // keeps the axis strictly ascending: a breakpoint pushed down from an unbounded value would
    // end up level with the bounded one.
    const int k = activeBreakpoint_;
    if (axis[k] < AxisMin(k)) axis[k] = static_cast<std::uint8_t>(AxisMin(k));
    if (axis[k] > AxisMax(k)) axis[k] = static_cast<std::uint8_t>(AxisMax(k));
    PushNeighbours(axis, k, -1);
    PushNeighbours(axis, k, +1);

    // Pushed neighbours return toward where they stood; the axis is remembered for the next
    // pass.
    ReturnPushed(axis);
    previousAxis_ = axis;
    WriteAxis(image, axis);

    // TPS voltages at most 5000 mV.
    if (image.Tps0Voltage() > kTpsVoltageMax) image.SetTps0Voltage(kTpsVoltageMax);
    if (image.Tps100Voltage() > kTpsVoltageMax) image.SetTps100Voltage(kTpsVoltageMax);

    // Servo speeds bounded, then strictly ascending.
    for (int i = 0; i < kServoPoints; ++i) {
        if (image.ServoSpeed(i) < ServoMin(i))
            image.SetServoSpeed(i, static_cast<std::uint8_t>(ServoMin(i)));
        if (image.ServoSpeed(i) > ServoMax(i))
            image.SetServoSpeed(i, static_cast<std::uint8_t>(ServoMax(i)));
    }
    for (int i = 1; i < kServoPoints; ++i) {
        if (image.ServoSpeed(i) <= image.ServoSpeed(i - 1)) {
            image.SetServoSpeed(i, static_cast<std::uint8_t>(image.ServoSpeed(i - 1) + 1));
        }
    }

    // Window settings held beside the image: out of range means the first choice.
    if (settings != nullptr) {
        if (settings->languageIndex > 3) settings->languageIndex = 0;
        if (settings->portChoice >= 31) settings->portChoice = 0;
        if (settings->autoPortNumber >= 30) settings->autoPortNumber = 0;
    }

    // Synchronisation description: one lobe for the one-lobe method, lobe numbers within the
    // lobe count, 2nd pick-up flags only where there is a 2nd pick-up, at most four channels.
    const std::uint8_t method = image.SyncMethod();
    if (method == kMethodOneLobe) image.SetLobeCount(1);
    const std::uint8_t lobes = image.LobeCount();
    for (int c = 0; c < kChannels; ++c) {
        if (image.MaxAdvanceLobe(c) > lobes) image.SetMaxAdvanceLobe(c, lobes);
        if (image.StartAdvanceLobe(c) > lobes) image.SetStartAdvanceLobe(c, lobes);
        if (image.MaxAdvanceLobe(c) == 0) image.SetMaxAdvanceLobe(c, 1);
        if (image.StartAdvanceLobe(c) == 0) image.SetStartAdvanceLobe(c, 1);
        if (!MethodHasTwoPickups(method)) {
            image.SetMaxAdvance2ndPickup(c, 0);
            image.SetStartAdvance2ndPickup(c, 0);
        }
    }
    if (image.ChannelCount() >= kMaxChannels) image.SetChannelCount(kMaxChannels);
}

}  // namespace orvell
