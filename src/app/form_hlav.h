// The main window object: it owns the parameter image, the rule pass, the window model, the
// undo history, the link and the message texts, and conducts. Its handlers are named after the
// control and event they serve and hand the work to the owning component.
//
// A front end builds its widgets from `window`, calls `FormCreate()` once, `Timer1Timer()` every
// 55 ms and `FormClose()` when the window closes, forwards every user event to the handler of
// the same name, and after each call pushes the controls whose revision moved.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/platform.h"
#include "app/settings.h"
#include "core/colours.h"
#include "core/consistency_rules.h"
#include "core/param_image.h"
#include "editor/parameter_editor.h"
#include "editor/seams.h"
#include "editor/undo_history.h"
#include "editor/user_event.h"
#include "editor/window_language_target.h"
#include "editor/window_model.h"
#include "i18n/messages.h"
#include "link/device_link.h"
#include "link/live_log.h"
#include "link/serial_port.h"
#include "views/canvas.h"
#include "views/cell_selection.h"
#include "views/curve_edit.h"
#include "views/graph_state.h"

namespace orvell {

inline constexpr int kStatusTicks = 200;
// Leads the title while the window's set differs from what the unit holds.
inline constexpr std::string_view kChangedTitleMark = "* ";
inline constexpr std::string_view kTestMarkerFileName = "test_quivar.txt";
inline constexpr std::string_view kTestMarkerWord = "JPQK_VJSHXA";

// What the program finds around it; everything has a default for the real program.
struct FormOptions {
    // Where the settings file, the last-image file and the test-mode marker live. Empty: the
    // user's settings folder.
    std::filesystem::path settingsFolder;
    // Command-line words after the program's name.
    std::vector<std::string> arguments;
    // The serial device; null: the device file of the chosen COM number.
    SerialPort* port = nullptr;
    // Where an installed program's manuals are, looked in after the program's own folder.
    std::filesystem::path documentationFolder = ORVELL_DOC_DIR;
    // Where the automatic backups go. Empty: `backups` in the settings folder when one was given
    // above (a test or portable set-up keeps everything together), else the user's data folder.
    std::filesystem::path backupFolder = {};
};

class TFormHlav final : public UserEventSink {
    // The adapter through which the editor reaches the window; declared first so that everything
    // constructed after it may point at it.
    class ShellSeams final : public LivePointSource, public TransferStarter, public ChangeRecorder {
      public:
        explicit ShellSeams(TFormHlav& form) : form_(form) {}
        LiveOperatingPoint LivePoint() const override;
        void StartProgramTransfer() override;
        void ChangeRecorded() override;

      private:
        TFormHlav& form_;
    };

    // The map grid as the editor reaches it: the cell marks and the grid's set-up.
    class GridSeams final : public CellMarks, public MapGridView {
      public:
        explicit GridSeams(TFormHlav& form) : form_(form) {}
        bool SelectionPresent() const override;
        bool CellSelected(int cell) const override;
        void LayoutGridCells() override;
        void DrawSelection() override;

      private:
        TFormHlav& form_;
    };

    NullSeams noSeams_;  // the seams of later components point at it until they plug in
    ShellSeams shellSeams_{*this};
    GridSeams gridSeams_{*this};
    PlatformServices& platform_;
    FormOptions options_;
    SettingsPaths paths_;
    std::unique_ptr<SerialPort> ownPort_;

  public:
    explicit TFormHlav(PlatformServices& platform, FormOptions options = {});
    ~TFormHlav() override;
    TFormHlav(const TFormHlav&) = delete;
    TFormHlav& operator=(const TFormHlav&) = delete;

    // Owned state. The window model comes first: its control table is built before anything.
    WindowModel window;
    ParamImage image;
    ConsistencyRules rules;
    BoundedSettings boundedSettings;  // language index, port choice, auto port number
    UndoHistory history;
    EditorState editorState;
    // Components of later work plug in here (views: marks, grid; the front: focus).
    EditorSeams seams;
    MessageTexts texts;
    // The map views: the cell selection they share, the curve graph and the surface.
    TSelcell selection;
    TGraphAdv graph2d;
    TGraphAdv graph3d;

