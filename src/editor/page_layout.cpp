#include "editor/page_layout.h"

#include <initializer_list>

#include "core/bike_presets.h"

namespace orvell {

namespace {

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
    in.twoPickups = MethodHasTwoPickups(in.method);
    in.cam = MethodHasCamSensor(in.method);
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

    // The 2D graph stands alone in graph mode and under the single row in grid mode without the
    // TPS map; the surface only in its own mode. A shown graph is redrawn.
    const bool graphShown = in.mapMode == kMapModeGraph || (in.grid && !in.tpsMap);
    w.Graf3DAdv.SetVisible(in.mapMode == kMapModeGraph3D);
    w.GrafAdv.SetVisible(graphShown);
    if (graphShown) redraw |= kRedrawRepaint;

    // The grid mode shows the rpm axis and the 100 % row; the other rows, their labels and the
    // column buttons only with the TPS map. Spinners stay off paper.
    ShowAll(w.EditRpmAdv, in.grid);
    ShowAll(w.UpDownRpmAdv, in.grid);
    ShowAll(w.LabelTps, rowsShown);
    for (int k = 0; k < kMapRows * kMapColumns; ++k) {
        const bool lastRow = k >= lastRowFirst;
        w.EditCell[k].SetVisible(lastRow ? in.grid : rowsShown);
        w.UpDownCell[k].SetVisible(lastRow ? in.grid : rowsShown && !in.printing);
    }
    ShowAll(w.CSpinButton, rowsShown && !in.printing);

    // The selection image belongs to the grid (its set-up follows the placements below).
    w.LabelRpm1.SetVisible(in.grid);
    w.ImageSelect.SetVisible(in.grid);

    // The graph's place depends on the mode; a height change of the graph needs new scales.
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

    // The surface view and its tools exist only in the 3D mode.
    const bool surface = in.mapMode == kMapModeGraph3D;
    for (Control* c :
         std::initializer_list<Control*>{&w.Graf3DAdv, &w.A3DviewISO, &w.A3DviewTOP, &w.CheckFill,
                                         &w.CheckColorMap, &w.TrackBarX, &w.TrackBarY, &w.TrackBarZ,
                                         &w.CMap3DAdv, &w.LabelX, &w.LabelY, &w.LabelZ}) {
        c->SetVisible(surface);
    }
    if (surface) redraw |= kRedrawRepaint;

    // Without the TPS map the one row in use moves up to the first row's place.
    const Label& rowLabel = in.tpsMap ? w.LabelTps[kLastRow] : w.LabelTps[0];
    const int rowTop = rowLabel.Top() - kRowAboveLabel;
    for (int k = lastRowFirst; k < kMapRows * kMapColumns; ++k) {
        w.EditCell[k].SetTop(rowTop);
        w.UpDownCell[k].SetTop(rowTop);
    }

