// The Program, Verify and Read transfers: one request in flight, answers collected by later
// ticks, resend after 4 ticks, give up after the fifth send.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>

#include "core/param_image.h"
#include "i18n/messages.h"
#include "link/frame.h"
#include "link/link_report.h"
#include "link/unit_info.h"

namespace orvell {

enum class TransferMode : std::uint8_t { Idle = 0, Program = 1, Verify = 2, Read = 3 };

inline constexpr int kResendTicks = 4;
inline constexpr int kMaxSends = 5;
inline constexpr int kMonitorTicks = 6;
inline constexpr int kSavingScale = 414;
inline constexpr int kTransferGaugeMaximum = 2;

class Transfer {
  public:
    using FrameWriter = std::function<void(const Frame&)>;

    // What the transfers do for the user is added to `reports`.
    Transfer(ParamImage& image, const MessageTexts& texts, LinkReports& reports, FrameWriter write)
        : image_(image), texts_(texts), reports_(reports), write_(std::move(write)) {}

    // Start a transfer of the image as it is; the first request leaves with a later tick.
    void StartProgram();
    void StartVerify();
    void StartRead();
    // A Read (with its second reading) into `side` instead of the image, which stays untouched:
    // what the unit holds, to compare with. `side` must outlive the transfer.
    void StartCompare(ParamImage& side);

    void SendFrame();
    void SendMonitorRequest();
    // An answer that is not a monitoring frame. True when it was accepted (the unit is there).
    bool HandleResponse(FrameView frame);
    void TransferTick(std::uint16_t savingCountdown);

    // Puts a running transfer back to Idle, as before any message box.
    void Abandon() { mode_ = TransferMode::Idle; }
    // The status countdown ran out.
    void StatusCountdownExpired() {
        programCompleted_ = false;
        failureShown_ = false;
    }

    TransferMode Mode() const { return mode_; }
    std::uint8_t CommandByte() const { return commandByte_; }
    std::uint8_t BlockNumber() const { return blockNumber_; }
    std::uint8_t TickCounter() const { return tickCounter_; }
    std::uint8_t ResendCounter() const { return resendCounter_; }
    bool ProgramCompleted() const { return programCompleted_; }
    const Frame& TransmitFrame() const { return transmit_; }
    const UnitInfoTexts& UnitInfo() const { return unitInfo_; }

  private:
    void Start(TransferMode mode, std::uint8_t commandByte, Msg text);
    void SendNextRequest();
    void EnterVerifyPhase();
    // Moves the progress; true when it differs from what was last reported.
    bool MoveGauge(int progress, int maximum);
    // Moves the progress and reports it when it changed.
    void SetGauge(int progress, int maximum);
    // An answer to block 0 in Program or Read.
    void HandleUnitInfo(FrameView frame);
    // Copies block 0 into the image and decodes it.
    void TakeUnitInfo(std::span<const std::uint8_t, kBlockSize> block0);
    void ReportVersionMismatch(std::uint8_t version);
    bool MatchesImage(FrameView frame, bool skipByte1) const;
    // Whether the verify phase of a Read got the block as the Read first received it.
    bool MatchesFirstReading(FrameView frame) const;
    // Ends a Read whose blocks cannot be trusted: the image gets back the blocks it held before.
    void FailRead();
    // Ends the transfer with its error text.
    void FailTransfer();
    // Whether the frame is the echo of a write of block 1 or 2 that differs from the image.
    bool StoredSomethingElse(FrameView frame);

    ParamImage& image_;
    // What the running transfer reads into and compares with: the image, or a Compare's buffer.
    ParamImage* target_ = &image_;
    const MessageTexts& texts_;
    LinkReports& reports_;
    FrameWriter write_;

    TransferMode mode_ = TransferMode::Idle;
    std::uint8_t commandByte_ = 0;
    std::uint8_t blockNumber_ = 0;
    std::uint8_t tickCounter_ = 0;
    std::uint8_t resendCounter_ = 0;
    // Shows "Program device: OK" on Idle ticks. Set only when the verify phase of a Program has
    // matched every compared byte, so an abandoned verify can never read as success.
    bool programCompleted_ = false;
    bool verifyAfterProgram_ = false;
    bool failureShown_ = false;  // a failed transfer's error is on the status line
    // The verify phase of a Read also checks the unit's second reading against the first.
    bool verifyAfterRead_ = false;
    // In that phase: the block now asked for has been read again and agreed with the first
    // reading, so a difference from the image is the rules' doing, not the line's.
    bool secondReadingAgreed_ = false;
    int gaugeProgress_ = 0;
    int gaugeMaximum_ = kTransferGaugeMaximum;
    int reportedProgress_ = -1;  // none yet
    int reportedMaximum_ = -1;
    Frame transmit_{};
    // A Read keeps block 1 aside until block 2 has arrived, so that a failed Read leaves the image
    // exactly as it was instead of half the unit's and half the old parameter set. Both blocks
    // stay here as first received, for the verify phase to compare a second reading with.
    std::array<std::array<std::uint8_t, kBlockSize>, 2> firstReading_{};
    // Blocks 1 and 2 of the image from just before a Read put its blocks in.
    std::array<std::array<std::uint8_t, kBlockSize>, 2> imageBeforeRead_{};
    // A block 0 that named another unit version, waiting for a second reading to agree.
    std::array<std::uint8_t, kBlockSize> otherVersionReading_{};
    bool otherVersionHeard_ = false;
    UnitInfoTexts unitInfo_;
};

}  // namespace orvell
