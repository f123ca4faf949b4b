#include "app/form_events.h"

#include <array>
#include <cstddef>

#include "app/form_hlav.h"
#include "views/curve_graph.h"
#include "views/surface_paint.h"

namespace orvell {

namespace {

using W = WindowModel;
using F = TFormHlav;

// Matchers: one control, a family (std::array member), every control of a kind, of a role.
template <auto Member>
int One(const W& w, const Control& c) {
    return static_cast<const Control*>(&(w.*Member)) == &c ? 0 : -1;
}

template <auto Member>
int Each(const W& w, const Control& c) {
    const auto& family = w.*Member;
    for (std::size_t i = 0; i < family.size(); ++i) {
        if (static_cast<const Control*>(&family[i]) == &c) return static_cast<int>(i);
    }
    return -1;
}

template <ControlKind Kind>
int AnyOf(const W&, const Control& c) {
    return c.Kind() == Kind ? 0 : -1;
}

template <Role R>
int WithRole(const W&, const Control& c) {
    return c.Has(R) ? 0 : -1;
}

int AnyControl(const W&, const Control&) {
    return 0;
}

// Handlers: a handler of the window object without arguments, or a small adapter.
template <void (F::*Handler)()>
void Call(F& form, UserEvent&, int) {
    (form.*Handler)();
}

template <void (F::*Handler)(char&)>
void CallKey(F& form, UserEvent& e, int) {
    char key = static_cast<char>(e.key);
    (form.*Handler)(key);
    e.handled = key == 0;
}

template <int Mode, void (F::*Handler)()>
void ChooseMapMode(F& form, UserEvent&, int) {
    form.window.SetMapMode(Mode);
    (form.*Handler)();
}

// A box with a visible spinner steps it by the arrow keys and the wheel, like a desktop spinner.
void StepSpinner(F& form, UserEvent& e, UpDown* spinner, bool up) {
    if (spinner == nullptr || !spinner->Visible()) return;
    form.UpDownClick(*spinner, up);
    e.handled = true;
}

void StepSpinnerOfBox(F& form, UserEvent& e, bool up) {
    StepSpinner(form, e, static_cast<EditBox*>(e.sender)->Spinner(), up);
}

// A spin box takes the wheel only while it has the focus: a turn meant to scroll, passing over
// it, must not change a value the user never touched.
void WheelOnSpinner(F& form, UserEvent& e, UpDown* spinner) {
    if (!e.focused || e.wheelDelta == 0) return;
    StepSpinner(form, e, spinner, e.wheelDelta > 0);
}

// An arrow key in a map cell's box; with Ctrl, Up and Down step its value instead.
template <int Key>
void CellArrow(F& form, UserEvent& e, int cell) {
    if ((e.modifiers & kModCtrl) != 0) {
        if (Key == kKeyUp || Key == kKeyDown) StepSpinnerOfBox(form, e, Key == kKeyUp);
        return;
    }
    form.CellArrowKey(cell, Key, (e.modifiers & kModShift) != 0);
    e.handled = true;
}

// The kind of the sender decides which value of the event it takes.
void TakeValue(UserEvent& e) {
    Control& c = *e.sender;
    switch (c.Kind()) {
        case ControlKind::EditBox:
            static_cast<EditBox&>(c).SetText(e.text);
            break;
        case ControlKind::CheckBox:
            static_cast<CheckBox&>(c).SetChecked(e.checked);
            break;
        case ControlKind::ComboBox:
            static_cast<ComboBox&>(c).SetItemIndex(e.index);
            break;
        case ControlKind::RadioGroup:
            static_cast<RadioGroup&>(c).SetItemIndex(e.index);
            break;
        case ControlKind::PageControl:
            static_cast<PageControl&>(c).SetActivePageIndex(e.index);
            break;
        case ControlKind::TrackBar:
            static_cast<TrackBar&>(c).SetPosition(e.index);
            break;
        default:
            break;
    }
}

using K = EventKind;

constexpr std::array kRoutes = {
    // Menu and tool bar. A menu item and its tool button run the same handler; Open and Save
    // are told which one it was (Ctrl on the tool button starts at the default file).
    EventRoute{K::Click, One<&W::MenuNew>, 0, Call<&F::MenuNewClick>},
    EventRoute{K::Click, One<&W::SpeedButton6>, 0, Call<&F::MenuNewClick>},
    EventRoute{K::Click, One<&W::MenuOpen>, 0,
               [](F& f, UserEvent& e, int) { f.MenuOpenClick(e.sender); }},
    EventRoute{K::Click, One<&W::SpeedButtonOpen>, 0,
               [](F& f, UserEvent& e, int) { f.MenuOpenClick(e.sender); }},
    EventRoute{K::Click, One<&W::MenuOpenExeDir>, 0, Call<&F::MenuOpenExeDirClick>},
    EventRoute{K::Click, One<&W::MenuOpenBackup>, 0, Call<&F::MenuOpenBackupClick>},
    EventRoute{K::Click, One<&W::MenuCompare>, 0, Call<&F::MenuCompareClick>},
    EventRoute{K::Click, One<&W::MenuSave>, 0,
               [](F& f, UserEvent& e, int) { f.MenuSaveClick(e.sender); }},
    EventRoute{K::Click, One<&W::SpeedButtonSave>, 0,
               [](F& f, UserEvent& e, int) { f.MenuSaveClick(e.sender); }},
    EventRoute{K::Click, One<&W::MenuSaveExeDir>, 0, Call<&F::MenuSaveExeDirClick>},
    EventRoute{K::Click, One<&W::MenuPrint>, 0, Call<&F::SpeedButtonPrintClick>},
    EventRoute{K::Click, One<&W::SpeedButtonPrint>, 0, Call<&F::SpeedButtonPrintClick>},
    EventRoute{K::Click, One<&W::MenuPrintAll>, 0, Call<&F::MenuPrintAllClick>},
    EventRoute{K::Click, One<&W::MenuSavePdf>, 0, Call<&F::MenuSavePdfClick>},
    EventRoute{K::Click, One<&W::MenuRecordLog>, 0, Call<&F::MenuRecordLogClick>},
    EventRoute{K::Click, One<&W::MenuStopLog>, 0, Call<&F::MenuStopLogClick>},
    EventRoute{K::Click, One<&W::MenuExit>, 0, Call<&F::MenuExitClick>},
    EventRoute{K::Click, Each<&W::MenuComItem>, 0,
               [](F& f, UserEvent&, int index) { f.MenuCom1Click(index); }},
    EventRoute{K::Click, One<&W::MenuRead>, 0, Call<&F::MenuReadClick>},
    EventRoute{K::Click, One<&W::ButtonRead>, 0, Call<&F::MenuReadClick>},
    EventRoute{K::Click, One<&W::MenuVerify>, 0, Call<&F::MenuVerifyClick>},
    EventRoute{K::Click, One<&W::BitBtnVerify>, 0, Call<&F::MenuVerifyClick>},
    EventRoute{K::Click, One<&W::MenuProgram>, 0, Call<&F::MenuProgramClick>},
    EventRoute{K::Click, One<&W::BitBtnProgram>, 0, Call<&F::MenuProgramClick>},
    EventRoute{K::Click, One<&W::AdvanceMinus>, 0, Call<&F::BitBtnAdvMinusClick>},
    EventRoute{K::Click, One<&W::AdvancePlus>, 0, Call<&F::BitBtnAdvPlusClick>},
    EventRoute{K::Click, One<&W::MenuZpet>, 0, Call<&F::SpeedButtonZpetClick>},
    EventRoute{K::Click, One<&W::SpeedButtonZpet>, 0, Call<&F::SpeedButtonZpetClick>},
    EventRoute{K::Click, One<&W::MenuZnovu>, 0, Call<&F::SpeedButtonZnovuClick>},
    EventRoute{K::Click, One<&W::SpeedButtonZnovu>, 0, Call<&F::SpeedButtonZnovuClick>},
    EventRoute{K::Click, One<&W::MenuEnglish>, 0, Call<&F::MenuEnglishClick>},
    EventRoute{K::Click, One<&W::MenuGerman>, 0, Call<&F::MenuGermanClick>},
    EventRoute{K::Click, One<&W::MenuFrench>, 0, Call<&F::MenuFrenchClick>},
    EventRoute{K::Click, One<&W::MenuCzech>, 0, Call<&F::MenuCzechClick>},
    EventRoute{K::Click, One<&W::MenuContens>, 0, Call<&F::MenuContensClick>},
    EventRoute{K::Click, One<&W::MenuAbout>, 0, Call<&F::MenuAboutClick>},

    // Buttons of the pages.
    EventRoute{K::Click, One<&W::BitBtnTps0>, 0, Call<&F::BitBtnTps0Click>},
    EventRoute{K::Click, One<&W::BitBtnTps100>, 0, Call<&F::BitBtnTps100Click>},
    EventRoute{K::Click, One<&W::BitBtnAdvMinus>, 0, Call<&F::BitBtnAdvMinusClick>},
    EventRoute{K::Click, One<&W::BitBtnAdvPlus>, 0, Call<&F::BitBtnAdvPlusClick>},
    EventRoute{K::Click, One<&W::BitBtnServoMinus>, 0, Call<&F::BitBtnServoMinusClick>},
    EventRoute{K::Click, One<&W::BitBtnServoPlus>, 0, Call<&F::BitBtnServoPlusClick>},
    EventRoute{K::Click, One<&W::AMapForm>, 0, ChooseMapMode<kMapModeGrid, &F::AMapFormClick>},
    EventRoute{K::Click, One<&W::AMapModeGraph>, 0,
               ChooseMapMode<kMapModeGraph, &F::AMapModeGraphClick>},
    EventRoute{K::Click, One<&W::AMapModeGraph3D>, 0,
               ChooseMapMode<kMapModeGraph3D, &F::AMapModeGraph3DClick>},

    // Spinner arrows and the column step buttons under the map.
    EventRoute{K::Click, AnyOf<ControlKind::UpDown>, 0,
               [](F& f, UserEvent& e, int) { f.UpDownClick(static_cast<UpDown&>(*e.sender), e.up); }},
    EventRoute{K::Click, Each<&W::CSpinButton>, 0,
               [](F& f, UserEvent& e, int column) {
                   if (e.up) {
                       f.CSpinButtonUpClick(column);
                   } else {
                       f.CSpinButtonDownClick(column);
                   }
               }},

    // Values the user changed. A check box toggled with the keyboard runs nothing: the next
    // gather takes its state over.
    EventRoute{K::Change, WithRole<Role::FieldCheckBox>, 0,
               [](F& f, UserEvent& e, int) {
                   if (!e.byKeyboard) f.CheckBoxMouseUp();
               }},
    EventRoute{K::Change, One<&W::RadioGroupInput1>, 0, Call<&F::RadioGroupInput1Click>},
    EventRoute{K::Change, One<&W::RadioGroupInput2>, 0, Call<&F::RadioGroupInput2Click>},
    EventRoute{K::Change, One<&W::ComboBoxNasobekPalcu>, 0, Call<&F::ComboBoxNasobekPalcuChange>},
    EventRoute{K::Change, One<&W::ComboBoxBike>, 0, Call<&F::ComboBoxBikeChange>},
    EventRoute{K::Change, One<&W::ComboBoxSynchro>, 0, Call<&F::ComboBoxSynchroChange>},

    // Edit boxes: leaving one takes its value; arrows and the wheel step a spinner. Enter moves
    // on and takes the values wherever the focus is, as the window's own key handler.
    EventRoute{K::Exit, AnyOf<ControlKind::EditBox>, 0, Call<&F::EditExit>},
    EventRoute{K::Key, AnyControl, kKeyEnter, CallKey<&F::FormKeyPress>},
    // In the map grid the arrows move between the cells and Shift+arrows mark a block; Ctrl+Up
    // and Ctrl+Down step the cell's value.
    EventRoute{K::Key, Each<&W::EditCell>, kKeyUp, CellArrow<kKeyUp>},
    EventRoute{K::Key, Each<&W::EditCell>, kKeyDown, CellArrow<kKeyDown>},
    EventRoute{K::Key, Each<&W::EditCell>, kKeyLeft, CellArrow<kKeyLeft>},
    EventRoute{K::Key, Each<&W::EditCell>, kKeyRight, CellArrow<kKeyRight>},
    EventRoute{K::Enter, Each<&W::EditCell>, 0,
               [](F& f, UserEvent&, int cell) { f.OnCellFocus(cell); }},
    EventRoute{K::ContextMenu, Each<&W::EditCell>, 0,
               [](F& f, UserEvent& e, int cell) {
                   f.OnCellFocus(cell);
                   f.ShowMapMenu(*e.sender, e.x, e.y);
                   e.handled = true;
               }},
    EventRoute{K::Key, AnyOf<ControlKind::EditBox>, kKeyUp,
               [](F& f, UserEvent& e, int) { StepSpinnerOfBox(f, e, true); }},
    EventRoute{K::Key, AnyOf<ControlKind::EditBox>, kKeyDown,
               [](F& f, UserEvent& e, int) { StepSpinnerOfBox(f, e, false); }},
    EventRoute{K::Wheel, AnyOf<ControlKind::EditBox>, 0,
               [](F& f, UserEvent& e, int) {
                   WheelOnSpinner(f, e, static_cast<EditBox*>(e.sender)->Spinner());
               }},
    EventRoute{K::Wheel, AnyOf<ControlKind::UpDown>, 0,
               [](F& f, UserEvent& e, int) { WheelOnSpinner(f, e, static_cast<UpDown*>(e.sender)); }},

    // The map grid: a band dragged on the selection image marks cells; interpolation fills a
    // marked rectangle; entering the map page sets the grid up.
    // A right click there opens the map's menu; a right drag is a band like a left one.
    EventRoute{K::MouseDown, One<&W::ImageSelect>, 0,
               [](F& f, UserEvent& e, int) {
                   if (e.button == kButtonRight) {
                       f.OnImageSelRightDown(e.x, e.y);
                   } else {
                       f.OnImageSelMouseDown(e.x, e.y);
                   }
               }},
    EventRoute{K::MouseMove, One<&W::ImageSelect>, 0,
               [](F& f, UserEvent& e, int) { f.OnImageSelMouseMove(e.x, e.y); }},
    EventRoute{K::MouseUp, One<&W::ImageSelect>, 0,
               [](F& f, UserEvent& e, int) {
                   if (e.button == kButtonRight) {
                       f.OnImageSelRightUp(e.x, e.y);
                   } else {
                       f.OnImageSelMouseUp();
                   }
               }},
    EventRoute{K::MouseLeave, One<&W::ImageSelect>, 0, Call<&F::OnImageSelMouseLeave>},
    EventRoute{K::Click, One<&W::Interpolation>, 0, Call<&F::DoInterpolation>},
    EventRoute{K::Click, One<&W::MenuInterpolation>, 0, Call<&F::DoInterpolation>},
    // The map cell tools of the Tools menu and the map's context menu.
    EventRoute{K::Click, One<&W::MenuCopyCells>, 0, Call<&F::MenuCopyCellsClick>},
    EventRoute{K::Click, One<&W::MenuPasteCells>, 0, Call<&F::MenuPasteCellsClick>},
    EventRoute{K::Click, One<&W::MenuSetCells>, 0, Call<&F::MenuSetCellsClick>},
    EventRoute{K::Click, One<&W::MenuAddCells>, 0, Call<&F::MenuAddCellsClick>},
    EventRoute{K::Click, One<&W::MenuScaleCells>, 0, Call<&F::MenuScaleCellsClick>},
    EventRoute{K::Click, One<&W::MenuSmoothCells>, 0, Call<&F::MenuSmoothCellsClick>},
    EventRoute{K::Click, One<&W::MenuSelectAll>, 0, Call<&F::MenuSelectAllClick>},
    EventRoute{K::Click, One<&W::MenuClearSelection>, 0, Call<&F::MenuClearSelectionClick>},
    EventRoute{K::Change, One<&W::PageControl1>, 0, Call<&F::PageControl1Change>},

    // "+" and "-" on the map page's buttons, check boxes and view switches.
    EventRoute{K::Key, WithRole<Role::AdvanceKeys>, '+', CallKey<&F::AdvanceKeyPress>},
    EventRoute{K::Key, WithRole<Role::AdvanceKeys>, '-', CallKey<&F::AdvanceKeyPress>},

    // The 3D surface: its view controls, and the mouse turning it.
    EventRoute{K::Change, One<&W::TrackBarX>, 0, Call<&F::OnTrackXChange>},
    EventRoute{K::Change, One<&W::TrackBarY>, 0, Call<&F::OnTrackYChange>},
    EventRoute{K::Change, One<&W::TrackBarZ>, 0, Call<&F::OnTrackZChange>},
    EventRoute{K::Click, One<&W::A3DviewISO>, 0, Call<&F::A3DviewISOClick>},
    EventRoute{K::Click, One<&W::A3DviewTOP>, 0, Call<&F::A3DviewTOPClick>},
    EventRoute{K::Change, One<&W::CheckFill>, 0, Call<&F::CheckFillClick>},
    EventRoute{K::Change, One<&W::CheckColorMap>, 0, Call<&F::CheckColorMapClick>},
    EventRoute{K::MouseDown, One<&W::Graf3DAdv>, 0,
               [](F& f, UserEvent& e, int) { f.G3DAdvMouseDown(e.button, e.x, e.y); }},
    EventRoute{K::MouseMove, One<&W::Graf3DAdv>, 0,
               [](F& f, UserEvent& e, int) { f.G3DAdvMouseMove(e.x, e.y); }},
    EventRoute{K::MouseUp, One<&W::Graf3DAdv>, 0,
               [](F& f, UserEvent& e, int) { f.G3DAdvMouseUp(e.button, e.x, e.y); }},
    EventRoute{K::MouseLeave, One<&W::Graf3DAdv>, 0, Call<&F::G3DAdvMouseLeave>},
    // The curve graph: press and release of the left button, every move, leaving it. The
    // window's wheel (screen position) steps what the visible map view points at.
    EventRoute{K::MouseDown, One<&W::GrafAdv>, 0,
               [](F& f, UserEvent& e, int) {
                   if (e.button == kButtonLeft) f.GrafAdvMouseDown(e.x, e.y);
               }},
    EventRoute{K::MouseMove, One<&W::GrafAdv>, 0,
               [](F& f, UserEvent& e, int) { f.GrafAdvMouseMove(e.x, e.y); }},
    EventRoute{K::MouseUp, One<&W::GrafAdv>, 0,
               [](F& f, UserEvent& e, int) {
                   if (e.button == kButtonLeft) f.GrafAdvMouseUp(e.x, e.y);
                   if (e.button == kButtonRight) f.ShowMapMenu(*e.sender, e.x, e.y);
               }},
    EventRoute{K::MouseLeave, One<&W::GrafAdv>, 0, Call<&F::GrafAdvMouseLeave>},
    EventRoute{K::Wheel, One<&W::FormHlav>, 0,
               [](F& f, UserEvent& e, int) {
                   e.handled = f.WheelDispatch(e.wheelDelta, e.x, e.y);
               }},
};

// Choosing the entry of a list or radio group that is already chosen changes nothing, so it
// must not run the change pipeline (and with it, perhaps, a Program).
bool ChoosesTheSameAgain(const UserEvent& e) {
    switch (e.sender->Kind()) {
        case ControlKind::ComboBox:
            return static_cast<const ComboBox&>(*e.sender).ItemIndex() == e.index;
        case ControlKind::RadioGroup:
            return static_cast<const RadioGroup&>(*e.sender).ItemIndex() == e.index;
        default:
            return false;
    }
}

}  // namespace

std::span<const EventRoute> EventRoutes() {
    return kRoutes;
}

bool DispatchEvent(TFormHlav& form, UserEvent& event) {
    if (event.sender == nullptr) return false;
    if (event.kind == EventKind::Change) {
        if (ChoosesTheSameAgain(event)) return false;
        TakeValue(event);
    }
    for (const EventRoute& route : kRoutes) {
        if (route.kind != event.kind) continue;
        if (route.key != 0 && route.key != event.key) continue;
        const int index = route.match(form.window, *event.sender);
        if (index < 0) continue;
        route.run(form, event, index);
        return true;
    }
    return false;
}

void TFormHlav::HandleEvent(UserEvent& event) {
    DispatchEvent(*this, event);
    UpdateUnitState();
}

void TFormHlav::PaintSurface(const ImageSurface& surface, Canvas& canvas) const {
    if (&surface == &window.Graf3DAdv || &surface == &window.CMap3DAdv) {
        PaintSurfaceView(surface, canvas);
        return;
    }
    if (&surface == &window.ImageSelect) {
        PaintGridSelection(canvas);
        return;
    }
    if (&surface == &window.GrafAdv && graph2d.hasImage) {
        const LiveMapPoint live = LiveMap();
        const CurveScene scene{graph2d, image, selection, live};
        if (image.TpsMapFlag() != 0) {
            DrawCurveMap(canvas, scene);
        } else {
            DrawSingleCurve(canvas, scene);
        }
        return;
    }
    // The selection image lies under the grid unframed; the graphs and the colour scale get a
    // thin frame.
    PaintBlankSurface(canvas, surface.Color(), &surface != &window.ImageSelect);
}

}  // namespace orvell
