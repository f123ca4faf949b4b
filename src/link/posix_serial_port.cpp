#include "link/posix_serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace orvell {

namespace {

PortOpenFailure::Kind KindOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return PortOpenFailure::Kind::PermissionDenied;
        case EBUSY:
        case EWOULDBLOCK:
            return PortOpenFailure::Kind::InUse;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return PortOpenFailure::Kind::NoDevice;
        case ENOTTY:
            return PortOpenFailure::Kind::NotSerial;
        default:
            return PortOpenFailure::Kind::Other;
    }
}

// Paced by the tick, frames never fill a real line's output queue; only a pseudo-terminal whose
// other side has stopped reading does. The write then waits this long for room and gives the
// frame up, so the tick stays within its budget.
constexpr int kWriteRoomTimeoutMs = 20;

}  // namespace

std::string DescribeOpenFailure(const PortOpenFailure& failure) {
    std::string text = failure.path + ": " + std::strerror(failure.errorNumber) + ".";
    switch (failure.kind) {
        case PortOpenFailure::Kind::PermissionDenied:
            return text + " Add your user to the 'dialout' group and log in again.";
        case PortOpenFailure::Kind::InUse:
            return text + " Another program (or a second copy of this one) uses the port.";
        case PortOpenFailure::Kind::NoDevice:
            return text +
                   " No such device: is the adapter plugged in, and is the COM number mapped"
                   " to the right device?";
        case PortOpenFailure::Kind::NotSerial:
            return text + " The device is not a serial port.";
        default:
            return text;
    }
}

PortOpenFailure PosixSerialPort::Open(const std::string& path) {
    Close();
    auto fail = [&](int error) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
        savedValid_ = false;
        return PortOpenFailure{KindOf(error), error, path};
    };
    // Non-blocking so that neither open (carrier) nor a read can ever stall the tick.
    fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) return fail(errno);
    if (!::isatty(fd_)) return fail(ENOTTY);
    // TIOCEXCL keeps other programs out; the lock also stops a second copy run by root, whom
    // TIOCEXCL lets through.
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) return fail(errno == EWOULDBLOCK ? EBUSY : errno);
    if (::ioctl(fd_, TIOCEXCL) != 0) return fail(errno);
    if (::tcgetattr(fd_, &saved_) != 0) return fail(errno);
    savedValid_ = true;

    termios t = saved_;
    ::cfmakeraw(&t);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, B57600);
    ::cfsetospeed(&t, B57600);
    if (::tcsetattr(fd_, TCSANOW, &t) != 0) {
        const int error = errno;
        ::ioctl(fd_, TIOCNXCL);
        return fail(error);
    }
    return {};
}

void PosixSerialPort::Close() {
    if (fd_ < 0) return;
    // The device may be gone already (adapter pulled); every call here may fail harmlessly.
    if (savedValid_) ::tcsetattr(fd_, TCSANOW, &saved_);
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    savedValid_ = false;
}

std::size_t PosixSerialPort::QueuedBytes() {
    if (fd_ < 0) return 0;
    int queued = 0;
    if (::ioctl(fd_, FIONREAD, &queued) != 0 || queued < 0) return 0;
    return static_cast<std::size_t>(queued);
}

std::size_t PosixSerialPort::ReadQueued(std::span<std::uint8_t> buffer) {
    if (fd_ < 0 || buffer.empty()) return 0;
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t n = ::read(fd_, buffer.data() + total, buffer.size() - total);
        if (n > 0) {
            total += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        break;  // 0: hang-up; EAGAIN: nothing more queued; EIO/ENXIO: device gone
    }
    return total;
}

bool PosixSerialPort::WriteFrame(std::span<const std::uint8_t> frame) {
    if (fd_ < 0) return false;
    std::size_t sent = 0;
    while (sent < frame.size()) {
        const ssize_t n = ::write(fd_, frame.data() + sent, frame.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno == EAGAIN) {
            pollfd p{fd_, POLLOUT, 0};
            if (::poll(&p, 1, kWriteRoomTimeoutMs) > 0 && (p.revents & POLLOUT)) continue;
        }
        return false;
    }
    while (::tcdrain(fd_) != 0) {
        if (errno != EINTR) return false;
    }
    return true;
}

void PosixSerialPort::AbortInput() {
    if (fd_ >= 0) ::tcflush(fd_, TCIFLUSH);
}

}  // namespace orvell