    // Every user event enters here and runs the handler the event table names for it
    // (app/form_events.h); `event.handled` tells the front end the event was used.
    void HandleEvent(UserEvent& event) override;
    // Paints a drawing surface of the map page on the front end's canvas.
    void PaintSurface(const ImageSurface& surface, Canvas& canvas) const;

    // Life cycle.
    void FormCreate();
    void Timer1Timer();
    void FormClose();
    // Set by Exit: the front end closes the window, which runs FormClose.
    bool CloseRequested() const { return closeRequested_; }

    // Status line: `LabelHlaseni`, `CGaugeProgram` and the status countdown.
    void ShowStatus(const std::string& text, Colour colour);
    void HideStatus();
    int StatusCountdown() const { return statusCountdown_; }
    // The hint handler: the hint under the pointer or of the highlighted menu item.
    void DisplayHint(std::string_view hint) { window.StatusBar1.SetCaption(hint); }
    // Test mode from the marker file in the settings folder.
    void ReadTestMarker();

    DeviceLink& Link() { return link_; }
    const DeviceLink& Link() const { return link_; }
    const SettingsPaths& Paths() const { return paths_; }
    const std::string& CurrentFileName() const { return currentFileName_; }
    // Where the file dialogs start, and the file the settings remember as `IniDir`.
    const std::filesystem::path& DialogFile() const { return dialogFile_; }
    const std::string& IniDir() const { return iniDir_; }
    const std::filesystem::path& DefaultParamFile() const { return defaultParamFile_; }
    const std::filesystem::path& BackupFolderPath() const { return backupFolder_; }
    // Whether a Read, a verified Program or a matching Verify told what the unit holds, and
    // whether the image's parameter blocks differ from that now.
    bool UnitSetKnown() const { return unitSetKnown_; }
    bool ChangedSinceUnit() const;
    // The title's mark and the unit line of the status bar follow the image and the link; run
    // after every event and tick. Compares 200 bytes; texts are built only when something moved.
    void UpdateUnitState();

    // Operations.
    void GatherControls() { editor_.GatherControls(); }
    void RefreshControls() { editor_.RefreshControls(); }
    void ApplyConsistencyRules() { editor_.ApplyConsistencyRules(); }
    void RunChangePipeline() { editor_.RunChangePipeline(); }
    void UpdateLayout() { editor_.UpdateLayout(); }
    void ResetHistory() { editor_.ResetHistory(); }
    void PushSnapshot() { editor_.PushSnapshot(); }
    void RestoreSnapshot() { editor_.RestoreSnapshot(); }
    void UpdateUndoControls() { editor_.UpdateUndoControls(); }

    // Commands of the menu and the tool bar. Open and Save take the control the command came
    // from: `&window.SpeedButtonOpen` / `&window.SpeedButtonSave` with Ctrl held start the
    // dialog at the default parameter file.
    void MenuNewClick();  // also `SpeedButton6`
    void MenuOpenClick(const Control* sender = nullptr);
    void MenuOpenExeDirClick();
    // The open dialog in the backup folder (app/form_unit_state.cpp).
    void MenuOpenBackupClick();
    // Reads the unit into a side buffer (the image stays as it is) and lists what differs.
    void MenuCompareClick();
    void MenuSaveClick(const Control* sender = nullptr);
    void MenuSaveExeDirClick();
    // Print the shown page, or all four pages, on the default printer (app/form_print.cpp).
    void SpeedButtonPrintClick();
    void MenuPrintAllClick();
    // The shown page (with Shift all four) as a PDF file, without a printer.
    void MenuSavePdfClick();
    void MenuExitClick() { closeRequested_ = true; }
    void MenuCom1Click(int index);  // index of the COM item
    // Also `ButtonRead`, `BitBtnVerify`, `BitBtnProgram`.
    void MenuReadClick();
    void MenuVerifyClick();
    void MenuProgramClick();
    void MenuEnglishClick() { SwitchLanguage(kEnglish); }
    void MenuGermanClick() { SwitchLanguage(kGerman); }
    void MenuFrenchClick() { SwitchLanguage(kFrench); }
    void MenuCzechClick() { SwitchLanguage(kCzech); }
    void MenuContensClick();
    void MenuAboutClick();
    // The live log (app/form_live_log.cpp): asks for a CSV file and records one row per
    // monitoring frame until stopped, the window closes or the file cannot be written.
    void MenuRecordLogClick();
    void MenuStopLogClick();
    bool LiveLogRecording() const { return liveLog_.Recording(); }
    long LiveLogRows() const { return liveLog_.Rows(); }

