// What the program remembers between runs: the window settings in the INI settings file and
// image bytes 0..206 in the last-image file, both in the user's settings folder.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

#include "app/ini_file.h"
#include "app/last_image_file.h"
#include "core/atomic_file.h"
#include "core/param_image.h"

namespace orvell {

inline constexpr std::string_view kSettingsFileName = "ORVELL_v75.ini";
inline constexpr std::string_view kLastImageFileName = "_ORVELL_v75.ini";
inline constexpr std::string_view kSettingsSection = "FORM_HLAV";

// The values as the start-up sequence has them just before the settings are read: a missing
// key keeps the value it finds here. The port choice starts at 1 because the file holds the
// choice plus one; a missing ComPort therefore reads as 1 - 1, COM1. The auto port number
// reads as 255 the same way and the consistency pass brings it back to 0.
struct Settings {
    int left = 0;  // the window is centred before reading
    int top = 0;
    int height = 834;
    int width = 1005;
    int portChoice = 1;      // 0..29 COM1..COM30, 30 automatic
    int autoPortNumber = 0;  // 0..29
    int languageIndex = 0;
    std::string fileName;  // current parameter file, "File"
    std::string iniDir;    // last file opened or saved, where the file dialogs start
    int activePageIndex = 0;
};

struct SettingsPaths {
    std::filesystem::path settingsFile;
    std::filesystem::path lastImageFile;
};

// $XDG_CONFIG_HOME/orvell, or ~/.config/orvell when it is unset, empty or not absolute.
std::filesystem::path SettingsFolderFor(const char* xdgConfigHome, const char* home);
// The folder for this user, created when missing.
std::filesystem::path SettingsFolder();
SettingsPaths SettingsPathsIn(const std::filesystem::path& folder);

void ReadSettings(const IniFile& ini, Settings& settings);
// The device files the [PORTS] section gives COM numbers ("COM5=/dev/ttyS9"); keys that do not
// name a COM number are not ours.
std::map<int, std::string> PortOverrides(const IniFile& ini);
void WriteSettings(IniFile& ini, const Settings& settings);

// Reads both files; a failure leaves the values as they were. A damaged last-image file is
// moved aside and reported in the result (see ReadLastImageFile).
LastImageReadResult ReadSettings(const SettingsPaths& paths, Settings& settings, ParamImage& image);

struct SettingsWriteOutcome {
    WriteOutcome settingsFile;
    WriteOutcome lastImageFile;
};
// Rewrites both files; keys and sections of the settings file that are not ours stay.
SettingsWriteOutcome WriteSettings(const SettingsPaths& paths, const Settings& settings,
                                   const ParamImage& image);

}  // namespace orvell
