#include "app/backups.h"

#include <gtest/gtest.h>

#include <ctime>

#include "core/bike_presets.h"
#include "core/consistency_rules.h"
#include "core/param_file.h"
#include "temp_folder.h"

namespace orvell {
namespace {

TEST(Backups, FolderFollowsXdgDataHomeElseHome) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* folder;
    };
    for (const Case c : {Case{"/data", "/home/me", "/data/orvell/backups"},
                         Case{nullptr, "/home/me", "/home/me/.local/share/orvell/backups"},
                         // A relative XDG_DATA_HOME is to be ignored.
                         Case{"rel", "/home/me", "/home/me/.local/share/orvell/backups"},
                         Case{"", "/home/me", "/home/me/.local/share/orvell/backups"}}) {
        EXPECT_EQ(BackupFolderFor(c.xdg, c.home), std::filesystem::path(c.folder))
            << (c.xdg ? c.xdg : "(none)");
    }
}

TEST(Backups, ProgramIdBecomesASafeNamePart) {
    struct Case {
        std::string_view id;
        const char* part;
    };
    for (const Case c :
         {Case{"ORV07", "ORV07"}, Case{"R6 2004/v1.2", "R6_2004_v1.2"},
          Case{"../../etc", ".._.._etc"}, Case{"..", "unknown"}, Case{"", "unknown"},
          Case{std::string_view("\0\n\t", 3), "unknown"},
          Case{"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345"}}) {
        EXPECT_EQ(BackupIdPart(c.id), c.part) << c.id;
    }
}

TEST(Backups, NameCarriesLocalTimeKindAndProgram) {
    std::tm at{};
    at.tm_year = 2026 - 1900;
    at.tm_mon = 11;
    at.tm_mday = 11;
    at.tm_hour = 9;
    at.tm_min = 5;
    at.tm_sec = 7;
    at.tm_isdst = -1;
    const auto when = std::chrono::system_clock::from_time_t(std::mktime(&at));
    EXPECT_EQ(BackupFileName(when, BackupKind::Read, "ORV07"), "2026-12-11_090507_read_ORV07.ign");
    EXPECT_EQ(BackupFileName(when, BackupKind::Programmed, "a b"),
              "2026-12-11_090507_programmed_a_b.ign");
}

TEST(Backups, WritesReadableFilesAndNeverReplacesOne) {
    testing::TempFolder folder;
    // Consistent sets, as the window holds after a transfer.
    ParamImage first;
    ApplyStartupSet(first);
    ConsistencyRules().ApplyConsistencyRules(first);
    ParamImage second = first;
    second.SetBaseAdvance(17);
    const auto now = std::chrono::system_clock::now();
    const std::filesystem::path where = folder / "made/on/demand";
    const BackupOutcome a = WriteBackup(where, first, BackupKind::Read, "ORV07", now);
    const BackupOutcome b = WriteBackup(where, second, BackupKind::Read, "ORV07", now);
    ASSERT_TRUE(a.written) << a.written.error;
    ASSERT_TRUE(b.written) << b.written.error;
    EXPECT_NE(a.file, b.file);
    EXPECT_EQ(b.file.filename().string().substr(b.file.filename().string().size() - 6), "-2.ign");
    for (const auto& [file, image] : {std::pair{a.file, first}, std::pair{b.file, second}}) {
        ParamImage back;
        ApplyStartupSet(back);
        back.SetBaseAdvance(0);
        ASSERT_TRUE(ReadParameterFile(file, back).Loaded());
        EXPECT_EQ(FormatParameterFile(back), FormatParameterFile(image));
    }
}

TEST(Backups, UnwritableFolderIsReportedWithItsReason) {
    testing::TempFolder folder;
    const std::filesystem::path blocked = folder / "blocked";
    testing::WriteFile(blocked, "a file where the folder should be");
    ParamImage image;
    const BackupOutcome outcome =
        WriteBackup(blocked / "backups", image, BackupKind::Programmed, "X");
    EXPECT_FALSE(outcome.written);
    EXPECT_FALSE(outcome.written.error.empty());
}

}  // namespace
}  // namespace orvell