    // A motorcycle or a synchronisation method was chosen on the Bike page.
    void ComboBoxBikeChange() { BikeSelectionChange(); }
    void ComboBoxSynchroChange() { BikeSelectionChange(); }

    // Handlers of the edit controls.
    void UpDownClick(UpDown& sender, bool up) { editor_.SpinnerClick(sender, up); }
    void EditExit() { editor_.EditBoxExit(); }
    void ComboBoxNasobekPalcuChange() { editor_.EditBoxExit(); }
    // Enter in an edit box or the window: the key is swallowed (set to 0) when it acted.
    void FormKeyPress(char& key);
    void CheckBoxMouseUp() { editor_.CheckBoxMouseUp(); }
    void RadioGroupInput1Click() { editor_.InputFunctionChosen(1); }
    void RadioGroupInput2Click() { editor_.InputFunctionChosen(2); }
    void BitBtnServoMinusClick() { editor_.ServoStep(false); }
    void BitBtnServoPlusClick() { editor_.ServoStep(true); }
    // Also the menu items "Advance -" and "Advance +".
    void BitBtnAdvMinusClick() { editor_.AdvanceStep(false); }
    void BitBtnAdvPlusClick() { editor_.AdvanceStep(true); }
    // "+" and "-" typed on the advance-map page's buttons, check boxes and view switches.
    void AdvanceKeyPress(char& key);
    void BitBtnTps0Click() { editor_.SetTps0FromLive(); }
    void BitBtnTps100Click() { editor_.SetTps100FromLive(); }
    // `CSpinButton`(column + 1).
    void CSpinButtonDownClick(int column) { editor_.ColumnStep(column, false); }
    void CSpinButtonUpClick(int column) { editor_.ColumnStep(column, true); }
    void AMapFormClick() { editor_.MapModeClick(); }
    void AMapModeGraphClick() { editor_.MapModeClick(); }
    void AMapModeGraph3DClick() { editor_.MapModeClick(); }

    // The map grid and the cell selection on its image (app/form_map_grid.cpp). A press on
    // `ImageSelect` with any button starts a band, a move drags it, the release marks.
    void LayoutGridCells();
    void DrawSelection() { window.ImageSelect.Invalidate(); }
    void OnImageSelMouseDown(int x, int y);
    void OnImageSelMouseMove(int x, int y);
    void OnImageSelMouseUp();
    void OnImageSelMouseLeave() {}  // the band goes on while the button is held
    // The focus entered the "Advance Map" page.
    void OnEnterAdvanceMap();
    void PageControl1Change();
    // `Interpolation`: fills the marked rectangle, or tells the user it is none.
    void DoInterpolation();

