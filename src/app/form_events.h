// Which event of which control runs which handler of the main window object. One typed row per
// route: the control is named by a pointer to its member of the window model (or a family, a
// kind or a role), the handler by a function the compiler checks, so a misspelt control or
// handler does not build. Adding a handler for a new control event is one row here.
#pragma once

#include <span>

#include "editor/user_event.h"
#include "editor/window_model.h"

namespace orvell {

class TFormHlav;

struct EventRoute {
    EventKind kind;
    // The index of the control within the route's controls (0 for a single control, the
    // element for a family), -1 when the control is not one of them.
    int (*match)(const WindowModel& window, const Control& control);
    // Key events: the key this route takes (0: any key).
    int key;
    void (*run)(TFormHlav& form, UserEvent& event, int index);
};

// Every route, in the order they are tried; the first that takes an event runs.
std::span<const EventRoute> EventRoutes();

// Puts the value the user left in the control into the model (a Change event), then runs the
// first route that takes the event. False when no route does.
bool DispatchEvent(TFormHlav& form, UserEvent& event);

}  // namespace orvell
