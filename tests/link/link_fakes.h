// Test doubles for the link: a window that takes the link's reports and keeps what they said, and
// an in-process serial line to a SimulatedUnit whose answers arrive a chosen number of ticks later.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "link/device_link.h"
#include "link/posix_serial_port.h"
#include "pty_unit.h"
#include "simulated_unit.h"

namespace orvell::testing {

struct StatusEntry {
    std::string text;
    Colour colour;
    bool restartsCountdown;
};

// The main window as far as the link is concerned. Its commands count the editor's gather, rule
// pass and refresh, then start the transfer, as the window's do; `Take()` handles the reports the
// way the window does, counting rule passes, refreshes and image replacements. Unlike the window
// it leaves a running transfer alone before a message, so the tests see that the link itself
// stops where it must.
class FakeWindow {
  public:
    FakeWindow(LinkReports& reports, Transfer& transfer) : reports_(reports), transfer_(transfer) {}

    void MenuProgramClick() {
        PrepareTransfer();
        transfer_.StartProgram();
        Take();
    }
    void MenuVerifyClick() {
        PrepareTransfer();
        transfer_.StartVerify();
        Take();
    }
    void MenuReadClick() {
        ++fileNameClears;
        transfer_.StartRead();
        Take();
    }
    // The Program that follows an edit when "Programming after change" is on: nothing gathered.
    void StartProgramTransfer() {
        transfer_.StartProgram();
        Take();
    }

    void Take() { reports_.Take(*this); }

    void operator()(const PortOpening& r) { comLabel = "COM= COM" + std::to_string(r.com); }
    void operator()(const PortChosen& r) { checkedItem = r.choice; }
    void operator()(const UnitSilence& r) { noConnectionVisible = r.silent; }
    void operator()(const MessageForUser& r) {
        messages.push_back(r.text);
        if (duringMessage) duringMessage();
    }
    void operator()(const StatusShown& r) { Show(r.text, colour::kButtonFace); }
    void operator()(const StatusChanged& r) {
        statusLog.push_back({r.text, colour::kButtonFace, false});
        status = r.text;
        statusColour = colour::kButtonFace;
    }
    void operator()(const StatusCountdownSet& r) { statusCountdown = r.ticks; }
    void operator()(const ProgressChanged& r) {
        gauge = r.value;
        gaugeMaximum = r.maximum;
    }
    void operator()(const TransferStarted& r) {
        Show(r.text, colour::kButtonFace);
        gauge = 0;
        gaugeMaximum = r.progressMaximum;
        gaugeVisible = true;
    }
    void operator()(const TransferSucceeded& r) {
        successes.push_back(r.kind);
        gauge = gaugeMaximum = r.progressMaximum;
        Show(r.message, colour::kButtonFace);
    }
    void operator()(const TransferFailed& r) {
        if (r.imageRestored) {
            ++imageRestores;
            ++rulePasses;
            ++refreshes;
        }
        Show(r.message, colour::kRed);
    }
    void operator()(const MonitorFrameDecoded&) {}
    void operator()(const UnitInfoArrived& r) {
        if (r.readGoesOn) return;
        ++rulePasses;
        ++refreshes;
    }
    void operator()(const ReadCompleted& r) {
        if (r.sideBuffer) {
            ++sideReadings;
            return;
        }
        ++imageReplacements;
        ++rulePasses;
        ++refreshes;
        if (rulePassAfterRead) rulePassAfterRead();
    }

    bool SawStatus(const std::string& text) const {
        return std::any_of(statusLog.begin(), statusLog.end(),
                           [&](const StatusEntry& e) { return e.text == text; });
    }

    std::string comLabel;
    int checkedItem = -1;
    bool noConnectionVisible = false;
    std::vector<std::string> messages;
    std::function<void()> duringMessage;
    // Stands for the rule pass the window runs on the image a Read has just replaced.
    std::function<void()> rulePassAfterRead;
    std::vector<StatusEntry> statusLog;
    std::string status;
    Colour statusColour = 0;
    int statusCountdown = 0;
    bool statusVisible = false;
    int gauge = 0;
    int gaugeMaximum = 2;
    bool gaugeVisible = false;
    int gathers = 0;
    int rulePasses = 0;
    int refreshes = 0;
    int imageReplacements = 0;
    int imageRestores = 0;  // failed Reads whose blocks the link took back out of the image
    int fileNameClears = 0;
    std::vector<TransferKind> successes;  // the kind of every success, in order
    int sideReadings = 0;                 // Reads completed into a Compare's buffer

  private:
    void PrepareTransfer() {
        ++gathers;
        ++rulePasses;
        ++refreshes;
    }
    void Show(const std::string& text, Colour colour) {
        statusLog.push_back({text, colour, true});
        status = text;
        statusColour = colour;
        statusCountdown = 200;
        statusVisible = true;
    }

    LinkReports& reports_;
    Transfer& transfer_;
};

// A serial line straight into a SimulatedUnit. An answer to a frame written during one tick is
// queued at the start of a later tick (DeliverTick), `answerDelay` ticks on.
class UnitLine : public SerialPort {
  public:
    explicit UnitLine(sim::SimulatedUnit& unit) : unit_(unit) {}

