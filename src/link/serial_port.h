// The serial device under the link. The link never waits for input: it asks how many bytes are
// queued and reads only those. Writing a frame returns once the frame has left the port.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace orvell {

// Why a port could not be opened, so that the window can say more than "Com opening error!".
struct PortOpenFailure {
    enum class Kind { None, PermissionDenied, InUse, NoDevice, NotSerial, Other };
    Kind kind = Kind::None;
    int errorNumber = 0;  // errno of the failing call
    std::string path;

    explicit operator bool() const { return kind != Kind::None; }
};

// One line of explanation with the system's reason and what the user can do about it.
std::string DescribeOpenFailure(const PortOpenFailure& failure);

class SerialPort {
  public:
    virtual ~SerialPort() = default;

    // Opens the device exclusively, raw 57600 baud 8N1 without flow control. A port that is
    // already open is closed first.
    virtual PortOpenFailure Open(const std::string& path) = 0;
    // Puts back what Open changed and releases the device. Harmless when nothing is open.
    virtual void Close() = 0;
    virtual bool IsOpen() const = 0;

    // Number of bytes waiting in the input queue; 0 when no port is open or the device is gone.
    virtual std::size_t QueuedBytes() = 0;
    // Reads bytes that are already queued, never waiting; returns how many were read.
    virtual std::size_t ReadQueued(std::span<std::uint8_t> buffer) = 0;
    // Writes the frame and returns after it has left the transmitter. False when it could not be
    // sent (no port, device gone); the caller's resend rule covers that.
    virtual bool WriteFrame(std::span<const std::uint8_t> frame) = 0;
    // Discards input that has arrived but not been read.
    virtual void AbortInput() = 0;
};

}  // namespace orvell
