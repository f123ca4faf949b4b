// What the catalogue needs from the window to put a language into it. The window model
// implements it; controls are addressed by their names in the window definition.
#pragma once

#include <span>
#include <string_view>

namespace orvell {

class LanguageTarget {
  public:
    virtual ~LanguageTarget() = default;

    virtual void SetCaption(std::string_view control, std::string_view text) = 0;
    virtual void SetHint(std::string_view control, std::string_view text) = 0;
    // Replaces entry n of a drop-down list; n equal to the list's length appends an entry.
    // The selection index is left to the refresh that follows a language change.
    virtual void SetListEntry(std::string_view control, int entry, std::string_view text) = 0;
    // Replaces a radio group's items as a whole.
    virtual void SetItems(std::string_view control, std::span<const std::string_view> items) = 0;
    virtual void SetChecked(std::string_view menuItem, bool checked) = 0;
    virtual void SetTitle(std::string_view title) = 0;
    virtual bool IsVisible(std::string_view control) const = 0;
};

}  // namespace orvell
