// The live log: one CSV row per accepted monitoring frame, for a tuner's record of a run.
// Rows are built from the frame's numbers (never from the monitor column's texts) in a buffer
// that is reused, and go to a sink the caller flushes once a second by its own clock, so that a
// crash loses at most that second. A reading the unit did not give (a throttle sensor in error,
// a channel that fires nothing, no servo in the set, an engine below the map) is an empty field,
// never a made-up number.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "link/monitor.h"

namespace orvell {

// Where the rows go. Both calls report whether the bytes reached the sink.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual bool Write(std::string_view text) = 0;
    virtual bool Flush() = 0;
};

// A file written as it grows (not atomically: a log that is cut short by a crash keeps every
// row up to its last flush).
class FileLogSink : public LogSink {
  public:
    FileLogSink() = default;
    FileLogSink(const FileLogSink&) = delete;
    FileLogSink& operator=(const FileLogSink&) = delete;
    ~FileLogSink() override { Close(); }

    // Creates or empties the file. Empty result: opened; else the system's reason.
    std::string Open(const std::filesystem::path& path);
    // Flushes and closes; false when the last bytes could not be written.
    bool Close();
    bool IsOpen() const { return file_ != nullptr; }
    // The system's reason for the last failure.
    const std::string& Error() const { return error_; }

    bool Write(std::string_view text) override;
    bool Flush() override;

  private:
    std::FILE* file_ = nullptr;
    std::string error_;
};

// The columns with their units.
std::string_view LiveLogHeader();

// One row (with its line end) for a frame `elapsedMs` after the start, in `buffer`.
std::string_view FormatLiveLogRow(std::int64_t elapsedMs, const MonitorState& state,
                                  const LivePoint& point, std::array<char, 256>& buffer);

class LiveLog {
  public:
    static constexpr std::int64_t kFlushIntervalMs = 1000;

    // Starts a recording into `sink` at `nowMs` (any monotonic clock): writes the header.
    bool Start(LogSink& sink, std::int64_t nowMs);
    // One row for an accepted frame; flushes when a second has passed since the last flush.
    // False when the sink failed (the recording is then over).
    bool Record(std::int64_t nowMs, const MonitorState& state, const LivePoint& point);
    // Flushes and ends the recording; false when the sink failed at the end.
    bool Stop();

    bool Recording() const { return sink_ != nullptr; }
    std::int64_t ElapsedMs(std::int64_t nowMs) const { return nowMs - startMs_; }
    long Rows() const { return rows_; }

  private:
    bool Failed();

    LogSink* sink_ = nullptr;
    std::int64_t startMs_ = 0;
    std::int64_t lastFlushMs_ = 0;
    long rows_ = 0;
    std::array<char, 256> buffer_{};
};

}  // namespace orvell
