// libFuzzer target for the .ign reader. Besides crashes, overruns and hangs it checks the two
// promises the program depends on: a file without an acceptable version changes nothing, and
// whatever was loaded is written and read again without change.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/param_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvell;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    ParamImage before;
    for (std::size_t i = 0; i < kImageSize; ++i) before[i] = static_cast<std::uint8_t>(i * 7);
    ParamImage image = before;
    const ParamFileReadResult result = ParseParameterFile(text, image);
    if (!result.Loaded()) {
        if (image != before) std::abort();
        return 0;
    }
    if (result.version != 75 && result.version != 54 && result.version != 48) std::abort();

    const std::string written = FormatParameterFile(image);
    ParamImage reread = before;
    if (ParseParameterFile(written, reread).version != kParamFileVersion) std::abort();
    if (FormatParameterFile(reread) != written) std::abort();
    return 0;
}
