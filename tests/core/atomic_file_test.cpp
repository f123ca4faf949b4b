#include "core/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
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

    EXPECT_EQ(ReadFile(target), "old tune");
    EXPECT_EQ(EntryCount(folder.Path()), 2u);
}

TEST(AtomicFile, ReadOnlyFolderFailsAndKeepsTheOldFile) {
    if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind root";
    TempFolder folder;
    const auto target = folder / "tune.ign";
    WriteFile(target, "old tune");
    chmod(folder.Path().c_str(), 0555);
    EXPECT_FALSE(WriteFileAtomically(target, "new tune"));
    EXPECT_EQ(ReadFile(target), "old tune");
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
