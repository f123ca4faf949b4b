#include "editor/window_language_target.h"

#include <string>
#include <vector>

namespace orvell {

// A name the window does not have is a catalogue entry for a control this window lacks; it is
// skipped rather than fatal, and the catalogue's test keeps the two in step.
void WindowLanguageTarget::SetCaption(std::string_view control, std::string_view text) {
    window_.SetCaption(control, text);
}

void WindowLanguageTarget::SetHint(std::string_view control, std::string_view text) {
    window_.SetHint(control, text);
}

void WindowLanguageTarget::SetListEntry(std::string_view control, int entry,
                                        std::string_view text) {
    window_.SetListEntry(control, entry, text);
}

void WindowLanguageTarget::SetItems(std::string_view control,
                                    std::span<const std::string_view> items) {
    const std::vector<std::string> copies(items.begin(), items.end());
    window_.SetListItems(control, copies);
}

void WindowLanguageTarget::SetChecked(std::string_view menuItem, bool checked) {
    window_.SetMenuChecked(menuItem, checked);
}

void WindowLanguageTarget::SetTitle(std::string_view title) { window_.FormHlav.SetCaption(title); }

bool WindowLanguageTarget::IsVisible(std::string_view control) const {
    const Control* c = window_.Find(control);
    return c != nullptr && c->Visible();
}

}  // namespace orvell
