#include "editor/window_model.h"

#include <algorithm>
#include <string>

#include "core/bike_presets.h"

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

constexpr std::array<std::string_view, kSyncMethods> kSynchroItems = {
    "1 lobe, 1 or 2 pick-up",
    "Short gap between lobes (inserted lobe)",
    "Wide lobe",
    "Long gap between lobes (missing lobe)",
    "2 pick-ups, missing lobe",
    "2 Short gaps between lobes (inserted lobe)",
    "Cam (CMPS)",
    "Harley",
    "Long gap between lobes - more lobes (48-2)",
    "Special for more pickups",
    "Inserted lobe - kick start",
    "Honda Cam (CMPS)",
    "Long gap between lobes + Cam (CMPS)",
};

constexpr std::array<std::string_view, 5> kNasobekItems = {
    "1 ignition per revolution", "2 ignitions per revolution", "3 ignitions per revolution",
    "4 ignitions per revolution", "1 ignition per 2 revolutions (camshaft)"};

constexpr std::array<std::string_view, 3> kInput1Items = {"Off", "Kill switch", "Blocking"};
constexpr std::array<std::string_view, 5> kInput2Items = {
    "Off", "Kill switch", "Blocking", "Clutch master", "Clutch master inv. input"};

}  // namespace

WindowModel::WindowModel() {
    // The control table comes first: everything else may already index it.
    BuildControlTable();
    Add(FormHlav, "FormHlav", nullptr);
    FormHlav.SetCaption("  ORVELL       ");
    FormHlav.SetBounds(0, 0, 1005, 834);
    BuildMenu();
    BuildToolBarAndPages();
    BuildMiscPage();
    BuildBikePage();
    BuildAdvancePage();
    BuildServoPage();
    BuildMonitor();
    SortNameIndex();
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

void WindowModel::AddSpinner(EditBox& edit, UpDown& upDown, std::string_view stem, Control* parent,
                             int min, int max, int step, bool grouped) {
    Add(edit, "Edit" + std::string(stem), parent);
    Add(upDown, "UpDown" + std::string(stem), parent);
    upDown.Configure(&edit, min, max, step, grouped);
}

void WindowModel::AddMenu(MenuItem& item, std::string name, MenuItem* parent,
                          std::string_view caption, std::string_view shortcut) {
    Add(item, std::move(name), parent);
    item.SetCaption(caption);
    item.SetShortcut(shortcut);
    menuItems_.push_back(&item);
}

void WindowModel::BuildMenu() {
    AddMenu(MenuFile, "MenuFile", nullptr, "&File");
    AddMenu(MenuNew, "MenuNew", &MenuFile, "&New", "Ctrl+N");
    AddMenu(N3, "N3", &MenuFile, "-");
    AddMenu(MenuOpen, "MenuOpen", &MenuFile, "&Open", "F3");
    AddMenu(MenuOpenExeDir, "MenuOpenExeDir", &MenuFile, "Open from exe dir", "Ctrl+F3");
    AddMenu(N1, "N1", &MenuFile, "-");
    AddMenu(MenuSave, "MenuSave", &MenuFile, "&Save", "F2");
    AddMenu(MenuSaveExeDir, "MenuSaveExeDir", &MenuFile, "Save to exe dir", "Ctrl+F2");
    AddMenu(N2, "N2", &MenuFile, "-");
    AddMenu(MenuPrint, "MenuPrint", &MenuFile, "&Print", "Ctrl+P");
    AddMenu(MenuPrintAll, "MenuPrintAll", &MenuFile, "Print all");
    MenuPrintAll.SetVisible(false);
    AddMenu(N4, "N4", &MenuFile, "-");
    AddMenu(MenuExit, "MenuExit", &MenuFile, "E&xit");

    AddMenu(MenuCom, "MenuCom", nullptr, "&Com");
    for (int i = 0; i < kComItems; ++i) {
        const std::string caption = i + 1 < kComItems ? Numbered("Com ", i + 1) : "Com Auto";
        AddMenu(MenuComItem[i], Numbered("MenuCom", i + 1), &MenuCom, caption);
    }

    AddMenu(MenuDevice, "MenuDevice", nullptr, "&Ignition");
    AddMenu(MenuRead, "MenuRead", &MenuDevice, "&Read", "F7");
    AddMenu(MenuVerify, "MenuVerify", &MenuDevice, "&Verify", "F8");
    AddMenu(MenuProgram, "MenuProgram", &MenuDevice, "&Program", "F9");

    AddMenu(MenuTools, "MenuTools", nullptr, "Tools");
    AddMenu(AdvanceMinus, "AdvanceMinus", &MenuTools, "Advance -", "F4");
    AddMenu(AdvancePlus, "AdvancePlus", &MenuTools, "Advance +", "F5");
    AddMenu(MenuZpet, "MenuZpet", &MenuTools, "Undo", "Ctrl+Z");
    AddMenu(MenuZnovu, "MenuZnovu", &MenuTools, "Redo", "Ctrl+Alt+Z");

    AddMenu(MenuLanguage, "MenuLanguage", nullptr, "&Language");
    AddMenu(MenuEnglish, "MenuEnglish", &MenuLanguage, "&English");
    AddMenu(MenuGerman, "MenuGerman", &MenuLanguage, "&German");
    AddMenu(MenuFrench, "MenuFrench", &MenuLanguage, "&French");
    AddMenu(MenuCzech, "MenuCzech", &MenuLanguage, "&Czech");

    AddMenu(MenuHelp, "MenuHelp", nullptr, "&Help");
    AddMenu(MenuContens, "MenuContens", &MenuHelp, "&Contents...", "F1");
    AddMenu(MenuAbout, "MenuAbout", &MenuHelp, "&About...");

    const std::pair<MenuItem*, std::string_view> hints[] = {
        {&MenuNew, "Set default parameters "},
        {&MenuOpen, "Open file with parametrs"},
        {&MenuSave, "Save parametrs to file"},
        {&MenuPrint, "Print parametrs"},
        {&MenuExit, "End of program"},
        {&MenuCom, "Set number of com"},
        {&MenuRead, "Reading parametrs from ignition"},
        {&MenuVerify, "Compare set parametrs  with parametrs of ignition"},
        {&MenuProgram, "Programing  set parametrs to ignition"},
        {&MenuLanguage, "Set English or German or French or Czech "},
        {&MenuEnglish, "Set English menu"},
        {&MenuGerman, "Deutsches Menü"},
        {&MenuFrench, "Installer en Francais "},
        {&MenuCzech, "Nastavit české menu"},
    };
    for (const auto& [item, hint] : hints) item->SetHint(hint);
}

void WindowModel::BuildToolBarAndPages() {
    Add(GroupBoxToolBar, "GroupBoxToolBar", &FormHlav);
    auto button = [this](Button& b, const char* name, std::string_view caption,
                         std::string_view hint) {
        Add(b, name, &GroupBoxToolBar);
        b.SetCaption(caption);
        b.SetHint(hint);
    };
    button(SpeedButton6, "SpeedButton6", "New", "Set default parametrs");
    button(SpeedButtonOpen, "SpeedButtonOpen", "Open", "Open file with parametrs");
    button(SpeedButtonSave, "SpeedButtonSave", "Save", "Save parametrs to file");
    button(SpeedButtonPrint, "SpeedButtonPrint", "Print", "Print parametrs");
    button(SpeedButtonZpet, "SpeedButtonZpet", "Undo", "");
    button(SpeedButtonZnovu, "SpeedButtonZnovu", "Redo", "");
    button(ButtonRead, "ButtonRead", "&Read", "Reading parametrs from ignition");
    button(BitBtnVerify, "BitBtnVerify", "&Verify",
           "Compare set parametrs  with parametrs of ignition");
    button(BitBtnProgram, "BitBtnProgram", "&Program", "Programing  set parametrs to ignition");

    Add(PageControl1, "PageControl1", &FormHlav);
    Add(TabSheetRuzne, "TabSheetRuzne", &PageControl1);
    TabSheetRuzne.SetCaption("Miscellaneous");
    Add(TabSheetBike, "TabSheetBike", &PageControl1);
    TabSheetBike.SetCaption("Bike");
    Add(TabSheetAdvance, "TabSheetAdvance", &PageControl1);
    TabSheetAdvance.SetCaption("Advance Map");
    Add(TabSheetServo, "TabSheetServo", &PageControl1);
    TabSheetServo.SetCaption("Servo");
}

namespace {

// Adds a labelled control in one call; most controls need no more than name, parent and text.
template <class C>
C& Labelled(C& control, std::string_view caption) {
    control.SetCaption(caption);
    return control;
}

}  // namespace

void WindowModel::BuildMiscPage() {
    Control* page = &TabSheetRuzne;
    Add(Labelled(LabelOmez2, "Limiter [rpm]"), "LabelOmez2", page);
    AddSpinner(EditOmez2, UpDownOmez2, "Omez2", page, 999, 25000, 100, true);
    Add(Labelled(LabelPilotLight, "Gear Shift Light [rpm]"), "LabelPilotLight", page);
    AddSpinner(EditPilotLight, UpDownPilotLight, "PilotLight", page, 100, 25000, 100, true);
    Add(Labelled(LabelClutchTime, "Clutch master time [ms]"), "LabelClutchTime", page);
    AddSpinner(EditClutchTime, UpDownClutchTime, "ClutchTime", page, 0, 2500, 10, true);
    Add(Labelled(LabelClutchPause, "Clutch master pause [ms]"), "LabelClutchPause", page);
    AddSpinner(EditClutchPause, UpDownClutchPause, "ClutchPause", page, 0, 2500, 10, true);
    Add(Labelled(LabelPocSynchro, "Revolutions without ignition"), "LabelPocSynchro", page);
    AddSpinner(EditPocSynchro, UpDownPocSynchro, "PocSynchro", page, 0, 40, 1, false);
    Add(Labelled(CheckBoxBuzDlouhe, "Excitation Long"), "CheckBoxBuzDlouhe", page);

    Add(Labelled(GroupBoxTps, "TPS"), "GroupBoxTps", page);
    AddSpinner(EditTps0, UpDownTps0, "Tps0", &GroupBoxTps, 250, 2500, 10, true);
    AddSpinner(EditTps100, UpDownTps100, "Tps100", &GroupBoxTps, 2500, 4750, 10, true);
    Add(Labelled(BitBtnTps0, "Set TPS 0 %"), "BitBtnTps0", &GroupBoxTps);
    Add(Labelled(BitBtnTps100, "Set TPS 100 %"), "BitBtnTps100", &GroupBoxTps);

    Add(Labelled(LabelKompenz, "Compensation "), "LabelKompenz", page);
    for (int i = 0; i < kCompensations; ++i) {
        AddSpinner(EditKompenz[i], UpDownKompenz[i], Numbered("Kompenz", i + 1), page, 0, 255, 1,
                   false);
    }
    Add(Labelled(CheckBoxInNeutralSs, "Inputs for neutral side and stand"), "CheckBoxInNeutralSs",
        page);
    Add(Labelled(RadioGroupInput1, "Input 1"), "RadioGroupInput1", page);
    RadioGroupInput1.SetItems(kInput1Items);
    Add(Labelled(RadioGroupInput2, "Input 2"), "RadioGroupInput2", page);
    RadioGroupInput2.SetItems(kInput2Items);
    Add(Labelled(LabelMonInput1In, "Input 1: ---"), "LabelMonInput1In", page);
    Add(Labelled(LabelMonInput2In, "Input 2: ---"), "LabelMonInput2In", page);
}

void WindowModel::BuildBikePage() {
    Control* page = &TabSheetBike;
    Add(Labelled(LabelBike, "Motorbike type"), "LabelBike", page);
    Add(ComboBoxBike, "ComboBoxBike", page);
    {
        std::vector<std::string> bikes;
        for (const BikeEntry& entry : BikeTable()) bikes.emplace_back(entry.englishText);
        ComboBoxBike.SetItems(bikes);
    }
    Add(Labelled(GroupBoxRpm, "Tachometer output"), "GroupBoxRpm", page);
    Add(Labelled(LabelRpmPulsu, "Pulses per revolution"), "LabelRpmPulsu", &GroupBoxRpm);
    AddSpinner(EditRpmPulsu, UpDownRpmPulsu, "RpmPulsu", &GroupBoxRpm, 0, 6);
    Add(Labelled(LabelRpmKorekce, "Correction [%]"), "LabelRpmKorekce", &GroupBoxRpm);
    AddSpinner(EditRpmKorekce, UpDownRpmKorekce, "RpmKorekce", &GroupBoxRpm, -60, 60);
    Add(Labelled(CheckBoxInvInput1, "Inverse polarity of pick-up 1"), "CheckBoxInvInput1", page);
    Add(Labelled(CheckBoxInvInput2, "Inverse polarity of pick-up 2"), "CheckBoxInvInput2", page);
    Add(Labelled(CheckBoxZamenaPickup, "Pickups interchange (pin 9 a 20)"), "CheckBoxZamenaPickup",
        page);
    Add(Labelled(CheckBoxNehlidaPalec, "No lobe lenght check"), "CheckBoxNehlidaPalec", page);
    Add(Labelled(CheckBoxPredPalec, "Spark posible before lobe"), "CheckBoxPredPalec", page);
    Add(Labelled(CheckBoxSpecStart, "Lower advance by start"), "CheckBoxSpecStart", page);
    Add(Labelled(LabelVerze1, "QMX42"), "LabelVerze1", page);
    LabelVerze1.SetHint("Version of program in ignition");
    Add(Labelled(LabelVerze2, "25.01.2003"), "LabelVerze2", page);
    LabelVerze2.SetHint("Date of program in ignition");
    Add(Labelled(LabelVerze3, "16:21"), "LabelVerze3", page);
    LabelVerze3.SetHint("Time of program in ignition");
    Add(Labelled(LabelPocetProgramovani, "Number of Programing= ---"), "LabelPocetProgramovani",
        page);

    Control* special = &GroupBoxSpecial;
    Add(Labelled(GroupBoxSpecial,
                 "Specification of synchronization - Caution - For experienced user only!"),
        "GroupBoxSpecial", page);
    Add(Labelled(LabelSynchro, "Synchronization method"), "LabelSynchro", special);
    Add(ComboBoxSynchro, "ComboBoxSynchro", special);
    ComboBoxSynchro.SetItems(kSynchroItems);
    Add(Labelled(LabelPocPalcu, "Number of lobe at rotor"), "LabelPocPalcu", special);
    AddSpinner(EditPocPalcu, UpDownPocPalcu, "PocPalcu", special, 1, 58);
    Add(Labelled(LabelPocKanalu, "Number of outputs (coils)"), "LabelPocKanalu", special);
    AddSpinner(EditPocKanalu, UpDownPocKanalu, "PocKanalu", special, 1, kChannels);
    Add(Labelled(LabelLobe, "Lobe"), "LabelLobe", special);
    Add(Labelled(LabelHrana2, "2nd Edge"), "LabelHrana2", special);
    Add(Labelled(LabelSnimac2, "2nd Pick-up"), "LabelSnimac2", special);
    for (int c = 0; c < kChannels; ++c) {
        GroupBox* box = &GroupBoxPalec[c];
        Add(Labelled(*box, Numbered("Channel ", c + 1)), Numbered("GroupBoxPalec", c + 1), special);
        const std::string zac = Numbered("Palec", c + 1, "Zac");
        const std::string end = Numbered("Palec", c + 1, "End");
        Add(Labelled(LabelPalecZac[c], "Maximum advance"), "Label" + zac, box);
        AddSpinner(EditPalecZac[c], UpDownPalecZac[c], zac, box, 1, 58);
        Add(CheckBoxPalecZacH2[c], "CheckBox" + zac + "H2", box);
        Add(CheckBoxPalecZacP2[c], "CheckBox" + zac + "P2", box);
        Add(Labelled(LabelPalecEnd[c], "Start advance"), "Label" + end, box);
        AddSpinner(EditPalecEnd[c], UpDownPalecEnd[c], end, box, 1, 58);
        Add(CheckBoxPalecEndH2[c], "CheckBox" + end + "H2", box);
        Add(CheckBoxPalecEndP2[c], "CheckBox" + end + "P2", box);
    }
    Add(ComboBoxNasobekPalcu, "ComboBoxNasobekPalcu", special);
    ComboBoxNasobekPalcu.SetItems(kNasobekItems);
}

void WindowModel::BuildAdvancePage() {
    Add(GroupBox6, "GroupBox6", &TabSheetAdvance);
    Control* box = &GroupBox6;
    Add(ImageSelect, "ImageSelect", box);
    ImageSelect.SetBounds(39, 52, 603, 352);
    ImageSelect.SetColor(colour::kButtonFace);
    Add(Labelled(LabelRpm1, "RPM"), "LabelRpm1", box);
    LabelRpm1.SetHint("Round per Minute|Speed - Round per Minute");
    LabelRpm1.SetBounds(kRowLabelLeft, kAxisTop + kRowLabelOffset, 30, 13);
    for (int c = 0; c < kAxisPoints; ++c) {
        // The first breakpoint goes down to 199 rpm, the others to 300.
        AddSpinner(EditRpmAdv[c], UpDownRpmAdv[c], Numbered("RpmAdv", c + 1), box,
                   c == 0 ? 199 : 300, 20100, 100);
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
        AddSpinner(EditCell[k], UpDownCell[k], std::to_string(50 + k), box, 0, 60);
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
    Add(Labelled(A3DviewISO, "ISO"), "A3DviewISO", box);
    Add(Labelled(A3DviewTOP, "TOP"), "A3DviewTOP", box);
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
    Add(Labelled(AMapForm, "Map"), "AMapForm", box);
    AMapForm.SetChecked(true);
    Add(Labelled(AMapModeGraph, "2D"), "AMapModeGraph", box);
    Add(Labelled(AMapModeGraph3D, "3D"), "AMapModeGraph3D", box);
    Add(Labelled(BitBtnAdvMinus, "-"), "BitBtnAdvMinus", box);
    BitBtnAdvMinus.SetHint("Take off 1 degree of Advance");
    Add(Labelled(BitBtnAdvPlus, "+"), "BitBtnAdvPlus", box);
    BitBtnAdvPlus.SetHint("Add 1 degree of Advance");
    Add(Labelled(CheckBoxIgnAll, "Select/All"), "CheckBoxIgnAll", box);
    Add(Labelled(LabelBaseAdv, "Base advance [°]"), "LabelBaseAdv", box);
    AddSpinner(EditBaseAdv, UpDownBaseAdv, "BaseAdv", box, 0, 40);
    Add(Labelled(Interpolation, "Interpolation"), "Interpolation", box);
}

void WindowModel::BuildServoPage() {
    Control* page = &TabSheetServo;
    Add(Labelled(CheckBoxPrivEnable, "Servo enable"), "CheckBoxPrivEnable", page);
    Add(Labelled(GroupBoxPrivera, "Servo"), "GroupBoxPrivera", page);
    Control* box = &GroupBoxPrivera;
    for (int i = 0; i < kServoPoints; ++i) {
        AddSpinner(EditRpmPriv[i], UpDownRpmPriv[i], Numbered("RpmPriv", i + 1), box,
                   i < 2 ? 200 : 300, 20100, 100);
    }
    for (int i = 0; i < kServoPoints; ++i) {
        AddSpinner(EditNapPriv[i], UpDownNapPriv[i], Numbered("NapPriv", i + 1), box, 20, 5000, 20);
    }
    Add(Labelled(LabelServoHyster, "Servo Hysteresis [mV]"), "LabelServoHyster", box);
    AddSpinner(EditPrivHyster, UpDownPrivHyster, "PrivHyster", box, 0, 1275, 5, true);
    Add(Labelled(BitBtnServoMinus, "-"), "BitBtnServoMinus", box);
    Add(Labelled(BitBtnServoPlus, "+"), "BitBtnServoPlus", box);
    Add(Labelled(CheckBoxServoAll, "All"), "CheckBoxServoAll", box);
}

void WindowModel::BuildMonitor() {
    Control* form = &FormHlav;
    Add(Labelled(LabelRpm, "RPM = ---"), "LabelRpm", form);
    Add(CGaugeRpm, "CGaugeRpm", form);
    Add(Labelled(LabelNapeti, "U = --- [V]"), "LabelNapeti", form);
    for (int c = 0; c < kChannels; ++c) {
        Add(Labelled(LabelAdvance[c], Numbered("Advance ", c + 1, " = --- [°]")),
            Numbered("LabelAdvance", c + 1), form);
    }
    Add(Labelled(LabelTpsMon, "TP= --- [%]"), "LabelTpsMon", form);
    Add(CGaugeTps, "CGaugeTps", form);
    Add(Labelled(LabelPriveraPoz, "Servo desired= ---"), "LabelPriveraPoz", form);
    Add(Labelled(LabelPriveraMer, "Servo measured= ---"), "LabelPriveraMer", form);
    Add(Labelled(LabelMonPilotLight, "Gear Shift Light - ---"), "LabelMonPilotLight", form);
    Add(Labelled(LabelMonSnimac1, "Pick-up (CKPS) 1 = ---"), "LabelMonSnimac1", form);
    Add(Labelled(LabelMonSnimac2, "Pick-up (CKPS) 2 = ---"), "LabelMonSnimac2", form);
    Add(Labelled(LabelBlocking1, "Motor off - ---"), "LabelBlocking1", form);
    Add(Labelled(LabelClutchMon, "Clutch master - ---"), "LabelClutchMon", form);
    Add(Labelled(LabelKillSwitch, "Kill switch: ---"), "LabelKillSwitch", form);
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
    Add(Labelled(LabelSpojeni, "No Connection"), "LabelSpojeni", form);
    LabelSpojeni.SetColor(colour::kRed);
    Add(Labelled(LabelHlaseni, "Programming:"), "LabelHlaseni", form);
    LabelHlaseni.SetVisible(false);
    Add(Labelled(LabelCom, "COM = ---"), "LabelCom", form);
    Add(CGaugeProgram, "CGaugeProgram", form);
    CGaugeProgram.SetVisible(false);

    Add(Labelled(CheckBoxProgHned, "Programming after change"), "CheckBoxProgHned", form);
    CheckBoxProgHned.SetHint("Programing at once after change");
    Add(StatusBar1, "StatusBar1", form);
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
