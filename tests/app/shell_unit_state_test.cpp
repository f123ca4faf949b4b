// What the window knows of the unit: automatic backups after a Read and a verified Program, the
// title's mark and the status bar's unit line while the window's set differs from the unit's.
#include <algorithm>

#include "core/param_file.h"
#include "shell_fixture.h"

namespace orvell {
namespace {

using testing::ShellTest;

class UnitStateTest : public ShellTest {
  protected:
    std::filesystem::path Backups() const { return folder / "backups"; }
    // The backup files, by name.
    std::vector<std::string> BackupNames() const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(Backups(), ec)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    bool Marked() { return w().FormHlav.Caption().starts_with(kChangedTitleMark); }
    bool SaysChanged() {
        return w().LabelUnitState.Caption().find("changed since programming") != std::string::npos;
    }
};

bool EndsWith(const std::string& s, std::string_view end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

TEST_F(UnitStateTest, ReadAndVerifiedProgramEachLeaveOneBackupOfTheSet) {
    ParamImage held = testing::StartUpImage();
    held.SetBaseAdvance(21);
    unit.SetBlocks(held);
    Start();
    Tick(10);
    form->MenuReadClick();
    ASSERT_EQ(RunTransfer().back(), "Verify:: OK");
    auto names = BackupNames();
    ASSERT_EQ(names.size(), 1u);
    EXPECT_TRUE(EndsWith(names[0], "_read_ORV07.ign")) << names[0];
    ParamImage back = testing::StartUpImage();
    ASSERT_TRUE(ReadParameterFile(Backups() / names[0], back).Loaded());
    EXPECT_EQ(back.BaseAdvance(), 21);
    EXPECT_EQ(FormatParameterFile(back), FormatParameterFile(image()));

    Type(w().EditBaseAdv, "12");
    form->MenuProgramClick();
    ASSERT_EQ(RunTransfer().back(), "Program device:: OK");
    form->MenuVerifyClick();  // a Verify keeps no backup
    ASSERT_EQ(RunTransfer().back(), "Verify:: OK");
    names = BackupNames();
    ASSERT_EQ(names.size(), 2u);
    const auto programmed = std::find_if(names.begin(), names.end(), [](const std::string& n) {
        return EndsWith(n, "_programmed_ORV07.ign");
    });
    ASSERT_NE(programmed, names.end());
    back = testing::StartUpImage();
    ASSERT_TRUE(ReadParameterFile(Backups() / *programmed, back).Loaded());
    EXPECT_EQ(back.BaseAdvance(), 12);
    EXPECT_TRUE(testing::BlocksEqual(unit, back, false));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(UnitStateTest, FailedTransfersLeaveNoBackup) {
    Start();
    Tick(10);
    unit.Options().silent = true;
    form->MenuProgramClick();
    EXPECT_EQ(RunTransfer(400).back(), "Program error!");
    form->MenuReadClick();
    EXPECT_EQ(RunTransfer(400).back(), "Read error!");
    EXPECT_TRUE(BackupNames().empty());
}

TEST_F(UnitStateTest, UnwritableBackupIsToldAndTheReadStillCompletes) {
    testing::WriteFile(Backups(), "a file where the folder should be");
    ParamImage held = testing::StartUpImage();
    held.SetBaseAdvance(23);
    unit.SetBlocks(held);
    Start();
    Tick(10);
    form->MenuReadClick();
    EXPECT_EQ(RunTransfer().back(), "Verify:: OK");
    EXPECT_EQ(image().BaseAdvance(), 23);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("backup could not be written"), std::string::npos);
    EXPECT_FALSE(Marked()) << "the unit's set is known all the same";
}

TEST_F(UnitStateTest, ChangedMarkFollowsEditsProgramAndUndo) {
    Start();
    Tick(10);
    EXPECT_FALSE(Marked()) << "nothing is known of the unit yet";
    EXPECT_NE(w().LabelUnitState.Caption().find(form->Link().DevicePath()), std::string::npos);
    Type(w().EditBaseAdv, "12");
    Tick();
    EXPECT_FALSE(Marked());

    form->MenuProgramClick();
    RunTransfer();
    EXPECT_FALSE(Marked());
    EXPECT_FALSE(SaysChanged());
    EXPECT_NE(w().LabelUnitState.Caption().find("ORV07"), std::string::npos);

    Type(w().EditBaseAdv, "14");
    Tick();
    EXPECT_TRUE(Marked());
    EXPECT_TRUE(SaysChanged());
    form->MenuGermanClick();  // a new title and a new language keep the mark
    Tick();
    EXPECT_TRUE(Marked());
    EXPECT_NE(w().LabelUnitState.Caption().find("seit der Programmierung"), std::string::npos);
    form->MenuEnglishClick();

    form->SpeedButtonZpetClick();  // back to what the unit holds
    Tick();
    EXPECT_FALSE(Marked());
    EXPECT_FALSE(SaysChanged());
    form->SpeedButtonZnovuClick();
    Tick();
    EXPECT_TRUE(Marked());

    // A Verify that matches makes the unit's set known as well: a second unit holding the edit.
    ParamImage edited = image();
    unit.SetBlocks(edited);
    form->MenuVerifyClick();
    RunTransfer();
    EXPECT_FALSE(Marked());

    // A unit that goes silent may come back as another one: nothing is claimed about it.
    Type(w().EditBaseAdv, "16");
    Tick();
    EXPECT_TRUE(Marked());
    unit.Options().silent = true;
    Tick(40);
    EXPECT_FALSE(Marked());
    EXPECT_FALSE(SaysChanged());
}

// Compare reads the unit beside the image and lists exactly what was changed since.
TEST_F(UnitStateTest, CompareListsExactlyTheChangedFieldsAndLeavesTheImage) {
    Start();
    Tick(10);
    Type(w().EditBaseAdv, "12");
    form->MenuProgramClick();
    RunTransfer();
    form->MenuCompareClick();
    RunTransfer();
    ASSERT_EQ(platform.reports.size(), 1u);
    EXPECT_EQ(platform.reports[0].first, "Compare with unit");
    EXPECT_EQ(platform.reports[0].second, "The unit holds the set shown in the window.\n");

    Type(w().EditBaseAdv, "15");
    w().EditCell[23].SetText("31");
    form->EditExit();
    const ParamImage edited = image();
    form->MenuCompareClick();
    EXPECT_EQ(RunTransfer().back(), "Verify:: OK");
    ASSERT_EQ(platform.reports.size(), 2u);
    EXPECT_EQ(platform.reports[1].second,
              "Differences (window -> unit):\n"
              "\nBase advance [°]: 15 -> 12"
              "\nAdvance map, throttle 5% (row 3), column 4 [°]: 31 -> " +
                  std::to_string(unit.Block(2)[MapCellByte(2, 3) - kBlockSize]));
    EXPECT_TRUE(
        std::equal(edited.Stored().begin(), edited.Stored().end(), image().Stored().begin()));
    EXPECT_EQ(w().EditBaseAdv.Text(), "15");
    EXPECT_TRUE(Marked());
    EXPECT_TRUE(BackupNames().size() == 1u) << "a Compare keeps no backup";
}

TEST_F(UnitStateTest, VerifyErrorPointsToCompare) {
    Start();
    Tick(10);
    form->MenuProgramClick();
    RunTransfer();
    Type(w().EditBaseAdv, "17");
    form->MenuVerifyClick();
    EXPECT_EQ(RunTransfer(400).back(), "Verify error!");
    EXPECT_NE(w().StatusBar1.Caption().find("Compare with unit"), std::string::npos);
}

}  // namespace
}  // namespace orvell
