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
    MoveGauge(0, gaugeMaximum_);
    reports_.Add<TransferStarted>(texts_[text], gaugeMaximum_);
    // Nothing is sent here: the first request leaves with the next resend step of TransferTick.
}

void Transfer::StartProgram() {
    programCompleted_ = false;
    Start(TransferMode::Program, command::kWriteInfo, Msg::MsgProgramDevice);
}

void Transfer::StartVerify() {
    Start(TransferMode::Verify, command::kReadBlock1, Msg::MsgVerifying);
}

void Transfer::StartRead() {
    Start(TransferMode::Read, command::kReadInfo, Msg::MsgReading);
}

void Transfer::SendFrame() {
    tickCounter_ = 0;
    transmit_.fill(0);
    transmit_[0] = commandByte_;
    blockNumber_ = commandByte_ & command::kBlockMask;
    if (mode_ != TransferMode::Read && (blockNumber_ == 1 || blockNumber_ == 2)) {
        const auto block = blockNumber_ == 1 ? image_.Block1() : image_.Block2();
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
    SendFrame();
}

void Transfer::EnterVerifyPhase() {
    mode_ = TransferMode::Verify;
    commandByte_ = command::kReadBlock1;
    resendCounter_ = 1;
    SendFrame();
    reports_.Add<StatusShown>(texts_[Msg::MsgVerifying] + ":");
    SetGauge(0, gaugeMaximum_);
}

std::uint8_t Transfer::TakeUnitInfo(FrameView frame) {
    const auto payload = Payload(frame);
    std::copy(payload.begin(), payload.end(), image_.UnitInfo().begin());
    unitInfo_ = DecodeUnitInfo(image_.UnitInfo());
    return payload[kUnitVersionByte];
}

void Transfer::ReportVersionMismatch(std::uint8_t version) {
    // Ticks run on while the message is shown; the transfer is already Idle.
    reports_.Add<MessageForUser>(texts_[Msg::MsgUnitVersionMismatch] + "  PC-" +
                                 std::to_string(kUnitVersion) + ", IGN-" + std::to_string(version));
    reports_.Add<StatusCountdownSet>(0);
}

bool Transfer::MatchesImage(FrameView frame, bool skipByte1) const {
    const auto payload = Payload(frame);
    const auto block = blockNumber_ == 1 ? image_.Block1() : image_.Block2();
    // The unit may keep its own value in image byte 1; Verify leaves it out.
    if (skipByte1 && blockNumber_ == 1) {
        return payload[0] == block[0] &&
               std::equal(payload.begin() + 2, payload.end(), block.begin() + 2);
    }
    return std::equal(payload.begin(), payload.end(), block.begin());
}

bool Transfer::HandleResponse(FrameView frame) {
    if (!HasValidCheckByte(frame)) return false;
    blockNumber_ = commandByte_ & command::kBlockMask;
    if (blockNumber_ > 2) return false;
    if (frame[0] != (commandByte_ ^ command::kAnswerBit) || mode_ == TransferMode::Idle) {
        return false;
    }

    switch (mode_) {
        case TransferMode::Program:
            if (blockNumber_ == 0) {
                const std::uint8_t version = TakeUnitInfo(frame);
                reports_.Add<UnitInfoArrived>(unitInfo_, version, false);
                if (version != kUnitVersion) {
                    mode_ = TransferMode::Idle;
                    ReportVersionMismatch(version);
                } else {
                    SendNextRequest();
                }
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
            if (blockNumber_ == 0 || !MatchesImage(frame, true)) break;
            if (blockNumber_ == 1) {
                SendNextRequest();
            } else {
                MoveGauge(gaugeMaximum_, gaugeMaximum_);
                mode_ = TransferMode::Idle;
                reports_.Add<TransferSucceeded>(texts_[Msg::MsgVerifying] + kOkSuffix,
                                                gaugeMaximum_);
                programCompleted_ = verifyAfterProgram_;
                verifyAfterProgram_ = false;
            }
            break;
        case TransferMode::Read:
            if (blockNumber_ == 0) {
                const std::uint8_t version = TakeUnitInfo(frame);
                const bool matches = version == kUnitVersion;
                if (!matches) mode_ = TransferMode::Idle;
                reports_.Add<UnitInfoArrived>(unitInfo_, version, matches);
                if (!matches) {
                    ReportVersionMismatch(version);
                } else {
                    SendNextRequest();
                }
            } else if (blockNumber_ == 1) {
                const auto payload = Payload(frame);
                std::copy(payload.begin(), payload.end(), readBlock1_.begin());
                SendNextRequest();
            } else {
                // Both blocks go in together, so a Read that fails earlier changes nothing.
                ReadCompleted read{readBlock1_, {}};
                const auto payload = Payload(frame);
                std::copy(payload.begin(), payload.end(), read.block2.begin());
                std::copy(read.block1.begin(), read.block1.end(), image_.Block1().begin());
                std::copy(read.block2.begin(), read.block2.end(), image_.Block2().begin());
                reports_.Add<ReadCompleted>(std::move(read));
                EnterVerifyPhase();
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
        const Msg error = mode_ == TransferMode::Program  ? Msg::MsgProgramError
                          : mode_ == TransferMode::Verify ? Msg::MsgVerifyError
                                                          : Msg::MsgReadError;
        if (mode_ == TransferMode::Verify) programCompleted_ = false;
        verifyAfterProgram_ = false;
        mode_ = TransferMode::Idle;
        failureShown_ = true;
        reports_.Add<TransferFailed>(texts_[error]);
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
