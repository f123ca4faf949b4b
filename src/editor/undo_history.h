// The undo history: a ring of 200 snapshots of image bytes 0..206, each with the page that was
// active when it was taken. Fixed storage; nothing is allocated per snapshot.
#pragma once

#include <array>
#include <cstdint>

#include "core/param_image.h"

namespace orvell {

inline constexpr int kHistorySlots = 200;

struct Snapshot {
    std::array<std::uint8_t, kStoredSize> imageBytes{};
    std::uint8_t pageIndex = 0;
};

class UndoHistory {
  public:
    // The present image becomes the only state.
    void Reset(const ParamImage& image, int pageIndex);
    // Stores a new state when bytes 0..206 differ from the current one (the page is not
    // compared); drops the states redo could reach and overwrites the oldest when full.
    // Returns whether the image had changed.
    bool Push(const ParamImage& image, int pageIndex);
    // Moves `current` one state back or forward; false (and nothing moves) at either end.
    bool StepBack();
    bool StepForward();

    const Snapshot& Current() const { return history_[current_]; }
    bool CanUndo() const { return current_ != oldest_; }
    bool CanRedo() const { return current_ != newest_; }

    // "Programming after change": whether this snapshot step must start a Program transfer.
    // Once the box was on at an earlier step, every step programs, changed or not.
    bool ProgramAfterChange(bool changed, bool boxChecked);

    std::uint16_t Oldest() const { return oldest_; }
    std::uint16_t CurrentSlot() const { return current_; }
    std::uint16_t Newest() const { return newest_; }

  private:
    static std::uint16_t Next(std::uint16_t slot) {
        return static_cast<std::uint16_t>(slot + 1 == kHistorySlots ? 0 : slot + 1);
    }
    static std::uint16_t Previous(std::uint16_t slot) {
        return static_cast<std::uint16_t>(slot == 0 ? kHistorySlots - 1 : slot - 1);
    }
    void Store(std::uint16_t slot, const ParamImage& image, int pageIndex);

    std::array<Snapshot, kHistorySlots> history_{};
    std::uint16_t oldest_ = 0;
    std::uint16_t current_ = 0;
    std::uint16_t newest_ = 0;
    bool programArmed_ = false;
};

}  // namespace orvell
