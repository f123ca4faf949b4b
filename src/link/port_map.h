// COM numbers are the user's words for ports ("Com 1" .. "Com 31"); this map turns them into
// device files.
#pragma once

#include <map>
#include <string>

namespace orvell {

inline constexpr int kComPortCount = 31;

// The fixed table: COM1..COM8 are /dev/ttyUSB0..7 (a first start on COM1 finds the usual USB
// adapter), COM9..COM16 /dev/ttyACM0..7, COM17..COM31 the built-in /dev/ttyS0..14. Empty outside
// 1..31.
std::string DefaultDevicePath(int com);

// The device for a COM number. Overrides, highest first: the environment variable ORVELL_COM<n>,
// then `settingsPorts` (key COM<n> of the settings file's [PORTS] section, read by the caller),
// then the fixed table. Empty overrides are ignored.
std::string DevicePathForCom(int com, const std::map<int, std::string>& settingsPorts);

}  // namespace orvell
