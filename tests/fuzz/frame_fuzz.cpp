// libFuzzer target for received frames: the monitoring answer and the unit information block.
// Kept to this one file, so that it follows the link's interface easily.
//
// Input: one control byte, then the 102 frame bytes, then bytes laid over the start-up set's image
// (bytes 0..206). Control bit 0 turns the frame into a monitoring answer with a valid check byte,
// so that most runs reach the decoding; bit 2 is the TPS map check box.
//
// Checks: a refused frame changes nothing; an accepted one leaves both gauges within 0..100 and a
// live point that names a column, a servo point and a throttle row of the tables; the unit's
// texts keep their fixed widths.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/bike_presets.h"
#include "i18n/messages.h"
#include "link/frame.h"
#include "link/monitor.h"
#include "link/unit_info.h"

namespace {

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

bool Same(const orvell::MonitorState& a, const orvell::MonitorState& b) {
    return a.liveEngineSpeed == b.liveEngineSpeed && a.liveThrottle == b.liveThrottle &&
           a.liveTpsVoltage == b.liveTpsVoltage && a.savingCountdown == b.savingCountdown;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvell;
    if (size < 1) return 0;
    const std::uint8_t control = data[0];
    ++data;
    --size;

    Frame frame{};
    const std::size_t frameBytes = std::min(size, kFrameSize);
    std::memcpy(frame.data(), data, frameBytes);
    data += frameBytes;
    size -= frameBytes;
    if (control & 1) {
        frame[0] = command::kMonitorAnswer;
        SetCheckByte(frame);
    }

    static const ParamImage startUp = [] {
        ParamImage image;
        ApplyStartupSet(image);
        return image;
    }();
    ParamImage image = startUp;
    std::memcpy(image.Raw().data(), data, std::min(size, kStoredSize));

    static const MessageTexts texts = MessagesFor(kEnglish);
    const MonitorState stateBefore{1234, 50, 2100, 0};
    MonitorState state = stateBefore;
    MonitorReadout readout;
    readout.engineSpeed.text = "unchanged";
    readout.engineSpeedPercent = 42;
    readout.throttlePercent = 43;
    const bool accepted = HandleMonitorFrame(frame, image, texts, state, readout);
    if (!accepted) {
        if (!Same(state, stateBefore) || readout.engineSpeed.text != "unchanged" ||
            readout.engineSpeedPercent != 42 || readout.throttlePercent != 43) {
            std::abort();
        }
    } else if (!Within(readout.engineSpeedPercent, 0, 100) ||
               !Within(readout.throttlePercent, 0, 100)) {
        std::abort();
    }

    const LivePoint point = ComputeLivePoint(state, image, control & 4);
    if (!Within(point.rpmColumn, 0, kMapColumns - 1) ||
        !Within(point.servoPoint, 0, kServoPoints - 1) ||
        !Within(point.throttleRow, 0, kMapRows - 1)) {
        std::abort();
    }
    (void)ColoursFor(point);

    const UnitInfoTexts info = DecodeUnitInfo(Payload(frame));
    if (info.programDate.size() != 10 || info.programTime.size() != 5 || info.programId.empty() ||
        info.programId.size() > 30) {
        std::abort();
    }
    return 0;
}
