// Start-up, the tick and shutdown of the whole program, driven without a display.
#include "app/last_image_file.h"
#include "shell_fixture.h"

namespace orvell {
namespace {

using testing::ReadFile;
using testing::ShellTest;
using testing::StartUpImage;
using testing::WriteFile;

int CheckedComItem(const WindowModel& w) {
    int checked = -1;
    for (int i = 0; i < kComItems; ++i) {
        if (w.MenuComItem[i].Checked()) {
            EXPECT_EQ(checked, -1) << "a second COM item is checked";
            checked = i;
        }
    }
    return checked;
}

TEST_F(ShellTest, FirstStartWithoutFilesShowsTheDefaultsCentredOnCom1InEnglish) {
    Start();
    EXPECT_TRUE(testing::SameStored(image(), StartUpImage()));
    EXPECT_EQ(w().ComboBoxBike.Items()[w().ComboBoxBike.ItemIndex()], "Yamaha R6");
    EXPECT_EQ(w().FormHlav.Left(), (1920 - 1005) / 2);
    EXPECT_EQ(w().FormHlav.Top(), (1080 - 834) / 2);
    EXPECT_EQ(w().FormHlav.Width(), 1005);
    EXPECT_EQ(w().FormHlav.Height(), 834);
    EXPECT_EQ(form->Link().PortChoice(), 0);
    EXPECT_EQ(CheckedComItem(w()), 0);
    EXPECT_EQ(w().LabelCom.Caption(), "COM= COM1");
    EXPECT_TRUE(w().MenuEnglish.Checked());
    EXPECT_FALSE(w().MenuGerman.Checked());
    EXPECT_EQ(w().FormHlav.Caption(), "  ORVELL       ");
    EXPECT_EQ(form->CurrentFileName(), "");
    EXPECT_EQ(form->DefaultParamFile(), folder / "bin/data.ign");
    EXPECT_FALSE(w().LabelHlaseni.Visible());
    EXPECT_FALSE(w().CGaugeProgram.Visible());
    EXPECT_EQ(w().CGaugeProgram.MaxValue(), 2);
    EXPECT_FALSE(w().LabelTest[0].Visible());
    EXPECT_FALSE(w().SpeedButtonZpet.Enabled());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ShellTest, SettingsFileChoosesPortLanguagePlacementAndPage) {
    struct Case {
        const char* lines;
        int portChoice;
        int checkedItem;
        const char* comLabel;
        bool german;
    };
    const Case cases[] = {
        {"ComPort=31\r\nComPortAuto=5\r\n", kAutoPortChoice, kAutoPortChoice, "COM= COM5", false},
        {"ComPort=32\r\n", 0, 0, "COM= COM1", false},  // out of range: the rules reset it
        {"ComPort=5\r\nLanguage=1\r\n", 4, 4, "COM= COM5", true},
        {"Language=7\r\n", 0, 0, "COM= COM1", false},  // no such language: English
    };
    for (const Case& c : cases) {
        WriteSettingsFile(std::string(c.lines) +
                          "Left=10\r\nTop=-20\r\nWidth=1200\r\n"
                          "PageControl1->ActivePageIndex=2\r\nFile=/tmp/a.ign\r\n");
        Start();
        EXPECT_EQ(form->Link().PortChoice(), c.portChoice) << c.lines;
        EXPECT_EQ(CheckedComItem(w()), c.checkedItem) << c.lines;
        EXPECT_EQ(w().LabelCom.Caption(), c.comLabel) << c.lines;
        EXPECT_EQ(w().MenuGerman.Checked(), c.german) << c.lines;
        EXPECT_EQ(w().MenuEnglish.Checked(), !c.german) << c.lines;
        EXPECT_EQ(form->boundedSettings.languageIndex, c.german ? kGerman : kEnglish);
        EXPECT_EQ(w().FormHlav.Left(), 10);
        EXPECT_EQ(w().FormHlav.Top(), 0);  // the title bar moved onto the screen
        EXPECT_EQ(w().FormHlav.Width(), 1200);
        EXPECT_EQ(w().FormHlav.Height(), 834);
        EXPECT_EQ(w().PageControl1.ActivePageIndex(), kPageAdvance);
        EXPECT_EQ(w().FormHlav.Caption(), "  ORVELL       /tmp/a.ign");
    }
}

TEST_F(ShellTest, PortsSectionPointsAComNumberAtADevice) {
    WriteSettingsFile("ComPort=3\r\n[PORTS]\r\nCOM3=/dev/ttyXY7\r\ncom4=/dev/ttyXY8\r\n");
    Start();
    EXPECT_EQ(form->Link().DevicePath(), "/dev/ttyXY7");
    form->MenuCom1Click(3);
    EXPECT_EQ(form->Link().DevicePath(), "/dev/ttyXY8");
    EXPECT_EQ(CheckedComItem(w()), 3);
}

TEST_F(ShellTest, LastImageFileRestoresEvenBytesNoControlEdits) {
    ParamImage saved = StartUpImage();
    saved.SetBaseAdvance(17);
    saved[14] = 99;   // not used by any control
    saved[61] = 7;    // not used by any control
    saved[203] = 42;  // reserved
    WriteFile(folder / kLastImageFileName, FormatLastImage(saved));
    Start();
    EXPECT_TRUE(testing::SameStored(image(), saved));
    EXPECT_EQ(w().EditBaseAdv.Text(), "17");
}

TEST_F(ShellTest, CommandLineWordChoosesTheLanguageOnlyWhenExactAndFirst) {
    struct Case {
        std::vector<std::string> arguments;
        int settingsLanguage;
        int expected;
    };
    const Case cases[] = {
        {{"FRANCE"}, kGerman, kFrench},        {{"CESKY"}, kEnglish, kCzech},
        {{"ENGLISH"}, kGerman, kEnglish},      {{"english"}, kGerman, kGerman},
        {{"-x", "DEUTSCH"}, kFrench, kFrench}, {{}, kCzech, kCzech},
    };
    for (const Case& c : cases) {
        WriteSettingsFile("Language=" + std::to_string(c.settingsLanguage) + "\r\n");
        Start(c.arguments);
        EXPECT_EQ(form->boundedSettings.languageIndex, c.expected);
        const MenuItem* items[] = {&w().MenuEnglish, &w().MenuGerman, &w().MenuFrench,
                                   &w().MenuCzech};
        for (int i = 0; i < kLanguageCount; ++i) EXPECT_EQ(items[i]->Checked(), i == c.expected);
        EXPECT_EQ(form->texts[Msg::MsgProgramDevice],
                  MessagesFor(c.expected)[Msg::MsgProgramDevice]);
    }
}

TEST_F(ShellTest, MarkerFileTurnsTestModeOnOnlyForTheExactWord) {
    struct Case {
        const char* text;  // null: no file
        bool testMode;
    };
    const Case cases[] = {
        {nullptr, false},        {"JPQK_VJSHXA", true},  {"workshop\r\nJPQK_VJSHXA\r\n", true},
        {"JPQK_VJSHXAB", false}, {"jpqk_vjshxa", false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder / kTestMarkerFileName);
        if (c.text != nullptr) WriteFile(folder / kTestMarkerFileName, c.text);
        Start();
        EXPECT_EQ(form->editorState.testMode, c.testMode) << (c.text ? c.text : "no file");
        for (const Label& label : w().LabelTest) EXPECT_EQ(label.Visible(), c.testMode);
    }
}

TEST_F(ShellTest, ClosingWritesBothFilesAndTheNextStartRestoresThem) {
    Start();
    Type(w().EditBaseAdv, "14");
    form->MenuCom1Click(6);
    form->MenuCzechClick();
    w().PageControl1.SetActivePageIndex(kPageServo);
    w().FormHlav.SetBounds(30, 40, 1100, 900);
    image()[203] = 5;  // carried, though no control shows it
    form->FormClose();

    EXPECT_EQ(ReadFile(folder / kLastImageFileName), FormatLastImage(image()));
    const IniFile ini = IniFile::Load(folder / kSettingsFileName);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "ComPort", 0), 7);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "Language", 0), kCzech);
    EXPECT_EQ(ini.ReadInteger("FORM_HLAV", "PageControl1->ActivePageIndex", 0), kPageServo);

    const ParamImage closed = image();
    Start();
    EXPECT_TRUE(testing::SameStored(image(), closed));
    EXPECT_EQ(w().EditBaseAdv.Text(), "14");
    EXPECT_EQ(form->Link().PortChoice(), 6);
    EXPECT_TRUE(w().MenuCzech.Checked());
    EXPECT_EQ(w().PageControl1.ActivePageIndex(), kPageServo);
    EXPECT_EQ(w().FormHlav.Left(), 30);
    EXPECT_EQ(w().FormHlav.Height(), 900);
}

