// The main window as plain data: one member per control, named like the control of the window
// definition, with the English texts of the language catalogue. Numbered families are arrays
// indexed from 0 (`EditRpmAdv[0]` is `EditRpmAdv1`, `EditCell[k]` is `Edit50`+k).
#pragma once

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "core/param_image.h"
#include "editor/controls.h"

namespace orvell {

inline constexpr int kComItems = 31;  // "Com 1" .. "Com 30", "Com Auto"
inline constexpr int kMonitorTestLabels = 8;

// First index of each family in the control table; other components address controls by these.
// The families follow each other without gaps, in this order.
namespace table {
inline constexpr int kMenuComItem = 0;
inline constexpr int kZacH2 = kMenuComItem + kComItems;
inline constexpr int kEndH2 = kZacH2 + kChannels;
inline constexpr int kZacP2 = kEndH2 + kChannels;
inline constexpr int kEndP2 = kZacP2 + kChannels;
inline constexpr int kLabelAdvance = kEndP2 + kChannels;
inline constexpr int kLabelTps = kLabelAdvance + kChannels;
inline constexpr int kEditPalecZac = kLabelTps + kMapRows;
inline constexpr int kEditPalecEnd = kEditPalecZac + kChannels;
inline constexpr int kEditRpmAdv = kEditPalecEnd + kChannels;
inline constexpr int kEditCell = kEditRpmAdv + kAxisPoints;
inline constexpr int kEditRpmPriv = kEditCell + kMapRows * kMapColumns;
inline constexpr int kEditNapPriv = kEditRpmPriv + kServoPoints;
inline constexpr int kUpDownPalecZac = kEditNapPriv + kServoPoints;
inline constexpr int kUpDownPalecEnd = kUpDownPalecZac + kChannels;
inline constexpr int kUpDownRpmAdv = kUpDownPalecEnd + kChannels;
inline constexpr int kUpDownCell = kUpDownRpmAdv + kAxisPoints;
inline constexpr int kUpDownRpmPriv = kUpDownCell + kMapRows * kMapColumns;
inline constexpr int kUpDownNapPriv = kUpDownRpmPriv + kServoPoints;
inline constexpr int kEnd = kUpDownNapPriv + kServoPoints;
// The spinners stand in the same order as their edit boxes: the spinner of the edit box at
// table index i (kEditPalecZac <= i < kUpDownPalecZac) is at i + kSpinnerOffset.
inline constexpr int kSpinnerOffset = kUpDownPalecZac - kEditPalecZac;
}  // namespace table

inline constexpr int kControlTableSize = table::kEnd;
static_assert(kControlTableSize == 337, "other components index a table of 337 references");

// Pages of `PageControl1`, as the undo history and the settings store them.
inline constexpr int kPageRuzne = 0;
inline constexpr int kPageBike = 1;
inline constexpr int kPageAdvance = 2;
inline constexpr int kPageServo = 3;

// Views of the advance map page: the "Map", "2D" and "3D" radio buttons.
inline constexpr int kMapModeGrid = 0;
inline constexpr int kMapModeGraph = 1;
inline constexpr int kMapModeGraph3D = 2;

class WindowModel {
  public:
    WindowModel();
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // The window and its menu.
    Window FormHlav;
    MenuItem MenuFile, MenuNew, N3, MenuOpen, MenuOpenExeDir, MenuOpenBackup, N1, MenuSave,
        MenuSaveExeDir, N2, MenuPrint, MenuPrintAll, MenuSavePdf, N4, MenuExit;
    MenuItem MenuCom;
    std::array<MenuItem, kComItems> MenuComItem;  // "MenuCom1" .. "MenuCom31"
    MenuItem MenuDevice, MenuRead, MenuVerify, MenuProgram;
    MenuItem MenuTools, AdvanceMinus, AdvancePlus, MenuZpet, MenuZnovu;
    // The map cell tools; the map's context menu shows them too. Then the live log.
    MenuItem N5, MenuCopyCells, MenuPasteCells, MenuSetCells, MenuAddCells, MenuScaleCells,
        MenuSmoothCells, MenuInterpolation, N6, MenuSelectAll, MenuClearSelection, N7,
        MenuRecordLog, MenuStopLog, MenuCompare;
    MenuItem MenuLanguage, MenuEnglish, MenuGerman, MenuFrench, MenuCzech;
    MenuItem MenuHelp, MenuContens, MenuAbout;

