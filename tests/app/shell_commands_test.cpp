// The commands of the menu and the tool bar, as the user gives them.
#include "core/param_file.h"
#include "shell_fixture.h"

namespace orvell {
namespace {

using testing::ReadFile;
using testing::ShellTest;
using testing::WriteFile;

bool AnyPushed(const ConsistencyRules& rules) {
    for (int i = 0; i < kAxisPoints; ++i) {
        if (rules.Pushed(i)) return true;
    }
    return false;
}

class CommandTest : public ShellTest {
  protected:
    void SetUp() override {
        WriteSettingsFile("File=/tmp/tune.ign\r\nIniDir=/tmp/last.ign\r\n");
        Start();
    }
    void ChooseBike(int entry, Answer answer) {
        platform.answers.push_back(answer);
        w().ComboBoxBike.SetItemIndex(entry);
        form->ComboBoxBikeChange();
    }
    // Moves breakpoint 2 above breakpoint 3, so that the rules remember a pushed neighbour.
    void PushANeighbour() {
        Type(w().EditRpmAdv[1], "3500");
        ASSERT_TRUE(AnyPushed(form->rules));
    }
};

TEST_F(CommandTest, NewAnsweredOtherThanYesChangesNothing) {
    Type(w().EditBaseAdv, "20");
    const ParamImage before = image();
    for (Answer answer : {Answer::No, Answer::Cancel}) {
        platform.answers.push_back(answer);
        form->MenuNewClick();
        EXPECT_EQ(image(), before);
        EXPECT_EQ(form->CurrentFileName(), "/tmp/tune.ign");
        EXPECT_EQ(w().FormHlav.Caption(), "  ORVELL       /tmp/tune.ign");
    }
    EXPECT_EQ(platform.questions, std::vector<std::string>(2, "Do you want default setting?"));
}

TEST_F(CommandTest, NewAnsweredYesGivesTheDefaultsOfTheSelectedBikeUnnamed) {
    PushANeighbour();
    Type(w().EditBaseAdv, "20");
    form->ShowStatus("Read:", colour::kButtonFace);
    platform.answers.push_back(Answer::Yes);
    form->MenuNewClick();
    EXPECT_TRUE(testing::SameStored(image(), testing::StartUpImage()));
    EXPECT_FALSE(AnyPushed(form->rules));
    EXPECT_EQ(w().EditBaseAdv.Text(), "10");
    EXPECT_EQ(form->CurrentFileName(), "");
    EXPECT_EQ(w().FormHlav.Caption(), "  ORVELL       ");
    EXPECT_FALSE(w().LabelHlaseni.Visible());
    form->SpeedButtonZpetClick();  // New is one step of the history
    EXPECT_EQ(image().BaseAdvance(), 20);
}

TEST_F(CommandTest, ChoosingAMotorcycleAnsweredYesGivesDefaultsAndPreset) {
    ChooseBike(11, Answer::Yes);  // "Honda VFR 400"
    EXPECT_EQ(image().BikeCode(), 4);
    EXPECT_EQ(image().TachoPulses(), 4);
    EXPECT_EQ(image().SyncMethod(), 4);
    EXPECT_EQ(image().LobeCount(), 7);
    EXPECT_EQ(image().ChannelCount(), 2);
    EXPECT_EQ(image().MaxAdvanceLobe(0), 4);
    EXPECT_EQ(image().StartAdvanceLobe(0), 5);
    EXPECT_EQ(image().MaxAdvanceLobe(1), 6);
    EXPECT_EQ(image().StartAdvanceLobe(1), 7);
    for (int c = 0; c < kChannels; ++c) {
        EXPECT_EQ(image().MaxAdvance2ndEdge(c), 0);
        EXPECT_EQ(image().StartAdvance2ndEdge(c), 0);
    }
    EXPECT_EQ(w().EditTps100.Text(), "3,790");
    EXPECT_EQ(form->CurrentFileName(), "");
    EXPECT_EQ(w().ComboBoxBike.ItemIndex(), 11);

    ChooseBike(32, Answer::Yes);  // "Yamaha R1"
    EXPECT_EQ(image().ServoEnable(), 1);
    EXPECT_EQ(w().EditRpmPriv[0].Text(), "300");
    EXPECT_EQ(w().EditNapPriv[0].Text(), "600");
    EXPECT_EQ(w().EditRpmPriv[9].Text(), "10500");
    EXPECT_EQ(w().EditNapPriv[9].Text(), "1860");
}

TEST_F(CommandTest, ChoosingAMotorcycleAnsweredNoWritesOnlyThePreset) {
    Type(w().EditBaseAdv, "20");
    ChooseBike(13, Answer::No);  // "Honda VT 600 Shadow"
    ChooseBike(4, Answer::No);   // "Kawasaki KZ 1300"
    EXPECT_EQ(image().BaseAdvance(), 20);
    EXPECT_EQ(form->CurrentFileName(), "/tmp/tune.ign");
    EXPECT_EQ(image().SyncMethod(), 9);
    // Channels 1 and 2 keep the Honda's 2nd-edge flags; the Kawasaki adds 2nd pick-ups.
    EXPECT_EQ(image().MaxAdvance2ndEdge(0), 1);
    EXPECT_EQ(image().StartAdvance2ndEdge(0), 1);
    EXPECT_EQ(image().MaxAdvance2ndEdge(1), 1);
    EXPECT_EQ(image().StartAdvance2ndEdge(1), 1);
    EXPECT_EQ(image().MaxAdvance2ndPickup(1), 1);
    EXPECT_EQ(image().StartAdvance2ndPickup(2), 1);
    EXPECT_EQ(platform.questions.size(), 2u);

    const ParamImage before = image();
    ChooseBike(37, Answer::Yes);  // "Special setting": no question, nothing written
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(image().BikeCode(), kSpecialBikeCode);
    for (std::size_t i = 1; i < kStoredSize; ++i) EXPECT_EQ(image()[i], before[i]) << i;
}

TEST_F(CommandTest, SaveThenOpenGivesBackEveryByte) {
    ParamImage tune = image();
    tune.SetTps100Voltage(200);   // 4500 mV
    tune.SetTachoCorrection(60);  // -40 %
    tune.MapCell(4, 7) = 44;
    tune.SetServoVoltage(3, 77);
    const std::uint8_t axis[kAxisPoints] = {12, 18, 28, 40, 50, 60, 70, 80, 90, 100};
    for (int i = 0; i < kAxisPoints; ++i) tune.SetRpmAxis(i, axis[i]);
    image() = tune;
    form->RunChangePipeline();
    const ParamImage saved = image();

    const auto file = folder / "tune 1.ign";
    platform.chosenFiles.push_back(file);
    form->MenuSaveClick(&w().SpeedButtonSave);
    EXPECT_EQ(platform.saveDialogStarts.back(), "/tmp/last.ign");
    EXPECT_EQ(ReadFile(file), FormatParameterFile(saved));
    EXPECT_EQ(w().FormHlav.Caption(), "  ORVELL       " + file.string());
    EXPECT_EQ(form->IniDir(), file.string());

    PushANeighbour();
    platform.answers.push_back(Answer::Yes);
    form->MenuNewClick();
    ASSERT_NE(image(), saved);
    PushANeighbour();
    platform.chosenFiles.push_back(file);
    form->MenuOpenClick();
    EXPECT_EQ(platform.openDialogStarts.back(), file);
    EXPECT_FALSE(AnyPushed(form->rules));
    EXPECT_TRUE(
        std::equal(saved.Stored().begin(), saved.Stored().begin() + 200, image().Stored().begin()));
    EXPECT_EQ(form->CurrentFileName(), file.string());
    EXPECT_TRUE(platform.messages.empty());

    form->FormClose();
    const IniFile ini = IniFile::Load(folder / kSettingsFileName);
    EXPECT_EQ(ini.ReadString("FORM_HLAV", "File", ""), file.string());
    EXPECT_EQ(ini.ReadString("FORM_HLAV", "IniDir", ""), file.string());
}

TEST_F(CommandTest, OlderAndForeignVersionsAreToldAndOnlyTheOlderLoaded) {
    WriteFile(folder / "old.ign", "VOLTARIS_KEY  48 \r\nBASE_ADV 12\r\n");
    platform.chosenFiles.push_back(folder / "old.ign");
    form->MenuOpenClick();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("Older version of *.ign file!\n\n", 0), 0u);
    EXPECT_EQ(image().BaseAdvance(), 12);
    EXPECT_EQ(image().LobeMultiplier(), 1);
    EXPECT_EQ(image()[54], 2);
    EXPECT_EQ(image()[55], 3);
    EXPECT_EQ(image()[56], 0);
    for (std::size_t i = 57; i <= 60; ++i) EXPECT_EQ(image()[i], 0);
    EXPECT_EQ(form->CurrentFileName(), (folder / "old.ign").string());

