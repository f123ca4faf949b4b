#include "editor/page_layout.h"

#include <initializer_list>

#include "core/bike_presets.h"

namespace orvell {

namespace {

constexpr std::uint8_t kMethodOneLobe = 0;
constexpr std::uint8_t kMethodHarley = 7;
constexpr std::uint8_t kMethodAllSecondEdges = 8;

constexpr int kGraphTopWithGrid = 112;
constexpr int kGraphHeightWithGrid = 317;
constexpr int kGraphTopAlone = 12;
constexpr int kGraphHeightAlone = 417;
constexpr int kSelectHeightAboveGraph = 50;
constexpr int kSelectHeightFull = 352;
constexpr int kRowAboveLabel = 4;

struct Inputs {
    int mapMode;
    bool grid;  // map mode 0
    bool tpsMap;
    bool special;
    int method;
    bool twoPickups;
    bool cam;
    int channels;
    bool servo;
    bool killSwitch;
    bool blocking;
    bool clutch;
    bool neutral;
    bool printing;
};

Inputs ReadInputs(const WindowModel& w, const ParamImage& image, bool printing) {
    Inputs in{};
    in.mapMode = w.MapMode();
    in.grid = in.mapMode == kMapModeGrid;
    in.tpsMap = w.CheckBoxTpsMapa.Checked();
    in.special = image.BikeCode() == kSpecialBikeCode;
    in.method = image.SyncMethod();
    in.twoPickups = in.method == 0 || in.method == 4 || in.method == 9;
    in.cam = in.method == 6 || in.method == 11 || in.method == 12;
    in.channels = image.ChannelCount();
    in.servo = ServoInUse(image);
    const int in1 = image.Input1Function();
    const int in2 = image.Input2Function();
    in.neutral = w.CheckBoxInNeutralSs.Checked();
    in.killSwitch = in1 == kInputKillSwitch || in2 == kInputKillSwitch;
    in.blocking = in1 == kInputBlocking || in2 == kInputBlocking || in.neutral;
    in.clutch = in2 == kInputClutchMaster || in2 == kInputClutchMasterInverted;
    in.printing = printing;
    return in;
}

template <class Family>
void ShowAll(Family& family, bool visible) {
    for (auto& control : family) control.SetVisible(visible);
}

unsigned LayoutAdvanceMap(WindowModel& w, const Inputs& in, MapGridView& grid) {
    unsigned redraw = 0;
    constexpr int kLastRow = kMapRows - 1;
    const int lastRowFirst = kLastRow * kMapColumns;
    const bool rowsShown = in.grid && in.tpsMap;

    // Rules 1 and 5: the 2D graph stands alone in mode 1 and under the single row in mode 0.
    const bool graphShown = in.mapMode == kMapModeGraph || (in.grid && !in.tpsMap);
    w.Graf3DAdv.SetVisible(in.mapMode == kMapModeGraph3D);
    w.GrafAdv.SetVisible(graphShown);
    if (graphShown) redraw |= kRedrawRepaint;

    // Rules 2 and 3.
    ShowAll(w.EditRpmAdv, in.grid);
    ShowAll(w.UpDownRpmAdv, in.grid);
    ShowAll(w.LabelTps, rowsShown);
    for (int k = 0; k < kMapRows * kMapColumns; ++k) {
        const bool lastRow = k >= lastRowFirst;
        w.EditCell[k].SetVisible(lastRow ? in.grid : rowsShown);
        w.UpDownCell[k].SetVisible(lastRow ? in.grid : rowsShown && !in.printing);
    }
    ShowAll(w.CSpinButton, rowsShown && !in.printing);

    // Rule 4 (visibility; the grid set-up follows the placements below).
    w.LabelRpm1.SetVisible(in.grid);
    w.ImageSelect.SetVisible(in.grid);

    // Rule 6: a height change of the graph needs new scales.
    const int graphHeight = w.GrafAdv.Height();
    if (in.grid) {
        w.GrafAdv.SetTop(kGraphTopWithGrid);
        w.GrafAdv.SetHeight(kGraphHeightWithGrid);
        w.ImageSelect.SetHeight(graphShown ? kSelectHeightAboveGraph : kSelectHeightFull);
    } else if (in.mapMode == kMapModeGraph) {
        w.GrafAdv.SetTop(kGraphTopAlone);
        w.GrafAdv.SetHeight(kGraphHeightAlone);
    }
    if (w.GrafAdv.Height() != graphHeight) redraw |= kRedrawRescale;

    // Rule 7.
    const bool surface = in.mapMode == kMapModeGraph3D;
    for (Control* c :
         std::initializer_list<Control*>{&w.Graf3DAdv, &w.A3DviewISO, &w.A3DviewTOP, &w.CheckFill,
                                         &w.CheckColorMap, &w.TrackBarX, &w.TrackBarY, &w.TrackBarZ,
                                         &w.CMap3DAdv, &w.LabelX, &w.LabelY, &w.LabelZ}) {
        c->SetVisible(surface);
    }
    if (surface) redraw |= kRedrawRepaint;

    // Rule 8: without the TPS map the one row in use moves up to the first row's place.
    const Label& rowLabel = in.tpsMap ? w.LabelTps[kLastRow] : w.LabelTps[0];
    const int rowTop = rowLabel.Top() - kRowAboveLabel;
    for (int k = lastRowFirst; k < kMapRows * kMapColumns; ++k) {
        w.EditCell[k].SetTop(rowTop);
        w.UpDownCell[k].SetTop(rowTop);
    }

    // Rule 4, set-up: after the placements, so the grid takes the selection image's new size.
    if (in.grid) {
        grid.LayoutGridCells();
        grid.DrawSelection();
    }
    return redraw;
}

void LayoutServo(WindowModel& w, const Inputs& in) {
    // Rules 9 and 10.
    w.GroupBoxPrivera.SetVisible(in.servo);
    w.LabelPriveraPoz.SetVisible(in.servo);
    w.LabelPriveraMer.SetVisible(in.servo);
    ShowAll(w.UpDownRpmPriv, in.grid && !in.printing);
    ShowAll(w.UpDownNapPriv, in.grid && !in.printing);
}

void LayoutSynchronisation(WindowModel& w, const Inputs& in) {
    // Rule 11: the description is editable only for the special entry.
    for (Control* c : std::initializer_list<Control*>{
             &w.GroupBoxSpecial, &w.ComboBoxSynchro, &w.ComboBoxNasobekPalcu, &w.EditPocKanalu,
             &w.LabelSynchro, &w.LabelPocPalcu, &w.LabelPocKanalu, &w.LabelLobe, &w.LabelHrana2,
             &w.LabelSnimac2, &w.LabelKompenz}) {
        c->SetEnabled(in.special);
    }
    for (int c = 0; c < kChannels; ++c) {
        w.GroupBoxPalec[c].SetEnabled(in.special);
        w.LabelPalecZac[c].SetEnabled(in.special);
        w.LabelPalecEnd[c].SetEnabled(in.special);
    }

    const bool lobesEditable = in.special && in.method != kMethodOneLobe;
    const bool edgesEditable = in.special && in.method != kMethodAllSecondEdges;
    // Rule 12.
    w.EditPocPalcu.SetEnabled(lobesEditable);
    // Rule 16.
    w.UpDownPocPalcu.SetVisible(in.special && in.method != kMethodOneLobe &&
                                in.method != kMethodHarley);
    w.UpDownPocKanalu.SetVisible(in.special && in.method != kMethodHarley);
    for (int c = 0; c < kChannels; ++c) {
        w.EditPalecZac[c].SetEnabled(lobesEditable);
        w.EditPalecEnd[c].SetEnabled(lobesEditable);
        w.UpDownPalecZac[c].SetVisible(lobesEditable);
        w.UpDownPalecEnd[c].SetVisible(lobesEditable);
        // Rules 13 and 14.
        for (CheckBox* box : {&w.CheckBoxPalecZacH2[c], &w.CheckBoxPalecEndH2[c],
                              &w.CheckBoxPalecZacP2[c], &w.CheckBoxPalecEndP2[c]}) {
            box->SetEnabled(edgesEditable);
        }
        w.CheckBoxPalecZacP2[c].SetVisible(in.twoPickups);
        w.CheckBoxPalecEndP2[c].SetVisible(in.twoPickups);
        // Rule 17.
        w.GroupBoxPalec[c].SetVisible(in.method != kMethodHarley && (c == 0 || in.channels > c));
    }
    // Rule 15.
    w.CheckBoxInvInput2.SetVisible(in.twoPickups || in.cam);
    // Rule 18.
    w.CheckBoxNehlidaPalec.SetVisible(in.special && in.method == kMethodOneLobe);
    w.CheckBoxPredPalec.SetVisible(in.special && in.method == kMethodOneLobe);
    w.CheckBoxSpecStart.SetVisible(in.special);
    // Rule 19.
    for (int i = 0; i < kCompensations; ++i) {
        w.EditKompenz[i].SetVisible(in.special);
        w.EditKompenz[i].SetEnabled(in.special);
        w.UpDownKompenz[i].SetVisible(in.special);
    }
    w.LabelKompenz.SetVisible(in.special);
}

void LayoutInputsAndMonitor(WindowModel& w, const Inputs& in) {
    // Rule 20.
    w.RadioGroupInput1.SetEnabled(!in.neutral);
    w.RadioGroupInput2.SetEnabled(!in.neutral);
    // Rule 21.
    for (Control* c : std::initializer_list<Control*>{&w.EditClutchTime, &w.EditClutchPause,
                                                      &w.LabelClutchTime, &w.LabelClutchPause}) {
        c->SetEnabled(in.clutch);
    }
    w.UpDownClutchTime.SetVisible(in.clutch && !in.printing);
    w.UpDownClutchPause.SetVisible(in.clutch && !in.printing);
    // Rule 22.
    for (int c = 1; c < kChannels; ++c) w.LabelAdvance[c].SetVisible(in.channels > c);
    // Rule 23.
    w.LabelMonSnimac2.SetVisible(in.twoPickups || in.cam);
    w.LabelMonSnimac1.SetVisible(!in.printing);
    // Rule 24.
    w.LabelKillSwitch.SetEnabled(in.killSwitch);
    w.LabelBlocking1.SetEnabled(in.blocking);
    w.LabelClutchMon.SetEnabled(in.clutch);
    w.LabelTpsMon.SetEnabled(in.tpsMap);
    w.CGaugeTps.SetVisible(in.tpsMap && !in.printing);
    w.CGaugeRpm.SetVisible(!in.printing);
    w.LabelPocetProgramovani.SetVisible(!in.printing);
}

void LayoutPrinting(WindowModel& w, const Inputs& in) {
    // Rule 26: paper shows the values, not the tools that edit them.
    w.FormHlav.SetColor(in.printing ? colour::kWhite : colour::kButtonFace);
    for (Control* c : std::initializer_list<Control*>{
             &w.CheckBoxProgHned, &w.StatusBar1, &w.GroupBoxToolBar, &w.UpDownBaseAdv,
             &w.UpDownOmez2, &w.UpDownTps0, &w.UpDownTps100, &w.UpDownPrivHyster, &w.BitBtnTps0,
             &w.BitBtnTps100, &w.BitBtnAdvMinus, &w.BitBtnAdvPlus, &w.BitBtnServoMinus,
             &w.BitBtnServoPlus, &w.CheckBoxIgnAll, &w.CheckBoxServoAll, &w.CheckBoxTpsMapa}) {
        c->SetVisible(!in.printing);
    }
    // Rule 27.
    w.CheckBoxProgHned.SetColor(w.CheckBoxProgHned.Checked() ? colour::kRed : colour::kButtonFace);
}

}  // namespace

unsigned UpdatePageLayout(WindowModel& w, const ParamImage& image, const LayoutInputs& inputs,
                          MapGridView& grid) {
    const Inputs in = ReadInputs(w, image, inputs.printing);
    const unsigned redraw = LayoutAdvanceMap(w, in, grid);
    LayoutServo(w, in);
    LayoutSynchronisation(w, in);
    LayoutInputsAndMonitor(w, in);
    // Rule 25.
    if (inputs.unitTexts != nullptr) {
        w.LabelVerze1.SetCaption((*inputs.unitTexts)[0]);
        w.LabelVerze2.SetCaption((*inputs.unitTexts)[1]);
        w.LabelVerze3.SetCaption((*inputs.unitTexts)[2]);
    }
    LayoutPrinting(w, in);
    return redraw;
}

}  // namespace orvell
