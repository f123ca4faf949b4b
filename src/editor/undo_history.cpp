#include "editor/undo_history.h"

#include <algorithm>

namespace orvell {

void UndoHistory::Store(std::uint16_t slot, const ParamImage& image, int pageIndex) {
    const auto stored = image.Stored();
    std::copy(stored.begin(), stored.end(), history_[slot].imageBytes.begin());
    history_[slot].pageIndex = static_cast<std::uint8_t>(pageIndex);
}

void UndoHistory::Reset(const ParamImage& image, int pageIndex) {
    oldest_ = current_ = newest_ = 0;
    Store(0, image, pageIndex);
}

bool UndoHistory::Push(const ParamImage& image, int pageIndex) {
    const auto stored = image.Stored();
    if (std::equal(stored.begin(), stored.end(), history_[current_].imageBytes.begin())) {
        return false;
    }
    current_ = Next(current_);
    newest_ = current_;
    if (oldest_ == current_) oldest_ = Next(oldest_);
    Store(current_, image, pageIndex);
    return true;
}

bool UndoHistory::StepBack() {
    if (!CanUndo()) return false;
    current_ = Previous(current_);
    return true;
}

bool UndoHistory::StepForward() {
    if (!CanRedo()) return false;
    current_ = Next(current_);
    return true;
}

bool UndoHistory::ProgramAfterChange(bool changed, bool boxChecked) {
    if (!boxChecked) {
        programArmed_ = false;
        return false;
    }
    const bool program = changed || programArmed_;
    programArmed_ = true;
    return program;
}

}  // namespace orvell
