#include "app/form_hlav.h"

#include "app/backups.h"
#include "editor/monitor_labels.h"
#include "i18n/catalogue.h"
#include "link/posix_serial_port.h"

namespace orvell {

namespace {

std::unique_ptr<SerialPort> PortUnlessGiven(SerialPort* given) {
    if (given != nullptr) return nullptr;
    return std::make_unique<PosixSerialPort>();
}

}  // namespace

TFormHlav::TFormHlav(PlatformServices& platform, FormOptions options)
    : platform_(platform),
      options_(std::move(options)),
      paths_(SettingsPathsIn(options_.settingsFolder.empty() ? SettingsFolder()
                                                             : options_.settingsFolder)),
      ownPort_(PortUnlessGiven(options_.port)),
      seams(EditorSeams::AllOf(noSeams_)),
      port_(options_.port != nullptr ? *options_.port : *ownPort_),
      link_(port_, image, texts),
      editor_(window, image, rules, boundedSettings, history, editorState, seams),
      backupFolder_(!options_.backupFolder.empty()     ? options_.backupFolder
                    : !options_.settingsFolder.empty() ? options_.settingsFolder / "backups"
                                                       : BackupFolder()) {
    seams.live = &shellSeams_;
    seams.transfer = &shellSeams_;
    seams.recorder = &shellSeams_;
    seams.marks = &gridSeams_;
    seams.grid = &gridSeams_;
    LoadMessages(boundedSettings.languageIndex, texts);
    rules.ResetAxisMemory();
    editorState.redrawRequest = kRedrawRescale;
}

TFormHlav::~TFormHlav() = default;

void TFormHlav::FormKeyPress(char& key) {
    if (editor_.EnterKey(key)) key = 0;
}

void TFormHlav::AdvanceKeyPress(char& key) {
    if (editor_.AdvanceKey(key)) key = 0;
}

void TFormHlav::ShowStatus(const std::string& text, Colour colour) {
    window.LabelHlaseni.SetColor(colour);
    window.LabelHlaseni.SetCaption(text);
    if (!editorState.printing) window.LabelHlaseni.SetVisible(true);
    statusCountdown_ = kStatusTicks;
}

void TFormHlav::HideStatus() {
    window.LabelHlaseni.SetVisible(false);
    window.CGaugeProgram.SetVisible(false);
}

void TFormHlav::StatusTick() {
    if (statusCountdown_ > 0) {
        --statusCountdown_;
        if (!editorState.printing) window.LabelHlaseni.SetVisible(true);
    } else {
        HideStatus();
        link_.GetTransfer().StatusCountdownExpired();
    }
}

void TFormHlav::ShowMessage(const std::string& text) {
    link_.GetTransfer().Abandon();
    platform_.ShowMessage(text);
}

void TFormHlav::ShowError(const std::string& text, const std::string& caption) {
    link_.GetTransfer().Abandon();
    platform_.ShowError(text, caption);
}

Answer TFormHlav::AskYesNoCancel(const std::string& text) {
    link_.GetTransfer().Abandon();
    return platform_.AskYesNoCancel(text);
}

void TFormHlav::ShowTitle() {
    // A leading mark while the image differs from what the unit was last known to hold.
    std::string title(ChangedSinceUnit() ? kChangedTitleMark : std::string_view());
    window.FormHlav.SetCaption(title + MainWindowTitle(currentFileName_));
}

// The link: the commands that start its work, and what it reports.

void TFormHlav::MenuCom1Click(int index) {
    link_.ChoosePort(index);
    TakeLinkReports();
}

void TFormHlav::MenuProgramClick() {
    if (editorState.refreshing) return;
    TakeShownValues();
    link_.StartProgram();
    TakeLinkReports();
}

void TFormHlav::MenuVerifyClick() {
    if (editorState.refreshing) return;
    TakeShownValues();
    link_.StartVerify();
    TakeLinkReports();
}

void TFormHlav::MenuReadClick() {
    // What comes from the unit is no longer the file's content.
    currentFileName_.clear();
    ShowTitle();
    link_.StartRead();
    TakeLinkReports();
}

void TFormHlav::TakeShownValues() {
    // What is typed goes into the image, and a replaced image (a file, a Read, the last-image
    // file) that holds values its controls cannot show takes them as the controls limit them.
    // Every transfer that writes or compares starts from here, so nothing unseen reaches the
    // unit.
    GatherControls();
    ApplyConsistencyRules();
    RefreshControls();
}

void TFormHlav::TakeLinkReports() {
    if (link_.Reports().Empty()) return;  // most ticks
    link_.Reports().Take(Overloaded{
        [this](const PortOpening& r) {
            window.LabelCom.SetCaption("COM= COM" + std::to_string(r.com));
        },
        [this](const PortChosen& r) {
            for (int i = 0; i < kComItems; ++i) window.MenuComItem[i].SetChecked(i == r.choice);
        },
        [this](const UnitSilence& r) {
            unitSilent_ = r.silent;
            // Whatever answers next may be another unit: its set is unknown until a transfer.
            if (r.silent) unitSetKnown_ = false;
            if (editorState.linkLost == r.silent) return;
            editorState.linkLost = r.silent;
            UpdateLayout();
        },
        [this](const MessageForUser& r) { ShowMessage(r.text); },
        [this](const StatusShown& r) { ShowStatus(r.text, colour::kButtonFace); },
        [this](const StatusChanged& r) {
            window.LabelHlaseni.SetColor(colour::kButtonFace);
            window.LabelHlaseni.SetCaption(r.text);
        },
        [this](const StatusCountdownSet& r) {
            statusCountdown_ = static_cast<std::uint8_t>(r.ticks);
        },
        [this](const ProgressChanged& r) {
            window.CGaugeProgram.SetMaxValue(r.maximum);
            window.CGaugeProgram.SetProgress(r.value);
        },
        [this](const TransferStarted& r) {
            ShowStatus(r.text, colour::kButtonFace);
            window.CGaugeProgram.SetMaxValue(r.progressMaximum);
            window.CGaugeProgram.SetProgress(0);
            window.CGaugeProgram.SetVisible(true);
        },
        [this](const TransferSucceeded& r) {
            window.CGaugeProgram.SetMaxValue(r.progressMaximum);
            window.CGaugeProgram.SetProgress(r.progressMaximum);
            ShowStatus(r.message, colour::kButtonFace);
            TransferEndedWell(r.kind);
        },
        [this](const TransferFailed& r) {
            if (r.imageRestored) {
                // The link put back the blocks the image held before a Read it could not check.
                rules.ResetAxisMemory();
                ApplyConsistencyRules();
                RefreshControls();
                lastImageDirty_ = true;
            }
            ShowStatus(r.message, colour::kRed);
            // What differs is one command away; the status bar says where.
            if (r.message == texts[Msg::MsgVerifyError]) {
                DisplayHint(texts[Msg::MsgVerifyErrorHint]);
            }
        },
        [this](const MonitorFrameDecoded& r) {
            ShowMonitorReadout(*r.readout, window);
            RecordLiveFrame();
        },
        [this](const UnitInfoArrived& r) {
            unitInfo_ = r.texts;
            // From now on every refresh shows the unit's program texts on the Bike page; until
            // a unit has answered, the page keeps its design texts.
            if (!unitInfo_.programId.empty() || !unitInfo_.programDate.empty()) {
                editorState.unitTexts = {unitInfo_.programId, unitInfo_.programDate,
                                         unitInfo_.programTime};
            }
            if (r.readGoesOn) return;
            ApplyConsistencyRules();
            RefreshControls();
        },
        [this](const ReadCompleted& r) {
            if (r.sideBuffer) return;  // a Compare: the image is untouched
            // The link has put both blocks into the image: a whole-image replacement.
            rules.ResetAxisMemory();
            ApplyConsistencyRules();
            RefreshControls();
            TakeShownValues();
            lastImageDirty_ = true;  // a completed Read is kept like any change
        },
    });
    UpdateUnitState();
}

// What the editor needs of the link and the settings files.

LiveOperatingPoint TFormHlav::ShellSeams::LivePoint() const {
    const orvell::LivePoint& p = form_.link_.LiveOperatingPoint();
    const MonitorState& m = form_.link_.Monitor();
    return {p.rpmColumn, p.throttleRow, p.servoPoint, p.belowMap, m.liveTpsVoltage,
            m.liveEngineSpeed, m.liveThrottle <= 100 ? m.liveThrottle : 0};
}

void TFormHlav::ShellSeams::StartProgramTransfer() {
    // Programming after a change sends exactly what the window shows, as F9 does.
    form_.TakeShownValues();
    form_.link_.StartProgram();
    form_.TakeLinkReports();
}

void TFormHlav::ShellSeams::ChangeRecorded() {
    form_.lastImageDirty_ = true;
}

}  // namespace orvell
