// Writes the fuzzer's seed files: real parameter files from the writer, in the variants the
// reader must handle (every bike preset, older versions, LF only, cut short).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/bike_presets.h"
#include "core/param_file.h"

namespace {

void Save(const std::filesystem::path& folder, const std::string& name, const std::string& text) {
    std::ofstream(folder / name, std::ios::binary) << text;
}

std::string WithVersion(std::string text, const char* version) {
    return text.replace(text.find("75"), 2, version);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace orvell;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    ParamImage image;
    image.SetBikeCode(kStartupBikeCode);
    ApplyDefaults(image);
    const std::string defaults = FormatParameterFile(image);
    Save(folder, "defaults.ign", defaults);
    Save(folder, "version54.ign", WithVersion(defaults, "54"));
    Save(folder, "version48.ign", WithVersion(defaults, "48"));
    Save(folder, "unmatched_then_75.ign", "VOLTARIS_KEY  50 \r\n" + defaults);
    Save(folder, "cut_in_advance.ign", defaults.substr(0, defaults.find("ADVANCE") + 300));
    std::string lfOnly;
    for (char c : defaults) {
        if (c != '\r') lfOnly += c;
    }
    Save(folder, "lf_only.ign", lfOnly);

    for (int code : {3, 14, 27, 37}) {
        image.SetBikeCode(static_cast<std::uint8_t>(code));
        ApplyBikePreset(image);
        Save(folder, "bike" + std::to_string(code) + ".ign", FormatParameterFile(image));
    }
    return 0;
}
