// The rule pass that brings the parameter image back into a consistent state after a change.
#pragma once

#include <array>
#include <cstdint>

#include "core/param_image.h"

namespace orvell {

// Window settings that are kept in range by the same pass although they are not image bytes.
// The window owns them; the pass only bounds them.
struct BoundedSettings {
    int languageIndex = 0;   // 0..3
    int portChoice = 0;      // 0..30, see the COM menu
    int autoPortNumber = 0;  // 0..29
};

// Values the caller puts into the edited breakpoint before a pass.
inline constexpr int kFindChangedBreakpoint = -2;
inline constexpr int kNoBreakpoint = -1;

// One instance per main window: it holds the rpm-axis memory that lets pushed neighbours of a
// breakpoint return when the breakpoint moves back.
class ConsistencyRules {
  public:
    ConsistencyRules() { ResetAxisMemory(); }

    // One complete pass over the image. `settings` may be null where no window exists.
    void ApplyConsistencyRules(ParamImage& image, BoundedSettings* settings = nullptr);

    // Clears the pushed flags and remembered values and names no breakpoint as edited. Also the
    // call for every whole-image replacement (New, Read, file load, undo, redo): a memory from the
    // previous parameter set must not pull the new axis toward old values.
    void ResetAxisMemory();

    void SetEditedBreakpoint(int index) { editedBreakpoint_ = index; }
    int EditedBreakpoint() const { return editedBreakpoint_; }
    int ActiveBreakpoint() const { return activeBreakpoint_; }
    bool Pushed(int i) const { return pushed_[i]; }
    int Remembered(int i) const { return remembered_[i]; }

    using Axis = std::array<std::uint8_t, kAxisPoints>;

    // Pushes the chain of neighbours of position p that are out of order, one step apart,
    // toward lower (direction -1) or higher (+1) breakpoints.
    void PushNeighbours(Axis& axis, int p, int direction);

  private:
    int ChangedBreakpoint(const Axis& axis) const;
    void ReturnPushed(Axis& axis);

    int editedBreakpoint_ = kNoBreakpoint;
    int activeBreakpoint_ = 0;
    std::array<bool, kAxisPoints> pushed_{};
    std::array<int, kAxisPoints> remembered_{};
    Axis previousAxis_{};
};

}  // namespace orvell