    // Tool bar.
    GroupBox GroupBoxToolBar;
    Button SpeedButton6, SpeedButtonOpen, SpeedButtonSave, SpeedButtonPrint, SpeedButtonZpet,
        SpeedButtonZnovu, ButtonRead, BitBtnVerify, BitBtnProgram;

    PageControl PageControl1;
    TabSheet TabSheetRuzne, TabSheetBike, TabSheetAdvance, TabSheetServo;

    // "Miscellaneous".
    Label LabelOmez2;
    EditBox EditOmez2;
    UpDown UpDownOmez2;
    Label LabelPilotLight;
    EditBox EditPilotLight;
    UpDown UpDownPilotLight;
    Label LabelClutchTime;
    EditBox EditClutchTime;
    UpDown UpDownClutchTime;
    Label LabelClutchPause;
    EditBox EditClutchPause;
    UpDown UpDownClutchPause;
    Label LabelPocSynchro;
    EditBox EditPocSynchro;
    UpDown UpDownPocSynchro;
    CheckBox CheckBoxBuzDlouhe;
    GroupBox GroupBoxTps;
    EditBox EditTps0, EditTps100;
    UpDown UpDownTps0, UpDownTps100;
    Button BitBtnTps0, BitBtnTps100;
    Label LabelKompenz;
    std::array<EditBox, kCompensations> EditKompenz;
    std::array<UpDown, kCompensations> UpDownKompenz;
    CheckBox CheckBoxInNeutralSs;
    RadioGroup RadioGroupInput1, RadioGroupInput2;
    Label LabelMonInput1In, LabelMonInput2In;

    // "Bike".
    Label LabelBike;
    ComboBox ComboBoxBike;
    GroupBox GroupBoxRpm;
    Label LabelRpmPulsu;
    EditBox EditRpmPulsu;
    UpDown UpDownRpmPulsu;
    Label LabelRpmKorekce;
    EditBox EditRpmKorekce;
    UpDown UpDownRpmKorekce;
    CheckBox CheckBoxInvInput1, CheckBoxInvInput2, CheckBoxZamenaPickup, CheckBoxNehlidaPalec,
        CheckBoxPredPalec, CheckBoxSpecStart;
    Label LabelVerze1, LabelVerze2, LabelVerze3;
    Label LabelPocetProgramovani;
    GroupBox GroupBoxSpecial;
    Label LabelSynchro;
    ComboBox ComboBoxSynchro;
    Label LabelPocPalcu;
    EditBox EditPocPalcu;
    UpDown UpDownPocPalcu;
    Label LabelPocKanalu;
    EditBox EditPocKanalu;
    UpDown UpDownPocKanalu;
    Label LabelLobe, LabelHrana2, LabelSnimac2;
    // Channel families, channel 1..4 at index 0..3 (`EditPalecZac[0]` is `EditPalec1Zac`).
    std::array<GroupBox, kChannels> GroupBoxPalec;
    std::array<Label, kChannels> LabelPalecZac, LabelPalecEnd;
    std::array<EditBox, kChannels> EditPalecZac, EditPalecEnd;
    std::array<UpDown, kChannels> UpDownPalecZac, UpDownPalecEnd;
    std::array<CheckBox, kChannels> CheckBoxPalecZacH2, CheckBoxPalecEndH2, CheckBoxPalecZacP2,
        CheckBoxPalecEndP2;
    ComboBox ComboBoxNasobekPalcu;