TEST_F(ShellTest, ExitAsksTheFrontToCloseAndClosingWritesEvenWithoutAPort) {
    line.present = {"/dev/none"};
    Start();
    form->MenuExitClick();
    EXPECT_TRUE(form->CloseRequested());
    form->FormClose();
    EXPECT_TRUE(std::filesystem::exists(folder / kSettingsFileName));
    EXPECT_TRUE(std::filesystem::exists(folder / kLastImageFileName));
}

TEST_F(ShellTest, AnEditSurvivesACrashWithoutClosing) {
    Start();
    Type(w().EditBaseAdv, "15");
    Tick();
    form.reset();  // no FormClose: the program died
    EXPECT_FALSE(std::filesystem::exists(folder / kSettingsFileName));
    Start();
    EXPECT_EQ(image().BaseAdvance(), 15);

    // Undo is a recorded change as well.
    Type(w().EditBaseAdv, "16");
    form->SpeedButtonZpetClick();
    Tick();
    form.reset();
    Start();
    EXPECT_EQ(image().BaseAdvance(), 15);
}

TEST_F(ShellTest, StatusLineStaysTwoHundredTicksAfterTheLastUpdate) {
    Start();
    form->ShowStatus("Saving:", colour::kRed);
    EXPECT_TRUE(w().LabelHlaseni.Visible());
    EXPECT_EQ(w().LabelHlaseni.Color(), colour::kRed);
    w().CGaugeProgram.SetVisible(true);
    Tick(200);
    EXPECT_TRUE(w().LabelHlaseni.Visible());
    EXPECT_EQ(form->StatusCountdown(), 0);
    Tick();
    EXPECT_FALSE(w().LabelHlaseni.Visible());
    EXPECT_FALSE(w().CGaugeProgram.Visible());
}

