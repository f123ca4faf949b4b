// Page layout as the user sees it for the parameter sets that matter.
#include "form_test_fixture.h"

namespace orvell {
namespace {

class LayoutTest : public FormTest {
  protected:
    void Special(std::uint8_t method, std::uint8_t channels = 2) {
        ParamImage image = form.image;
        image.SetBikeCode(kSpecialBikeCode);
        image.SetSyncMethod(method);
        image.SetChannelCount(channels);
        Load(image);
    }
    bool AllEdgeBoxes(bool (Control::*property)() const) {
        for (int c = 0; c < kChannels; ++c) {
            for (const CheckBox* box : {&w().CheckBoxPalecZacH2[c], &w().CheckBoxPalecEndH2[c],
                                        &w().CheckBoxPalecZacP2[c], &w().CheckBoxPalecEndP2[c]}) {
                if (!(box->*property)()) return false;
            }
        }
        return true;
    }
    bool NoEdgeBox(bool (Control::*property)() const) {
        for (int c = 0; c < kChannels; ++c) {
            for (const CheckBox* box : {&w().CheckBoxPalecZacH2[c], &w().CheckBoxPalecEndH2[c],
                                        &w().CheckBoxPalecZacP2[c], &w().CheckBoxPalecEndP2[c]}) {
                if ((box->*property)()) return false;
            }
        }
        return true;
    }
};

TEST_F(LayoutTest, OrdinaryBikeGreysTheSynchronisationDescription) {
    EXPECT_FALSE(w().GroupBoxSpecial.Enabled());
    EXPECT_FALSE(w().ComboBoxSynchro.Enabled());
    EXPECT_FALSE(w().EditPocPalcu.Enabled());
    EXPECT_FALSE(w().EditPalecZac[0].Enabled());
    EXPECT_FALSE(w().UpDownPocPalcu.Visible());
    EXPECT_FALSE(w().UpDownPocKanalu.Visible());
    EXPECT_FALSE(w().UpDownPalecZac[0].Visible());
    EXPECT_TRUE(NoEdgeBox(&Control::Enabled));
    EXPECT_FALSE(w().CheckBoxNehlidaPalec.Visible());
    EXPECT_FALSE(w().CheckBoxPredPalec.Visible());
    EXPECT_FALSE(w().CheckBoxSpecStart.Visible());
    EXPECT_FALSE(w().EditKompenz[0].Visible());
    EXPECT_FALSE(w().UpDownKompenz[3].Visible());
    EXPECT_FALSE(w().LabelKompenz.Visible());
}

TEST_F(LayoutTest, SpecialEntryWithMethodZeroOffersTheLobeChecks) {
    Special(0);
    EXPECT_TRUE(w().GroupBoxSpecial.Enabled());
    EXPECT_FALSE(w().EditPocPalcu.Enabled());  // forced to 1 by the rules
    EXPECT_FALSE(w().EditPalecEnd[1].Enabled());
    EXPECT_FALSE(w().UpDownPalecEnd[1].Visible());
    EXPECT_TRUE(w().UpDownPocKanalu.Visible());
    EXPECT_TRUE(w().CheckBoxNehlidaPalec.Visible());
    EXPECT_TRUE(w().CheckBoxPredPalec.Visible());
    EXPECT_TRUE(w().CheckBoxSpecStart.Visible());
    EXPECT_TRUE(AllEdgeBoxes(&Control::Visible));  // two pick-ups: 2nd pick-up column shown
    EXPECT_TRUE(AllEdgeBoxes(&Control::Enabled));
    EXPECT_TRUE(w().CheckBoxInvInput2.Visible());
    EXPECT_TRUE(w().EditKompenz[0].Visible());
    EXPECT_TRUE(w().EditKompenz[0].Enabled());
}

TEST_F(LayoutTest, SpecialEntryWithMethodSevenShowsNoChannel) {
    Special(7);
    for (int c = 0; c < kChannels; ++c) EXPECT_FALSE(w().GroupBoxPalec[c].Visible()) << c;
    EXPECT_FALSE(w().UpDownPocPalcu.Visible());
    EXPECT_FALSE(w().UpDownPocKanalu.Visible());
    EXPECT_TRUE(w().EditPocPalcu.Enabled());
    EXPECT_FALSE(w().CheckBoxNehlidaPalec.Visible());
}

TEST_F(LayoutTest, SpecialEntryWithMethodEightGreysTheEdges) {
    Special(8);
    EXPECT_TRUE(NoEdgeBox(&Control::Enabled));
    EXPECT_TRUE(w().UpDownPocPalcu.Visible());
    EXPECT_TRUE(w().EditPalecZac[0].Enabled());
    EXPECT_FALSE(w().CheckBoxPalecZacP2[0].Visible());
    EXPECT_FALSE(w().CheckBoxInvInput2.Visible());
    EXPECT_FALSE(w().LabelMonSnimac2.Visible());
}

TEST_F(LayoutTest, ChannelCountDecidesChannelBoxesAndMonitorLabels) {
    Special(3, 3);
    for (int c = 0; c < kChannels; ++c) {
        EXPECT_EQ(w().GroupBoxPalec[c].Visible(), c < 3) << c;
        EXPECT_EQ(w().LabelAdvance[c].Visible(), c < 3) << c;
    }
}

TEST_F(LayoutTest, TpsMapOffShowsRowNineInTheFirstRowPlaceAboveTheGraph) {
    ASSERT_EQ(form.image.TpsMapFlag(), 0);
    for (int k = 0; k < 90; ++k) EXPECT_FALSE(w().EditCell[k].Visible()) << k;
    for (int k = 90; k < 100; ++k) {
        EXPECT_TRUE(w().EditCell[k].Visible()) << k;
        EXPECT_EQ(w().EditCell[k].Top(), 69) << k;
        EXPECT_EQ(w().UpDownCell[k].Top(), 69) << k;
    }
    EXPECT_FALSE(w().LabelTps[9].Visible());
    EXPECT_FALSE(w().CSpinButton[0].Visible());
    EXPECT_TRUE(w().GrafAdv.Visible());
    EXPECT_EQ(w().GrafAdv.Top(), 112);
    EXPECT_EQ(w().GrafAdv.Height(), 317);
    EXPECT_EQ(w().ImageSelect.Height(), 50);
    EXPECT_GT(grid.layouts, 0);

    Click(w().CheckBoxTpsMapa);
    EXPECT_FALSE(w().GrafAdv.Visible());
    EXPECT_EQ(w().ImageSelect.Height(), 352);
    EXPECT_EQ(w().EditCell[90].Top(), w().LabelTps[9].Top() - 4);
    EXPECT_TRUE(w().CSpinButton[9].Visible());
    EXPECT_TRUE(w().LabelTpsMon.Enabled());
}

TEST_F(LayoutTest, GraphModeGivesTheGraphTheWholeArea) {
    Click(w().CheckBoxTpsMapa);
    form.editorState.redrawRequest = 0;
    w().SetMapMode(kMapModeGraph);
    form.AMapModeGraphClick();
    EXPECT_TRUE(w().GrafAdv.Visible());
    EXPECT_EQ(w().GrafAdv.Top(), 12);
    EXPECT_EQ(w().GrafAdv.Height(), 417);
    EXPECT_EQ(form.editorState.redrawRequest, kRedrawRepaint | kRedrawRescale);
    EXPECT_FALSE(w().ImageSelect.Visible());
    EXPECT_FALSE(w().EditCell[95].Visible());
    EXPECT_FALSE(w().EditRpmAdv[0].Visible());
    EXPECT_FALSE(w().UpDownRpmPriv[0].Visible());
    EXPECT_FALSE(w().UpDownNapPriv[9].Visible());
    EXPECT_FALSE(w().Graf3DAdv.Visible());

    w().SetMapMode(kMapModeGraph3D);
    form.AMapModeGraph3DClick();
    EXPECT_FALSE(w().GrafAdv.Visible());
    EXPECT_TRUE(w().Graf3DAdv.Visible());
    EXPECT_TRUE(w().TrackBarY.Visible());
    EXPECT_TRUE(w().CMap3DAdv.Visible());
}

TEST_F(LayoutTest, ServoOffLeavesOnlyTheEnableBox) {
    ASSERT_EQ(form.image.ServoEnable(), 0);
    EXPECT_FALSE(w().GroupBoxPrivera.Visible());
    EXPECT_FALSE(w().LabelPriveraPoz.Visible());
    EXPECT_TRUE(w().CheckBoxPrivEnable.Visible());
}

TEST_F(LayoutTest, NeutralInputsGreyTheInputGroupsAndActivateBlocking) {
    ParamImage image = form.image;
    image.SetInput1Function(kInputOff);
    image.SetInput2Function(kInputOff);
    Load(image);
    EXPECT_FALSE(w().LabelBlocking1.Enabled());
    EXPECT_TRUE(w().RadioGroupInput1.Enabled());
    Click(w().CheckBoxInNeutralSs);
    EXPECT_FALSE(w().RadioGroupInput1.Enabled());
    EXPECT_FALSE(w().RadioGroupInput2.Enabled());
    EXPECT_TRUE(w().LabelBlocking1.Enabled());
}

TEST_F(LayoutTest, ClutchMasterInputEnablesItsTimes) {
    EXPECT_FALSE(w().EditClutchTime.Enabled());
    EXPECT_FALSE(w().UpDownClutchPause.Visible());
    w().RadioGroupInput2.SetItemIndex(3);
    form.RadioGroupInput2Click();
    EXPECT_TRUE(w().EditClutchTime.Enabled());
    EXPECT_TRUE(w().UpDownClutchPause.Visible());
    EXPECT_TRUE(w().LabelClutchMon.Enabled());
}

TEST_F(LayoutTest, PrintingWhitensTheWindowAndHidesTheEditingTools) {
    Click(w().CheckBoxTpsMapa);
    form.editorState.printing = true;
    form.UpdateLayout();
    EXPECT_EQ(w().FormHlav.Color(), colour::kWhite);
    for (const Control* c : std::initializer_list<const Control*>{
             &w().CheckBoxProgHned, &w().StatusBar1,     &w().GroupBoxToolBar,
             &w().UpDownBaseAdv,    &w().UpDownOmez2,    &w().UpDownTps100,
             &w().UpDownPrivHyster, &w().BitBtnTps0,     &w().BitBtnAdvPlus,
             &w().BitBtnServoMinus, &w().CheckBoxIgnAll, &w().CheckBoxServoAll,
             &w().CheckBoxTpsMapa,  &w().UpDownCell[0],  &w().CSpinButton[0],
             &w().UpDownRpmPriv[0], &w().CGaugeRpm,      &w().LabelPocetProgramovani,
             &w().LabelMonSnimac1,  &w().CGaugeTps}) {
        EXPECT_FALSE(c->Visible()) << c->Name();
    }
    // Printing keeps the axis spinners, row 9's spinners and the values themselves.
    EXPECT_TRUE(w().UpDownRpmAdv[0].Visible());
    EXPECT_TRUE(w().UpDownCell[95].Visible());
    EXPECT_TRUE(w().EditCell[0].Visible());

    form.editorState.printing = false;
    form.UpdateLayout();
    EXPECT_EQ(w().FormHlav.Color(), colour::kButtonFace);
    EXPECT_TRUE(w().UpDownCell[0].Visible());
    EXPECT_TRUE(w().StatusBar1.Visible());
}

TEST_F(LayoutTest, UnitTextsReachTheVersionLabels) {
    form.editorState.unitTexts = {"QMX75", "11.12.2026", "06:30"};
    form.RefreshControls();
    EXPECT_EQ(w().LabelVerze1.Caption(), "QMX75");
    EXPECT_EQ(w().LabelVerze3.Caption(), "06:30");
}

TEST_F(LayoutTest, ALayoutThatChangesNothingTouchesNoControl) {
    std::vector<std::uint32_t> before;
    for (const Control* c : w().AllControls()) before.push_back(c->Revision());
    form.UpdateLayout();
    form.RefreshControls();
    std::size_t i = 0;
    for (const Control* c : w().AllControls()) EXPECT_EQ(c->Revision(), before[i++]) << c->Name();
}

}  // namespace
}  // namespace orvell
