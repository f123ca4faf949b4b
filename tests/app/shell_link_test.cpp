// Program, Verify and Read from the menu against the simulated unit: in-process with answers one
// tick later, and over a real pseudo-terminal through the settings file's port map.
#include <poll.h>

#include <chrono>

#include "app/last_image_file.h"
#include "core/param_file.h"
#include "pty_unit.h"
#include "shell_fixture.h"

namespace orvell {
namespace {

using testing::ShellTest;

TEST_F(ShellTest, ProgramThenVerifyShowTheirStatusTextsInOrder) {
    Start();
    Tick(10);
    Type(w().EditBaseAdv, "12");
    form->MenuProgramClick();
    // The verified Program reads as such from the very tick that ends it.
    EXPECT_EQ(RunTransfer(),
              (std::vector<std::string>{"Program device:", "Verify::", "Program device:: OK"}));
    EXPECT_TRUE(testing::BlocksEqual(unit, image(), false));
    EXPECT_EQ(unit.Block(1)[field::kBaseAdvance], 12);

    // The unit stores what it got; the line reports it until the countdown runs out.
    std::vector<std::string> after;
    for (int i = 0; i < 300 && w().LabelHlaseni.Visible(); ++i) {
        Tick();
        if (after.empty() || after.back() != w().LabelHlaseni.Caption()) {
            after.push_back(w().LabelHlaseni.Caption());
        }
    }
    EXPECT_EQ(after,
              (std::vector<std::string>{"Program device:: OK", "Saving:", "Program device:: OK"}));
    EXPECT_FALSE(w().LabelHlaseni.Visible());

    form->MenuVerifyClick();
    EXPECT_EQ(RunTransfer(), (std::vector<std::string>{"Verify:", "Verify:: OK"}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShellTest, ReadReplacesTheImageDropsTheFileNameAndStaysOutOfTheHistory) {
    ParamImage programmed = testing::StartUpImage();
    programmed.SetBaseAdvance(21);
    unit.SetBlocks(programmed);
    WriteSettingsFile("File=/tmp/tune.ign\r\n");
    Start();
    Type(w().EditBaseAdv, "9");
    form->MenuReadClick();
    EXPECT_EQ(w().FormHlav.Caption(), "  ORVELL       ");
    EXPECT_EQ(RunTransfer().back(), "Verify:: OK");
    EXPECT_EQ(image().BaseAdvance(), 21);
    EXPECT_EQ(w().EditBaseAdv.Text(), "21");
    EXPECT_EQ(form->CurrentFileName(), "");
    EXPECT_EQ(w().LabelVerze1.Caption(), DecodeUnitInfo(unit.Block0()).programId);
    EXPECT_NE(w().LabelVerze1.Caption(), "QMX42");
    // Undo goes back past the read to the state before the last recorded change.
    form->SpeedButtonZpetClick();
    EXPECT_EQ(image().BaseAdvance(), testing::StartUpImage().BaseAdvance());
}

TEST_F(ShellTest, StatusTextsFollowTheLanguage) {
    unit.SetBlocks(testing::StartUpImage());
    Start();
    form->MenuGermanClick();
    form->MenuVerifyClick();
    EXPECT_EQ(RunTransfer().front(), "Vergleichen:");
    EXPECT_EQ(w().LabelHlaseni.Caption(), "Vergleichen:: OK");
}

TEST_F(ShellTest, AMessageBoxPutsARunningTransferBackToIdle) {
    Start();
    std::vector<TransferMode> modes;
    platform.duringBox = [&] {
        modes.push_back(form->Link().GetTransfer().Mode());
        Tick();  // the tick runs on behind the box
    };
    form->MenuProgramClick();
    Tick();
    form->MenuNewClick();  // answered Cancel
    EXPECT_EQ(modes, std::vector<TransferMode>{TransferMode::Idle});
    Tick(300);
    EXPECT_NE(w().LabelHlaseni.Caption(), "Program device:: OK");
}

TEST_F(ShellTest, ProgramAndVerifyWaitWhileControlsAreRefreshing) {
    Start();
    form->editorState.refreshing = true;
    form->MenuProgramClick();
    form->MenuVerifyClick();
    EXPECT_EQ(form->Link().GetTransfer().Mode(), TransferMode::Idle);
    form->MenuReadClick();  // Read has no such guard
    EXPECT_EQ(form->Link().GetTransfer().Mode(), TransferMode::Read);
}

TEST_F(ShellTest, PrintingKeepsTheNoConnectionLabelHidden) {
    Start();
    Tick(10);
    ASSERT_FALSE(w().LabelSpojeni.Visible());
    form->editorState.printing = true;
    unit.Options().silent = true;
    Tick(40);
    EXPECT_FALSE(w().LabelSpojeni.Visible());
    form->editorState.printing = false;
    Tick();
    EXPECT_TRUE(w().LabelSpojeni.Visible());
}

// The program's own POSIX port, mapped to a pseudo-terminal by the settings file.
class ShellPtyTest : public ShellTest {
  protected:
    ShellPtyTest() : pty(unit, testing::FastPty()) {
        std::string error;
        if (!pty.Open(&error)) ADD_FAILURE() << error;
        WriteSettingsFile("ComPort=9\r\n[PORTS]\r\nCOM9=" + pty.DevicePath() + "\r\n");
        form = std::make_unique<TFormHlav>(platform, FormOptions{folder.Path(), {}, &port});
        form->FormCreate();
    }
    // One tick, then the request crosses to the unit and its answer comes back (bounded).
    void PtyTick() {
        using Clock = std::chrono::steady_clock;
        form->Timer1Timer();
        const auto deadline = Clock::now() + std::chrono::seconds(3);
        const auto answered = pty.AnswersSent();
        while (pty.RequestsSeen() < port.writes && Clock::now() < deadline) pty.Service(20);
        if (pty.AnswersSent() == answered) return;
        while (port.QueuedBytes() < kFrameSize && Clock::now() < deadline) {
            pollfd p{port.real.Descriptor(), POLLIN, 0};
            ::poll(&p, 1, 5);
        }
    }
    std::string RunPtyTransfer() {
        for (int i = 0; i < 200 && form->Link().GetTransfer().Mode() != TransferMode::Idle; ++i) {
            PtyTick();
        }
        return w().LabelHlaseni.Caption();
    }

    sim::PtyUnit pty;
    testing::CountingPort port;
};

TEST_F(ShellPtyTest, ProgramVerifyAndReadOverARealLine) {
    ASSERT_TRUE(port.IsOpen()) << (platform.messages.empty() ? "" : platform.messages[0]);
    EXPECT_EQ(w().LabelCom.Caption(), "COM= COM9");
    for (int i = 0; i < 8; ++i) PtyTick();
    EXPECT_FALSE(w().LabelSpojeni.Visible());

    Type(w().EditOmez2, "12500");
    form->MenuProgramClick();
    EXPECT_EQ(RunPtyTransfer(), "Program device:: OK");
    EXPECT_TRUE(testing::BlocksEqual(unit, image(), false));

    form->MenuVerifyClick();
    EXPECT_EQ(RunPtyTransfer(), "Verify:: OK");

    const ParamImage programmed = image();
    Type(w().EditOmez2, "9000");
    form->MenuReadClick();
    EXPECT_EQ(RunPtyTransfer(), "Verify:: OK");
    EXPECT_TRUE(std::equal(programmed.Stored().begin(), programmed.Stored().begin() + 200,
                           image().Stored().begin()));
    EXPECT_EQ(w().EditOmez2.Text(), "12,500");
    EXPECT_TRUE(platform.messages.empty());
    form->FormClose();
    EXPECT_FALSE(port.IsOpen());
}

}  // namespace
}  // namespace orvell

namespace orvell {
namespace {

// A file with values beyond what the window can show: the unit gets what the window shows.
TEST_F(ShellTest, WhatIsProgrammedIsWhatTheWindowShows) {
    Start();
    Tick(10);
    ParamImage edited = testing::StartUpImage();
    edited.MapCell(4, 4) = 99;  // a hand-edited file; the grid shows at most 60
    edited.SetBaseAdvance(55);  // the base advance box ends at 40
    ASSERT_TRUE(WriteParameterFile(folder / "hand.ign", edited));
    w().CheckBoxProgHned.SetChecked(true);
    platform.chosenFiles.push_back(folder / "hand.ign");
    form->MenuOpenClick();
    EXPECT_EQ(w().EditCell[44].Text(), "60");
    EXPECT_EQ(image().MapCell(4, 4), 60);
    EXPECT_EQ(image().BaseAdvance(), 40);
    EXPECT_EQ(RunTransfer().back(), "Program device:: OK");
    EXPECT_EQ(unit.Block(2)[MapCellByte(4, 4) - kBlockSize], 60);
    EXPECT_EQ(unit.Block(1)[field::kBaseAdvance], 40);

    // Undo and redo program what they show as well.
    form->SpeedButtonZpetClick();
    RunTransfer();
    form->SpeedButtonZnovuClick();
    RunTransfer();
    EXPECT_EQ(unit.Block(2)[MapCellByte(4, 4) - kBlockSize], 60);
    EXPECT_TRUE(testing::BlocksEqual(unit, image(), false));
}

// A completed Read is kept where a crash cannot lose it, like any change.
TEST_F(ShellTest, ACompletedReadIsKeptInTheLastImageFile) {
    ParamImage programmed = testing::StartUpImage();
    programmed.SetBaseAdvance(21);
    unit.SetBlocks(programmed);
    Start();
    Tick(10);
    form->MenuReadClick();
    RunTransfer();
    ASSERT_EQ(image().BaseAdvance(), 21);
    Tick();
    ParamImage kept;
    ReadLastImageFile(folder / kLastImageFileName, kept);
    EXPECT_EQ(kept.BaseAdvance(), 21);
}

}  // namespace
}  // namespace orvell

namespace orvell {
namespace {

// The unit's last word on saving does not outlive the unit, and its last values look old.
TEST_F(ShellTest, ALostUnitLeavesNoLiveLookingMonitorBehind) {
    Start();
    Tick(10);
    Type(w().EditBaseAdv, "12");
    form->MenuProgramClick();
    RunTransfer();
    for (int i = 0; i < 100 && w().LabelHlaseni.Caption() != "Saving:"; ++i) Tick();
    ASSERT_EQ(w().LabelHlaseni.Caption(), "Saving:");
    unit.Options().silent = true;
    Tick(kSilenceTicks + kStatusTicks + 5);
    EXPECT_FALSE(w().LabelHlaseni.Visible());
    EXPECT_TRUE(w().LabelSpojeni.Visible());
    EXPECT_FALSE(w().LabelRpm.Enabled());
    EXPECT_FALSE(w().LabelMonSnimac1.Enabled());
    EXPECT_NE(w().LabelRpm.Caption(), "RPM = ---");  // greyed, still readable

    unit.Options().silent = false;
    Tick(10);
    EXPECT_FALSE(w().LabelSpojeni.Visible());
    EXPECT_TRUE(w().LabelRpm.Enabled());
    EXPECT_TRUE(w().LabelMonSnimac1.Enabled());
    EXPECT_FALSE(w().LabelClutchMon.Enabled());  // no clutch master in this set
}

}  // namespace
}  // namespace orvell
