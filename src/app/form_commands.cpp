// The commands of the menu and the tool bar that belong to the window itself: New and the bike
// selection, the file commands, the language switch, the manual and the About window.
#include <system_error>

#include "app/form_hlav.h"
#include "core/bike_presets.h"
#include "core/param_file.h"
#include "i18n/apply_language.h"
#include "i18n/catalogue.h"

namespace orvell {

void TFormHlav::MenuNewClick() {
    if (AskYesNoCancel(texts[Msg::MsgAskDefaults]) != Answer::Yes) return;
    ApplyDefaults(image);
    ApplyBikePreset(image);
    rules.ResetAxisMemory();
    RunChangePipeline();
    HideStatus();
    currentFileName_.clear();
    ShowTitle();
}

void TFormHlav::BikeSelectionChange() {
    if (editorState.refreshing) return;
    if (const auto code = BikeCodeFromEntry(window.ComboBoxBike.ItemIndex())) {
        image.SetBikeCode(*code);
    }
    if (window.ComboBoxSynchro.ItemIndex() >= 0) {
        image.SetSyncMethod(static_cast<std::uint8_t>(window.ComboBoxSynchro.ItemIndex()));
    }
    if (image.BikeCode() != kSpecialBikeCode) MenuNewClick();
    ApplyBikePreset(image);
    RefreshControls();
    RunChangePipeline();
}

void TFormHlav::CtrlRule(const Control* sender, const Control& button) {
    if (sender == &button && platform_.CtrlDown()) dialogFile_ = defaultParamFile_;
}

void TFormHlav::MenuOpenClick(const Control* sender) {
    CtrlRule(sender, window.SpeedButtonOpen);
    if (const auto path = platform_.OpenFileDialog(dialogFile_)) {
        const ParamFileReadResult result = ReadParameterFile(*path, image);
        if (!result.opened) ShowMessage(texts[Msg::MsgOpenFileError]);
        for (std::size_t i = 0; i < result.unmatchedVersions.size(); ++i) {
            ShowMessage(texts[Msg::MsgFileVersionMismatch]);
        }
        if (result.OlderVersion()) ShowMessage(texts[Msg::MsgOlderFile]);
        // A file without any version key (a picture, a text) is no parameter file at all.
        if (result.opened && !result.Loaded() && result.unmatchedVersions.empty()) {
            ShowMessage(texts[Msg::MsgNoParameterSet] + "\n\n" + path->string());
        }
        if (result.Limited()) {
            std::string fields;
            for (const std::string& name : result.limitedFields) fields += "\n" + name;
            ShowMessage(texts[Msg::MsgValuesLimited] + fields);
        }
        if (result.Loaded()) {
            rules.ResetAxisMemory();
            ApplyConsistencyRules();
            RefreshControls();
            TakeShownValues();
            RunChangePipeline();
            currentFileName_ = path->string();
            ShowTitle();
            iniDir_ = currentFileName_;
            dialogFile_ = *path;
        }
    }
    HideStatus();
}

void TFormHlav::MenuOpenExeDirClick() {
    dialogFile_ = defaultParamFile_;
    MenuOpenClick();
}

void TFormHlav::MenuSaveClick(const Control* sender) {
    if (editorState.refreshing) return;
    CtrlRule(sender, window.SpeedButtonSave);
    const auto path = platform_.SaveFileDialog(dialogFile_);
    if (!path) return;
    GatherControls();
    ApplyConsistencyRules();
    RefreshControls();
    // The file is replaced whole or not at all. The reason goes with the message, so that a
    // folder the user may not write (the program's own, once installed) is named as such.
    if (const WriteOutcome written = WriteParameterFile(*path, image); !written) {
        ShowMessage(texts[Msg::MsgOpenFileError] + "\n\n" + written.error);
        return;
    }
    currentFileName_ = path->string();
    ShowTitle();
    iniDir_ = currentFileName_;
    dialogFile_ = *path;
}

void TFormHlav::MenuSaveExeDirClick() {
    dialogFile_ = defaultParamFile_;
    MenuSaveClick();
}

void TFormHlav::SwitchLanguage(int language) {
    boundedSettings.languageIndex = language;
    ApplyLanguage(language, currentFileName_, texts, languageTarget_);
    RefreshControls();
}

void TFormHlav::MenuContensClick() {
    // The manual of the current language, looked for beside the program, then where the
    // package installs it, then in the working folder (a program started from a desktop menu
    // works in the home folder, so that alone would rarely find it).
    const std::filesystem::path name = texts[Msg::ManualFileName];
    std::error_code noFolder;
    const std::filesystem::path workingFolder = std::filesystem::current_path(noFolder);
    const std::filesystem::path candidates[] = {
        platform_.ExecutableDir() / name,
        options_.documentationFolder.empty() ? std::filesystem::path()
                                             : options_.documentationFolder / name,
        workingFolder.empty() ? std::filesystem::path() : workingFolder / name,
    };
    for (const std::filesystem::path& manual : candidates) {
        std::error_code ec;
        if (manual.empty() || !std::filesystem::is_regular_file(manual, ec)) continue;
        if (!platform_.OpenDocument(manual)) ShowMessage(texts[Msg::MsgManualOpenError]);
        return;
    }
    ShowMessage(texts[Msg::MsgManualOpenError]);
}

void TFormHlav::MenuAboutClick() {
    platform_.ShowAboutWindow(AboutTitle(boundedSettings.languageIndex));
}

}  // namespace orvell