    // The map cell tools (app/form_map_tools.cpp). They work on the marked cells of the rows
    // the grid shows, or on the focused cell when none is marked; each change is one undo step
    // through the rules and the refresh, like Interpolation.
    void MenuCopyCellsClick();
    void MenuPasteCellsClick();
    void MenuSetCellsClick();
    void MenuAddCellsClick();
    void MenuScaleCellsClick();
    void MenuSmoothCellsClick();
    void MenuSelectAllClick();
    void MenuClearSelectionClick();
    // The focus entered the edit box of map cell k.
    void OnCellFocus(int cell) { focusedCell_ = cell; }
    int FocusedCell() const { return focusedCell_; }
    // An arrow key in the edit box of map cell k: the focus moves to the neighbouring cell;
    // with Shift the marks become the block from where the extension began to the new cell.
    void CellArrowKey(int cell, int key, bool shift);
    // The map's context menu at (x, y) in the pixels of `at`.
    void ShowMapMenu(const Control& at, int x, int y);
    // A right press on the selection image: a drag makes a band, a click the context menu.
    void OnImageSelRightDown(int x, int y);
    void OnImageSelRightUp(int x, int y);
    // The tools act only while the map page is shown (the shortcuts then belong to them).
    void UpdateMapToolItems();

    // Undo (`SpeedButtonZpet`, `MenuZpet`) and redo (`SpeedButtonZnovu`, `MenuZnovu`).
    void SpeedButtonZpetClick() { editor_.Undo(); }
    void SpeedButtonZnovuClick() { editor_.Redo(); }

    // The 3D surface (app/form_map_surface.cpp). A new track bar position, also one the program
    // set, recomputes the projection; the check boxes only repaint.
    void OnTrackXChange() { editorState.redrawRequest |= kRedrawRescale; }
    void OnTrackYChange() { editorState.redrawRequest |= kRedrawRescale; }
    void OnTrackZChange() { editorState.redrawRequest |= kRedrawRescale; }
    void A3DviewISOClick();
    void A3DviewTOPClick();
    void CheckFillClick() { editorState.redrawRequest |= kRedrawRepaint; }
    void CheckColorMapClick() { editorState.redrawRequest |= kRedrawRepaint; }
    // The pointer in the pixels of `Graf3DAdv`; `button` is the one that went down or up.
    void G3DAdvMouseDown(unsigned button, int x, int y);
    void G3DAdvMouseMove(int x, int y);
    void G3DAdvMouseUp(unsigned button, int x, int y);
    void G3DAdvMouseLeave();
    // The wheel in the 3D view, the pointer on the screen: steps the live cell; true when used.
    bool SurfaceWheel(int delta, int screenX, int screenY);
    // Recomputes the projection when the redraw request asks for it and has both surfaces
    // painted again; the request itself is cleared by the caller.
    void DrawSurfaceViews();
    // The map views (app/form_map_graph.cpp). `ViewTick` runs once per tick: it polls the keys
    // and the live point for the visible graph and repaints what the redraw request asks for.
    void ViewTick();
    void RedrawViews();
    // A wheel turn anywhere in the window (screen position); true when a view used it.
    bool WheelDispatch(int delta, int x, int y);
    // Pointer events of `GrafAdv`, in its pixels.
    void GrafAdvMouseDown(int x, int y);
    void GrafAdvMouseMove(int x, int y);
    void GrafAdvMouseUp(int x, int y);
    void GrafAdvMouseLeave();
    // The live operating point as the map views draw it.
    LiveMapPoint LiveMap() const;

