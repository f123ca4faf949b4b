#include "link/device_link.h"

#include <algorithm>

namespace orvell {

DeviceLink::DeviceLink(SerialPort& port, ParamImage& image, const MessageTexts& texts)
    : port_(port),
      image_(image),
      texts_(texts),
      transfer_(image, texts, reports_, [this](const Frame& frame) { WritePort(frame); }) {}

void DeviceLink::OpenPort() {
    const int com = (portChoice_ == kAutoPortChoice ? autoPortNumber_ : portChoice_) + 1;
    reports_.Add<PortOpening>(com);
    devicePath_ = DevicePathForCom(com, portOverrides_);
    lastOpenFailure_ = port_.Open(devicePath_);
    if (lastOpenFailure_) {
        if (portChoice_ == kAutoPortChoice) {
            reopenCounter_ = kFailedAutoOpen;
        } else if (!quietOpen_) {
            reports_.Add<MessageForUser>(texts_[Msg::MsgComOpenError] + "\n\n" +
                                         DescribeOpenFailure(lastOpenFailure_));
        }
    }
    reports_.Add<PortChosen>(portChoice_);
}

void DeviceLink::ClosePort() {
    if (!port_.IsOpen()) return;
    port_.AbortInput();
    port_.Close();
}

void DeviceLink::PollReceive() {
    receivedCount_ = 0;
    const std::size_t queued = port_.QueuedBytes();
    if (queued < kFrameSize) return;  // the rest of the frame comes with a later tick
    receivedCount_ =
        port_.ReadQueued(std::span(receive_.data(), std::min(queued, receive_.size())));
    // A short read (the device went away meanwhile) would leave old bytes behind the new ones.
    if (receivedCount_ < kFrameSize) return;

    // Only the first frame counts; anything after it is dropped, and a read that does not start
    // with a frame is rejected whole by the handlers.
    const FrameView frame(receive_.data(), kFrameSize);
    bool accepted;
    if (frame[0] == command::kMonitorAnswer) {
        accepted = HandleMonitorFrame(frame, image_, texts_, monitorState_, monitorReadout_);
        if (accepted) {
            ++monitorRevision_;
            reports_.Add<MonitorFrameDecoded>(&monitorReadout_);
        }
    } else {
        accepted = transfer_.HandleResponse(frame);
    }
    if (accepted) silenceCounter_ = 0;
}

void DeviceLink::WritePort(const Frame& frame) {
    // A frame that cannot be sent is lost like one the unit did not answer.
    port_.WriteFrame(frame);
}

void DeviceLink::WatchdogTick() {
    if (silenceCounter_ < kSilenceTicks) {
        ++silenceCounter_;
        ReportSilence(false);
        return;
    }
    ReportSilence(true);
    ++reopenCounter_;
    if (reopenCounter_ >= kReopenTicks) {
        reopenCounter_ = 0;
        ClosePort();
        quietOpen_ = true;
        if (++autoPortNumber_ > kAutoPortChoice) autoPortNumber_ = 0;
        OpenPort();
    }
}

void DeviceLink::ReportSilence(bool silent) {
    if (silenceReported_ == silent) return;
    silenceReported_ = silent;
    reports_.Add<UnitSilence>(silent);
}

void DeviceLink::ChoosePort(int choice) {
    if (choice >= 0 && choice < kComMenuItems) portChoice_ = static_cast<std::uint8_t>(choice);
    ClosePort();
    quietOpen_ = false;
    OpenPort();
}

const LivePoint& DeviceLink::UpdateLivePoint(bool throttleRows) {
    livePoint_ = ComputeLivePoint(monitorState_, image_, throttleRows);
    return livePoint_;
}

}  // namespace orvell
