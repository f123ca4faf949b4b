// The last-image file: image bytes 0..206 as they were when the program last closed, restored
// at the next start. Despite its .ini name it is a plain list of numbers.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/atomic_file.h"
#include "core/param_image.h"

namespace orvell {

// A damaged last-image file is moved aside to its own name plus this, so that it can be looked at
// and the next start does not meet it again.
inline constexpr std::string_view kDamagedSuffix = ".damaged";

// 207 "%5u " numbers, ten to a line, an empty line after each block of 100, CR LF line breaks
// and none at the end.
std::string FormatLastImage(const ParamImage& image);

// Stores the numbers of `text` in order, each as its low 8 bits, into bytes 0..206. Stops at the
// end, after 207 numbers or at the first word that is not a number; later bytes keep their
// values. Returns how many bytes were set.
std::size_t ParseLastImage(std::string_view text, ParamImage& image);

// All or nothing: when `text` holds all 207 numbers (anything after them is ignored) bytes 0..206
// take them and the result is true; otherwise the image is not touched, so that a short or
// damaged file never mixes two parameter sets.
bool RestoreLastImage(std::string_view text, ParamImage& image);

struct LastImageReadResult {
    enum class Status {
        kNotRead,   // no file (the first start) or it could not be read; the image is unchanged
        kRestored,  // bytes 0..206 are the file's
        kDamaged,   // fewer than 207 numbers; the image is unchanged, the file moved aside
    };
    Status status = Status::kNotRead;
    // kDamaged: where the damaged file is now (the file's name plus kDamagedSuffix, beside it);
    // empty when it could not be moved and is still in its place.
    std::filesystem::path keptAs;

    bool Damaged() const { return status == Status::kDamaged; }
    explicit operator bool() const { return status == Status::kRestored; }
};

WriteOutcome WriteLastImageFile(const std::filesystem::path& path, const ParamImage& image);
// Restores the image from the file (RestoreLastImage). A damaged file is renamed to
// <path>.damaged, replacing an older one, and reported, so that the window can say once that the
// start-up set is in use.
LastImageReadResult ReadLastImageFile(const std::filesystem::path& path, ParamImage& image);

}  // namespace orvell
