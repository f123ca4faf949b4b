// The .ign parameter file: a keyword text format holding the parameter set in display units.
// Reading and writing work on text so that the window can decide how to tell the user about
// problems; the file functions add the file system around them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/atomic_file.h"
#include "core/param_image.h"

namespace orvell {

inline constexpr std::uint32_t kParamFileVersion = 75;
inline constexpr std::string_view kParamFileKey = "VOLTARIS_KEY";
inline constexpr std::string_view kDefaultParamFileName = "data.ign";

// What a read found out and what the user must be told, in this order: one "unmatched version"
// message per entry of unmatchedVersions, then "older version" when OlderVersion(), then, when
// Limited(), that the keywords of limitedFields held numbers outside their fields' ranges.
struct ParamFileReadResult {
    bool opened = true;  // false: the file could not be opened ("Open file error!")
    std::uint32_t version =
        0;  // 75, 54 or 48; 0 when nothing was loaded and the image is unchanged
    std::vector<std::uint32_t> unmatchedVersions;  // refused versions, in file order
    // Keywords as the file spells them ("PILOT_LIGHT", "RPM"), each once, in the order first met,
    // whose numbers lay outside the range the window offers for their field. Such a number was
    // loaded as the nearest end of the range (BASE_ADV 260 as 40, BASE_ADV -1 as 0), never
    // wrapped into 8 bits. Only hand-edited files are expected to hold them.
    std::vector<std::string> limitedFields;

    bool Loaded() const { return version != 0; }
    bool OlderVersion() const { return version == 54 || version == 48; }
    bool Limited() const { return !limitedFields.empty(); }
};

// The complete file text: CR LF line breaks, no final line break.
std::string FormatParameterFile(const ParamImage& image);

// Parses file text into the image. Bytes the text does not set keep their values; when no
// acceptable version is found the image is not touched at all.
ParamFileReadResult ParseParameterFile(std::string_view text, ParamImage& image);

// Replaces the file crash-safely; on failure the old file is intact and the outcome says why.
WriteOutcome WriteParameterFile(const std::filesystem::path& path, const ParamImage& image);

ParamFileReadResult ReadParameterFile(const std::filesystem::path& path, ParamImage& image);

}  // namespace orvell
