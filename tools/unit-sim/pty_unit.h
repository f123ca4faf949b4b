// Puts a SimulatedUnit behind a pseudo-terminal, so that the tool's real serial code talks to it
// through a device file.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "simulated_unit.h"

namespace orvell::sim {

struct PtyOptions {
    bool paced = true;         // each answer takes the wire time of 102 bytes at 57600 baud
    int lateMs = 0;            // extra delay before every answer
    int closeAfterFrames = 0;  // close the line after this many answers (0: never)
    std::string linkPath;      // symlink kept pointing at the current pty (empty: none)
};

inline constexpr int kFrameWireMs = 18;  // 102 bytes x 10 bits at 57600 baud: 17.7 ms

class PtyUnit {
  public:
    PtyUnit(SimulatedUnit& unit, PtyOptions options);
    ~PtyUnit();
    PtyUnit(const PtyUnit&) = delete;
    PtyUnit& operator=(const PtyUnit&) = delete;

    // Creates the pseudo-terminal (raw, like a serial line) and the symlink.
    bool Open(std::string* error);
    const std::string& DevicePath() const { return slavePath_; }
    // Called with the new path whenever the line is recreated after close-after.
    void OnNewLine(std::function<void(const std::string&)> callback) {
        onNewLine_ = std::move(callback);
    }

    // Waits up to timeoutMs for requests, answers every complete one and sends the answers that
    // are due. Returns early once something was sent or received.
    void Service(int timeoutMs);

    std::uint64_t RequestsSeen() const { return requestsSeen_; }
    std::uint64_t AnswersSent() const { return answersSent_; }
    bool HasPendingAnswers() const { return !pending_.empty(); }

  private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        Clock::time_point due;
        Frame frame;
    };

    void CloseLine();
    void TakeInput();
    void SendDue();

    SimulatedUnit& unit_;
    PtyOptions options_;
    int master_ = -1;
    std::string slavePath_;
    std::vector<std::uint8_t> input_;
    std::deque<Pending> pending_;
    Clock::time_point lastAdvance_;
    std::uint64_t requestsSeen_ = 0;
    std::uint64_t answersSent_ = 0;
    std::function<void(const std::string&)> onNewLine_;
};

}  // namespace orvell::sim
