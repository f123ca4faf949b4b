// Crash-safe replacement of a whole file: the new contents appear completely or not at all.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orvell {

struct WriteOutcome {
    bool ok = false;
    std::string error;  // the step that failed and the system's reason; empty on success

    explicit operator bool() const { return ok; }
};

// Writes `contents` to a temporary file next to `target`, flushes it to the disk and renames it
// over `target`. On any failure the temporary file is removed and an existing `target` is left
// exactly as it was. A symbolic link as target is followed, so the link itself stays.
WriteOutcome WriteFileAtomically(const std::filesystem::path& target, std::string_view contents);

// Reads a regular file completely. False when it is missing, not a regular file or unreadable.
bool ReadWholeFile(const std::filesystem::path& path, std::string& contents);

}  // namespace orvell
