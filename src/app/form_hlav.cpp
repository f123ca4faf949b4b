#include "app/form_hlav.h"

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
      link_(port_, image, linkWindow_, texts),
      editor_(window, image, rules, boundedSettings, history, editorState, seams) {
    seams.live = &shellSeams_;
    seams.transfer = &shellSeams_;
    seams.recorder = &shellSeams_;
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

Answer TFormHlav::AskYesNoCancel(const std::string& text) {
    link_.GetTransfer().Abandon();
    return platform_.AskYesNoCancel(text);
}

void TFormHlav::ShowTitle() {
    window.FormHlav.SetCaption(MainWindowTitle(currentFileName_));
}

void TFormHlav::TakeUnitTexts() {
    const UnitInfoTexts& unit = link_.GetTransfer().UnitInfo();
    // Until a unit has answered the Bike page keeps its design texts.
    if (unit.programId.empty() && unit.programDate.empty()) return;
    editorState.unitTexts = {unit.programId, unit.programDate, unit.programTime};
}

// The link's view of the window.

void TFormHlav::LinkWindow::SetComLabel(const std::string& text) {
    form_.window.LabelCom.SetCaption(text);
}

void TFormHlav::LinkWindow::CheckComItem(int index) {
    for (int i = 0; i < kComItems; ++i) form_.window.MenuComItem[i].SetChecked(i == index);
}

void TFormHlav::LinkWindow::SetNoConnectionVisible(bool visible) {
    form_.window.LabelSpojeni.SetVisible(visible);
}

bool TFormHlav::LinkWindow::Printing() const {
    return form_.editorState.printing;
}

void TFormHlav::LinkWindow::ShowMessage(const std::string& text) {
    form_.ShowMessage(text);
}

void TFormHlav::LinkWindow::ShowStatus(const std::string& text, Colour colour) {
    form_.ShowStatus(text, colour);
}

void TFormHlav::LinkWindow::SetStatusText(const std::string& text, Colour colour) {
    form_.window.LabelHlaseni.SetColor(colour);
    form_.window.LabelHlaseni.SetCaption(text);
}

void TFormHlav::LinkWindow::SetStatusCountdown(int ticks) {
    form_.statusCountdown_ = static_cast<std::uint8_t>(ticks);
}

void TFormHlav::LinkWindow::SetGauge(int progress, int maximum) {
    form_.window.CGaugeProgram.SetMaxValue(maximum);
    form_.window.CGaugeProgram.SetProgress(progress);
}

void TFormHlav::LinkWindow::ShowGauge() {
    form_.window.CGaugeProgram.SetVisible(true);
}

bool TFormHlav::LinkWindow::Refreshing() const {
    return form_.editorState.refreshing;
}

void TFormHlav::LinkWindow::GatherControls() {
    form_.GatherControls();
}

void TFormHlav::LinkWindow::ApplyConsistencyRules() {
    form_.ApplyConsistencyRules();
}

void TFormHlav::LinkWindow::RefreshControls() {
    // Block 0 may just have arrived; the Bike page shows the unit's program texts.
    form_.TakeUnitTexts();
    form_.RefreshControls();
}

void TFormHlav::LinkWindow::ImageReplaced() {
    form_.rules.ResetAxisMemory();
}

void TFormHlav::LinkWindow::ClearFileName() {
    form_.currentFileName_.clear();
    form_.ShowTitle();
}

bool TFormHlav::LinkWindow::ServoGroupVisible() const {
    return form_.window.GroupBoxPrivera.Visible();
}

// What the editor needs of the link and the settings files.

LiveOperatingPoint TFormHlav::ShellSeams::LivePoint() const {
    const orvell::LivePoint& p = form_.link_.LiveOperatingPoint();
    return {p.rpmColumn, p.throttleRow, p.servoPoint, p.belowMap,
            form_.link_.Monitor().liveTpsVoltage};
}

void TFormHlav::ShellSeams::StartProgramTransfer() {
    form_.link_.GetTransfer().StartProgramTransfer();
}

void TFormHlav::ShellSeams::ChangeRecorded() {
    form_.lastImageDirty_ = true;
}

}  // namespace orvell
