// The live log from the window against the simulated unit: one row per accepted monitoring
// frame, none while the unit is silent, the REC mark and the menu while it runs.
#include <fstream>
#include <regex>
#include <sstream>

#include "shell_fixture.h"

namespace orvell {
namespace {

using testing::ShellTest;

class ShellLogTest : public ShellTest {
  protected:
    // The window's clock moves with the ticks.
    void TimedTick(int ticks = 1) {
        for (int i = 0; i < ticks; ++i) {
            platform.clockMs += 55;
            Tick();
        }
    }
    std::vector<std::string> Lines(const std::filesystem::path& file) {
        std::ifstream in(file);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    static std::int64_t Time(const std::string& row) {
        return std::stoll(row.substr(0, row.find(',')));
    }
};

TEST_F(ShellLogTest, OneRowPerFrameAndNoneWhileTheUnitIsSilent) {
    Start();
    TimedTick(10);
    const std::filesystem::path file = folder / "run.csv";
    platform.chosenFiles.push_back(file);
    form->MenuRecordLogClick();
    ASSERT_TRUE(form->LiveLogRecording());
    EXPECT_TRUE(w().LabelRec.Visible());
    EXPECT_EQ(w().LabelRec.Caption(), "REC 00:00");
    EXPECT_FALSE(w().MenuRecordLog.Enabled());
    EXPECT_TRUE(w().MenuStopLog.Enabled());

    const unsigned before = form->Link().MonitorRevision();
    TimedTick(60);
    const unsigned framesAnswered = form->Link().MonitorRevision() - before;
    EXPECT_GE(framesAnswered, 9u);  // one request every sixth tick
    EXPECT_EQ(form->LiveLogRows(), static_cast<long>(framesAnswered));
    EXPECT_EQ(w().LabelRec.Caption(), "REC 00:03");
    // Seconds have passed: what was recorded before the last flush is in the file.
    EXPECT_GE(Lines(file).size(), framesAnswered + 1 - 4);

    unit.Options().silent = true;
    TimedTick(kSilenceTicks + 30);
    ASSERT_TRUE(w().LabelSpojeni.Visible());
    const long rowsWhileSilent = form->LiveLogRows();
    TimedTick(20);
    EXPECT_EQ(form->LiveLogRows(), rowsWhileSilent);

    unit.Options().silent = false;
    TimedTick(10);
    EXPECT_GT(form->LiveLogRows(), rowsWhileSilent);
    form->MenuStopLogClick();
    EXPECT_FALSE(form->LiveLogRecording());
    EXPECT_FALSE(w().LabelRec.Visible());
    EXPECT_TRUE(w().MenuRecordLog.Enabled());
    EXPECT_FALSE(w().MenuStopLog.Enabled());

    const std::vector<std::string> lines = Lines(file);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(form->LiveLogRows()) + 1);
    EXPECT_EQ(lines[0] + "\n", LiveLogHeader());
    // Every row has every column, times rise, and the silence is a gap, not repeated rows.
    std::int64_t longestGap = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_EQ(std::count(lines[i].begin(), lines[i].end(), ','), 16) << lines[i];
        if (i > 1) {
            EXPECT_GT(Time(lines[i]), Time(lines[i - 1]));
            longestGap = std::max(longestGap, Time(lines[i]) - Time(lines[i - 1]));
        }
    }
    EXPECT_GE(longestGap, 55 * (kSilenceTicks + 50));
    // The simulated engine runs: speeds are the unit's, the live cell lies in the map.
    const std::string& last = lines.back();
    EXPECT_NE(last.substr(last.find(',') + 1, 2), "0,");
}

TEST_F(ShellLogTest, TheDialogStartsInTheDocumentsFolderAndCancelRecordsNothing) {
    Start();
    platform.chosenFiles.push_back(std::nullopt);
    form->MenuRecordLogClick();
    ASSERT_EQ(platform.logDialogStarts.size(), 1u);
    EXPECT_EQ(platform.logDialogStarts[0].parent_path(), platform.documentsFolder);
    EXPECT_TRUE(std::regex_match(platform.logDialogStarts[0].filename().string(),
                                 std::regex(R"(orvell-log-\d{4}-\d\d-\d\d_\d{6}\.csv)")));
    EXPECT_FALSE(form->LiveLogRecording());
    EXPECT_FALSE(w().LabelRec.Visible());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShellLogTest, AFileThatCannotBeCreatedIsToldAndNothingRecords) {
    Start();
    platform.chosenFiles.push_back(folder / "no-such-folder" / "run.csv");
    form->MenuRecordLogClick();
    EXPECT_FALSE(form->LiveLogRecording());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("The log file could not be created:"), std::string::npos);
    EXPECT_NE(platform.messages[0].find("no-such-folder"), std::string::npos);
    EXPECT_TRUE(w().MenuRecordLog.Enabled());
}

TEST_F(ShellLogTest, AFullDiskStopsTheRecordingAndSaysWhy) {
    Start();
    platform.chosenFiles.push_back("/dev/full");
    form->MenuRecordLogClick();
    TimedTick(10);
    EXPECT_FALSE(form->LiveLogRecording());
    EXPECT_FALSE(w().LabelRec.Visible());
    EXPECT_TRUE(w().MenuRecordLog.Enabled());
    EXPECT_EQ(w().LabelHlaseni.Color(), colour::kRed);
    EXPECT_NE(w().LabelHlaseni.Caption().find("could not be written: No space left on device"),
              std::string::npos)
        << w().LabelHlaseni.Caption();
}

TEST_F(ShellLogTest, ClosingTheWindowEndsTheRecordingWithEveryRowWritten) {
    Start();
    const std::filesystem::path file = folder / "run.csv";
    platform.chosenFiles.push_back(file);
    form->MenuRecordLogClick();
    TimedTick(5);
    const long rows = form->LiveLogRows();
    form->FormClose();
    EXPECT_EQ(Lines(file).size(), static_cast<std::size_t>(rows) + 1);
}

}  // namespace
}  // namespace orvell
