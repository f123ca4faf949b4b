// Writes the fuzzers' seed files, one folder per target that reads files, from the program's own
// writers: parameter files in the variants the reader must handle (every kind of bike preset,
// older versions, LF only, cut short), settings files and last-image files.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/ini_file.h"
#include "app/last_image_file.h"
#include "app/settings.h"
#include "core/bike_presets.h"
#include "core/param_file.h"

namespace {

void Save(const std::filesystem::path& folder, const std::string& name, const std::string& text) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << text;
}

std::string WithVersion(std::string text, const char* version) {
    return text.replace(text.find("75"), 2, version);
}

void ParameterFiles(const std::filesystem::path& folder) {
    using namespace orvell;
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
}

void SettingsFiles(const std::filesystem::path& folder) {
    using namespace orvell;
    Settings settings;
    settings.fileName = "/home/me/tune.ign";
    settings.iniDir = "/home/me/old.ign";
    settings.portChoice = 30;
    IniFile ini = IniFile::Parse("; kept\r\n[PORTS]\r\nCOM3=/dev/ttyUSB0\r\n");
    WriteSettings(ini, settings);
    Save(folder, "settings.ini", ini.Format());
    Save(folder, "bom.ini", "\xEF\xBB\xBF" + ini.Format());
}

void LastImageFiles(const std::filesystem::path& folder) {
    using namespace orvell;
    ParamImage image;
    ApplyStartupSet(image);
    const std::string text = FormatLastImage(image);
    Save(folder, "startup.ini", text);
    Save(folder, "short.ini", text.substr(0, text.size() / 4));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    ParameterFiles(folder / "param_file");
    SettingsFiles(folder / "settings");
    LastImageFiles(folder / "last_image");
    return 0;
}