    // Grid set-up after the placements, so the grid takes the selection image's new size.
    if (in.grid) {
        grid.LayoutGridCells();
        grid.DrawSelection();
    }
    return redraw;
}

void LayoutServo(WindowModel& w, const Inputs& in) {
    // The servo group and its monitor labels only with the servo; its spinners only in the grid
    // mode and not on paper.
    w.GroupBoxPrivera.SetVisible(in.servo);
    w.LabelPriveraPoz.SetVisible(in.servo);
    w.LabelPriveraMer.SetVisible(in.servo);
    ShowAll(w.UpDownRpmPriv, in.grid && !in.printing);
    ShowAll(w.UpDownNapPriv, in.grid && !in.printing);
}

void LayoutSynchronisation(WindowModel& w, const Inputs& in) {
    // The synchronisation description is editable only for the special entry.
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
    const bool edgesEditable = in.special && in.method != kMethodLongGapMoreLobes;
    // With one lobe there is no lobe count or lobe number to edit.
    w.EditPocPalcu.SetEnabled(lobesEditable);
    // Harley has neither a lobe count nor a channel count to step.
    w.UpDownPocPalcu.SetVisible(in.special && in.method != kMethodOneLobe &&
                                in.method != kMethodHarley);
    w.UpDownPocKanalu.SetVisible(in.special && in.method != kMethodHarley);
    for (int c = 0; c < kChannels; ++c) {
        w.EditPalecZac[c].SetEnabled(lobesEditable);
        w.EditPalecEnd[c].SetEnabled(lobesEditable);
        w.UpDownPalecZac[c].SetVisible(lobesEditable);
        w.UpDownPalecEnd[c].SetVisible(lobesEditable);
        // Edges are fixed by the all-second-edges method; 2nd pick-up flags exist only for
        // the two-pick-up methods.
        for (CheckBox* box : {&w.CheckBoxPalecZacH2[c], &w.CheckBoxPalecEndH2[c],
                              &w.CheckBoxPalecZacP2[c], &w.CheckBoxPalecEndP2[c]}) {
            box->SetEnabled(edgesEditable);
        }
        w.CheckBoxPalecZacP2[c].SetVisible(in.twoPickups);
        w.CheckBoxPalecEndP2[c].SetVisible(in.twoPickups);
        // Channels in use, none for Harley; channel 1 always otherwise.
        w.GroupBoxPalec[c].SetVisible(in.method != kMethodHarley && (c == 0 || in.channels > c));
    }
    // Pick-up 2's polarity matters only when there is a second pick-up or a cam sensor.
    w.CheckBoxInvInput2.SetVisible(in.twoPickups || in.cam);
    // The lobe checks apply to the one-lobe method of the special entry only.
    w.CheckBoxNehlidaPalec.SetVisible(in.special && in.method == kMethodOneLobe);
    w.CheckBoxPredPalec.SetVisible(in.special && in.method == kMethodOneLobe);
    w.CheckBoxSpecStart.SetVisible(in.special);
    // The compensations are for the special entry only.
    for (int i = 0; i < kCompensations; ++i) {
        w.EditKompenz[i].SetVisible(in.special);
        w.EditKompenz[i].SetEnabled(in.special);
        w.UpDownKompenz[i].SetVisible(in.special);
    }
    w.LabelKompenz.SetVisible(in.special);
}

void LayoutInputsAndMonitor(WindowModel& w, const Inputs& in) {
    // The neutral and side-stand inputs take both inputs over.
    w.RadioGroupInput1.SetEnabled(!in.neutral);
    w.RadioGroupInput2.SetEnabled(!in.neutral);
    // Clutch master time and pause only when input 2 is a clutch master.
    for (Control* c : std::initializer_list<Control*>{&w.EditClutchTime, &w.EditClutchPause,
                                                      &w.LabelClutchTime, &w.LabelClutchPause}) {
        c->SetEnabled(in.clutch);
    }
    w.UpDownClutchTime.SetVisible(in.clutch && !in.printing);
    w.UpDownClutchPause.SetVisible(in.clutch && !in.printing);
    // One advance label per channel in use.
    for (int c = 1; c < kChannels; ++c) w.LabelAdvance[c].SetVisible(in.channels > c);
    // Pick-up 2's monitor label only where there is a second pick-up or a cam sensor.
    w.LabelMonSnimac2.SetVisible(in.twoPickups || in.cam);
    w.LabelMonSnimac1.SetVisible(!in.printing);
    // Monitor lamps are active for the inputs in use; gauges and the counter stay off paper.
    w.LabelKillSwitch.SetEnabled(in.killSwitch);
    w.LabelBlocking1.SetEnabled(in.blocking);
    w.LabelClutchMon.SetEnabled(in.clutch);
    w.LabelTpsMon.SetEnabled(in.tpsMap);
    w.CGaugeTps.SetVisible(in.tpsMap && !in.printing);
    w.CGaugeRpm.SetVisible(!in.printing);
    w.LabelPocetProgramovani.SetVisible(!in.printing);
}

void LayoutPrinting(WindowModel& w, const Inputs& in) {
    // Paper shows the values, not the tools that edit them.
    w.FormHlav.SetColor(in.printing ? colour::kWhite : colour::kButtonFace);
    for (Control* c : std::initializer_list<Control*>{
             &w.CheckBoxProgHned, &w.StatusBar1, &w.GroupBoxToolBar, &w.UpDownBaseAdv,
             &w.UpDownOmez2, &w.UpDownTps0, &w.UpDownTps100, &w.UpDownPrivHyster, &w.BitBtnTps0,
             &w.BitBtnTps100, &w.BitBtnAdvMinus, &w.BitBtnAdvPlus, &w.BitBtnServoMinus,
             &w.BitBtnServoPlus, &w.CheckBoxIgnAll, &w.CheckBoxServoAll, &w.CheckBoxTpsMapa}) {
        c->SetVisible(!in.printing);
    }
    // "Programming after change" is red while it is on.
    w.CheckBoxProgHned.SetColor(w.CheckBoxProgHned.Checked() ? colour::kRed : colour::kButtonFace);
}

}  // namespace

namespace {

// Without a unit the monitor's values are history, not the engine: greyed, still readable.
// The lamps of inputs not in use stay greyed by their own rule when the unit is back.
void LayoutMonitorLink(WindowModel& w, bool linkLost) {
    for (Control* c : std::initializer_list<Control*>{
             &w.LabelRpm, &w.CGaugeRpm, &w.LabelNapeti, &w.CGaugeTps, &w.LabelPriveraPoz,
             &w.LabelPriveraMer, &w.LabelMonPilotLight, &w.LabelMonSnimac1, &w.LabelMonSnimac2}) {
        c->SetEnabled(!linkLost);
    }
    for (Label& label : w.LabelAdvance) label.SetEnabled(!linkLost);
    for (Label& label : w.LabelTest) label.SetEnabled(!linkLost);
    if (!linkLost) return;
    for (Label* lamp : {&w.LabelTpsMon, &w.LabelBlocking1, &w.LabelClutchMon, &w.LabelKillSwitch}) {
        lamp->SetEnabled(false);
    }
}

}  // namespace

unsigned UpdatePageLayout(WindowModel& w, const ParamImage& image, const LayoutInputs& inputs,
                          MapGridView& grid) {
    const Inputs in = ReadInputs(w, image, inputs.printing);
    const unsigned redraw = LayoutAdvanceMap(w, in, grid);
    LayoutServo(w, in);
    LayoutSynchronisation(w, in);
    LayoutInputsAndMonitor(w, in);
    // The unit's version, date and time texts.
    if (inputs.unitTexts != nullptr) {
        w.LabelVerze1.SetCaption((*inputs.unitTexts)[0]);
        w.LabelVerze2.SetCaption((*inputs.unitTexts)[1]);
        w.LabelVerze3.SetCaption((*inputs.unitTexts)[2]);
    }
    LayoutPrinting(w, in);
    LayoutMonitorLink(w, inputs.linkLost);
    return redraw;
}

}  // namespace orvell
