// Colours of labels and cells as the window shows them: 24-bit 0x00BBGGRR values, plus the two
// system colours, which carry the top bit so that they never collide with a real colour.
#pragma once

#include <cstdint>

namespace orvell {

using Colour = std::uint32_t;

namespace colour {
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kWhite = 0x00FFFFFF;
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kYellow = 0x0000FFFF;
inline constexpr Colour kLime = 0x0000FF00;
inline constexpr Colour kAqua = 0x00FFFF00;
inline constexpr Colour kFuchsia = 0x00FF00FF;
inline constexpr Colour kButtonFace = 0x8000000F;  // system colour: normal label background
inline constexpr Colour kWindow = 0x80000005;      // system colour: edit box background
inline constexpr Colour kButtonShadow = 0x80000010;  // system colour: the shade of a 3D edge
inline constexpr bool IsSystemColour(Colour c) {
    return (c & 0x80000000u) != 0;
}
}  // namespace colour

}  // namespace orvell
