#include "link/live_log.h"

#include <cerrno>
#include <charconv>
#include <cstring>

namespace orvell {

namespace {

// Appends to a fixed buffer; rows are far shorter than it.
class RowWriter {
  public:
    explicit RowWriter(std::array<char, 256>& buffer)
        : begin_(buffer.data()), end_(begin_ + buffer.size()), at_(begin_) {}

    void Number(std::int64_t value) { at_ = std::to_chars(at_, end_, value).ptr; }
    void Char(char c) {
        if (at_ < end_) *at_++ = c;
    }
    void Field(std::int64_t value) {
        Char(',');
        Number(value);
    }
    void Empty() { Char(','); }
    std::string_view View() const { return {begin_, static_cast<std::size_t>(at_ - begin_)}; }

  private:
    char* begin_;
    char* end_;
    char* at_;
};

}  // namespace

std::string FileLogSink::Open(const std::filesystem::path& path) {
    Close();
    file_ = std::fopen(path.c_str(), "w");
    if (file_ == nullptr) error_ = std::strerror(errno);
    return file_ == nullptr ? error_ : std::string();
}

bool FileLogSink::Close() {
    if (file_ == nullptr) return true;
    const bool flushed = std::fflush(file_) == 0;
    if (!flushed) error_ = std::strerror(errno);
    const bool closed = std::fclose(file_) == 0;
    if (flushed && !closed) error_ = std::strerror(errno);
    file_ = nullptr;
    return flushed && closed;
}

bool FileLogSink::Write(std::string_view text) {
    if (file_ == nullptr) return false;
    if (std::fwrite(text.data(), 1, text.size(), file_) == text.size()) return true;
    error_ = std::strerror(errno);
    return false;
}

bool FileLogSink::Flush() {
    if (file_ == nullptr) return false;
    if (std::fflush(file_) == 0) return true;
    error_ = std::strerror(errno);
    return false;
}

std::string_view LiveLogHeader() {
    return "time_ms,engine_speed_rpm,battery_mV,throttle_pct,throttle_mV,"
           "advance1_deg,advance2_deg,advance3_deg,advance4_deg,pickup1,pickup2,"
           "input1,input2,servo_desired_mV,servo_measured_mV,map_row,map_column\n";
}

std::string_view FormatLiveLogRow(std::int64_t elapsedMs, const MonitorState& s,
                                  const LivePoint& point, std::array<char, 256>& buffer) {
    RowWriter row(buffer);
    row.Number(elapsedMs);
    row.Field(s.liveEngineSpeed);
    row.Field(s.supplyVoltage);
    // Above 100 % the unit reports a throttle sensor in error: its voltage is still true.
    if (s.liveThrottle <= 100) {
        row.Field(s.liveThrottle);
    } else {
        row.Empty();
    }
    row.Field(s.liveTpsVoltage);
    for (const std::uint8_t advance : s.advance) {
        if (advance != 0 && !s.pickupError) {
            row.Field(advance - 100);
        } else {
            row.Empty();
        }
    }
    for (const bool signal : s.pickupSignal) row.Field(signal ? 1 : 0);
    for (const bool grounded : s.inputGrounded) row.Field(grounded ? 1 : 0);
    if (s.servoInUse) {
        row.Field(s.servoDesired);
        row.Field(s.servoMeasured);
    } else {
        row.Empty();
        row.Empty();
    }
    // Rows and columns as the grid counts them for the user, from 1.
    if (!point.belowMap) {
        row.Field(point.throttleRow + 1);
        row.Field(point.rpmColumn + 1);
    } else {
        row.Empty();
        row.Empty();
    }
    row.Char('\n');
    return row.View();
}

bool LiveLog::Start(LogSink& sink, std::int64_t nowMs) {
    sink_ = &sink;
    startMs_ = nowMs;
    lastFlushMs_ = nowMs;
    rows_ = 0;
    if (!sink.Write(LiveLogHeader()) || !sink.Flush()) return Failed();
    return true;
}

bool LiveLog::Record(std::int64_t nowMs, const MonitorState& state, const LivePoint& point) {
    if (sink_ == nullptr) return false;
    if (!sink_->Write(FormatLiveLogRow(nowMs - startMs_, state, point, buffer_))) return Failed();
    ++rows_;
    if (nowMs - lastFlushMs_ >= kFlushIntervalMs) {
        lastFlushMs_ = nowMs;
        if (!sink_->Flush()) return Failed();
    }
    return true;
}

bool LiveLog::Stop() {
    if (sink_ == nullptr) return true;
    const bool flushed = sink_->Flush();
    sink_ = nullptr;
    return flushed;
}

bool LiveLog::Failed() {
    sink_ = nullptr;
    return false;
}

}  // namespace orvell