  private:
    // Message boxes put a running transfer back to Idle first: the tick runs on behind them.
    void ShowMessage(const std::string& text);
    Answer AskYesNoCancel(const std::string& text);
    void ShowError(const std::string& text, const std::string& caption);
    void PaintGridSelection(Canvas& canvas) const;
    void ShowTitle();
    void SwitchLanguage(int language);
    void BikeSelectionChange();
    // The dialogs start at the default parameter file when Ctrl is held on this tool button.
    void CtrlRule(const Control* sender, const Control& button);
    void TakeSettings(const Settings& settings);
    // The window on a present screen and no larger than it.
    void FitWindow();
    Settings CurrentSettings() const;
    // Everything the link reported since the last call, each kind handled in one place.
    void TakeLinkReports();
    // Gather, rules, refresh: the image holds what the controls show.
    void TakeShownValues();
    // After a transfer that ended well: the unit holds the image's blocks; a Read or a Program
    // also leaves a backup.
    void TransferEndedWell(TransferKind kind);
    // The differences between the image and the unit's set a Compare read, in a dialog.
    void ShowComparison();
    void StatusTick();
    void ShowLivePoint();
    void KeepLastImage();
    void RecordLiveFrame();
    void LiveLogTick();
    // Ends the recording; a failure of the file is told with the system's reason.
    void StopLiveLog();
    void PaintSurfaceView(const ImageSurface& surface, Canvas& canvas) const;
    // The curve graph's edits reach the window through this.
    class GraphHost final : public MapViewHost {
      public:
        explicit GraphHost(TFormHlav& form) : form_(form) {}
        void ApplyRules(int editedBreakpoint) override;
        void RefreshControls() override;
        void PushSnapshot() override;
        void WarpPointer(int x, int y) override;
        void SetGraphHint(std::string_view hint) override;

      private:
        TFormHlav& form_;
    };
    // What the curve graph's edit operations work on.
    CurveEdit GraphEdit();
    void GraphMouseDispatch(PointerAction action, int x, int y);
    void TrackKeysAndLive(TGraphAdv& graph);
    // The printout: pictures the page(s) laid out for paper, then sends them.
    enum class PrintPages { Shown, All };
    enum class PrintTarget { Printer, PdfFile };
    void Printout(PrintPages pages, PrintTarget target);
    void CapturePrintPages(PrintPages pages);
    void SavePrintoutAsPdf();

    SerialPort& port_;
    DeviceLink link_;
    WindowLanguageTarget languageTarget_{window};
    ParameterEditor editor_;

    std::string currentFileName_;
    std::string iniDir_;
    std::filesystem::path dialogFile_;
    std::filesystem::path defaultParamFile_;
    UnitInfoTexts unitInfo_;  // the last unit information the link reported
    std::filesystem::path backupFolder_;
    std::array<std::uint8_t, 2 * kBlockSize> unitSet_{};  // blocks 1 and 2 as the unit holds them
    bool unitSetKnown_ = false;
    ParamImage unitSide_;  // a Compare reads the unit into this
    // What the unit line of the status bar was built from, so that it is rebuilt only on change.
    struct UnitLineShown {
        bool changed = false;
        int language = -1;
        std::string device;
        std::string programId;
    } unitLine_;
    bool unitSilent_ = false;
    std::uint8_t statusCountdown_ = 0;
    bool closeRequested_ = false;
    bool lastImageDirty_ = false;  // a recorded change not yet in the last-image file
    LivePoint liveColoursPoint_;   // the point the live colours were last shown for
    bool liveColoursShown_ = false;
    bool writeFailureShown_ = false;  // the last failed write of it was told; none succeeded since
    GraphHost graphHost_{*this};
    bool wheelTaken_ = false;  // this tick's wheel step was taken
    LiveLog liveLog_;
    FileLogSink logSink_;
    std::int64_t recSecondsShown_ = -1;  // the elapsed time "REC" shows
    // The map tools: the cell whose box last had the focus, where a Shift+arrow extension of
    // the marks began (-1: none), and a right press on the selection image not yet a drag.
    int focusedCell_ = -1;
    int keyAnchor_ = -1;
    bool rightPressPending_ = false;
    int rightPressX_ = 0;
    int rightPressY_ = 0;
    bool rightPressShift_ = false;
    bool rightPressCtrl_ = false;
    enum class CellTool { Set, Add, Scale, Smooth };
    void RunCellTool(CellTool tool);
    // Rules, refresh, one undo step and the views' redraw after the tools changed the map.
    void FinishMapChange();
    void StartBand(int x, int y, bool shift, bool ctrl);
};

}  // namespace orvell
