// The unit information block (block 0): which program runs in the unit, when it was made, and the
// compatibility version the transfers check.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "core/param_image.h"

namespace orvell {

inline constexpr std::uint8_t kUnitVersion = 75;
inline constexpr std::size_t kUnitVersionByte = 10;

struct UnitInfoTexts {
    std::string programId;    // "QMX42", or the optional program text
    std::string programDate;  // " 5. 2.2009"
    std::string programTime;  // "07:04"
    friend bool operator==(const UnitInfoTexts&, const UnitInfoTexts&) = default;
};

// Month code (sum of the characters of "Jan" .. "Dec", modulo 256) to its two-character text;
// "00" for any other code.
const char* MonthText(std::uint8_t code);

UnitInfoTexts DecodeUnitInfo(std::span<const std::uint8_t, kBlockSize> block0);

}  // namespace orvell
