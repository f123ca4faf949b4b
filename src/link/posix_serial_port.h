// SerialPort on a POSIX terminal device (USB adapters, built-in ports, pseudo-terminals).
#pragma once

#include <termios.h>

#include "link/serial_port.h"

namespace orvell {

class PosixSerialPort final : public SerialPort {
  public:
    PosixSerialPort() = default;
    ~PosixSerialPort() override { Close(); }
    PosixSerialPort(const PosixSerialPort&) = delete;
    PosixSerialPort& operator=(const PosixSerialPort&) = delete;

    PortOpenFailure Open(const std::string& path) override;
    void Close() override;
    bool IsOpen() const override { return fd_ >= 0; }
    std::size_t QueuedBytes() override;
    std::size_t ReadQueued(std::span<std::uint8_t> buffer) override;
    bool WriteFrame(std::span<const std::uint8_t> frame) override;
    void AbortInput() override;

    int Descriptor() const { return fd_; }

  private:
    int fd_ = -1;
    termios saved_{};
    bool savedValid_ = false;
};

}  // namespace orvell
