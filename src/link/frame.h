// The 102-byte frame both sides of the serial line exchange: command byte, 100 payload bytes and a
// check byte that makes the XOR of the whole frame 0xFF.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace orvell {

inline constexpr std::size_t kFrameSize = 102;
inline constexpr std::size_t kPayloadSize = 100;
inline constexpr std::size_t kCheckByte = 101;

using Frame = std::array<std::uint8_t, kFrameSize>;
using FrameView = std::span<const std::uint8_t, kFrameSize>;

// Command byte: bits 0..5 block number, bit 6 read, bit 7 set in answers.
namespace command {
inline constexpr std::uint8_t kWriteInfo = 0x00;  // first request of a Program
inline constexpr std::uint8_t kWriteBlock1 = 0x01;
inline constexpr std::uint8_t kWriteBlock2 = 0x02;
inline constexpr std::uint8_t kMonitor = 0x30;
inline constexpr std::uint8_t kReadInfo = 0x40;  // first request of a Read
inline constexpr std::uint8_t kReadBlock1 = 0x41;
inline constexpr std::uint8_t kReadBlock2 = 0x42;
inline constexpr std::uint8_t kAnswerBit = 0x80;
inline constexpr std::uint8_t kReadBit = 0x40;
inline constexpr std::uint8_t kBlockMask = 0x3F;
inline constexpr std::uint8_t kMonitorAnswer = kMonitor | kAnswerBit;  // 0xB0
}  // namespace command

// XOR of every byte but the check byte.
std::uint8_t XorWithoutCheckByte(FrameView frame);

// Sets byte 101 so that the XOR of all 102 bytes is 0xFF.
void SetCheckByte(Frame& frame);

bool HasValidCheckByte(FrameView frame);

// A frame with the command byte, the payload (zeros when empty) and its check byte.
Frame MakeFrame(std::uint8_t commandByte, std::span<const std::uint8_t> payload = {});

inline std::span<const std::uint8_t, kPayloadSize> Payload(FrameView frame) {
    return frame.subspan<1, kPayloadSize>();
}

}  // namespace orvell
