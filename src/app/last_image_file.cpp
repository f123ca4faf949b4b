#include "app/last_image_file.h"

#include <cstdio>
#include <optional>
#include <system_error>

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

bool RestoreLastImage(std::string_view text, ParamImage& image) {
    ParamImage restored = image;
    if (ParseLastImage(text, restored) != kStoredSize) return false;
    image = restored;
    return true;
}

WriteOutcome WriteLastImageFile(const std::filesystem::path& path, const ParamImage& image) {
    return WriteFileAtomically(path, FormatLastImage(image));
}

LastImageReadResult ReadLastImageFile(const std::filesystem::path& path, ParamImage& image) {
    LastImageReadResult result;
    std::string text;
    if (!ReadWholeFile(path, text)) return result;
    if (RestoreLastImage(text, image)) {
        result.status = LastImageReadResult::Status::kRestored;
        return result;
    }
    result.status = LastImageReadResult::Status::kDamaged;
    std::filesystem::path aside = path;
    aside += kDamagedSuffix;
    std::error_code ec;
    std::filesystem::rename(path, aside, ec);
    if (!ec) result.keptAs = aside;
    return result;
}

}  // namespace orvell
