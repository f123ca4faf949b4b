#include "pty_unit.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace orvell::sim {

namespace {

// While nobody holds the line open the master reports a hang-up at once; this keeps the wait
// from spinning.
constexpr int kHangupPauseMs = 10;

}  // namespace

PtyUnit::PtyUnit(SimulatedUnit& unit, PtyOptions options)
    : unit_(unit), options_(std::move(options)), lastAdvance_(Clock::now()) {}

PtyUnit::~PtyUnit() {
    CloseLine();
}

bool PtyUnit::Open(std::string* error) {
    auto fail = [&](const char* what) {
        if (error) *error = std::string(what) + ": " + std::strerror(errno);
        CloseLine();
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (master_ < 0) return fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return fail("unlockpt");
    const char* name = ::ptsname(master_);
    if (name == nullptr) return fail("ptsname");
    slavePath_ = name;
    // Raw from the start, so nothing the unit sends is echoed or translated before the tool has
    // opened and configured the line itself.
    const int slave = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave < 0) return fail("open pty");
    termios t{};
    if (::tcgetattr(slave, &t) == 0) {
        ::cfmakeraw(&t);
        ::cfsetispeed(&t, B57600);
        ::cfsetospeed(&t, B57600);
        ::tcsetattr(slave, TCSANOW, &t);
    }
    ::close(slave);
    if (!options_.linkPath.empty()) {
        ::unlink(options_.linkPath.c_str());
        if (::symlink(slavePath_.c_str(), options_.linkPath.c_str()) != 0) return fail("symlink");
    }
    return true;
}

void PtyUnit::CloseLine() {
    if (master_ >= 0) ::close(master_);
    master_ = -1;
    if (!options_.linkPath.empty()) ::unlink(options_.linkPath.c_str());
    input_.clear();
    pending_.clear();
}

void PtyUnit::Service(int timeoutMs) {
    const auto now = Clock::now();
    unit_.Advance(static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(now - lastAdvance_).count()));
    lastAdvance_ = now;
    if (master_ < 0) return;

    int wait = timeoutMs;
    if (!pending_.empty()) {
        const auto untilDue =
            std::chrono::duration_cast<std::chrono::milliseconds>(pending_.front().due - now);
        wait = std::clamp(static_cast<int>(untilDue.count()), 0, timeoutMs);
    }
    pollfd p{master_, POLLIN, 0};
    const int ready = ::poll(&p, 1, wait);
    if (ready > 0 && (p.revents & POLLIN)) {
        TakeInput();
    } else if (ready > 0 && (p.revents & (POLLHUP | POLLERR))) {
        // Nobody has the line open: the tool closed it and will reopen it. What was on its way
        // is lost with the line.
        input_.clear();
        pending_.clear();
        ::poll(nullptr, 0, std::min(wait, kHangupPauseMs));
    }
    SendDue();
}

void PtyUnit::TakeInput() {
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n > 0) {
            input_.insert(input_.end(), buffer, buffer + n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EIO) {
            input_.clear();
            pending_.clear();
        }
        break;
    }
    // A request starts where a valid frame starts: after a line reopen the first bytes may be a
    // fragment, so slide one byte at a time until the check byte fits.
    std::size_t at = 0;
    while (input_.size() - at >= kFrameSize) {
        Frame request;
        std::copy_n(input_.begin() + static_cast<std::ptrdiff_t>(at), kFrameSize, request.begin());
        if (!HasValidCheckByte(request)) {
            ++at;
            continue;
        }
        at += kFrameSize;
        ++requestsSeen_;
        if (auto answer = unit_.Answer(request)) {
            const int delay = (options_.paced ? kFrameWireMs : 0) + options_.lateMs;
            pending_.push_back({Clock::now() + std::chrono::milliseconds(delay), *answer});
        }
    }
    input_.erase(input_.begin(), input_.begin() + static_cast<std::ptrdiff_t>(at));
}

void PtyUnit::SendDue() {
    while (master_ >= 0 && !pending_.empty() && pending_.front().due <= Clock::now()) {
        const Frame& frame = pending_.front().frame;
        const ssize_t n = ::write(master_, frame.data(), frame.size());
        pending_.pop_front();
        if (n != static_cast<ssize_t>(kFrameSize)) continue;  // line closed or full: lost
        ++answersSent_;
        if (options_.closeAfterFrames > 0 &&
            answersSent_ % static_cast<std::uint64_t>(options_.closeAfterFrames) == 0) {
            CloseLine();
            std::string error;
            if (Open(&error) && onNewLine_) onNewLine_(slavePath_);
        }
    }
}

}  // namespace orvell::sim