    PortOpenFailure Open(const std::string& path) override {
        ++opens;
        openedPaths.push_back(path);
        isOpen_ = present.empty() || present.count(path) > 0;
        if (!isOpen_) return {PortOpenFailure::Kind::NoDevice, 2, path};
        return {};
    }
    void Close() override {
        isOpen_ = false;
        ++closes;
    }
    bool IsOpen() const override { return isOpen_; }
    std::size_t QueuedBytes() override { return isOpen_ ? input.size() : 0; }
    std::size_t ReadQueued(std::span<std::uint8_t> buffer) override {
        const std::size_t n = std::min(buffer.size(), input.size());
        std::copy_n(input.begin(), n, buffer.begin());
        input.erase(input.begin(), input.begin() + static_cast<std::ptrdiff_t>(n));
        return n;
    }
    bool WriteFrame(std::span<const std::uint8_t> frame) override {
        if (!isOpen_) return false;
        Frame request;
        std::copy(frame.begin(), frame.end(), request.begin());
        written.push_back({tick, request});
        if (auto answer = unit_.Answer(request)) {
            if (tamper) tamper(request, *answer);
            const int delay = answerDelay ? answerDelay() : 1;
            inFlight.push_back({tick + delay, *answer});
        }
        return true;
    }
    void AbortInput() override { input.clear(); }

    // Start of a tick: answers that are due join the input queue; the unit's clock moves on.
    void DeliverTick() {
        ++tick;
        unit_.Advance(55);
        for (auto it = inFlight.begin(); it != inFlight.end();) {
            if (it->due <= tick) {
                input.insert(input.end(), it->frame.begin(), it->frame.end());
                it = inFlight.erase(it);
            } else {
                ++it;
            }
        }
    }
    void Queue(std::span<const std::uint8_t> bytes) {
        input.insert(input.end(), bytes.begin(), bytes.end());
    }

    struct Written {
        int tick;
        Frame frame;
    };
    struct InFlight {
        int due;
        Frame frame;
    };
    std::vector<Written> written;
    std::vector<InFlight> inFlight;
    std::deque<std::uint8_t> input;
    std::set<std::string> present;  // empty: every path opens
    std::vector<std::string> openedPaths;
    std::function<int()> answerDelay;
    // Changes an answer on its way back, for damage at a chosen place.
    std::function<void(const Frame& request, Frame& answer)> tamper;
    int tick = 0;
    int opens = 0;
    int closes = 0;

  private:
    sim::SimulatedUnit& unit_;
    bool isOpen_ = false;
};

// Counts the frames that actually left, so the test knows what the unit has to answer.
class CountingPort : public SerialPort {
  public:
    PortOpenFailure Open(const std::string& path) override { return real.Open(path); }
    void Close() override { real.Close(); }
    bool IsOpen() const override { return real.IsOpen(); }
    std::size_t QueuedBytes() override { return real.QueuedBytes(); }
    std::size_t ReadQueued(std::span<std::uint8_t> buffer) override {
        return real.ReadQueued(buffer);
    }
    bool WriteFrame(std::span<const std::uint8_t> frame) override {
        const bool sent = real.WriteFrame(frame);
        writes += sent;
        return sent;
    }
    void AbortInput() override { real.AbortInput(); }

    PosixSerialPort real;
    std::uint64_t writes = 0;
};

// The link of one main window, wired to a simulated unit, ticked in the order of the main loop
// with the reports taken after every step.
struct LinkBench {
    explicit LinkBench(sim::UnitOptions options = {}) : unit(options), line(unit) {
        link.OpenPort();
        view.Take();
    }
    void Tick(bool tpsMap = true) {
        line.DeliverTick();
        link.PollReceive();
        view.Take();
        link.TransferTick();
        view.Take();
        link.WatchdogTick();
        view.Take();
        link.UpdateLivePoint(tpsMap);
    }
    void ChoosePort(int choice) {
        link.ChoosePort(choice);
        view.Take();
    }
    // Ticks until the transfer is back in Idle; returns the ticks taken.
    int RunTransfer(int limit = 200) {
        int ticks = 0;
        while (ticks < limit) {
            Tick();
            ++ticks;
            if (link.GetTransfer().Mode() == TransferMode::Idle) break;
        }
        return ticks;
    }
    Transfer& transfer() { return link.GetTransfer(); }

    sim::SimulatedUnit unit;
    UnitLine line;
    ParamImage image;
    MessageTexts texts = MessagesFor(kEnglish);
    DeviceLink link{line, image, texts};
    FakeWindow view{link.Reports(), link.GetTransfer()};
};

// An image that differs from the unit's factory set in many bytes, made consistent enough for
// the unit: the transfers never look at field meanings.
inline ParamImage PatternImage(int seed) {
    ParamImage image;
    for (std::size_t i = 0; i < 2 * kBlockSize; ++i) {
        image[i] = static_cast<std::uint8_t>((i * 7 + static_cast<std::size_t>(seed) * 13) & 0xFF);
    }
    return image;
}

inline bool BlocksEqual(const sim::SimulatedUnit& unit, const ParamImage& image, bool skipByte1) {
    for (std::size_t i = 0; i < 2 * kBlockSize; ++i) {
        if (skipByte1 && i == 1) continue;
        const std::uint8_t held = unit.Block(i < kBlockSize ? 1 : 2)[i % kBlockSize];
        if (held != image[i]) return false;
    }
    return true;
}

// Unit options in one expression (designated initializers would have to name every field).
inline sim::UnitOptions SilentUnit() {
    sim::UnitOptions o;
    o.silent = true;
    return o;
}
inline sim::UnitOptions UnitOfVersion(int version) {
    sim::UnitOptions o;
    o.version = static_cast<std::uint8_t>(version);
    return o;
}
inline sim::PtyOptions FastPty() {
    sim::PtyOptions o;
    o.paced = false;
    return o;
}

}  // namespace orvell::testing