    // "Advance Map"; positions in the coordinates of `GroupBox6`.
    GroupBox GroupBox6;
    Label LabelRpm1;
    std::array<EditBox, kAxisPoints> EditRpmAdv;
    std::array<UpDown, kAxisPoints> UpDownRpmAdv;
    std::array<Label, kMapRows> LabelTps;
    std::array<EditBox, kMapRows * kMapColumns> EditCell;   // Edit50 .. Edit149
    std::array<UpDown, kMapRows * kMapColumns> UpDownCell;  // UpDown50 .. UpDown149
    std::array<SpinButton, kMapColumns> CSpinButton;
    ImageSurface ImageSelect, GrafAdv, Graf3DAdv, CMap3DAdv;
    Button A3DviewISO, A3DviewTOP;
    CheckBox CheckFill, CheckColorMap;
    TrackBar TrackBarX, TrackBarY, TrackBarZ;
    Label LabelX, LabelY, LabelZ;
    CheckBox CheckBoxTpsMapa;
    RadioButton AMapForm, AMapModeGraph, AMapModeGraph3D;
    Button BitBtnAdvMinus, BitBtnAdvPlus;
    CheckBox CheckBoxIgnAll;
    Label LabelBaseAdv;
    EditBox EditBaseAdv;
    UpDown UpDownBaseAdv;
    Button Interpolation;

    // "Servo".
    CheckBox CheckBoxPrivEnable;
    GroupBox GroupBoxPrivera;
    std::array<EditBox, kServoPoints> EditRpmPriv, EditNapPriv;
    std::array<UpDown, kServoPoints> UpDownRpmPriv, UpDownNapPriv;
    Label LabelServoHyster;
    EditBox EditPrivHyster;
    UpDown UpDownPrivHyster;
    Button BitBtnServoMinus, BitBtnServoPlus;
    CheckBox CheckBoxServoAll;

    // Monitor column and status line.
    Label LabelRpm;
    Gauge CGaugeRpm;
    Label LabelNapeti;
    std::array<Label, kChannels> LabelAdvance;
    Label LabelTpsMon;
    Gauge CGaugeTps;
    Label LabelPriveraPoz, LabelPriveraMer, LabelMonPilotLight, LabelMonSnimac1, LabelMonSnimac2,
        LabelBlocking1, LabelClutchMon, LabelKillSwitch, LabelVersion, LabelEeDataErr;
    std::array<Label, kMonitorTestLabels> LabelTest;
    Label LabelSpojeni, LabelHlaseni, LabelCom;
    Label LabelRec;  // "REC mm:ss" while the live log records
    Gauge CGaugeProgram;

    CheckBox CheckBoxProgHned;
    StatusBar StatusBar1;
    // In the status bar beside the hint: the port's device, the unit's program and whether the
    // window's set differs from what the unit holds.
    Label LabelUnitState;

    // The 337 references other components index (port menu, live colouring, grid, printout).
    const std::array<Control*, kControlTableSize>& ControlTable() const { return controlTable_; }
    // Every control in creation order (parents before children), for a front end to build from.
    const std::vector<Control*>& AllControls() const { return all_; }
    // Menu items in display order; each item's parent is its menu, top-level menus have none.
    const std::vector<MenuItem*>& MenuItems() const { return menuItems_; }

    // Lookup by the control's name ("EditPilotLight", "Edit73", "MenuCom5"); null if unknown.
    Control* Find(std::string_view name) const;

    // What a language catalogue needs: each returns false when the name is unknown or the
    // control has no such property.
    bool SetCaption(std::string_view name, std::string_view text);
    bool SetHint(std::string_view name, std::string_view text);
    bool SetListEntry(std::string_view name, int n, std::string_view text);
    bool SetListItems(std::string_view name, std::span<const std::string> items);
    bool SetMenuChecked(std::string_view name, bool checked);

    // The view chosen by the three map radio buttons (0 when none is on).
    int MapMode() const;
    void SetMapMode(int mode);

  private:
    void Add(Control& control, std::string name, Control* parent);
    // An edit box "Edit<stem>" with its spinner "UpDown<stem>", ranged by its spinner field.
    void AddSpinner(EditBox& edit, UpDown& upDown, std::string_view stem, Control* parent);
    void AddMenu(MenuItem& item, std::string name, MenuItem* parent,
                 std::string_view shortcut = {});
    void BuildControlTable();
    void BuildMenu();
    void BuildToolBarAndPages();
    void BuildMiscPage();
    void BuildBikePage();
    void BuildAdvancePage();
    void BuildServoPage();
    void BuildMonitor();
    void SortNameIndex();
    void AssignRoles();

    std::array<Control*, kControlTableSize> controlTable_{};
    std::vector<Control*> all_;
    std::vector<MenuItem*> menuItems_;
    std::vector<std::pair<std::string_view, Control*>> byName_;
};

}  // namespace orvell
