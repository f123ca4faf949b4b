#include "core/atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace orvell {

namespace {

WriteOutcome Failure(std::string_view step, const std::filesystem::path& path, int error) {
    return {false, std::string(step) + " " + path.string() + ": " + std::strerror(error)};
}

std::filesystem::path ResolveLinks(const std::filesystem::path& target) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(target, ec)) return target;
    // A dangling link resolves to where it points, which is where the file is to be created.
    std::filesystem::path resolved = std::filesystem::weakly_canonical(target, ec);
    return ec ? target : resolved;
}

constexpr std::string_view kTemporaryMark = ".tmp";

// An unused name beside the target, ".<name>.tmp<pid>.<counter>.<attempt>": hidden, and the
// process id and a counter keep concurrent writers apart. Appended piece by piece: GCC 12 at -O3
// warns falsely (-Wrestrict) about the chain of string additions.
std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    std::string name = ".";
    name += target.filename().native();
    name += kTemporaryMark;
    name += std::to_string(getpid());
    name += '.';
    name += std::to_string(counter++);
    name += '.';
    name += std::to_string(attempt);
    std::filesystem::path path = target;
    path.replace_filename(name);
    return path;
}

bool AllDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The writer's process id when `name` is one of TemporaryName's names.
std::optional<pid_t> TemporaryWriter(std::string_view name) {
    if (name.size() < 2 || name.front() != '.') return std::nullopt;
    // From the end: attempt, counter, then "tmp" and the process id.
    for (int number = 0; number < 2; ++number) {
        const std::size_t dot = name.rfind('.');
        if (dot == std::string_view::npos || !AllDigits(name.substr(dot + 1))) return std::nullopt;
        name = name.substr(0, dot);
    }
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string_view::npos || mark < 2) return std::nullopt;  // ".x" before it
    const std::string_view pid = name.substr(mark + kTemporaryMark.size());
    if (!AllDigits(pid) || pid.size() > 9) return std::nullopt;
    pid_t value = 0;
    for (char c : pid) value = value * 10 + (c - '0');
    return value;
}

bool ProcessExists(pid_t pid) {
    return pid > 0 && (kill(pid, 0) == 0 || errno == EPERM);
}

bool WriteAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        ssize_t n = write(fd, contents.data(), contents.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

WriteOutcome WriteFileAtomically(const std::filesystem::path& requested,
                                 std::string_view contents) {
    const std::filesystem::path target = ResolveLinks(requested);

    // The new file takes over the permissions of the one it replaces; a new one gets 0666 less
    // the umask, like any file the user creates.
    mode_t mode = 0666;
    struct stat old {};
    const bool replacing = stat(target.c_str(), &old) == 0;
    if (replacing) mode = old.st_mode & 07777;

    std::filesystem::path temporary;
    int fd = -1;
    for (unsigned attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = TemporaryName(target, attempt);
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) break;
    }
    // Messages name the file the user chose, never the hidden temporary one.
    if (fd < 0) return Failure("cannot create", requested, errno);
    if (replacing) fchmod(fd, mode);

    auto abandon = [&](std::string_view step) {
        int error = errno;
        if (fd >= 0) close(fd);
        unlink(temporary.c_str());
        return Failure(step, requested, error);
    };
    if (!WriteAll(fd, contents)) return abandon("cannot write");
    if (fsync(fd) != 0) return abandon("cannot flush");
    int closed = close(fd);
    fd = -1;
    if (closed != 0) return abandon("cannot close");
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        int error = errno;
        unlink(temporary.c_str());
        return Failure("cannot replace", requested, error);
    }
    // Make the rename itself durable; a failure here leaves a complete file either way.
    int dir = open(target.parent_path().empty() ? "." : target.parent_path().c_str(),
                   O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return {true, {}};
}

std::size_t RemoveStaleTemporaryFiles(const std::filesystem::path& folder,
                                      std::chrono::seconds staleAfter) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec) return 0;
    std::size_t removed = 0;
    const fs::file_time_type now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : it) {
        const std::optional<pid_t> writer = TemporaryWriter(entry.path().filename().native());
        if (!writer || entry.symlink_status(ec).type() != fs::file_type::regular) continue;
        const fs::file_time_type written = entry.last_write_time(ec);
        const bool old = !ec && now - written > staleAfter;
        if (ProcessExists(*writer) && !old) continue;  // possibly a write in progress
        if (fs::remove(entry.path(), ec)) ++removed;
    }
    return removed;
}

bool ReadWholeFile(const std::filesystem::path& path, std::string& contents) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace orvell
