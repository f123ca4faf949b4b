// A user's event as the window object receives it. The front end turns each toolkit signal or
// event into one of these and hands it to the window; which handler runs is decided below the
// front end, by a typed table (app/form_events.h), so the front end knows no handler by name.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvell {

class Control;

enum class EventKind : std::uint8_t {
    Click,      // a button, menu item or spinner arrow was pressed
    Change,     // the user changed a control's value (carried in the event)
    Exit,       // the keyboard focus left the control
    Key,        // a key was pressed while the control had the focus
    Wheel,      // a wheel turn over the control
    MouseDown,  // over a drawing surface
    MouseMove,
    MouseUp,
    MouseLeave,   // the pointer left the surface
    Enter,        // the keyboard focus entered the control
    ContextMenu,  // the user asked for the control's context menu (at x, y)
};

// Keys that are not characters; characters arrive as themselves ('+', '-').
inline constexpr int kKeyEnter = '\r';
inline constexpr int kKeyUp = 0x100;
inline constexpr int kKeyDown = 0x101;
inline constexpr int kKeyLeft = 0x102;
inline constexpr int kKeyRight = 0x103;

// Mouse buttons and key modifiers as bit sets.
inline constexpr unsigned kButtonLeft = 1;
inline constexpr unsigned kButtonRight = 2;
inline constexpr unsigned kButtonMiddle = 4;
inline constexpr unsigned kModShift = 1;
inline constexpr unsigned kModCtrl = 2;
inline constexpr unsigned kModAlt = 4;

struct UserEvent {
    EventKind kind = EventKind::Click;
    Control* sender = nullptr;

    // Click on a spinner or column step button: which half.
    bool up = false;
    // Change: the value the user left in the control (the one that fits its kind).
    bool checked = false;     // check box, radio button
    bool byKeyboard = false;  // made with the keyboard (a check box toggled by Space)
    int index = 0;            // list, radio group, page control, track bar position
    std::string_view text;    // edit box
    // Key (with `modifiers` held).
    int key = 0;
    // Pointer: in the sender's pixels; for the window itself, on the screen.
    int x = 0;
    int y = 0;
    unsigned button = 0;   // the button that went down or up
    unsigned buttons = 0;  // the buttons held
    unsigned modifiers = 0;
    int wheelDelta = 0;  // in eighths of a degree, positive away from the user
    // Wheel: the control (for a spinner, its edit box) has the keyboard focus.
    bool focused = false;

    // Set by the handler that used the event: a swallowed key, a wheel turn that no control
    // should scroll with.
    bool handled = false;
};

// What takes the events: the main window object; tests put a recorder in front of it.
class UserEventSink {
  public:
    virtual ~UserEventSink() = default;
    virtual void HandleEvent(UserEvent& event) = 0;
};

}  // namespace orvell
