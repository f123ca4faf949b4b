#include "qt/command_table.h"

#include <array>
#include <utility>

namespace orvell {

namespace {

struct Route {
    std::string_view control;
    std::string_view handler;
};

// The menu tree and the tool bar with the handler each one runs.
constexpr std::array kRoutes = {
    Route{"MenuNew", "MenuNewClick"},
    Route{"SpeedButton6", "MenuNewClick"},
    Route{"MenuOpen", "MenuOpenClick"},
    Route{"SpeedButtonOpen", "MenuOpenClick"},
    Route{"MenuOpenExeDir", "MenuOpenExeDirClick"},
    Route{"MenuSave", "MenuSaveClick"},
    Route{"SpeedButtonSave", "MenuSaveClick"},
    Route{"MenuSaveExeDir", "MenuSaveExeDirClick"},
    Route{"MenuPrint", "SpeedButtonPrintClick"},
    Route{"SpeedButtonPrint", "SpeedButtonPrintClick"},
    Route{"MenuPrintAll", "MenuPrintAllClick"},
    Route{"MenuExit", "MenuExitClick"},
    Route{"MenuRead", "MenuReadClick"},
    Route{"ButtonRead", "MenuReadClick"},
    Route{"MenuVerify", "MenuVerifyClick"},
    Route{"BitBtnVerify", "MenuVerifyClick"},
    Route{"MenuProgram", "MenuProgramClick"},
    Route{"BitBtnProgram", "MenuProgramClick"},
    Route{"AdvanceMinus", "BitBtnAdvMinusClick"},
    Route{"AdvancePlus", "BitBtnAdvPlusClick"},
    Route{"MenuZpet", "SpeedButtonZpetClick"},
    Route{"SpeedButtonZpet", "SpeedButtonZpetClick"},
    Route{"MenuZnovu", "SpeedButtonZnovuClick"},
    Route{"SpeedButtonZnovu", "SpeedButtonZnovuClick"},
    Route{"MenuEnglish", "MenuEnglishClick"},
    Route{"MenuGerman", "MenuGermanClick"},
    Route{"MenuFrench", "MenuFrenchClick"},
    Route{"MenuCzech", "MenuCzechClick"},
    Route{"MenuContens", "MenuContensClick"},
    Route{"MenuAbout", "MenuAboutClick"},
    // Controls whose events belong to the bike selection and the map views.
    Route{"ComboBoxBike", "ComboBoxBikeChange"},
    Route{"ComboBoxSynchro", "ComboBoxSynchroChange"},
    Route{"Interpolation", "DoInterpolation"},
    Route{"A3DviewISO", "A3DviewISOClick"},
    Route{"A3DviewTOP", "A3DviewTOPClick"},
    Route{"CheckFill", "CheckFillClick"},
    Route{"CheckColorMap", "CheckColorMapClick"},
    Route{"TrackBarX", "OnTrackXChange"},
    Route{"TrackBarY", "OnTrackYChange"},
    Route{"TrackBarZ", "OnTrackZChange"},
};

// Handlers that no single control names: the COM items, the tick, closing, the wheel.
constexpr std::array<std::string_view, 4> kOtherHandlers = {"MenuCom1Click", "Timer1Timer",
                                                            "FormClose", "OnMouseWheel"};

}  // namespace

void CommandTable::Set(std::string_view handler, Command command) {
    commands_[std::string(handler)] = std::move(command);
}

void CommandTable::Set(std::string_view handler, std::function<void()> command) {
    Set(handler, Command([command = std::move(command)](CommandEvent&) { command(); }));
}

bool CommandTable::Has(std::string_view handler) const {
    const auto it = commands_.find(handler);
    return it != commands_.end() && it->second;
}

bool CommandTable::Run(std::string_view handler, CommandEvent& event) const {
    const auto it = commands_.find(handler);
    if (it == commands_.end() || !it->second) return false;
    it->second(event);
    return true;
}

bool CommandTable::Run(std::string_view handler, const Control* sender) const {
    CommandEvent event;
    event.sender = sender;
    return Run(handler, event);
}

std::string_view CommandTable::HandlerOf(std::string_view control) {
    for (const Route& route : kRoutes) {
        if (route.control == control) return route.handler;
    }
    if (control.starts_with("MenuCom") && control.size() > 7) return "MenuCom1Click";
    return {};
}

std::vector<std::string_view> CommandTable::KnownHandlers() {
    std::vector<std::string_view> names;
    auto add = [&names](std::string_view name) {
        for (std::string_view known : names) {
            if (known == name) return;
        }
        names.push_back(name);
    };
    for (const Route& route : kRoutes) add(route.handler);
    for (std::string_view name : kOtherHandlers) add(name);
    return names;
}

int ComItemIndex(const WindowModel& window, const Control* sender) {
    for (int i = 0; i < kComItems; ++i) {
        if (sender == &window.MenuComItem[i]) return i;
    }
    return -1;
}

}  // namespace orvell
