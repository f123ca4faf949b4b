#include "link/port_map.h"

#include <cstdlib>

namespace orvell {

std::string DefaultDevicePath(int com) {
    if (com >= 1 && com <= 8) return "/dev/ttyUSB" + std::to_string(com - 1);
    if (com >= 9 && com <= 16) return "/dev/ttyACM" + std::to_string(com - 9);
    if (com >= 17 && com <= kComPortCount) return "/dev/ttyS" + std::to_string(com - 17);
    return {};
}

std::string DevicePathForCom(int com, const std::map<int, std::string>& settingsPorts) {
    const std::string variable = "ORVELL_COM" + std::to_string(com);
    if (const char* env = std::getenv(variable.c_str()); env != nullptr && *env != '\0') return env;
    if (auto it = settingsPorts.find(com); it != settingsPorts.end() && !it->second.empty()) {
        return it->second;
    }
    return DefaultDevicePath(com);
}

}  // namespace orvell
