// The window's commands by handler name. The Qt front looks a handler up by the name the menu
// table gives it ("MenuNewClick" for both `MenuNew` and `SpeedButton6`), so the shell plugs in
// one line per command and the front never needs to know which commands exist yet.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "editor/window_model.h"

namespace orvell {

struct CommandEvent {
    const Control* sender = nullptr;  // the menu item, button or list that fired
    int delta = 0;                    // wheel turn, in eighths of a degree
    int x = 0;                        // pointer position on the screen (wheel)
    int y = 0;
    bool handled = false;  // set by a wheel handler that used the turn, so no control scrolls
};

class CommandTable {
  public:
    using Command = std::function<void(CommandEvent&)>;

    void Set(std::string_view handler, Command command);
    void Set(std::string_view handler, std::function<void()> command);
    bool Has(std::string_view handler) const;
    // Runs the handler; false when none is plugged in.
    bool Run(std::string_view handler, CommandEvent& event) const;
    bool Run(std::string_view handler, const Control* sender = nullptr) const;

    // Handler of a menu item or tool-bar button, empty for controls that run none here.
    static std::string_view HandlerOf(std::string_view control);
    // Every handler name the front may run, for listing what is still unplugged.
    static std::vector<std::string_view> KnownHandlers();

  private:
    std::map<std::string, Command, std::less<>> commands_;
};

// 0..30 for `MenuCom1` .. `MenuCom31`, -1 for any other control.
int ComItemIndex(const WindowModel& window, const Control* sender);

}  // namespace orvell
