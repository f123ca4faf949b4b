// orvell-cli: the unit's transfers and the parameter files from the command line.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <iostream>
#include <thread>

#include "app/backups.h"
#include "app/ini_file.h"
#include "app/settings.h"
#include "link/posix_serial_port.h"
#include "tools/cli/cli.h"

namespace {

volatile sig_atomic_t interrupted = 0;

void Interrupt(int) {
    interrupted = 1;
}

}  // namespace

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
    const auto start = std::chrono::steady_clock::now();
    env.clockMs = [start] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - start)
            .count();
    };
    // Only the live log stops on Ctrl+C (and on SIGTERM) with its file complete; every other
    // command keeps the default, which ends it at once.
    env.catchInterrupt = [] {
        struct sigaction action {};
        action.sa_handler = Interrupt;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGTERM, &action, nullptr);
    };
    env.interrupted = [] { return interrupted != 0; };
    env.backupFolder = BackupFolder();
    return cli::Run(args, std::cout, std::cerr, env);
}
