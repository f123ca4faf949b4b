// Crash-safe replacement of a whole file: the new contents appear completely or not at all.
#pragma once

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvell {

struct WriteOutcome {
    bool ok = false;
    // The step that failed, the file as the caller named it and the system's reason ("cannot
    // write /home/me/tune.ign: No space left on device"); empty on success.
    std::string error;

    explicit operator bool() const { return ok; }
};

// Writes `contents` to a temporary file next to `target`, flushes it to the disk and renames it
// over `target`. On any failure the temporary file is removed and an existing `target` is left
// exactly as it was. A symbolic link as target is followed, so the link itself stays.
WriteOutcome WriteFileAtomically(const std::filesystem::path& target, std::string_view contents);

// A writer killed between writing and renaming leaves its hidden temporary file behind
// (".tune.ign.tmp3717.3.0" beside tune.ign). Removes such files from `folder`: only names of
// exactly that pattern, only regular files, and only when the process that wrote it is gone or the
// file is older than `staleAfter` (a process id can be reused), so that another running copy's
// write in progress is left alone. Returns how many were removed; an unreadable folder gives 0.
std::size_t RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                                      std::chrono::seconds staleAfter = std::chrono::hours(1));

// Reads a regular file completely. False when it is missing, not a regular file or unreadable.
bool ReadWholeFile(const std::filesystem::path& path, std::string& contents);

}  // namespace orvell
