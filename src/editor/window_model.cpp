#include "editor/window_model.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/bike_presets.h"
#include "editor/spinner_fields.h"
#include "editor/window_language_target.h"
#include "i18n/apply_language.h"
#include "i18n/catalogue.h"

namespace orvell {

namespace {

std::string Numbered(std::string_view stem, int number, std::string_view tail = {}) {
    std::string name(stem);
    name += std::to_string(number);
    name += tail;
    return name;
}

// Advance-map geometry in `GroupBox6`: the map columns leave one extra pixel after columns 2
// and 6, the rows are 33 pixels apart. The selection image, the grid layout and the views
// rely on these numbers.
constexpr int kCellLeft0 = 51;
constexpr int kCellTop0 = 69;
constexpr int kCellPitchX = 59;
constexpr int kCellPitchY = 33;
constexpr int kCellEditWidth = 30;
constexpr int kSpinnerWidth = 16;
constexpr int kCellHeight = 21;
constexpr int kAxisTop = 29;
constexpr int kColumnSpinTop = 405;
constexpr int kRowLabelLeft = 8;
constexpr int kRowLabelOffset = 4;  // row label top lies 4 pixels below its row's edit boxes

constexpr int ColumnLeft(int c) {
    return kCellLeft0 + kCellPitchX * c + (c >= 3) + (c >= 7);
}
constexpr int RowTop(int r) {
    return kCellTop0 + kCellPitchY * r;
}

constexpr std::array<std::string_view, kMapRows> kThrottleRowCaptions = {
    "0%", "2%", "5%", "10%", "20%", "30%", "40%", "60%", "80%", "100%"};

// A control with a caption that is the same in every language.
template <class C>
C& Labelled(C& control, std::string_view caption) {
    control.SetCaption(caption);
    return control;
}

}  // namespace

// Controls are built with only the texts that are the same in every language; the English
// texts come from the language catalogue last, as every other language's do.
WindowModel::WindowModel() {
    // The control table comes first: everything else may already index it.
    BuildControlTable();
    Add(FormHlav, "FormHlav", nullptr);
    FormHlav.SetCaption(MainWindowTitle({}));
    FormHlav.SetBounds(0, 0, 1005, 834);
    BuildMenu();
    BuildToolBarAndPages();
    BuildMiscPage();
    BuildBikePage();
    BuildAdvancePage();
    BuildServoPage();
    BuildMonitor();
    SortNameIndex();
    AssignRoles();

    WindowLanguageTarget target(*this);
    ApplyControlTexts(kEnglish, target);
    MessageTexts english;
    LoadMessages(kEnglish, english, target);  // the monitor labels' placeholders
}

void WindowModel::BuildControlTable() {
    auto put = [this](int first, auto& family) {
        for (std::size_t i = 0; i < family.size(); ++i) controlTable_[first + i] = &family[i];
    };
    put(table::kMenuComItem, MenuComItem);
    put(table::kZacH2, CheckBoxPalecZacH2);
    put(table::kEndH2, CheckBoxPalecEndH2);
    put(table::kZacP2, CheckBoxPalecZacP2);
    put(table::kEndP2, CheckBoxPalecEndP2);
    put(table::kLabelAdvance, LabelAdvance);
    put(table::kLabelTps, LabelTps);
    put(table::kEditPalecZac, EditPalecZac);
    put(table::kEditPalecEnd, EditPalecEnd);
    put(table::kEditRpmAdv, EditRpmAdv);
    put(table::kEditCell, EditCell);
    put(table::kEditRpmPriv, EditRpmPriv);
    put(table::kEditNapPriv, EditNapPriv);
    put(table::kUpDownPalecZac, UpDownPalecZac);
    put(table::kUpDownPalecEnd, UpDownPalecEnd);
    put(table::kUpDownRpmAdv, UpDownRpmAdv);
    put(table::kUpDownCell, UpDownCell);
    put(table::kUpDownRpmPriv, UpDownRpmPriv);
    put(table::kUpDownNapPriv, UpDownNapPriv);
}

void WindowModel::Add(Control& control, std::string name, Control* parent) {
    control.Setup(std::move(name), parent);
    all_.push_back(&control);
}

void WindowModel::AddSpinner(EditBox& edit, UpDown& upDown, std::string_view stem,
                             Control* parent) {
    Add(edit, "Edit" + std::string(stem), parent);
    Add(upDown, "UpDown" + std::string(stem), parent);
    const SpinnerField* row = FindSpinnerField(*this, upDown);
    if (row == nullptr) throw std::logic_error("no spinner field for " + upDown.Name());
    upDown.Configure(&edit, row->min, row->max, row->step, row->grouped);
}

void WindowModel::AddMenu(MenuItem& item, std::string name, MenuItem* parent,
                          std::string_view shortcut) {
    Add(item, std::move(name), parent);
    item.SetShortcut(shortcut);
    menuItems_.push_back(&item);
}

void WindowModel::BuildMenu() {
    auto separator = [this](MenuItem& item, const char* name, MenuItem* parent) {
        AddMenu(item, name, parent);
        item.SetCaption("-");
    };
    AddMenu(MenuFile, "MenuFile", nullptr);
    AddMenu(MenuNew, "MenuNew", &MenuFile, "Ctrl+N");
    separator(N3, "N3", &MenuFile);
    AddMenu(MenuOpen, "MenuOpen", &MenuFile, "F3");
    AddMenu(MenuOpenExeDir, "MenuOpenExeDir", &MenuFile, "Ctrl+F3");
    AddMenu(MenuOpenBackup, "MenuOpenBackup", &MenuFile);
    separator(N1, "N1", &MenuFile);
    AddMenu(MenuSave, "MenuSave", &MenuFile, "F2");
    AddMenu(MenuSaveExeDir, "MenuSaveExeDir", &MenuFile, "Ctrl+F2");
    separator(N2, "N2", &MenuFile);
    AddMenu(MenuPrint, "MenuPrint", &MenuFile, "Ctrl+P");
    AddMenu(MenuPrintAll, "MenuPrintAll", &MenuFile);
    MenuPrintAll.SetVisible(false);
    AddMenu(MenuSavePdf, "MenuSavePdf", &MenuFile);
    separator(N4, "N4", &MenuFile);
    AddMenu(MenuExit, "MenuExit", &MenuFile);

    AddMenu(MenuCom, "MenuCom", nullptr);
    for (int i = 0; i < kComItems; ++i) {
        AddMenu(MenuComItem[i], Numbered("MenuCom", i + 1), &MenuCom);
        MenuComItem[i].SetCaption(i + 1 < kComItems ? Numbered("Com ", i + 1) : "Com Auto");
    }

    AddMenu(MenuDevice, "MenuDevice", nullptr);
    AddMenu(MenuRead, "MenuRead", &MenuDevice, "F7");
    AddMenu(MenuVerify, "MenuVerify", &MenuDevice, "F8");
    AddMenu(MenuProgram, "MenuProgram", &MenuDevice, "F9");

    AddMenu(MenuTools, "MenuTools", nullptr);
    AddMenu(AdvanceMinus, "AdvanceMinus", &MenuTools, "F4");
    AddMenu(AdvancePlus, "AdvancePlus", &MenuTools, "F5");
    AddMenu(MenuZpet, "MenuZpet", &MenuTools, "Ctrl+Z");
    AddMenu(MenuZnovu, "MenuZnovu", &MenuTools, "Ctrl+Alt+Z");
    separator(N5, "N5", &MenuTools);
    AddMenu(MenuCopyCells, "MenuCopyCells", &MenuTools, "Ctrl+C");
    AddMenu(MenuPasteCells, "MenuPasteCells", &MenuTools, "Ctrl+V");
    AddMenu(MenuSetCells, "MenuSetCells", &MenuTools);
    AddMenu(MenuAddCells, "MenuAddCells", &MenuTools);
    AddMenu(MenuScaleCells, "MenuScaleCells", &MenuTools);
    AddMenu(MenuSmoothCells, "MenuSmoothCells", &MenuTools);
    AddMenu(MenuInterpolation, "MenuInterpolation", &MenuTools);
    separator(N6, "N6", &MenuTools);
    AddMenu(MenuSelectAll, "MenuSelectAll", &MenuTools);
    AddMenu(MenuClearSelection, "MenuClearSelection", &MenuTools);
    separator(N7, "N7", &MenuTools);
    AddMenu(MenuRecordLog, "MenuRecordLog", &MenuTools);
    AddMenu(MenuStopLog, "MenuStopLog", &MenuTools);
    MenuStopLog.SetEnabled(false);
    AddMenu(MenuCompare, "MenuCompare", &MenuTools);

    AddMenu(MenuLanguage, "MenuLanguage", nullptr);
    AddMenu(MenuEnglish, "MenuEnglish", &MenuLanguage);
    AddMenu(MenuGerman, "MenuGerman", &MenuLanguage);
    AddMenu(MenuFrench, "MenuFrench", &MenuLanguage);
    AddMenu(MenuCzech, "MenuCzech", &MenuLanguage);

    AddMenu(MenuHelp, "MenuHelp", nullptr);
    AddMenu(MenuContens, "MenuContens", &MenuHelp, "F1");
    AddMenu(MenuAbout, "MenuAbout", &MenuHelp);
}

void WindowModel::BuildToolBarAndPages() {
    Add(GroupBoxToolBar, "GroupBoxToolBar", &FormHlav);
    // The icon buttons' words are the same in every language.
    Add(Labelled(SpeedButton6, "New"), "SpeedButton6", &GroupBoxToolBar);
    Add(Labelled(SpeedButtonOpen, "Open"), "SpeedButtonOpen", &GroupBoxToolBar);
    Add(Labelled(SpeedButtonSave, "Save"), "SpeedButtonSave", &GroupBoxToolBar);
    Add(Labelled(SpeedButtonPrint, "Print"), "SpeedButtonPrint", &GroupBoxToolBar);
    Add(Labelled(SpeedButtonZpet, "Undo"), "SpeedButtonZpet", &GroupBoxToolBar);
    Add(Labelled(SpeedButtonZnovu, "Redo"), "SpeedButtonZnovu", &GroupBoxToolBar);
    Add(ButtonRead, "ButtonRead", &GroupBoxToolBar);
    Add(BitBtnVerify, "BitBtnVerify", &GroupBoxToolBar);
    Add(BitBtnProgram, "BitBtnProgram", &GroupBoxToolBar);

    Add(PageControl1, "PageControl1", &FormHlav);
    Add(TabSheetRuzne, "TabSheetRuzne", &PageControl1);
    Add(TabSheetBike, "TabSheetBike", &PageControl1);
    Add(TabSheetAdvance, "TabSheetAdvance", &PageControl1);
    Add(TabSheetServo, "TabSheetServo", &PageControl1);
}

void WindowModel::BuildMiscPage() {
    Control* page = &TabSheetRuzne;
    Add(LabelOmez2, "LabelOmez2", page);
    AddSpinner(EditOmez2, UpDownOmez2, "Omez2", page);
    Add(LabelPilotLight, "LabelPilotLight", page);
    AddSpinner(EditPilotLight, UpDownPilotLight, "PilotLight", page);
    Add(LabelClutchTime, "LabelClutchTime", page);
    AddSpinner(EditClutchTime, UpDownClutchTime, "ClutchTime", page);
    Add(LabelClutchPause, "LabelClutchPause", page);
    AddSpinner(EditClutchPause, UpDownClutchPause, "ClutchPause", page);
    Add(LabelPocSynchro, "LabelPocSynchro", page);
    AddSpinner(EditPocSynchro, UpDownPocSynchro, "PocSynchro", page);
    Add(CheckBoxBuzDlouhe, "CheckBoxBuzDlouhe", page);

    Add(Labelled(GroupBoxTps, "TPS"), "GroupBoxTps", page);
    AddSpinner(EditTps0, UpDownTps0, "Tps0", &GroupBoxTps);
    AddSpinner(EditTps100, UpDownTps100, "Tps100", &GroupBoxTps);
    Add(Labelled(BitBtnTps0, "Set TPS 0 %"), "BitBtnTps0", &GroupBoxTps);
    Add(Labelled(BitBtnTps100, "Set TPS 100 %"), "BitBtnTps100", &GroupBoxTps);

    Add(LabelKompenz, "LabelKompenz", page);
    for (int i = 0; i < kCompensations; ++i) {
        AddSpinner(EditKompenz[i], UpDownKompenz[i], Numbered("Kompenz", i + 1), page);
    }
    Add(CheckBoxInNeutralSs, "CheckBoxInNeutralSs", page);
    Add(RadioGroupInput1, "RadioGroupInput1", page);
    Add(RadioGroupInput2, "RadioGroupInput2", page);
    Add(LabelMonInput1In, "LabelMonInput1In", page);
    Add(LabelMonInput2In, "LabelMonInput2In", page);
}

void WindowModel::BuildBikePage() {
    Control* page = &TabSheetBike;
    Add(LabelBike, "LabelBike", page);
    Add(ComboBoxBike, "ComboBoxBike", page);
    {
        std::vector<std::string> bikes;
        for (const BikeEntry& entry : BikeTable()) bikes.emplace_back(entry.englishText);
        ComboBoxBike.SetItems(bikes);
    }
    Add(GroupBoxRpm, "GroupBoxRpm", page);
    Add(LabelRpmPulsu, "LabelRpmPulsu", &GroupBoxRpm);
    AddSpinner(EditRpmPulsu, UpDownRpmPulsu, "RpmPulsu", &GroupBoxRpm);
    Add(LabelRpmKorekce, "LabelRpmKorekce", &GroupBoxRpm);
    AddSpinner(EditRpmKorekce, UpDownRpmKorekce, "RpmKorekce", &GroupBoxRpm);
    Add(CheckBoxInvInput1, "CheckBoxInvInput1", page);
    Add(CheckBoxInvInput2, "CheckBoxInvInput2", page);
    Add(CheckBoxZamenaPickup, "CheckBoxZamenaPickup", page);
    Add(CheckBoxNehlidaPalec, "CheckBoxNehlidaPalec", page);
    Add(CheckBoxPredPalec, "CheckBoxPredPalec", page);
    Add(CheckBoxSpecStart, "CheckBoxSpecStart", page);
    Add(Labelled(LabelVerze1, "QMX42"), "LabelVerze1", page);
    Add(Labelled(LabelVerze2, "25.01.2003"), "LabelVerze2", page);
    Add(Labelled(LabelVerze3, "16:21"), "LabelVerze3", page);
    Add(LabelPocetProgramovani, "LabelPocetProgramovani", page);

    Control* special = &GroupBoxSpecial;
    Add(GroupBoxSpecial, "GroupBoxSpecial", page);
    Add(LabelSynchro, "LabelSynchro", special);
    Add(ComboBoxSynchro, "ComboBoxSynchro", special);
    {
        // "Harley" is the same in every language; the catalogue holds the other methods.
        std::vector<std::string> methods(kSyncMethods);
        methods[kMethodHarley] = "Harley";
        ComboBoxSynchro.SetItems(methods);
    }
    Add(LabelPocPalcu, "LabelPocPalcu", special);
    AddSpinner(EditPocPalcu, UpDownPocPalcu, "PocPalcu", special);
    Add(LabelPocKanalu, "LabelPocKanalu", special);
    AddSpinner(EditPocKanalu, UpDownPocKanalu, "PocKanalu", special);
    Add(LabelLobe, "LabelLobe", special);
    Add(LabelHrana2, "LabelHrana2", special);
    Add(LabelSnimac2, "LabelSnimac2", special);
    for (int c = 0; c < kChannels; ++c) {
        GroupBox* box = &GroupBoxPalec[c];
        Add(*box, Numbered("GroupBoxPalec", c + 1), special);
        const std::string zac = Numbered("Palec", c + 1, "Zac");
        const std::string end = Numbered("Palec", c + 1, "End");
        Add(LabelPalecZac[c], "Label" + zac, box);
        AddSpinner(EditPalecZac[c], UpDownPalecZac[c], zac, box);
        Add(CheckBoxPalecZacH2[c], "CheckBox" + zac + "H2", box);
        Add(CheckBoxPalecZacP2[c], "CheckBox" + zac + "P2", box);
        Add(LabelPalecEnd[c], "Label" + end, box);
        AddSpinner(EditPalecEnd[c], UpDownPalecEnd[c], end, box);
        Add(CheckBoxPalecEndH2[c], "CheckBox" + end + "H2", box);
        Add(CheckBoxPalecEndP2[c], "CheckBox" + end + "P2", box);
    }
    Add(ComboBoxNasobekPalcu, "ComboBoxNasobekPalcu", special);
    ComboBoxNasobekPalcu.SetItems(std::vector<std::string>(conv::kLobeMultiplierChoices));
}

void WindowModel::BuildAdvancePage() {
    Add(GroupBox6, "GroupBox6", &TabSheetAdvance);
    Control* box = &GroupBox6;
    Add(ImageSelect, "ImageSelect", box);
    ImageSelect.SetBounds(39, 52, 603, 352);
    ImageSelect.SetColor(colour::kButtonFace);
    Add(Labelled(LabelRpm1, "RPM"), "LabelRpm1", box);
    LabelRpm1.SetBounds(kRowLabelLeft, kAxisTop + kRowLabelOffset, 30, 13);
    for (int c = 0; c < kAxisPoints; ++c) {
        AddSpinner(EditRpmAdv[c], UpDownRpmAdv[c], Numbered("RpmAdv", c + 1), box);
        EditRpmAdv[c].SetBounds(ColumnLeft(c), kAxisTop, kCellEditWidth, kCellHeight);
        UpDownRpmAdv[c].SetBounds(ColumnLeft(c) + kCellEditWidth, kAxisTop, kSpinnerWidth,
                                  kCellHeight);
    }
    for (int r = 0; r < kMapRows; ++r) {
        Add(Labelled(LabelTps[r], kThrottleRowCaptions[r]), Numbered("LabelTps", r + 1), box);
        LabelTps[r].SetBounds(kRowLabelLeft, RowTop(r) + kRowLabelOffset, 30, 13);
    }
    for (int k = 0; k < kMapRows * kMapColumns; ++k) {
        const int r = k / kMapColumns;
        const int c = k % kMapColumns;
        AddSpinner(EditCell[k], UpDownCell[k], std::to_string(50 + k), box);
        EditCell[k].SetBounds(ColumnLeft(c), RowTop(r), kCellEditWidth, kCellHeight);
        UpDownCell[k].SetBounds(ColumnLeft(c) + kCellEditWidth, RowTop(r), kSpinnerWidth,
                                kCellHeight);
    }
    for (int c = 0; c < kMapColumns; ++c) {
        Add(CSpinButton[c], Numbered("CSpinButton", c + 1), box);
        CSpinButton[c].SetBounds(ColumnLeft(c), kColumnSpinTop, kCellEditWidth + kSpinnerWidth, 16);
    }
    Add(GrafAdv, "GrafAdv", box);
    GrafAdv.SetBounds(39, 112, 603, 317);
    Add(Graf3DAdv, "Graf3DAdv", box);
    Graf3DAdv.SetBounds(8, 12, 461, 420);
    Add(CMap3DAdv, "CMap3DAdv", box);
    CMap3DAdv.SetBounds(476, 12, 127, 284);
    Add(A3DviewISO, "A3DviewISO", box);
    Add(A3DviewTOP, "A3DviewTOP", box);
    Add(Labelled(CheckFill, "Fill graph"), "CheckFill", box);
    CheckFill.SetChecked(true);
    Add(Labelled(CheckColorMap, "Height color"), "CheckColorMap", box);
    CheckColorMap.SetChecked(true);
    Add(TrackBarX, "TrackBarX", box);
    TrackBarX.Configure(-36, 36, 6, 4);
    Add(TrackBarY, "TrackBarY", box);
    TrackBarY.Configure(-36, 36, 6, -8);
    Add(TrackBarZ, "TrackBarZ", box);
    TrackBarZ.Configure(-36, 36, 6, 0);
    Add(Labelled(LabelX, "X:"), "LabelX", box);
    Add(Labelled(LabelY, "Y:"), "LabelY", box);
    Add(Labelled(LabelZ, "Z:"), "LabelZ", box);

    Add(Labelled(CheckBoxTpsMapa, "TPS"), "CheckBoxTpsMapa", box);
    Add(AMapForm, "AMapForm", box);
    AMapForm.SetChecked(true);
    Add(AMapModeGraph, "AMapModeGraph", box);
    Add(AMapModeGraph3D, "AMapModeGraph3D", box);
    Add(Labelled(BitBtnAdvMinus, "-"), "BitBtnAdvMinus", box);
    Add(Labelled(BitBtnAdvPlus, "+"), "BitBtnAdvPlus", box);
    Add(CheckBoxIgnAll, "CheckBoxIgnAll", box);
    Add(LabelBaseAdv, "LabelBaseAdv", box);
    AddSpinner(EditBaseAdv, UpDownBaseAdv, "BaseAdv", box);
    Add(Interpolation, "Interpolation", box);
}

void WindowModel::BuildServoPage() {
    Control* page = &TabSheetServo;
    Add(CheckBoxPrivEnable, "CheckBoxPrivEnable", page);
    Add(GroupBoxPrivera, "GroupBoxPrivera", page);
    Control* box = &GroupBoxPrivera;
    for (int i = 0; i < kServoPoints; ++i) {
        AddSpinner(EditRpmPriv[i], UpDownRpmPriv[i], Numbered("RpmPriv", i + 1), box);
    }
    for (int i = 0; i < kServoPoints; ++i) {
        AddSpinner(EditNapPriv[i], UpDownNapPriv[i], Numbered("NapPriv", i + 1), box);
    }
    Add(LabelServoHyster, "LabelServoHyster", box);
    AddSpinner(EditPrivHyster, UpDownPrivHyster, "PrivHyster", box);
    Add(Labelled(BitBtnServoMinus, "-"), "BitBtnServoMinus", box);
    Add(Labelled(BitBtnServoPlus, "+"), "BitBtnServoPlus", box);
    Add(CheckBoxServoAll, "CheckBoxServoAll", box);
}

void WindowModel::BuildMonitor() {
    Control* form = &FormHlav;
    Add(Labelled(LabelRpm, "RPM = ---"), "LabelRpm", form);
    Add(CGaugeRpm, "CGaugeRpm", form);
    Add(Labelled(LabelNapeti, "U = --- [V]"), "LabelNapeti", form);
    for (int c = 0; c < kChannels; ++c) {
        Add(LabelAdvance[c], Numbered("LabelAdvance", c + 1), form);
    }
    Add(Labelled(LabelTpsMon, "TP= --- [%]"), "LabelTpsMon", form);
    Add(CGaugeTps, "CGaugeTps", form);
    Add(LabelPriveraPoz, "LabelPriveraPoz", form);
    Add(LabelPriveraMer, "LabelPriveraMer", form);
    Add(LabelMonPilotLight, "LabelMonPilotLight", form);
    Add(LabelMonSnimac1, "LabelMonSnimac1", form);
    Add(LabelMonSnimac2, "LabelMonSnimac2", form);
    Add(LabelBlocking1, "LabelBlocking1", form);
    Add(LabelClutchMon, "LabelClutchMon", form);
    Add(LabelKillSwitch, "LabelKillSwitch", form);
    Add(LabelVersion, "LabelVersion", form);
    LabelVersion.SetColor(colour::kRed);
    LabelVersion.SetVisible(false);
    Add(Labelled(LabelEeDataErr, "Programmed data error"), "LabelEeDataErr", form);
    LabelEeDataErr.SetColor(colour::kRed);
    LabelEeDataErr.SetVisible(false);
    for (int i = 0; i < kMonitorTestLabels; ++i) {
        Add(Labelled(LabelTest[i], Numbered("Test", i + 1, " = ---")), Numbered("LabelTest", i + 1),
            form);
        LabelTest[i].SetVisible(false);
    }
    Add(LabelSpojeni, "LabelSpojeni", form);
    LabelSpojeni.SetColor(colour::kRed);
    Add(Labelled(LabelHlaseni, "Programming:"), "LabelHlaseni", form);
    LabelHlaseni.SetVisible(false);
    Add(Labelled(LabelCom, "COM = ---"), "LabelCom", form);
    Add(CGaugeProgram, "CGaugeProgram", form);
    CGaugeProgram.SetVisible(false);

    Add(CheckBoxProgHned, "CheckBoxProgHned", form);
    Add(StatusBar1, "StatusBar1", form);
    Add(LabelRec, "LabelRec", form);
    LabelRec.SetColor(colour::kRed);
    LabelRec.SetVisible(false);
    Add(LabelUnitState, "LabelUnitState", form);
}

void WindowModel::SortNameIndex() {
    byName_.clear();
    byName_.reserve(all_.size());
    for (Control* c : all_) byName_.emplace_back(c->Name(), c);
    std::sort(byName_.begin(), byName_.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
}

Control* WindowModel::Find(std::string_view name) const {
    const auto it =
        std::lower_bound(byName_.begin(), byName_.end(), name,
                         [](const auto& entry, std::string_view n) { return entry.first < n; });
    return it != byName_.end() && it->first == name ? it->second : nullptr;
}

bool WindowModel::SetCaption(std::string_view name, std::string_view text) {
    Control* c = Find(name);
    if (c == nullptr) return false;
    c->SetCaption(text);
    return true;
}

bool WindowModel::SetHint(std::string_view name, std::string_view text) {
    Control* c = Find(name);
    if (c == nullptr) return false;
    c->SetHint(text);
    return true;
}

namespace {

ListControl* AsList(Control* c) {
    if (c == nullptr) return nullptr;
    if (c->Kind() != ControlKind::ComboBox && c->Kind() != ControlKind::RadioGroup) return nullptr;
    return static_cast<ListControl*>(c);
}

}  // namespace

bool WindowModel::SetListEntry(std::string_view name, int n, std::string_view text) {
    ListControl* list = AsList(Find(name));
    return list != nullptr && list->SetItem(n, text);
}

bool WindowModel::SetListItems(std::string_view name, std::span<const std::string> items) {
    ListControl* list = AsList(Find(name));
    if (list == nullptr) return false;
    list->SetItems(items);
    return true;
}

bool WindowModel::SetMenuChecked(std::string_view name, bool checked) {
    Control* c = Find(name);
    if (c == nullptr || c->Kind() != ControlKind::MenuItem) return false;
    static_cast<MenuItem*>(c)->SetChecked(checked);
    return true;
}

int WindowModel::MapMode() const {
    if (AMapModeGraph.Checked()) return kMapModeGraph;
    if (AMapModeGraph3D.Checked()) return kMapModeGraph3D;
    return kMapModeGrid;
}

void WindowModel::SetMapMode(int mode) {
    AMapForm.SetChecked(mode == kMapModeGrid);
    AMapModeGraph.SetChecked(mode == kMapModeGraph);
    AMapModeGraph3D.SetChecked(mode == kMapModeGraph3D);
}

}  // namespace orvell
