#include "link/unit_info.h"

#include <algorithm>
#include <array>

namespace orvell {

namespace {

constexpr std::array<std::uint8_t, 12> kMonthCodes = {25, 13, 32, 35, 39, 45,
                                                      43, 29, 40, 38, 51, 12};
constexpr std::array<const char*, 12> kMonthTexts = {" 1", " 2", " 3", " 4", " 5", " 6",
                                                     " 7", " 8", " 9", "10", "11", "12"};

// Values of 100 and more give a non-digit tens character, as the unit's own tools show them.
char Tens(std::uint8_t v) {
    return static_cast<char>('0' + v / 10);
}
char Units(std::uint8_t v) {
    return static_cast<char>('0' + v % 10);
}

constexpr std::size_t kProgramTextOffset = 16;
constexpr std::size_t kProgramTextMax = 30;

}  // namespace

const char* MonthText(std::uint8_t code) {
    const auto it = std::find(kMonthCodes.begin(), kMonthCodes.end(), code);
    return it == kMonthCodes.end()
               ? "00"
               : kMonthTexts[static_cast<std::size_t>(it - kMonthCodes.begin())];
}

UnitInfoTexts DecodeUnitInfo(std::span<const std::uint8_t, kBlockSize> b) {
    UnitInfoTexts t;
    t.programId = {static_cast<char>(b[0]), static_cast<char>(b[1]), static_cast<char>(b[2]),
                   Tens(b[3]), Units(b[3])};
    t.programDate = {b[4] < 10 ? ' ' : Tens(b[4]), Units(b[4]), '.'};
    t.programDate += MonthText(b[5]);
    t.programDate += {'.', '2', '0', Tens(b[6]), Units(b[6])};
    t.programTime = {Tens(b[7]), Units(b[7]), ':', Tens(b[8]), Units(b[8])};
    if (b[kProgramTextOffset] != 0) {
        const auto first = b.begin() + kProgramTextOffset;
        const auto end = std::find(first, first + kProgramTextMax, std::uint8_t{0});
        t.programId.assign(first, end);
    }
    return t;
}

}  // namespace orvell
