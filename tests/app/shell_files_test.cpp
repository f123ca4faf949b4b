// The window and its files when things go wrong: a folder that cannot be written, a damaged
// last-image file, a hand-edited parameter file, leftovers of a crash.
#include <filesystem>
#include <fstream>

#include "app/last_image_file.h"
#include "core/param_file.h"
#include "shell_fixture.h"

namespace orvell {
namespace {

using testing::ShellTest;
using testing::WriteFile;

TEST_F(ShellTest, AFailedWriteOfTheLastImageIsToldAndTriedAgainUntilItWorks) {
    Start();
    // A folder in the file's place makes every write of it fail, also for root.
    const auto lastImage = folder / kLastImageFileName;
    std::filesystem::remove(lastImage);
    std::filesystem::create_directory(lastImage);
    Type(w().EditPilotLight, "6700");
    Tick();
    EXPECT_TRUE(w().LabelHlaseni.Visible());
    EXPECT_EQ(w().LabelHlaseni.Color(), colour::kRed);
    EXPECT_EQ(w().LabelHlaseni.Caption().rfind("The settings could not be written: ", 0), 0u)
        << w().LabelHlaseni.Caption();
    EXPECT_NE(w().LabelHlaseni.Caption().find(kLastImageFileName), std::string::npos);

    // Once the folder can be written again, the next tick keeps the edit.
    std::filesystem::remove(lastImage);
    Tick();
    ParamImage kept;
    ASSERT_TRUE(ReadLastImageFile(lastImage, kept));
    EXPECT_EQ(kept.ShiftLightSpeed(), 67);
}

TEST_F(ShellTest, ClosingWithoutWritableSettingsOffersToSaveTheSet) {
    Start();
    Type(w().EditPilotLight, "6700");
    std::filesystem::remove(folder / kSettingsFileName);
    std::filesystem::create_directory(folder / kSettingsFileName);
    platform.answers.push_back(Answer::Yes);
    platform.chosenFiles.push_back(folder / "rescued.ign");
    form->FormClose();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_NE(platform.questions[0].find("Save the parameter set to a file before closing?"),
              std::string::npos);
    ParamImage rescued;
    ASSERT_TRUE(ReadParameterFile(folder / "rescued.ign", rescued).Loaded());
    EXPECT_EQ(rescued.ShiftLightSpeed(), 67);
}

TEST_F(ShellTest, ADamagedLastImageGivesTheStartUpSetAndSaysSo) {
    WriteFile(folder / kLastImageFileName, "20 0 1 2 3 oops");
    Start();
    EXPECT_TRUE(testing::SameStored(image(), testing::StartUpImage()));
    EXPECT_EQ(w().LabelHlaseni.Caption(),
              "The last parameter set was damaged; the start-up set is loaded.");
    EXPECT_TRUE(w().LabelHlaseni.Visible());
    EXPECT_TRUE(std::filesystem::exists(folder / (std::string(kLastImageFileName) + ".damaged")));
}

TEST_F(ShellTest, AHandEditedFileIsLimitedAndTheUserTold) {
    Start();
    WriteFile(folder / "hand.ign", "VOLTARIS_KEY 75\r\nBASE_ADV 260\r\nPILOT_LIGHT 26000\r\n");
    platform.chosenFiles.push_back(folder / "hand.ign");
    form->MenuOpenClick();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "Values outside their range were limited to it:\nBASE_ADV\nPILOT_LIGHT");
    EXPECT_EQ(image().BaseAdvance(), 40);
}

TEST_F(ShellTest, LeftoversOfACrashedWriteAreRemovedAtStart) {
    const auto leftover = folder / "._ORVELL_v75.ini.tmp999999999.3.0";
    WriteFile(leftover, "half");
    WriteFile(folder / "notes.txt", "mine");
    Start();
    EXPECT_FALSE(std::filesystem::exists(leftover));
    EXPECT_TRUE(std::filesystem::exists(folder / "notes.txt"));
}

}  // namespace
}  // namespace orvell
