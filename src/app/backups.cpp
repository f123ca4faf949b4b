#include "app/backups.h"

#include <cstdlib>
#include <ctime>
#include <system_error>

#include "core/param_file.h"

namespace orvell {

namespace {

constexpr std::size_t kIdPartLength = 32;

}  // namespace

std::filesystem::path BackupFolderFor(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && *xdgDataHome == '/') {
        return std::filesystem::path(xdgDataHome) / "orvell" / "backups";
    }
    const std::filesystem::path base =
        home != nullptr && *home != '\0' ? std::filesystem::path(home) : std::filesystem::path(".");
    return base / ".local" / "share" / "orvell" / "backups";
}

std::filesystem::path BackupFolder() {
    return BackupFolderFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string BackupIdPart(std::string_view programId) {
    std::string part;
    for (const char c : programId) {
        if (part.size() == kIdPartLength) break;
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.';
        part += plain ? c : '_';
    }
    // Names of only dots ("." or "..") or only replacements say nothing and may mislead.
    if (part.find_first_not_of("._") == std::string::npos) return "unknown";
    return part;
}

std::string BackupFileName(std::chrono::system_clock::time_point when, BackupKind kind,
                           std::string_view programId) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d_%H%M%S", &local);
    return std::string(stamp) + (kind == BackupKind::Read ? "_read_" : "_programmed_") +
           BackupIdPart(programId) + ".ign";
}

BackupOutcome WriteBackup(const std::filesystem::path& folder, const ParamImage& image,
                          BackupKind kind, std::string_view programId,
                          std::chrono::system_clock::time_point when) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);  // a failure shows in the write below
    const std::string name = BackupFileName(when, kind, programId);
    std::filesystem::path file = folder / name;
    const std::string stem = name.substr(0, name.size() - 4);
    for (int n = 2; std::filesystem::exists(std::filesystem::symlink_status(file, ec)); ++n) {
        file = folder / (stem + "-" + std::to_string(n) + ".ign");
    }
    return {WriteParameterFile(file, image), file};
}

}  // namespace orvell
