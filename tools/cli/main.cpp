// orvell-cli: the unit's transfers and the parameter files from the command line.
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "app/backups.h"
#include "app/ini_file.h"
#include "app/settings.h"
#include "link/posix_serial_port.h"
#include "tools/cli/cli.h"

int main(int argc, char** argv) {
    using namespace orvell;
    std::vector<std::string> args(argv + 1, argv + argc);
    PosixSerialPort port;
    cli::Environment env;
    env.port = &port;
    auto next = std::chrono::steady_clock::now();
    env.waitTick = [&next] {
        // The window's pace: one step every 55 ms, whatever a step cost.
        next += std::chrono::milliseconds(55);
        std::this_thread::sleep_until(next);
    };
    const std::filesystem::path settings =
        SettingsFolderFor(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")) /
        std::string(kSettingsFileName);
    env.settingsPorts = PortOverrides(IniFile::Load(settings));
    env.progress = isatty(STDERR_FILENO) != 0;
    env.backupFolder = BackupFolder();
    return cli::Run(args, std::cout, std::cerr, env);
}
