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

// 207 "%5u " numbers, ten to a line, an empty line after each block of 100, CR LF line breaks
// and none at the end.
std::string FormatLastImage(const ParamImage& image);

// Stores the numbers of `text` in order, each as its low 8 bits, into bytes 0..206. Stops at the
// end, after 207 numbers or at the first word that is not a number; later bytes keep their
// values. Returns how many bytes were set.
std::size_t ParseLastImage(std::string_view text, ParamImage& image);

WriteOutcome WriteLastImageFile(const std::filesystem::path& path, const ParamImage& image);
// False when the file cannot be read; the image is then unchanged.
bool ReadLastImageFile(const std::filesystem::path& path, ParamImage& image);

}  // namespace orvell
