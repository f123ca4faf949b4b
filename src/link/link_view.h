// What the link changes in the main window. The window implements it; tests fake it.
#pragma once

#include <string>

#include "core/colours.h"

namespace orvell {

class LinkView {
  public:
    virtual ~LinkView() = default;

    // Port.
    virtual void SetComLabel(const std::string& text) = 0;  // LabelCom
    virtual void CheckComItem(int index) = 0;  // the check mark on exactly this item of MenuCom
    virtual void SetNoConnectionVisible(bool visible) = 0;  // LabelSpojeni
    virtual bool Printing() const = 0;
    // Modal message box; the tick keeps running while it is open, so the link is in a consistent
    // state whenever it calls this.
    virtual void ShowMessage(const std::string& text) = 0;

    // Status line: LabelHlaseni and the gauge CGaugeProgram.
    // Text and colour, status countdown restarted at 200, label shown.
    virtual void ShowStatus(const std::string& text, Colour colour) = 0;
    // Text and colour only; the countdown runs on.
    virtual void SetStatusText(const std::string& text, Colour colour) = 0;
    virtual void SetStatusCountdown(int ticks) = 0;
    // Progress is already within 0..maximum.
    virtual void SetGauge(int progress, int maximum) = 0;
    virtual void ShowGauge() = 0;

    // Parameter editor.
    virtual bool Refreshing() const = 0;  // controls are being refreshed: commands do nothing
    virtual void GatherControls() = 0;
    virtual void ApplyConsistencyRules() = 0;
    virtual void RefreshControls() = 0;
    // Blocks 1 and 2 of the image were replaced as a whole (a completed Read).
    virtual void ImageReplaced() = 0;
    // A Read drops the current file name; the title becomes the bare prefix and seven spaces.
    virtual void ClearFileName() = 0;
    virtual bool ServoGroupVisible() const = 0;  // GroupBoxPrivera
};

}  // namespace orvell