TEST_F(ShellTest, NoUnitAttachedShowsTheLabelAtOnceReopensQuietlyAndComplainsOnce) {
    line.present = {"/dev/none"};
    Start();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("Com opening error!", 0), 0u);
    EXPECT_EQ(line.opens, 1);
    Tick();
    EXPECT_TRUE(w().LabelSpojeni.Visible());
    Tick(89);
    EXPECT_EQ(line.opens, 4);  // every 30 ticks
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(w().LabelVersion.Visible());
}

TEST_F(ShellTest, AnsweringUnitFillsTheMonitorAndLightsTheLivePoint) {
    Start();
    Tick(40);
    EXPECT_FALSE(w().LabelSpojeni.Visible());
    EXPECT_EQ(w().LabelRpm.Caption().rfind("RPM = ", 0), 0u);
    EXPECT_NE(w().LabelPocetProgramovani.Caption().find("Number of Programing= "),
              std::string::npos);
    const LivePoint& point = form->Link().LiveOperatingPoint();
    int lit = 0;
    for (const EditBox& cell : w().EditCell) lit += cell.Color() == colour::kLime;
    EXPECT_EQ(lit, point.belowMap ? 0 : 1);
    EXPECT_EQ(w().LabelTps[point.throttleRow].Color(), colour::kLime);
    // The TPS buttons take the live voltage through the same point.
    EXPECT_EQ(form->seams.live->LivePoint().tpsMillivolts, form->Link().Monitor().liveTpsVoltage);
}

TEST_F(ShellTest, HintUnderThePointerGoesToTheStatusBar) {
    Start();
    form->DisplayHint(w().SpeedButtonSave.Hint());
    EXPECT_EQ(w().StatusBar1.Caption(), "Save parametrs to file");
}

}  // namespace
}  // namespace orvell
