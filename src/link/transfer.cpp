#include "link/transfer.h"

#include <algorithm>

namespace orvell {

namespace {

constexpr const char* kOkSuffix = ": OK";

}  // namespace

void Transfer::Start(TransferMode mode, std::uint8_t commandByte, Msg text) {
    failureShown_ = false;
    mode_ = mode;
    commandByte_ = commandByte;
    resendCounter_ = 0;
    verifyAfterProgram_ = false;
    verifyAfterRead_ = false;
    otherVersionHeard_ = false;
    MoveGauge(0, gaugeMaximum_);
    reports_.Add<TransferStarted>(texts_[text], gaugeMaximum_);
    // Nothing is sent here: the first request leaves with the next resend step of TransferTick.
}

void Transfer::StartProgram() {
    target_ = &image_;
    programCompleted_ = false;
    Start(TransferMode::Program, command::kWriteInfo, Msg::MsgProgramDevice);
}

void Transfer::StartVerify() {
    target_ = &image_;
    Start(TransferMode::Verify, command::kReadBlock1, Msg::MsgVerifying);
}

void Transfer::StartRead() {
    target_ = &image_;
    Start(TransferMode::Read, command::kReadInfo, Msg::MsgReading);
}

void Transfer::StartCompare(ParamImage& side) {
    target_ = &side;
    Start(TransferMode::Read, command::kReadInfo, Msg::MsgReading);
}

void Transfer::SendFrame() {
    tickCounter_ = 0;
    transmit_.fill(0);
    transmit_[0] = commandByte_;
    blockNumber_ = commandByte_ & command::kBlockMask;
    if (mode_ != TransferMode::Read && (blockNumber_ == 1 || blockNumber_ == 2)) {
        const auto block = blockNumber_ == 1 ? target_->Block1() : target_->Block2();
        std::copy(block.begin(), block.end(), transmit_.begin() + 1);
    }
    SetCheckByte(transmit_);
    write_(transmit_);
}

void Transfer::SendMonitorRequest() {
    write_(MakeFrame(command::kMonitor));
}

bool Transfer::MoveGauge(int progress, int maximum) {
    gaugeMaximum_ = maximum;
    gaugeProgress_ = std::clamp(progress, 0, maximum);
    if (gaugeProgress_ == reportedProgress_ && gaugeMaximum_ == reportedMaximum_) return false;
    reportedProgress_ = gaugeProgress_;
    reportedMaximum_ = gaugeMaximum_;
    return true;
}

void Transfer::SetGauge(int progress, int maximum) {
    if (MoveGauge(progress, maximum)) {
        reports_.Add<ProgressChanged>(gaugeProgress_, gaugeMaximum_);
    }
}

void Transfer::SendNextRequest() {
    SetGauge(gaugeProgress_ + 1, gaugeMaximum_);
    ++commandByte_;
    resendCounter_ = 1;
    secondReadingAgreed_ = false;
    SendFrame();
}

void Transfer::EnterVerifyPhase() {
    mode_ = TransferMode::Verify;
    commandByte_ = command::kReadBlock1;
    resendCounter_ = 1;
    secondReadingAgreed_ = false;
    SendFrame();
    reports_.Add<StatusShown>(texts_[Msg::MsgVerifying] + ":");
    SetGauge(0, gaugeMaximum_);
}

void Transfer::TakeUnitInfo(std::span<const std::uint8_t, kBlockSize> block0) {
    std::copy(block0.begin(), block0.end(), target_->UnitInfo().begin());
    unitInfo_ = DecodeUnitInfo(target_->UnitInfo());
}

void Transfer::HandleUnitInfo(FrameView frame) {
    const auto payload = Payload(frame);
    const std::uint8_t version = payload[kUnitVersionByte];
    // Damage that the check byte cannot see may change the version byte. Our version lets the
    // transfer go on (the blocks are checked after); another one stops it with a message, so it
    // is believed only when a second reading of block 0 is the same.
    if (version != kUnitVersion &&
        !(otherVersionHeard_ &&
          std::equal(payload.begin(), payload.end(), otherVersionReading_.begin()))) {
        std::copy(payload.begin(), payload.end(), otherVersionReading_.begin());
        if (!otherVersionHeard_) {
            // Ask once more at once, with a fresh set of resends. A later reading that differs
            // again waits for the usual resend, so the transfer still ends in time.
            otherVersionHeard_ = true;
            resendCounter_ = 1;
            SendFrame();
        }
        return;
    }
    otherVersionHeard_ = false;
    TakeUnitInfo(payload);
    const bool matches = version == kUnitVersion;
    const bool readGoesOn = matches && mode_ == TransferMode::Read;
    if (!matches) mode_ = TransferMode::Idle;
    reports_.Add<UnitInfoArrived>(unitInfo_, version, readGoesOn);
    if (!matches) {
        ReportVersionMismatch(version);
    } else {
        SendNextRequest();
    }
}

void Transfer::ReportVersionMismatch(std::uint8_t version) {
    // Ticks run on while the message is shown; the transfer is already Idle.
    reports_.Add<MessageForUser>(texts_[Msg::MsgUnitVersionMismatch] + "  PC-" +
                                 std::to_string(kUnitVersion) + ", IGN-" + std::to_string(version));
    reports_.Add<StatusCountdownSet>(0);
}

bool Transfer::MatchesImage(FrameView frame, bool skipByte1) const {
    const auto payload = Payload(frame);
    const auto block = blockNumber_ == 1 ? target_->Block1() : target_->Block2();
    // The unit may keep its own value in image byte 1; Verify leaves it out.
    if (skipByte1 && blockNumber_ == 1) {
        return payload[0] == block[0] &&
               std::equal(payload.begin() + 2, payload.end(), block.begin() + 2);
    }
    return std::equal(payload.begin(), payload.end(), block.begin());
}

bool Transfer::MatchesFirstReading(FrameView frame) const {
    const auto payload = Payload(frame);
    const auto& first = firstReading_[blockNumber_ == 1 ? 0 : 1];
    // Byte 1 is the unit's own and left out, as in every Verify. Nothing is lost by that: damage
    // confined to one byte always changes the check byte, so damage it cannot see reaches at
    // least one other byte.
    if (blockNumber_ == 1) {
        return payload[0] == first[0] &&
               std::equal(payload.begin() + 2, payload.end(), first.begin() + 2);
    }
    return std::equal(payload.begin(), payload.end(), first.begin());
}

void Transfer::FailRead() {
    std::copy(imageBeforeRead_[0].begin(), imageBeforeRead_[0].end(), target_->Block1().begin());
    std::copy(imageBeforeRead_[1].begin(), imageBeforeRead_[1].end(), target_->Block2().begin());
    verifyAfterRead_ = false;
    programCompleted_ = false;
    mode_ = TransferMode::Idle;
    failureShown_ = true;
    reports_.Add<TransferFailed>(texts_[Msg::MsgReadError], target_ == &image_);
}

bool Transfer::StoredSomethingElse(FrameView frame) {
    const std::uint8_t answer = frame[0];
    const std::uint8_t block = answer & command::kBlockMask;
    if ((answer & ~command::kBlockMask) != command::kAnswerBit || block < 1 || block > 2) {
        return false;
    }
    blockNumber_ = block;
    return !MatchesImage(frame, true);
}

void Transfer::FailTransfer() {
    const Msg error = mode_ == TransferMode::Program  ? Msg::MsgProgramError
                      : mode_ == TransferMode::Verify ? Msg::MsgVerifyError
                                                      : Msg::MsgReadError;
    if (mode_ == TransferMode::Verify) programCompleted_ = false;
    verifyAfterProgram_ = false;
    verifyAfterRead_ = false;
    mode_ = TransferMode::Idle;
    failureShown_ = true;
    reports_.Add<TransferFailed>(texts_[error]);
}

bool Transfer::HandleResponse(FrameView frame) {
    if (!HasValidCheckByte(frame)) return false;
    // A request damaged on its way may reach the unit as a write (a read's command byte with one
    // bit flipped). During a verify its echo says that the unit now holds something other than
    // the image, whatever was compared before: the verify cannot end well.
    if (mode_ == TransferMode::Verify && StoredSomethingElse(frame)) {
        if (verifyAfterRead_) {
            FailRead();
        } else {
            FailTransfer();
        }
        return true;
    }
    blockNumber_ = commandByte_ & command::kBlockMask;
    if (blockNumber_ > 2) return false;
    if (frame[0] != (commandByte_ ^ command::kAnswerBit) || mode_ == TransferMode::Idle) {
        return false;
    }

    switch (mode_) {
        case TransferMode::Program:
            if (blockNumber_ == 0) {
                HandleUnitInfo(frame);
            } else if (MatchesImage(frame, false)) {
                if (blockNumber_ == 1) {
                    SendNextRequest();
                } else {
                    verifyAfterProgram_ = true;
                    EnterVerifyPhase();
                }
            }
            break;
        case TransferMode::Verify:
            if (blockNumber_ == 0) break;
            if (verifyAfterRead_) {
                // Two readings of the unit that differ: one of them was damaged where the check
                // byte cannot see it, and nothing tells which.
                if (!MatchesFirstReading(frame)) {
                    FailRead();
                    break;
                }
                secondReadingAgreed_ = true;
            }
            if (!MatchesImage(frame, true)) break;
            if (blockNumber_ == 1) {
                SendNextRequest();
            } else {
                MoveGauge(gaugeMaximum_, gaugeMaximum_);
                mode_ = TransferMode::Idle;
                reports_.Add<TransferSucceeded>(texts_[Msg::MsgVerifying] + kOkSuffix,
                                                gaugeMaximum_,
                                                verifyAfterProgram_  ? TransferKind::Program
                                                : !verifyAfterRead_  ? TransferKind::Verify
                                                : target_ == &image_ ? TransferKind::Read
                                                                     : TransferKind::Compare);
                programCompleted_ = verifyAfterProgram_;
                verifyAfterProgram_ = false;
                verifyAfterRead_ = false;
            }
            break;
        case TransferMode::Read:
            if (blockNumber_ == 0) {
                HandleUnitInfo(frame);
            } else {
                const auto payload = Payload(frame);
                auto& first = firstReading_[blockNumber_ - 1];
                std::copy(payload.begin(), payload.end(), first.begin());
                if (blockNumber_ == 1) {
                    SendNextRequest();
                    break;
                }
                // Both blocks go in together, so a Read that fails earlier changes nothing; what
                // they replace is kept until the verify phase has read them again.
                std::copy(target_->Block1().begin(), target_->Block1().end(),
                          imageBeforeRead_[0].begin());
                std::copy(target_->Block2().begin(), target_->Block2().end(),
                          imageBeforeRead_[1].begin());
                std::copy(firstReading_[0].begin(), firstReading_[0].end(),
                          target_->Block1().begin());
                std::copy(firstReading_[1].begin(), firstReading_[1].end(),
                          target_->Block2().begin());
                reports_.Add<ReadCompleted>(firstReading_[0], firstReading_[1], target_ != &image_);
                EnterVerifyPhase();
                verifyAfterRead_ = true;
            }
            break;
        case TransferMode::Idle:
            break;
    }
    return true;
}

void Transfer::TransferTick(std::uint16_t savingCountdown) {
    if (mode_ != TransferMode::Idle) {
        if (mode_ == TransferMode::Read) programCompleted_ = false;
        if (++tickCounter_ < kResendTicks) return;
        tickCounter_ = 0;
        if (++resendCounter_ <= kMaxSends) {
            SendFrame();
            return;
        }
        if (verifyAfterRead_ && !secondReadingAgreed_) {
            // The unit never read the block out again: the Read's blocks are unchecked.
            FailRead();
            return;
        }
        FailTransfer();
        return;
    }

    if (++tickCounter_ >= kMonitorTicks) {
        tickCounter_ = 0;
        SendMonitorRequest();
    }
    // The unit's saving countdown comes from its last monitoring frame; an error just shown keeps
    // the status line for its whole time instead of giving way to it.
    if (savingCountdown > 0 && !failureShown_) {
        reports_.Add<StatusShown>(texts_[Msg::MsgSaving]);
        SetGauge((kSavingScale - savingCountdown) * 100 / kSavingScale, 100);
    } else {
        SetGauge(gaugeProgress_, kTransferGaugeMaximum);
        if (programCompleted_) {
            reports_.Add<StatusChanged>(texts_[Msg::MsgProgramDevice] + kOkSuffix);
            SetGauge(kTransferGaugeMaximum, kTransferGaugeMaximum);
        }
    }
}

}  // namespace orvell
