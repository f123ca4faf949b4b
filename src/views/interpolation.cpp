#include "views/interpolation.h"

#include <algorithm>
#include <cmath>

namespace orvell {

namespace {

// Each step is computed in double precision from single-precision operands and its result kept
// in single precision, so the rounding of the cell values does not depend on the compiler's
// choice of intermediate precision.
float Blend(float t, float from, float to) {
    return static_cast<float>(static_cast<double>(to) * t + (1.0 - static_cast<double>(t)) * from);
}

float Fraction(int value, int first, int last) {
    if (last == first) return 0.5F;
    return static_cast<float>(static_cast<double>(value - first) / (last - first));
}

}  // namespace

bool InterpolateSelection(const TSelcell& selection, ParamImage& image) {
    if (!selection.HasRectangle()) return false;
    const int c0 = selection.firstColumn;
    const int c1 = selection.lastColumn;
    const int r0 = selection.firstRow;
    const int r1 = selection.lastRow;
    if (c0 == c1 && r0 == r1) return true;

    // The corners are read before any cell is written.
    const float a = image.MapCell(r0, c0);
    const float b = image.MapCell(r0, c1);
    const float c = image.MapCell(r1, c0);
    const float d = image.MapCell(r1, c1);
    // With an ascending rpm axis every value lies between the corners; an axis out of order
    // (from a file or a unit) would extrapolate beyond them, even below 0 or past a byte, so the
    // values are kept within the corners' range.
    const double lowest = std::min({a, b, c, d});
    const double highest = std::max({a, b, c, d});
    const int x0 = image.RpmAxis(c0);
    const int x1 = image.RpmAxis(c1);
    for (int i = c0; i <= c1; ++i) {
        const float u = Fraction(image.RpmAxis(i), x0, x1);
        for (int j = r0; j <= r1; ++j) {
            const float t = Fraction(j, r0, r1);
            const float left = Blend(t, a, c);
            const float right = Blend(t, b, d);
            const float value = Blend(u, left, right);
            const double rounded = std::floor(static_cast<double>(value) + 0.5);
            image.MapCell(j, i) = static_cast<std::uint8_t>(std::clamp(rounded, lowest, highest));
        }
    }
    return true;
}

}  // namespace orvell
