// The main window's edit events, driven through the window model like a user.
#include "form_test_fixture.h"

namespace orvell {
namespace {

TEST_F(FormTest, StartsWithTheImageShownAndNothingToUndo) {
    EXPECT_EQ(w().EditOmez2.Text(), "11,000");
    EXPECT_EQ(w().EditBaseAdv.Text(), "10");
    EXPECT_EQ(w().EditRpmAdv[0].Text(), "1500");
    EXPECT_EQ(w().EditTps100.Text(), "3,790");
    EXPECT_EQ(w().ComboBoxBike.Items()[w().ComboBoxBike.ItemIndex()], "Yamaha R6");
    EXPECT_FALSE(w().SpeedButtonZpet.Enabled());
    EXPECT_FALSE(w().MenuZpet.Enabled());
    EXPECT_FALSE(w().SpeedButtonZnovu.Enabled());
    EXPECT_FALSE(w().MenuZnovu.Enabled());
}

TEST_F(FormTest, TypedTextIsTakenOnlyWhenItIsANumberInRange) {
    TypeAndEnter(w().EditBaseAdv, "ten");
    EXPECT_EQ(form.image.BaseAdvance(), 10);
    EXPECT_EQ(w().EditBaseAdv.Text(), "10");  // the box shows the stored value again
    EXPECT_EQ(focus.moves, 1);

    TypeAndEnter(w().EditOmez2, "15050");
    EXPECT_EQ(form.image.LimiterSpeed(), 150);
    EXPECT_EQ(w().EditOmez2.Text(), "15,000");

    TypeAndEnter(w().EditOmez2, "26000");
    EXPECT_EQ(form.image.LimiterSpeed(), 150);
    EXPECT_EQ(w().EditOmez2.Text(), "15,000");

    TypeAndEnter(w().EditRpmKorekce, "-60");
    EXPECT_EQ(form.image.TachoCorrection(), 40);
}

TEST_F(FormTest, OtherKeysAreLeftToTheBox) {
    char key = 'a';
    form.FormKeyPress(key);
    EXPECT_EQ(key, 'a');
    EXPECT_EQ(focus.moves, 0);
}

TEST_F(FormTest, ValuesBeyondASpinnerAreShownLimitedAndStoredLimitedAtTheNextGather) {
    ParamImage image = form.image;
    image.SetServoHysteresis(255);  // 1275 mV, the top of its range
    image.SetTps100Voltage(225);    // 4750 mV
    image.SetLimiterSpeed(255);     // 25500 rpm, above the range
    Load(image);
    EXPECT_EQ(w().EditPrivHyster.Text(), "1,275");
    EXPECT_EQ(w().EditTps100.Text(), "4,750");
    EXPECT_EQ(w().EditOmez2.Text(), "25,000");
    for (int i = 0; i < 3; ++i) {
        form.EditExit();
        EXPECT_EQ(form.image.ServoHysteresis(), 255);
        EXPECT_EQ(form.image.Tps100Voltage(), 225);
    }
    EXPECT_EQ(form.image.LimiterSpeed(), 250);
}

TEST_F(FormTest, SpinnerClickStepsTheFieldAndRunsTheRulesOnTheMovedBreakpoint) {
    form.UpDownClick(w().UpDownBaseAdv, true);
    EXPECT_EQ(form.image.BaseAdvance(), 11);
    EXPECT_EQ(w().EditBaseAdv.Text(), "11");
    EXPECT_TRUE(w().SpeedButtonZpet.Enabled());

    // Breakpoint 2 typed past breakpoint 3: the neighbour is pushed one step ahead.
    w().EditRpmAdv[2].SetText("4500");
    form.EditExit();
    EXPECT_EQ(form.image.RpmAxis(2), 45);
    EXPECT_EQ(form.image.RpmAxis(3), 46);
    EXPECT_EQ(w().EditRpmAdv[3].Text(), "4600");
    // Clicked back down far enough, the neighbour returns to where it stood.
    for (int i = 0; i < 15; ++i) form.UpDownClick(w().UpDownRpmAdv[2], false);
    EXPECT_EQ(form.image.RpmAxis(2), 30);
    EXPECT_EQ(form.image.RpmAxis(3), 40);
}

TEST_F(FormTest, HandlersDoNothingWhileTheControlsAreRefreshed) {
    form.editorState.refreshing = true;
    w().EditBaseAdv.SetText("20");
    form.EditExit();
    form.UpDownClick(w().UpDownCell[0], true);
    form.BitBtnAdvPlusClick();
    char key = '\r';
    form.FormKeyPress(key);
    form.editorState.refreshing = false;
    EXPECT_EQ(form.image.BaseAdvance(), 10);
    EXPECT_FALSE(w().SpeedButtonZpet.Enabled());
    EXPECT_EQ(key, '\r');
}

TEST_F(FormTest, CheckBoxReleaseStoresTheFlagAndRelaysOut) {
    Click(w().CheckBoxTpsMapa);
    EXPECT_EQ(form.image.TpsMapFlag(), 1);
    EXPECT_TRUE(w().EditCell[0].Visible());
    Click(w().CheckBoxPrivEnable);
    EXPECT_EQ(form.image.ServoEnable(), 1);
    EXPECT_TRUE(w().GroupBoxPrivera.Visible());
}

TEST_F(FormTest, LobeCheckFlagsSurviveOnlyForTheSpecialEntryWithMethodZero) {
    ParamImage image = form.image;
    image.SetBikeCode(kSpecialBikeCode);
    image.SetSyncMethod(0);
    Load(image);
    Click(w().CheckBoxNehlidaPalec);
    EXPECT_EQ(form.image.NoLobeLengthCheck(), 1);

    w().ComboBoxSynchro.SetItemIndex(3);
    form.EditExit();
    EXPECT_EQ(form.image.NoLobeLengthCheck(), 0);
    EXPECT_FALSE(w().CheckBoxNehlidaPalec.Checked());
}

TEST_F(FormTest, CompensationsAreGatheredOnlyInTestMode) {
    w().EditKompenz[0].SetText("30");
    form.EditExit();
    EXPECT_EQ(form.image.Compensation(0), 11);
    EXPECT_EQ(w().EditKompenz[0].Text(), "11");

    form.editorState.testMode = true;
    w().EditKompenz[0].SetText("30");
    form.EditExit();
    EXPECT_EQ(form.image.Compensation(0), 30);
    EXPECT_EQ(form.image.Compensation(1), 11);
}

TEST_F(FormTest, MethodEightSetsAllSecondEdgeFlagsAtTheNextGather) {
    ParamImage image = form.image;
    image.SetBikeCode(kSpecialBikeCode);
    image.SetSyncMethod(8);
    for (int c = 0; c < kChannels; ++c) {
        image.SetMaxAdvance2ndEdge(c, 0);
        image.SetStartAdvance2ndEdge(c, 0);
    }
    form.image = image;
    form.RefreshControls();
    EXPECT_EQ(form.image.MaxAdvance2ndEdge(2), 0);  // the image keeps its bytes until a gather
    form.GatherControls();
    for (int c = 0; c < kChannels; ++c) {
        EXPECT_EQ(form.image.MaxAdvance2ndEdge(c), 1) << c;
        EXPECT_EQ(form.image.StartAdvance2ndEdge(c), 1) << c;
    }
}

TEST_F(FormTest, InputFunctionChangeIsAnUndoStepWithoutTheRules) {
    form.image.SetTps0Voltage(251);  // out of order behind the window's back; rules would fix it
    w().RadioGroupInput1.SetItemIndex(kInputKillSwitch);
    form.RadioGroupInput1Click();
    EXPECT_EQ(form.image.Input1Function(), kInputKillSwitch);
    EXPECT_EQ(form.image.Tps0Voltage(), 251);
    EXPECT_TRUE(w().MenuZpet.Enabled());
    EXPECT_TRUE(w().LabelKillSwitch.Enabled());
}

TEST_F(FormTest, AdvanceStepWithSelectAllActsOnEveryCellOrOnTheMarkedOnes) {
    ParamImage image = form.image;
    image.MapCell(4, 4) = 60;
    Load(image);
    const ParamImage before = form.image;
    w().CheckBoxIgnAll.SetChecked(true);
    form.BitBtnAdvPlusClick();
    for (int k = 0; k < 100; ++k) {
        const int was = before.MapCell(k / 10, k % 10);
        EXPECT_EQ(form.image.MapCell(k / 10, k % 10), was < 60 ? was + 1 : 60) << k;
    }

    selection.present = true;
    selection.marked[12] = selection.marked[13] = true;
    const ParamImage raised = form.image;
    form.BitBtnAdvMinusClick();
    for (int k = 0; k < 100; ++k) {
        const int was = raised.MapCell(k / 10, k % 10);
        const bool marked = k == 12 || k == 13;
        EXPECT_EQ(form.image.MapCell(k / 10, k % 10), marked ? was - 1 : was) << k;
    }
}

TEST_F(FormTest, AdvanceStepWithoutSelectAllActsOnTheLiveCellUnlessBelowTheMap) {
    link.point.belowMap = true;
    w().EditCell[0].SetText("junk");  // shows that the pipeline still ran
    const ParamImage before = form.image;
    form.BitBtnAdvMinusClick();
    EXPECT_EQ(form.image, before);
    EXPECT_EQ(w().EditCell[0].Text(), std::to_string(before.MapCell(0, 0)));

    link.point = {.rpmColumn = 3, .throttleRow = 9};
    char key = '+';
    form.AdvanceKeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(form.image.MapCell(9, 3), before.MapCell(9, 3) + 1);
    key = 'x';
    form.AdvanceKeyPress(key);
    EXPECT_EQ(key, 'x');

    link.point = {.rpmColumn = 12, .throttleRow = 9};  // a live point off the map changes nothing
    const ParamImage stepped = form.image;
    form.BitBtnAdvPlusClick();
    EXPECT_EQ(form.image, stepped);
}

TEST_F(FormTest, ServoStepStopsAt249AndActsOnTheLivePointWithoutAll) {
    ParamImage image = form.image;
    image.SetServoVoltage(4, 249);  // 4980 mV
    Load(image);
    const ParamImage before = form.image;
    w().CheckBoxServoAll.SetChecked(true);
    form.BitBtnServoPlusClick();
    for (int i = 0; i < kServoPoints; ++i) {
        const int was = before.ServoVoltage(i);
        EXPECT_EQ(form.image.ServoVoltage(i), was < 249 ? was + 1 : 249) << i;
    }
    EXPECT_EQ(w().EditNapPriv[4].Text(), "4980");

    w().CheckBoxServoAll.SetChecked(false);
    link.point.servoPoint = 2;
    const ParamImage raised = form.image;
    form.BitBtnServoMinusClick();
    EXPECT_EQ(form.image.ServoVoltage(2), raised.ServoVoltage(2) - 1);
    EXPECT_EQ(form.image.ServoVoltage(3), raised.ServoVoltage(3));
}

TEST_F(FormTest, TpsCalibrationTakesTheLiveVoltageOnlyInsideItsRange) {
    link.point.tpsMillivolts = 4800;
    form.BitBtnTps100Click();
    EXPECT_EQ(form.image.Tps100Voltage(), 230);
    EXPECT_EQ(w().EditTps100.Text(), "4,750");  // the spinner's maximum
    form.GatherControls();
    EXPECT_EQ(form.image.Tps100Voltage(), 225);

    link.point.tpsMillivolts = 4950;
    form.BitBtnTps100Click();
    EXPECT_EQ(form.image.Tps100Voltage(), 225);
    link.point.tpsMillivolts = 640;
    form.BitBtnTps0Click();
    EXPECT_EQ(form.image.Tps0Voltage(), 64);
    link.point.tpsMillivolts = 99;
    form.BitBtnTps0Click();
    EXPECT_EQ(form.image.Tps0Voltage(), 64);
}

TEST_F(FormTest, ColumnSpinStepsTheWholeColumnUpToSixty) {
    ParamImage image = form.image;
    image.MapCell(5, 2) = 60;
    Load(image);
    const ParamImage before = form.image;
    form.CSpinButtonUpClick(2);  // CSpinButton3
    for (int r = 0; r < kMapRows; ++r) {
        const int was = before.MapCell(r, 2);
        EXPECT_EQ(form.image.MapCell(r, 2), was < 60 ? was + 1 : 60) << r;
        EXPECT_EQ(form.image.MapCell(r, 3), before.MapCell(r, 3)) << r;
    }
    form.CSpinButtonDownClick(2);
    EXPECT_EQ(form.image.MapCell(0, 2), before.MapCell(0, 2));
}

TEST_F(FormTest, ProgrammingAfterChangeArmsAtItsOwnClickAndProgramsEveryStepAfter) {
    Click(w().CheckBoxProgHned);
    EXPECT_EQ(link.programStarts, 0);
    EXPECT_EQ(w().CheckBoxProgHned.Color(), colour::kRed);
    form.UpDownClick(w().UpDownBaseAdv, true);
    EXPECT_EQ(link.programStarts, 1);
    form.EditExit();  // nothing changes, still programs
    EXPECT_EQ(link.programStarts, 2);
    form.SpeedButtonZpetClick();
    EXPECT_EQ(link.programStarts, 3);
    Click(w().CheckBoxProgHned);
    form.UpDownClick(w().UpDownBaseAdv, true);
    EXPECT_EQ(link.programStarts, 3);
    EXPECT_EQ(w().CheckBoxProgHned.Color(), colour::kButtonFace);
}

}  // namespace
}  // namespace orvell
