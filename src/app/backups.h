// Automatic backups: every set read from a unit and every set programmed into one (and verified)
// is also kept as a parameter file in the user's data folder, so that a workshop never loses
// what a customer's unit held or was given.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/atomic_file.h"
#include "core/param_image.h"

namespace orvell {

enum class BackupKind { Read, Programmed };

// `$XDG_DATA_HOME/orvell/backups` when that is an absolute path, else
// `$HOME/.local/share/orvell/backups`.
std::filesystem::path BackupFolderFor(const char* xdgDataHome, const char* home);
// The same from the environment.
std::filesystem::path BackupFolder();

// The unit's program identification as a piece of a file name: letters, digits, '-' and '.'
// kept, anything else (separators, spaces, control bytes) as '_', at most 32 characters, and
// "unknown" when nothing is left.
std::string BackupIdPart(std::string_view programId);

// `YYYY-MM-DD_HHMMSS_read_<id>.ign` or `..._programmed_<id>.ign` in local time.
std::string BackupFileName(std::chrono::system_clock::time_point when, BackupKind kind,
                           std::string_view programId);

struct BackupOutcome {
    WriteOutcome written;
    std::filesystem::path file;  // the backup written (or the one that could not be)
};

// Writes the image crash-safely as a new file in `folder` (made when missing). A name already
// taken within the same second gets "-2", "-3", ... before the extension, so that no backup
// ever replaces another.
BackupOutcome WriteBackup(
    const std::filesystem::path& folder, const ParamImage& image, BackupKind kind,
    std::string_view programId,
    std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

}  // namespace orvell
