// The window model as the target of a language switch: the catalogue addresses controls by name.
#pragma once

#include "editor/window_model.h"
#include "i18n/language_target.h"

namespace orvell {

class WindowLanguageTarget : public LanguageTarget {
  public:
    explicit WindowLanguageTarget(WindowModel& window) : window_(window) {}

    void SetCaption(std::string_view control, std::string_view text) override;
    void SetHint(std::string_view control, std::string_view text) override;
    void SetListEntry(std::string_view control, int entry, std::string_view text) override;
    void SetItems(std::string_view control, std::span<const std::string_view> items) override;
    void SetChecked(std::string_view menuItem, bool checked) override;
    void SetTitle(std::string_view title) override;
    bool IsVisible(std::string_view control) const override;

  private:
    WindowModel& window_;
};

}  // namespace orvell
