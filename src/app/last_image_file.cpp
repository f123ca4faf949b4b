#include "app/last_image_file.h"

#include <cstdio>
#include <optional>

#include "core/text_scanner.h"

namespace orvell {

std::string FormatLastImage(const ParamImage& image) {
    std::string out;
    for (std::size_t i = 0; i < kStoredSize; ++i) {
        char number[16];
        int n = std::snprintf(number, sizeof number, "%5u ", unsigned{image[i]});
        out.append(number, static_cast<std::size_t>(n));
        if (i % 10 == 9) out += "\r\n";
        if (i % 100 == 99) out += "\r\n";
    }
    return out;
}

std::size_t ParseLastImage(std::string_view text, ParamImage& image) {
    TextScanner scanner(text);
    std::size_t count = 0;
    for (; count < kStoredSize; ++count) {
        std::optional<std::uint32_t> n = scanner.NextNumber();
        if (!n) break;
        image[count] = static_cast<std::uint8_t>(*n);
    }
    return count;
}

WriteOutcome WriteLastImageFile(const std::filesystem::path& path, const ParamImage& image) {
    return WriteFileAtomically(path, FormatLastImage(image));
}

bool ReadLastImageFile(const std::filesystem::path& path, ParamImage& image) {
    std::string text;
    if (!ReadWholeFile(path, text)) return false;
    ParseLastImage(text, image);
    return true;
}

}  // namespace orvell
