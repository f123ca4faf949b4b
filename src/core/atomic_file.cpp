#include "core/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
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

// An unused name beside the target; the process id and a counter keep concurrent writers apart.
std::filesystem::path TemporaryName(const std::filesystem::path& target, unsigned attempt) {
    static std::atomic<unsigned> counter{0};
    std::filesystem::path name = target;
    name.replace_filename("." + target.filename().string() + ".tmp" + std::to_string(getpid()) +
                          "." + std::to_string(counter++) + "." + std::to_string(attempt));
    return name;
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
    if (fd < 0) return Failure("cannot create", temporary, errno);
    if (replacing) fchmod(fd, mode);

    auto abandon = [&](std::string_view step) {
        int error = errno;
        if (fd >= 0) close(fd);
        unlink(temporary.c_str());
        return Failure(step, temporary, error);
    };
    if (!WriteAll(fd, contents)) return abandon("cannot write");
    if (fsync(fd) != 0) return abandon("cannot flush");
    int closed = close(fd);
    fd = -1;
    if (closed != 0) return abandon("cannot close");
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        int error = errno;
        unlink(temporary.c_str());
        return Failure("cannot replace", target, error);
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

bool ReadWholeFile(const std::filesystem::path& path, std::string& contents) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    contents.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace orvell
