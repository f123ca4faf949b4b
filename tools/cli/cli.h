// `orvell-cli`: the unit's transfers, the rules and the parameter files without a window, for
// scripts and for workshops that keep their sets in version control.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "link/serial_port.h"

namespace orvell::cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitDifferent = 1;  // a verify or a diff found differences
inline constexpr int kExitError = 2;      // link, file or usage error

// What the commands use of the world; the program passes the real ones, tests their fakes.
struct Environment {
    SerialPort* port = nullptr;  // the serial device
    // Waits one tick of the link's pace (55 ms); tests move their simulated line on instead.
    std::function<void()> waitTick;
    // The [PORTS] entries of the settings file (COM number -> device file).
    std::map<int, std::string> settingsPorts;
    // Progress lines on the error stream (when it is a terminal).
    bool progress = false;
    // The live log's clock in milliseconds; without one, 55 ms a tick.
    std::function<std::int64_t()> clockMs;
    // The live log takes Ctrl+C as "stop and keep the file": `catchInterrupt` is called once as
    // it starts, `interrupted` after every tick.
    std::function<void()> catchInterrupt;
    std::function<bool()> interrupted;
    // Where a completed read and a verified program leave their backup; empty: nowhere.
    std::filesystem::path backupFolder;
};

// Runs one command line (the words after the program's name) and returns its exit status.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        Environment& env);

// The usage text of --help.
const char* UsageText();

}  // namespace orvell::cli
