// Start-up, the 55 ms tick and shutdown of the main window.
#include <cctype>
#include <charconv>

#include "app/form_hlav.h"

#include "app/last_image_file.h"
#include "app/window_fit.h"
#include "core/atomic_file.h"
#include "core/bike_presets.h"
#include "core/param_file.h"
#include "core/text_scanner.h"
#include "editor/monitor_labels.h"
#include "i18n/apply_language.h"
#include "i18n/catalogue.h"

namespace orvell {

namespace {

constexpr int kPageCount = 4;

}  // namespace

void TFormHlav::FormCreate() {
    // The control table and the COM menu were built with the window model; the front end
    // installs DisplayHint as the hint handler.
    Settings settings;  // the values the sequence has before the settings are read
    settings.portChoice = 1;

    ApplyStartupSet(image);

    const ScreenSize screen = platform_.Screen();
    Window& form = window.FormHlav;
    form.SetLeft((screen.width - form.Width()) / 2);
    form.SetTop((screen.height - form.Height()) / 2);
    settings.left = form.Left();
    settings.top = form.Top();
    settings.width = form.Width();
    settings.height = form.Height();
    settings.activePageIndex = window.PageControl1.ActivePageIndex();

    defaultParamFile_ = platform_.ExecutableDir() / kDefaultParamFileName;

    const IniFile ini = IniFile::Load(paths_.settingsFile);
    ReadSettings(ini, settings);
    // Temporary files of writes a crash cut short are of no use to anyone.
    RemoveStaleTemporaryFiles(paths_.settingsFile.parent_path());
    const LastImageReadResult restored = ReadLastImageFile(paths_.lastImageFile, image);
    link_.SetPortOverrides(PortOverrides(ini));
    TakeSettings(settings);
    FitWindow();

    if (!options_.arguments.empty()) {
        if (const auto language = LanguageFromArgument(options_.arguments.front())) {
            boundedSettings.languageIndex = *language;
        }
    }

    // The silence counter starts at 18 in the link: lost until the unit first answers.
    ApplyConsistencyRules();
    link_.SetPortChoice(boundedSettings.portChoice);
    link_.SetAutoPortNumber(boundedSettings.autoPortNumber);
    LoadMessages(boundedSettings.languageIndex, texts);
    RefreshControls();
    TakeShownValues();
    ResetHistory();
    link_.OpenPort();
    TakeLinkReports();
    ApplyLanguage(boundedSettings.languageIndex, currentFileName_, texts, languageTarget_);
    RefreshControls();

    HideStatus();
    if (restored.Damaged()) ShowStatus(texts[Msg::MsgLastImageDamaged], colour::kRed);
    window.CGaugeProgram.SetMaxValue(kTransferGaugeMaximum);
    window.LabelEeDataErr.SetVisible(false);
    window.LabelVersion.SetVisible(false);
    ReadTestMarker();
    for (Label& label : window.LabelTest) label.SetVisible(editorState.testMode);
    UpdateLayout();
}

void TFormHlav::TakeSettings(const Settings& s) {
    window.FormHlav.SetBounds(s.left, s.top, s.width, s.height);
    boundedSettings.portChoice = s.portChoice;
    boundedSettings.autoPortNumber = s.autoPortNumber;
    boundedSettings.languageIndex = s.languageIndex;
    currentFileName_ = s.fileName;
    iniDir_ = s.iniDir;
    dialogFile_ = s.iniDir;
    // A page index from elsewhere that names no page leaves the page as it is.
    if (s.activePageIndex >= 0 && s.activePageIndex < kPageCount) {
        window.PageControl1.SetActivePageIndex(s.activePageIndex);
    }
}

Settings TFormHlav::CurrentSettings() const {
    Settings s;
    const Window& form = window.FormHlav;
    s.left = form.Left();
    s.top = form.Top();
    s.width = form.Width();
    s.height = form.Height();
    s.portChoice = boundedSettings.portChoice;
    s.autoPortNumber = boundedSettings.autoPortNumber;
    s.languageIndex = boundedSettings.languageIndex;
    s.fileName = currentFileName_;
    s.iniDir = iniDir_;
    s.activePageIndex = window.PageControl1.ActivePageIndex();
    return s;
}

void TFormHlav::ReadTestMarker() {
    editorState.testMode = false;
    std::string text;
    if (!ReadWholeFile(paths_.settingsFile.parent_path() / kTestMarkerFileName, text)) return;
    TextScanner scanner(text);
    for (std::string_view word = scanner.NextWord(); !word.empty(); word = scanner.NextWord()) {
        if (word == kTestMarkerWord) editorState.testMode = true;
    }
}

void TFormHlav::Timer1Timer() {
    // The reports of each step are taken before the next: a transfer's status restarts the
    // countdown before it runs down, the watchdog's label decides about the version label.
    link_.PollReceive();
    TakeLinkReports();
    // The map views poll the keys and the live point and repaint what was asked for.
    ViewTick();
    link_.TransferTick();
    TakeLinkReports();
    StatusTick();
    link_.WatchdogTick();
    TakeLinkReports();
    // The no-connection label follows the unit's silence; a printout shows no such warning.
    if (!unitSilent_) {
        window.LabelSpojeni.SetVisible(false);
    } else if (!editorState.printing) {
        window.LabelSpojeni.SetVisible(true);
    }
    if (window.LabelSpojeni.Visible()) window.LabelVersion.SetVisible(false);
    ShowLivePoint();
    KeepLastImage();
    LiveLogTick();
    UpdateUnitState();
}

void TFormHlav::KeepLastImage() {
    // The next start restores the last recorded state even after a crash or a power cut. Written
    // from the tick rather than the edit, so that edits stay instant and a burst of them costs
    // one write. A write that fails is tried again at every tick until one succeeds; the user
    // hears of the first failure, and of the next one only after a success in between.
    if (!lastImageDirty_) return;
    const WriteOutcome written = WriteLastImageFile(paths_.lastImageFile, image);
    if (written) {
        lastImageDirty_ = false;
        writeFailureShown_ = false;
        return;
    }
    if (writeFailureShown_) return;
    writeFailureShown_ = true;
    ShowStatus(texts[Msg::MsgSettingsWriteError] + " " + written.error, colour::kRed);
}

void TFormHlav::ShowLivePoint() {
    // The live colours are a function of the live point alone, and nothing else colours those
    // controls: while the point stays, the tick has nothing to repaint.
    const LivePoint& point = link_.UpdateLivePoint(window.CheckBoxTpsMapa.Checked());
    if (liveColoursShown_ && point == liveColoursPoint_) return;
    ShowLiveColours(ColoursFor(point), window);
    liveColoursPoint_ = point;
    liveColoursShown_ = true;
}

void TFormHlav::FormClose() {
    link_.ClosePort();
    StopLiveLog();
    GatherControls();
    // The link moves the port on by itself (COM menu, automatic search); the rules bound it.
    boundedSettings.portChoice = link_.PortChoice();
    boundedSettings.autoPortNumber = link_.AutoPortNumber();
    ApplyConsistencyRules();
    const SettingsWriteOutcome written = WriteSettings(paths_, CurrentSettings(), image);
    if (written.lastImageFile) lastImageDirty_ = false;
    if (written.settingsFile && written.lastImageFile) return;
    // The old files stay as they were; the set on screen would be lost with the window. Say so
    // and offer to keep it as a parameter file somewhere that can be written.
    const std::string reason =
        !written.lastImageFile ? written.lastImageFile.error : written.settingsFile.error;
    if (AskYesNoCancel(texts[Msg::MsgSettingsWriteError] + "\n" + reason + "\n\n" +
                       texts[Msg::MsgSaveSetElsewhere]) != Answer::Yes) {
        return;
    }
    while (const auto path = platform_.SaveFileDialog(dialogFile_)) {
        const WriteOutcome saved = WriteParameterFile(*path, image);
        if (saved) return;
        ShowMessage(texts[Msg::MsgOpenFileError] + "\n\n" + saved.error);
    }
}

void TFormHlav::FitWindow() {
    Window& form = window.FormHlav;
    const WindowBounds fitted = FitWindowToScreens(
        {form.Left(), form.Top(), form.Width(), form.Height()}, platform_.ScreenAreas());
    form.SetBounds(fitted.left, fitted.top, fitted.width, fitted.height);
}

}  // namespace orvell
