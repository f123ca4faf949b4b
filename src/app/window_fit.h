// Keeps the main window where the user can reach it: on a present screen, and no larger than
// the screen it is on. A saved position from another screen layout, a design size taller than
// a laptop's screen, or nonsense in the settings file must never leave the title bar, the
// menu or the closing button out of reach.
#pragma once

#include <span>

#include "app/platform.h"

namespace orvell {

struct WindowBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const WindowBounds&, const WindowBounds&) = default;
};

// The window shrinks to the available area of the screen that holds most of it (the primary
// screen when it lies on none, and then it is centred there), and moves in until it lies wholly
// inside that area. With no screen known the bounds stay as they are.
WindowBounds FitWindowToScreens(WindowBounds wanted, std::span<const ScreenArea> screens);

}  // namespace orvell
