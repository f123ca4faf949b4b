#include "qt/front.h"

#include <utility>

namespace orvell {

Front::Front(FormOptions options) : form(platform, std::move(options)) {
    form.FormCreate();
    window = std::make_unique<MainWindow>(form, commands);
    platform.SetWindow(window.get());
    PlugShellCommands(commands, form, *window);
}

Front::~Front() {
    // The window goes first: its widgets point into the model.
    window.reset();
    platform.SetWindow(nullptr);
}

void Front::Show() {
    window->show();
    window->StartTimer();
}

void PlugShellCommands(CommandTable& table, TFormHlav& form, MainWindow& window) {
    table.Set("MenuNewClick", [&form] { form.MenuNewClick(); });
    table.Set("MenuOpenClick", [&form](CommandEvent& e) { form.MenuOpenClick(e.sender); });
    table.Set("MenuOpenExeDirClick", [&form] { form.MenuOpenExeDirClick(); });
    table.Set("MenuSaveClick", [&form](CommandEvent& e) { form.MenuSaveClick(e.sender); });
    table.Set("MenuSaveExeDirClick", [&form] { form.MenuSaveExeDirClick(); });
    table.Set("SpeedButtonPrintClick", [&form] { form.SpeedButtonPrintClick(); });
    table.Set("MenuPrintAllClick", [&form] { form.MenuPrintAllClick(); });
    table.Set("MenuExitClick", [&form, &window] {
        form.MenuExitClick();
        if (form.CloseRequested()) window.close();
    });
    table.Set("MenuCom1Click", [&form](CommandEvent& e) {
        const int index = ComItemIndex(form.window, e.sender);
        if (index >= 0) form.MenuCom1Click(index);
    });
    table.Set("MenuReadClick", [&form] { form.MenuReadClick(); });
    table.Set("MenuVerifyClick", [&form] { form.MenuVerifyClick(); });
    table.Set("MenuProgramClick", [&form] { form.MenuProgramClick(); });
    table.Set("MenuEnglishClick", [&form] { form.MenuEnglishClick(); });
    table.Set("MenuGermanClick", [&form] { form.MenuGermanClick(); });
    table.Set("MenuFrenchClick", [&form] { form.MenuFrenchClick(); });
    table.Set("MenuCzechClick", [&form] { form.MenuCzechClick(); });
    table.Set("MenuContensClick", [&form] { form.MenuContensClick(); });
    table.Set("MenuAboutClick", [&form] { form.MenuAboutClick(); });
    table.Set("ComboBoxBikeChange", [&form] { form.ComboBoxBikeChange(); });
    table.Set("ComboBoxSynchroChange", [&form] { form.ComboBoxSynchroChange(); });
    table.Set("SpeedButtonZpetClick", [&form] { form.SpeedButtonZpetClick(); });
    table.Set("SpeedButtonZnovuClick", [&form] { form.SpeedButtonZnovuClick(); });
    table.Set("BitBtnAdvMinusClick", [&form] { form.BitBtnAdvMinusClick(); });
    table.Set("BitBtnAdvPlusClick", [&form] { form.BitBtnAdvPlusClick(); });
    table.Set("Timer1Timer", [&form] { form.Timer1Timer(); });
    table.Set("FormClose", [&form] { form.FormClose(); });
}

}  // namespace orvell
