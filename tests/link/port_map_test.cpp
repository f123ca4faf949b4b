#include "link/port_map.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace orvell {
namespace {

TEST(PortMap, FixedTableUsbAdaptersFirstThenAcmThenBuiltIn) {
    const std::pair<int, const char*> cases[] = {{1, "/dev/ttyUSB0"},
                                                 {8, "/dev/ttyUSB7"},
                                                 {9, "/dev/ttyACM0"},
                                                 {16, "/dev/ttyACM7"},
                                                 {17, "/dev/ttyS0"},
                                                 {31, "/dev/ttyS14"},
                                                 {0, ""},
                                                 {32, ""}};
    for (const auto& [com, path] : cases) EXPECT_EQ(DefaultDevicePath(com), path) << com;
}

TEST(PortMap, EnvironmentBeatsSettingsBeatsTable) {
    const std::map<int, std::string> settings = {{3, "/dev/ttyS9"}, {4, ""}};
    ::unsetenv("ORVELL_COM3");
    ::unsetenv("ORVELL_COM4");
    EXPECT_EQ(DevicePathForCom(3, settings), "/dev/ttyS9");
    EXPECT_EQ(DevicePathForCom(4, settings), "/dev/ttyUSB3") << "an empty entry is ignored";
    EXPECT_EQ(DevicePathForCom(5, settings), "/dev/ttyUSB4");
    ::setenv("ORVELL_COM3", "/dev/pts/7", 1);
    ::setenv("ORVELL_COM4", "", 1);
    EXPECT_EQ(DevicePathForCom(3, settings), "/dev/pts/7");
    EXPECT_EQ(DevicePathForCom(4, settings), "/dev/ttyUSB3");
    ::unsetenv("ORVELL_COM3");
    ::unsetenv("ORVELL_COM4");
}

}  // namespace
}  // namespace orvell
