// The link as the main window drives it: the port with its watchdog and the user's port choice,
// the receive step that hands frames to monitoring or the transfer, and the transfer itself. What
// the user may see of it is reported (`Reports()`), never shown by the link itself.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "core/param_image.h"
#include "i18n/messages.h"
#include "link/frame.h"
#include "link/link_report.h"
#include "link/monitor.h"
#include "link/port_map.h"
#include "link/serial_port.h"
#include "link/transfer.h"

namespace orvell {

inline constexpr int kAutoPortChoice = 30;  // the automatic port search
inline constexpr int kComMenuItems = 31;
inline constexpr int kSilenceTicks = 18;
inline constexpr int kReopenTicks = 30;
inline constexpr int kFailedAutoOpen = 200;  // makes the watchdog move on at its next step
inline constexpr std::size_t kReceiveBufferSize = 10000;

class DeviceLink {
  public:
    DeviceLink(SerialPort& port, ParamImage& image, const MessageTexts& texts);

    // What happened since the caller last took the reports.
    LinkReports& Reports() { return reports_; }

    // Port choice 0..29 = COM1..COM30, 30 = automatic; auto port number 0..30 = COM1..COM31.
    int PortChoice() const { return portChoice_; }
    void SetPortChoice(int choice) { portChoice_ = static_cast<std::uint8_t>(choice); }
    int AutoPortNumber() const { return autoPortNumber_; }
    void SetAutoPortNumber(int number) { autoPortNumber_ = static_cast<std::uint8_t>(number); }
    // COM<n> entries of the settings file's [PORTS] section; the environment still wins.
    void SetPortOverrides(std::map<int, std::string> ports) { portOverrides_ = std::move(ports); }

    void OpenPort();
    void ClosePort();
    void PollReceive();
    void WritePort(const Frame& frame);
    void WatchdogTick();
    // The user chose a port (0..29 = COM1..COM30, 30 = automatic): it is opened at once, and a
    // failure is told.
    void ChoosePort(int choice);

    // The transfers and their tick.
    Transfer& GetTransfer() { return transfer_; }
    const Transfer& GetTransfer() const { return transfer_; }
    void StartProgram() { transfer_.StartProgram(); }
    void StartVerify() { transfer_.StartVerify(); }
    void StartRead() { transfer_.StartRead(); }
    void StartCompare(ParamImage& side) { transfer_.StartCompare(side); }
    // A unit that has gone silent is saving nothing we know of: its last frame's countdown is
    // stale.
    void TransferTick() {
        transfer_.TransferTick(silenceCounter_ >= kSilenceTicks ? 0
                                                                : monitorState_.savingCountdown);
    }

    // The live operating point from the last monitoring frame, once per tick; the throttle row
    // follows the throttle only while the map has throttle rows.
    const LivePoint& UpdateLivePoint(bool throttleRows);
    const LivePoint& LiveOperatingPoint() const { return livePoint_; }
    const MonitorState& Monitor() const { return monitorState_; }
    const MonitorReadout& Readout() const { return monitorReadout_; }
    // Rises with every accepted monitoring frame.
    unsigned MonitorRevision() const { return monitorRevision_; }

    std::uint8_t SilenceCounter() const { return silenceCounter_; }
    std::uint8_t ReopenCounter() const { return reopenCounter_; }
    bool QuietOpen() const { return quietOpen_; }
    const std::string& DevicePath() const { return devicePath_; }  // of the last open
    const PortOpenFailure& LastOpenFailure() const { return lastOpenFailure_; }
    std::size_t ReceivedCount() const { return receivedCount_; }

  private:
    void ReportSilence(bool silent);

    SerialPort& port_;
    ParamImage& image_;
    const MessageTexts& texts_;
    LinkReports reports_;
    Transfer transfer_;

    std::uint8_t portChoice_ = 0;
    std::uint8_t autoPortNumber_ = 0;
    bool quietOpen_ = false;
    std::uint8_t silenceCounter_ = kSilenceTicks;
    std::uint8_t reopenCounter_ = 0;
    std::int8_t silenceReported_ = -1;  // none yet
    std::map<int, std::string> portOverrides_;
    std::string devicePath_;
    PortOpenFailure lastOpenFailure_;
    std::array<std::uint8_t, kReceiveBufferSize> receive_{};
    std::size_t receivedCount_ = 0;

    MonitorState monitorState_;
    MonitorReadout monitorReadout_;
    unsigned monitorRevision_ = 0;
    LivePoint livePoint_;
};

}  // namespace orvell
