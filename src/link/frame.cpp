#include "link/frame.h"

#include <algorithm>

namespace orvell {

std::uint8_t XorWithoutCheckByte(FrameView frame) {
    std::uint8_t x = 0;
    for (std::size_t i = 0; i < kCheckByte; ++i) x ^= frame[i];
    return x;
}

void SetCheckByte(Frame& frame) {
    frame[kCheckByte] = static_cast<std::uint8_t>(0xFF ^ XorWithoutCheckByte(frame));
}

bool HasValidCheckByte(FrameView frame) {
    return (XorWithoutCheckByte(frame) ^ frame[kCheckByte]) == 0xFF;
}

Frame MakeFrame(std::uint8_t commandByte, std::span<const std::uint8_t> payload) {
    Frame frame{};
    frame[0] = commandByte;
    std::copy_n(payload.begin(), std::min(payload.size(), kPayloadSize), frame.begin() + 1);
    SetCheckByte(frame);
    return frame;
}

}  // namespace orvell
