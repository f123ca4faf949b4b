#include "app/window_fit.h"

#include <algorithm>
#include <cstdint>

namespace orvell {

namespace {

// The area the window and the screen share, in square pixels (0 when apart).
std::int64_t Overlap(const WindowBounds& w, const ScreenArea& a) {
    const std::int64_t left = std::max<std::int64_t>(w.left, a.left);
    const std::int64_t top = std::max<std::int64_t>(w.top, a.top);
    const std::int64_t right =
        std::min(std::int64_t{w.left} + w.width, std::int64_t{a.left} + a.width);
    const std::int64_t bottom =
        std::min(std::int64_t{w.top} + w.height, std::int64_t{a.top} + a.height);
    return right > left && bottom > top ? (right - left) * (bottom - top) : 0;
}

}  // namespace

WindowBounds FitWindowToScreens(WindowBounds wanted, std::span<const ScreenArea> screens) {
    if (screens.empty()) return wanted;
    const ScreenArea* area = nullptr;
    std::int64_t best = 0;
    for (const ScreenArea& screen : screens) {
        const std::int64_t shared = Overlap(wanted, screen);
        if (shared > best) {
            best = shared;
            area = &screen;
        }
    }
    const bool lost = area == nullptr;
    if (lost) area = &screens.front();
    if (area->width <= 0 || area->height <= 0) return wanted;

    WindowBounds fitted = wanted;
    fitted.width = std::clamp(wanted.width, 1, area->width);
    fitted.height = std::clamp(wanted.height, 1, area->height);
    if (lost) {
        fitted.left = area->left + (area->width - fitted.width) / 2;
        fitted.top = area->top + (area->height - fitted.height) / 2;
    }
    fitted.left = std::clamp(fitted.left, area->left, area->left + area->width - fitted.width);
    fitted.top = std::clamp(fitted.top, area->top, area->top + area->height - fitted.height);
    return fitted;
}

}  // namespace orvell
