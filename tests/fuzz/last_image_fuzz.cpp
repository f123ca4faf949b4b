// libFuzzer target for the last-image reader: either all 207 numbers are taken and the result
// writes and reads back unchanged, or the image is not touched at all. Every byte value is a
// valid last image (it holds the image exactly as it was), so there is no range to check.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/last_image_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvell;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    ParamImage before;
    for (std::size_t i = 0; i < kImageSize; ++i) before[i] = static_cast<std::uint8_t>(i * 7);
    ParamImage image = before;
    ParamImage counted = before;
    const bool complete = ParseLastImage(text, counted) == kStoredSize;
    if (RestoreLastImage(text, image) != complete) std::abort();
    if (!complete) {
        if (image != before) std::abort();
        return 0;
    }
    if (image != counted) std::abort();
    for (std::size_t i = kStoredSize; i < kImageSize; ++i) {
        if (image[i] != before[i]) std::abort();  // the unit's information is not in the file
    }
    ParamImage reread;
    if (!RestoreLastImage(FormatLastImage(image), reread)) std::abort();
    for (std::size_t i = 0; i < kStoredSize; ++i) {
        if (reread[i] != image[i]) std::abort();
    }
    return 0;
}