    const ParamImage before = image();
    WriteFile(folder / "new.ign", "VOLTARIS_KEY 76\r\nBASE_ADV 30\r\n");
    platform.chosenFiles.push_back(folder / "new.ign");
    form->MenuOpenClick();
    EXPECT_EQ(platform.messages.back(), "Unmatched version of *.ign file!");
    EXPECT_EQ(image(), before);
    EXPECT_EQ(form->CurrentFileName(), (folder / "old.ign").string());
}

TEST_F(CommandTest, FilesThatCannotBeOpenedOrWrittenAreReported) {
    const ParamImage before = image();
    const std::string fileName = form->CurrentFileName();
    form->ShowStatus("Read:", colour::kButtonFace);
    platform.chosenFiles.push_back(folder / "missing.ign");
    form->MenuOpenClick();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Open file error!"});
    EXPECT_EQ(image(), before);
    EXPECT_FALSE(w().LabelHlaseni.Visible());

    // A file that is no parameter file at all is named as such and changes nothing.
    WriteFile(folder / "picture.png", "\x89PNG\r\n\x1a\n");
    platform.chosenFiles.push_back(folder / "picture.png");
    form->MenuOpenClick();
    EXPECT_EQ(platform.messages.back(),
              "The file holds no parameter set.\n\n" + (folder / "picture.png").string());
    EXPECT_EQ(image(), before);
    EXPECT_EQ(form->CurrentFileName(), fileName);
    platform.messages.pop_back();

    // An installed program's folder cannot be written (a file stands in for it, which binds
    // root as well): Save to exe dir says so.
    WriteFile(folder / "installed", "");
    platform.executableDir = folder / "installed/";
    Start();
    platform.chosenFiles.push_back(form->DefaultParamFile());
    form->MenuSaveExeDirClick();
    EXPECT_EQ(platform.saveDialogStarts.back(), folder / "installed/data.ign");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].rfind("Open file error!\n\n", 0), 0u);
    EXPECT_NE(platform.messages[1].find("installed"), std::string::npos);
    EXPECT_EQ(form->CurrentFileName(), "/tmp/tune.ign");
    EXPECT_EQ(form->IniDir(), "/tmp/last.ign");

    // Cancelling the dialog writes nothing.
    form->MenuSaveClick();
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(CommandTest, CtrlOnTheToolButtonsStartsTheDialogsBesideTheProgram) {
    struct Case {
        bool save;
        bool fromButton;
        bool ctrl;
        bool startsBesideProgram;
    };
    const Case cases[] = {
        {true, true, true, true},  {true, true, false, false},  {true, false, true, false},
        {false, true, true, true}, {false, true, false, false}, {false, false, true, false},
    };
    for (const Case& c : cases) {
        Start();
        platform.ctrl = c.ctrl;
        if (c.save) {
            form->MenuSaveClick(c.fromButton ? &w().SpeedButtonSave : nullptr);
        } else {
            form->MenuOpenClick(c.fromButton ? &w().SpeedButtonOpen : nullptr);
        }
        const auto& starts = c.save ? platform.saveDialogStarts : platform.openDialogStarts;
        EXPECT_EQ(starts.back(), c.startsBesideProgram ? folder / "bin/data.ign"
                                                       : std::filesystem::path("/tmp/last.ign"))
            << c.save << c.fromButton << c.ctrl;
    }
    platform.ctrl = false;
    form->MenuOpenExeDirClick();
    EXPECT_EQ(platform.openDialogStarts.back(), folder / "bin/data.ign");
}

