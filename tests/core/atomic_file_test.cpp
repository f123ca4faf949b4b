#include "core/atomic_file.h"

#include <gtest/gtest.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <set>
#include <string>

#include "temp_folder.h"

namespace orvell {
namespace {

using testing::ReadFile;
using testing::TempFolder;
using testing::WriteFile;

std::size_t EntryCount(const std::filesystem::path& folder) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++n;
    return n;
}

TEST(AtomicFile, ReplacesContentsAndKeepsPermissionsAndLinks) {
    TempFolder folder;
    const auto target = folder / "settings.ini";
    ASSERT_TRUE(WriteFileAtomically(target, "first"));
    EXPECT_EQ(ReadFile(target), "first");

    chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, folder / "link.ini");
    ASSERT_TRUE(WriteFileAtomically(folder / "link.ini", "second, longer"));
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "link.ini"));
    EXPECT_EQ(ReadFile(target), "second, longer");
    struct stat st {};
    ASSERT_EQ(stat(target.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(EntryCount(folder.Path()), 2u);  // no temporary file left behind
}

// A failed save must say so and leave the previous file exactly as it was.
TEST(AtomicFile, FailuresAreReportedAndTheOldFileSurvives) {
    TempFolder folder;
    const auto target = folder / "tune.ign";
    WriteFile(target, "old tune");

    WriteOutcome missingFolder = WriteFileAtomically(folder / "nowhere" / "tune.ign", "new");
    EXPECT_FALSE(missingFolder);
    EXPECT_NE(missingFolder.error.find("cannot create"), std::string::npos);

    std::filesystem::create_directories(folder / "dir.ign" / "inside");
    WriteOutcome overFolder = WriteFileAtomically(folder / "dir.ign", "new");
    EXPECT_FALSE(overFolder);
    EXPECT_NE(overFolder.error.find("cannot replace"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "dir.ign" / "inside"));

    // A full disk, as seen by this process: writes beyond 4 bytes fail with EFBIG.
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4;
    setrlimit(RLIMIT_FSIZE, &small);
    WriteOutcome full = WriteFileAtomically(target, "a new tune that does not fit");
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(full);
    EXPECT_NE(full.error.find("cannot write"), std::string::npos);
    // The message names the file the user chose, not the hidden temporary one.
    EXPECT_EQ(full.error.rfind("cannot write " + target.string() + ": ", 0), 0u) << full.error;
    EXPECT_EQ(missingFolder.error.find(".tmp"), std::string::npos) << missingFolder.error;

    EXPECT_EQ(ReadFile(target), "old tune");
    EXPECT_EQ(EntryCount(folder.Path()), 2u);
}

// Permissions do not bind root, and CI runs the tests as root: there the write runs in a child
// that has given up root for the unprivileged "nobody", in a folder that belongs to it.
TEST(AtomicFile, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    TempFolder folder;
    const auto target = folder / "tune.ign";
    WriteFile(target, "old tune");
    const bool root = geteuid() == 0;
    constexpr uid_t kNobody = 65534;
    if (root) {
        ASSERT_EQ(chown(folder.Path().c_str(), kNobody, kNobody), 0);
    }
    chmod(folder.Path().c_str(), 0555);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (root && (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(3);
        }
        _exit(WriteFileAtomically(target, "new tune") ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    chmod(folder.Path().c_str(), 0755);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: the write succeeded; 3: could not give up root";
    EXPECT_EQ(ReadFile(target), "old tune");
    EXPECT_EQ(EntryCount(folder.Path()), 1u) << "no temporary file is left behind";
}

// A process id that no process has any more.
pid_t GonePid() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

std::set<std::string> Names(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// Only the writer's own leftovers go: its name pattern exactly, a regular file, and a writer that
// is gone or a file too old to be a write in progress.
TEST(AtomicFile, StaleTemporaryFilesAreRemovedAndNothingElse) {
    TempFolder folder;
    const std::string gone = std::to_string(GonePid());
    const std::string alive = std::to_string(getpid());
    const std::string kept[] = {
        "tune.ign",
        ".tune.ign.tmp" + alive + ".0.0",  // a write in progress
        "tune.ign.tmp" + gone + ".3.0",    // not hidden
        ".tune.ign.tmp" + gone + ".3",     // a number short
        ".tune.ign.tmp" + gone + ".3.0x",
        ".tune.ign.tmp.3.0",
        "..tmp" + gone + ".3.0",  // no file name
        ".tune.ign.bak" + gone + ".3.0",
    };
    const std::string removed[] = {
        "._ORVELL_v75.ini.tmp" + gone + ".3.0", ".tune.ign.tmp" + gone + ".12.99",
        ".a.tmp5.tmp" + gone + ".0.0",
        ".old.ign.tmp" + alive + ".0.0",  // a reused process id: old enough to be stale anyway
    };
    for (const std::string& name : kept) WriteFile(folder / name, "x");
    for (const std::string& name : removed) WriteFile(folder / name, "x");
    std::filesystem::last_write_time(
        folder / removed[3], std::filesystem::file_time_type::clock::now() - std::chrono::hours(2));
    // Named like a leftover but not a regular file.
    std::filesystem::create_directory(folder / (".dir.tmp" + gone + ".0.0"));
    std::filesystem::create_symlink(folder / "tune.ign", folder / (".link.tmp" + gone + ".0.0"));

    EXPECT_EQ(RemoveStaleTemporaryFiles(folder.Path()), std::size(removed));
    std::set<std::string> expected(std::begin(kept), std::end(kept));
    expected.insert(".dir.tmp" + gone + ".0.0");
    expected.insert(".link.tmp" + gone + ".0.0");
    EXPECT_EQ(Names(folder.Path()), expected);

    EXPECT_EQ(RemoveStaleTemporaryFiles(folder / "missing"), 0u);
}

// The real writer's leftover, not just a name made up to look like one, is recognised.
TEST(AtomicFile, LeftoverOfAKilledWriterIsRemoved) {
    TempFolder folder;
    const pid_t child = fork();
    if (child == 0) {
        // Killed in the middle of its write, as by kill -9: a file size limit of 4 bytes with
        // SIGXFSZ at its default action ends the process before it can clean up.
        signal(SIGXFSZ, SIG_DFL);
        rlimit small{4, 4};
        setrlimit(RLIMIT_FSIZE, &small);
        WriteFileAtomically(folder / "tune.ign", "longer than four bytes");
        _exit(1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(Names(folder.Path()).size(), 1u);
    EXPECT_EQ(RemoveStaleTemporaryFiles(folder.Path()), 1u);
    EXPECT_TRUE(Names(folder.Path()).empty());
}

TEST(AtomicFile, ReadWholeFileOnlyReadsRegularFiles) {
    TempFolder folder;
    WriteFile(folder / "a.txt", std::string("x\0y", 3));
    std::string contents;
    ASSERT_TRUE(ReadWholeFile(folder / "a.txt", contents));
    EXPECT_EQ(contents, std::string("x\0y", 3));
    EXPECT_FALSE(ReadWholeFile(folder / "missing", contents));
    EXPECT_FALSE(ReadWholeFile(folder.Path(), contents));
    EXPECT_FALSE(ReadWholeFile("/dev/zero", contents));
}

}  // namespace
}  // namespace orvell
