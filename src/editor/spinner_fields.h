// The spinners that edit image bytes, one row each: which spinners, their range and step as the
// box shows them, the byte and the conversion between shown and stored value. The window model
// configures its spinners from this table and the binding copies through it, so the range a
// spinner offers and the byte it stores cannot drift apart.
#pragma once

#include <cstddef>
#include <span>

#include "core/param_image.h"
#include "editor/window_model.h"

namespace orvell {

struct SpinnerField {
    // The spinners of the row: one, or consecutive members of a family.
    std::span<UpDown> (*spinners)(WindowModel&);
    int min;
    int max;
    int step;
    bool grouped;      // digit groups in the box ("25,000")
    std::size_t byte;  // of the first spinner; the next ones store in the bytes that follow
    Conversion conversion;
    bool testModeOnly;  // read back only in test mode (the compensations)
};

std::span<const SpinnerField> SpinnerFields();

// Calls f(upDown, row, byte) for every spinner of the table, in table order.
template <class F>
void ForEachSpinnerField(WindowModel& w, F&& f) {
    for (const SpinnerField& row : SpinnerFields()) {
        const std::span<UpDown> spinners = row.spinners(w);
        for (std::size_t i = 0; i < spinners.size(); ++i) f(spinners[i], row, row.byte + i);
    }
}

// The row of one spinner of the window; null for a spinner the table does not have.
const SpinnerField* FindSpinnerField(WindowModel& w, const UpDown& upDown);

}  // namespace orvell
