// libFuzzer target for the .ign reader. Besides crashes, overruns and hangs it checks the
// promises the program depends on: a file without an acceptable version changes nothing,
// whatever loads lies within the fields' ranges, and it is written and read again without change
// and without a number to limit.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/bike_presets.h"
#include "core/consistency_rules.h"
#include "core/field_ranges.h"
#include "core/param_file.h"

namespace {

// The image a file is loaded into, as the window holds it: in range everywhere.
orvell::ParamImage StartUpSet() {
    orvell::ParamImage image;
    orvell::ApplyStartupSet(image);
    orvell::ConsistencyRules().ApplyConsistencyRules(image);
    return image;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvell;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    static const ParamImage before = StartUpSet();
    ParamImage image = before;
    const ParamFileReadResult result = ParseParameterFile(text, image);
    if (!result.Loaded()) {
        if (image != before || result.Limited()) std::abort();
        return 0;
    }
    if (result.version != 75 && result.version != 54 && result.version != 48) std::abort();
    for (const FieldRange& r : FieldRanges()) {
        for (std::size_t b = r.byte; b < r.byte + r.count; ++b) {
            if (image[b] < r.StoredMin() || image[b] > r.StoredMax()) std::abort();
        }
    }

    const std::string written = FormatParameterFile(image);
    ParamImage reread = before;
    const ParamFileReadResult again = ParseParameterFile(written, reread);
    if (again.version != kParamFileVersion || again.Limited()) std::abort();
    if (FormatParameterFile(reread) != written) std::abort();
    return 0;
}
