// The binding between the window's controls and the parameter image, one direction at a time.
#pragma once

#include "core/param_image.h"
#include "editor/window_model.h"

namespace orvell {

// Copies every control into the image. Outside test mode the compensations are not read but
// set to 11; the two lobe-check flags survive only for the special entry with method 0. The
// consistency rules and the page layout are the caller's.
void GatherControlsIntoImage(WindowModel& w, ParamImage& image, bool testMode);

// Copies the image into every control: lists, check boxes, and each spinner at stored x scale,
// limited to its range and written into its box. With method 8 all eight 2nd-edge boxes are
// set, so the next gather stores them.
void RefreshControlsFromImage(WindowModel& w, const ParamImage& image);

}  // namespace orvell
