// The page layout: which controls the current parameter set can use, their enabled state, a
// few colours and captions, and the placement of the advance-map controls.
#pragma once

#include <array>
#include <string>

#include "core/param_image.h"
#include "editor/seams.h"
#include "editor/window_model.h"

namespace orvell {

struct LayoutInputs {
    bool printing = false;
    // The unit's program version, date and time texts, shown on the Bike page.
    const std::array<std::string, 3>* unitTexts = nullptr;
    // No unit has answered for a while: the monitor column shows its last values greyed.
    bool linkLost = false;
};

// Applies every layout rule in order and returns the redraw bits it asks for. It changes no
// image byte; with the "Map" view shown it lays out and redraws the selection grid.
unsigned UpdatePageLayout(WindowModel& w, const ParamImage& image, const LayoutInputs& inputs,
                          MapGridView& grid);

}  // namespace orvell
