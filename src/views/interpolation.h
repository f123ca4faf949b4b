// Fills the marked rectangle of the advance map from its four corner cells: linear in engine
// speed across the columns (by the rpm axis breakpoints) and linear in the row index down the
// rows. Pure logic on the image; the window runs the rules, the refresh and the undo step.
#pragma once

#include "core/param_image.h"
#include "views/cell_selection.h"

namespace orvell {

// The box the window shows when the marks are no rectangle to fill. Both texts are the same in
// every language.
inline constexpr const char* kInterpolationErrorText =
    "Choose continuouse rectangle arrea of cells...";
inline constexpr const char* kInterpolationErrorCaption = "Error";

// Fills the selection's interpolation rectangle. False, with the image untouched, when the
// selection has no rectangle.
bool InterpolateSelection(const TSelcell& selection, ParamImage& image);

}  // namespace orvell
