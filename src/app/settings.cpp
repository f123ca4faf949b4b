#include "app/settings.h"

#include <pwd.h>
#include <unistd.h>

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <system_error>

#include "link/port_map.h"

namespace orvell {

namespace {

constexpr std::string_view kLeft = "Left";
constexpr std::string_view kTop = "Top";
constexpr std::string_view kHeight = "Height";
constexpr std::string_view kWidth = "Width";
constexpr std::string_view kComPort = "ComPort";
constexpr std::string_view kComPortAuto = "ComPortAuto";
constexpr std::string_view kLanguage = "Language";
constexpr std::string_view kFile = "File";
constexpr std::string_view kIniDir = "IniDir";
constexpr std::string_view kActivePage = "PageControl1->ActivePageIndex";

// The low 8 bits of value + delta; computed wide, so that a key holding the smallest integer
// does not overflow.
int Low8(int value, int delta = 0) {
    return static_cast<int>((static_cast<long long>(value) + delta) & 0xFF);
}

std::filesystem::path HomeFolder(const char* home) {
    if (home != nullptr && *home != '\0') return home;
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return ".";
}

}  // namespace

std::filesystem::path SettingsFolderFor(const char* xdgConfigHome, const char* home) {
    if (xdgConfigHome != nullptr && *xdgConfigHome == '/') {
        return std::filesystem::path(xdgConfigHome) / "orvell";
    }
    return HomeFolder(home) / ".config" / "orvell";
}

std::filesystem::path SettingsFolder() {
    std::filesystem::path folder =
        SettingsFolderFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    // A folder that cannot be made shows up later as files that cannot be written, which the
    // program survives.
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return folder;
}

SettingsPaths SettingsPathsIn(const std::filesystem::path& folder) {
    return {folder / kSettingsFileName, folder / kLastImageFileName};
}

void ReadSettings(const IniFile& ini, Settings& s) {
    const std::string_view section = kSettingsSection;
    s.left = ini.ReadInteger(section, kLeft, s.left);
    s.top = ini.ReadInteger(section, kTop, s.top);
    s.height = ini.ReadInteger(section, kHeight, s.height);
    s.width = ini.ReadInteger(section, kWidth, s.width);
    s.portChoice = Low8(ini.ReadInteger(section, kComPort, s.portChoice), -1);
    s.autoPortNumber = Low8(ini.ReadInteger(section, kComPortAuto, s.autoPortNumber), -1);
    s.languageIndex = Low8(ini.ReadInteger(section, kLanguage, s.languageIndex));
    s.fileName = ini.ReadString(section, kFile, "");
    s.iniDir = ini.ReadString(section, kIniDir, "");
    s.activePageIndex = ini.ReadInteger(section, kActivePage, s.activePageIndex);
}

void WriteSettings(IniFile& ini, const Settings& s) {
    const std::string_view section = kSettingsSection;
    ini.WriteInteger(section, kLeft, s.left);
    ini.WriteInteger(section, kTop, s.top);
    ini.WriteInteger(section, kHeight, s.height);
    ini.WriteInteger(section, kWidth, s.width);
    ini.WriteInteger(section, kComPort, s.portChoice + 1);
    ini.WriteInteger(section, kComPortAuto, s.autoPortNumber + 1);
    ini.WriteInteger(section, kLanguage, s.languageIndex);
    ini.WriteString(section, kFile, s.fileName);
    ini.WriteString(section, kIniDir, s.iniDir);
    ini.WriteInteger(section, kActivePage, s.activePageIndex);
}

LastImageReadResult ReadSettings(const SettingsPaths& paths, Settings& settings,
                                 ParamImage& image) {
    ReadSettings(IniFile::Load(paths.settingsFile), settings);
    return ReadLastImageFile(paths.lastImageFile, image);
}

SettingsWriteOutcome WriteSettings(const SettingsPaths& paths, const Settings& settings,
                                   const ParamImage& image) {
    IniFile ini = IniFile::Load(paths.settingsFile);
    WriteSettings(ini, settings);
    return {ini.Save(paths.settingsFile), WriteLastImageFile(paths.lastImageFile, image)};
}

std::map<int, std::string> PortOverrides(const IniFile& ini) {
    constexpr std::string_view kPortsSection = "PORTS";
    std::map<int, std::string> ports;
    for (const auto& [key, path] : ini.ReadSection(kPortsSection)) {
        if (key.size() < 4) continue;
        bool com = true;
        for (std::size_t i = 0; i < 3; ++i) {
            com = com && std::toupper(static_cast<unsigned char>(key[i])) == "COM"[i];
        }
        int n = 0;
        const char* end = key.data() + key.size();
        const auto [ptr, ec] = std::from_chars(key.data() + 3, end, n);
        if (com && ec == std::errc{} && ptr == end && n >= 1 && n <= kComPortCount) ports[n] = path;
    }
    return ports;
}

}  // namespace orvell
