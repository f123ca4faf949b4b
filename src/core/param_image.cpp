#include "core/param_image.h"

#include <stdexcept>

namespace orvell {

namespace {

constexpr std::array<bool, kReservedOffset> BuildFieldBytes() {
    std::array<bool, kReservedOffset> listed{};
    for (std::size_t i : {0,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 15,
                          16, 17, 20, 21, 22, 27, 28, 54, 55, 56, 57, 58, 59, 60}) {
        listed[i] = true;
    }
    for (std::size_t i = 23; i <= 26; ++i) listed[i] = true;              // compensations
    for (std::size_t i = 30; i <= 53; ++i) listed[i] = true;              // channel lobes and flags
    for (std::size_t i = 70; i < kReservedOffset; ++i) listed[i] = true;  // servo, axis, map
    return listed;
}

constexpr auto kFieldBytes = BuildFieldBytes();

}  // namespace

bool IsFieldByte(std::size_t index) {
    return index < kFieldBytes.size() && kFieldBytes[index];
}

std::size_t ParamImage::Index(std::size_t offset, int count, int i) {
    if (i < 0 || i >= count) throw std::out_of_range("parameter field index out of range");
    return offset + static_cast<std::size_t>(i);
}

std::size_t ParamImage::CellIndex(int row, int column) {
    if (row < 0 || row >= kMapRows || column < 0 || column >= kMapColumns) {
        throw std::out_of_range("advance map cell out of range");
    }
    return MapCellByte(row, column);
}

}  // namespace orvell