TEST_F(CommandTest, LanguageSwitchMovesTheCheckMarkTheManualAndTheAboutTitle) {
    form->MenuGermanClick();
    EXPECT_TRUE(w().MenuGerman.Checked());
    EXPECT_FALSE(w().MenuEnglish.Checked());
    EXPECT_FALSE(w().MenuFrench.Checked());
    EXPECT_FALSE(w().MenuCzech.Checked());
    EXPECT_EQ(form->boundedSettings.languageIndex, kGerman);
    EXPECT_EQ(w().FormHlav.Caption(), "  ORVELL       /tmp/tune.ign");

    // The manual of the language: beside the program first, then the installed documentation,
    // then the working folder; none of them: the error box, and nothing is opened.
    const std::filesystem::path name = "manual_quenta_orvell_de.pdf";
    const std::filesystem::path beside = folder / "bin" / name;
    const std::filesystem::path installed = folder / "doc" / name;
    const std::filesystem::path working = folder / "work" / name;
    for (const auto& dir : {"bin", "doc", "work"})
        std::filesystem::create_directories(folder / dir);
    const std::filesystem::path wasWorking = std::filesystem::current_path();
    std::filesystem::current_path(folder / "work");
    FormOptions options{folder.Path(), {}, &line};
    options.documentationFolder = folder / "doc";
    form = std::make_unique<TFormHlav>(platform, options);
    form->FormCreate();
    form->MenuGermanClick();

    form->MenuContensClick();
    EXPECT_TRUE(platform.openedDocuments.empty());
    EXPECT_EQ(platform.messages, std::vector<std::string>{
                                     "Fehler beim öffnen der Datei manual_quenta_orvell_de.pdf !"});
    for (const auto& file : {working, installed, beside}) {
        WriteFile(file, "%PDF");
        form->MenuContensClick();
        EXPECT_EQ(platform.openedDocuments.back(), file);
    }
    EXPECT_EQ(platform.messages.size(), 1u);
    // Found, but the desktop could not open it: the same box.
    platform.documentOpens = false;
    form->MenuContensClick();
    EXPECT_EQ(platform.messages.size(), 2u);
    std::filesystem::current_path(wasWorking);

    form->MenuAboutClick();
    EXPECT_EQ(platform.aboutTitles, std::vector<std::string>{"Über Programm ORVELL"});
    form->MenuEnglishClick();
    form->MenuAboutClick();
    EXPECT_EQ(platform.aboutTitles.back(), "About ORVELL");
}

TEST_F(CommandTest, ComMenuChoosesThePortAndReportsAFailedOpenOnce) {
    line.present = {"/dev/ttyUSB4"};
    form->MenuCom1Click(4);
    EXPECT_TRUE(w().MenuComItem[4].Checked());
    EXPECT_FALSE(w().MenuComItem[0].Checked());
    EXPECT_EQ(w().LabelCom.Caption(), "COM= COM5");
    EXPECT_TRUE(platform.messages.empty());
    form->MenuCom1Click(5);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("Com opening error!", 0), 0u);
    form->MenuCom1Click(kAutoPortChoice);  // automatic: no message
    EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace orvell
