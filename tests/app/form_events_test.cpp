// User events reach their handlers through the typed event table.
#include <functional>

#include "app/form_events.h"
#include "form_test_fixture.h"

namespace orvell {
namespace {

using FormEventTest = FormTest;

UserEvent Event(EventKind kind, Control& sender) {
    UserEvent e;
    e.kind = kind;
    e.sender = &sender;
    return e;
}

// Each case sets up what the user did, builds one event and reads back the effect of its
// handler on the image or the window: the value after the event, or with `step` its change.
struct EventCase {
    const char* name;
    std::function<UserEvent(WindowModel&)> event;
    std::function<int(TFormHlav&)> effect;
    int expected;
    bool handled;
    bool step = false;
};

TEST_F(FormEventTest, EveryKindOfEventReachesItsHandler) {
    const EventCase cases[] = {
        {"spinner arrow click",
         [](WindowModel& w) {
             UserEvent e = Event(EventKind::Click, w.UpDownOmez2);
             e.up = true;
             return e;
         },
         [](TFormHlav& f) { return f.image.LimiterSpeed(); }, 111, false},
        {"column step button",
         [](WindowModel& w) {
             UserEvent e = Event(EventKind::Click, w.CSpinButton[2]);
             e.up = true;
             return e;
         },
         [](TFormHlav& f) { return f.image.MapCell(9, 2); }, 1, false, true},
        {"field check box change",
         [](WindowModel& w) {
             UserEvent e = Event(EventKind::Change, w.CheckBoxPrivEnable);
             e.checked = true;
             return e;
         },
         [](TFormHlav& f) { return f.image.ServoEnable(); }, 1, false},
        {"radio group change",
         [](WindowModel& w) {
             UserEvent e = Event(EventKind::Change, w.RadioGroupInput1);
             e.index = 1;
             return e;
         },
         [](TFormHlav& f) { return f.image.Input1Function(); }, 1, false},
        {"focus leaves an edit box",
         [](WindowModel& w) {
             w.EditPilotLight.SetText("9500");
             return Event(EventKind::Exit, w.EditPilotLight);
         },
         [](TFormHlav& f) { return f.image.ShiftLightSpeed(); }, 95, false},
        {"Enter in an edit box",
         [](WindowModel& w) {
             w.EditOmez2.SetText("12050");
             UserEvent e = Event(EventKind::Key, w.EditOmez2);
             e.key = kKeyEnter;
             return e;
         },
         [](TFormHlav& f) { return f.image.LimiterSpeed(); }, 120, true},
        {"arrow key in a box with a spinner",
         [](WindowModel& w) {
             UserEvent e = Event(EventKind::Key, w.EditOmez2);
             e.key = kKeyDown;
             return e;
         },
         [](TFormHlav& f) { return f.image.LimiterSpeed(); }, 109, true},
        {"wheel over a box with a spinner",
         [](WindowModel& w) {
             UserEvent e = Event(EventKind::Wheel, w.EditOmez2);
             e.wheelDelta = 120;
             e.focused = true;
             return e;
         },
         [](TFormHlav& f) { return f.image.LimiterSpeed(); }, 111, true},
        {"plus on a map page control",
         [](WindowModel& w) {
             w.CheckBoxIgnAll.SetChecked(true);
             UserEvent e = Event(EventKind::Key, w.BitBtnAdvPlus);
             e.key = '+';
             return e;
         },
         [](TFormHlav& f) { return f.image.MapCell(4, 4); }, 1, true, true},
        {"map view radio button",
         [](WindowModel& w) { return Event(EventKind::Click, w.AMapModeGraph); },
         [](TFormHlav& f) { return f.window.MapMode(); }, kMapModeGraph, false},
        {"menu item", [](WindowModel& w) { return Event(EventKind::Click, w.MenuGerman); },
         [](TFormHlav& f) { return f.boundedSettings.languageIndex; }, kGerman, false},
        {"Exit", [](WindowModel& w) { return Event(EventKind::Click, w.MenuExit); },
         [](TFormHlav& f) { return static_cast<int>(f.CloseRequested()); }, 1, false},
    };
    for (const EventCase& c : cases) {
        SCOPED_TRACE(c.name);
        ApplyStartupSet(form.image);
        form.RunChangePipeline();
        UserEvent event = c.event(w());
        const int before = c.effect(form);
        EXPECT_TRUE(DispatchEvent(form, event));
        EXPECT_EQ(c.effect(form) - (c.step ? before : 0), c.expected);
        EXPECT_EQ(event.handled, c.handled);
    }
}

TEST_F(FormEventTest, EventsThatMustNotChangeTheSetChangeNothing) {
    const ParamImage before = form.image;
    const int newest = form.history.Newest();
    // A press on the curve graph off every handle starts a rubber band and changes no value.
    UserEvent press = Event(EventKind::MouseDown, w().GrafAdv);
    press.button = kButtonLeft;
    EXPECT_TRUE(DispatchEvent(form, press));
    UserEvent letter = Event(EventKind::Key, w().EditOmez2);
    letter.key = 'x';
    EXPECT_FALSE(DispatchEvent(form, letter));
    EXPECT_FALSE(letter.handled);

    // A wheel turn passing over a spin box that has no focus, or one whose spinner is hidden,
    // is left for scrolling.
    UserEvent passing = Event(EventKind::Wheel, w().EditOmez2);
    passing.wheelDelta = 120;
    DispatchEvent(form, passing);
    EXPECT_FALSE(passing.handled);
    UserEvent overArrows = Event(EventKind::Wheel, w().UpDownOmez2);
    overArrows.wheelDelta = 120;
    DispatchEvent(form, overArrows);
    EXPECT_FALSE(overArrows.handled);
    w().UpDownOmez2.SetVisible(false);
    UserEvent hidden = Event(EventKind::Wheel, w().EditOmez2);
    hidden.wheelDelta = 120;
    hidden.focused = true;
    DispatchEvent(form, hidden);
    EXPECT_FALSE(hidden.handled);

    // Choosing the list entry or radio button that is already chosen is no change.
    UserEvent sameInput = Event(EventKind::Change, w().RadioGroupInput1);
    sameInput.index = w().RadioGroupInput1.ItemIndex();
    EXPECT_FALSE(DispatchEvent(form, sameInput));
    UserEvent sameBike = Event(EventKind::Change, w().ComboBoxBike);
    sameBike.index = w().ComboBoxBike.ItemIndex();
    EXPECT_FALSE(DispatchEvent(form, sameBike));
    EXPECT_TRUE(platform.questions.empty());

    // Space on a check box only toggles it; the next gather takes the state over.
    UserEvent space = Event(EventKind::Change, w().CheckBoxPrivEnable);
    space.checked = true;
    space.byKeyboard = true;
    DispatchEvent(form, space);
    EXPECT_TRUE(w().CheckBoxPrivEnable.Checked());
    EXPECT_EQ(form.image, before);
    EXPECT_EQ(form.history.Newest(), newest);
    form.GatherControls();
    EXPECT_EQ(form.image.ServoEnable(), 1);
}

TEST_F(FormEventTest, EnterTakesTheValuesWhereverTheFocusIs) {
    w().EditOmez2.SetText("12050");
    UserEvent enter = Event(EventKind::Key, w().BitBtnVerify);
    enter.key = kKeyEnter;
    EXPECT_TRUE(DispatchEvent(form, enter));
    EXPECT_TRUE(enter.handled);
    EXPECT_EQ(form.image.LimiterSpeed(), 120);
}

TEST_F(FormEventTest, AChangeTakesTheUsersValueEvenWithoutAHandler) {
    UserEvent slide = Event(EventKind::Change, w().TrackBarX);
    slide.index = 7;
    form.HandleEvent(slide);
    EXPECT_EQ(w().TrackBarX.Position(), 7);
    UserEvent page = Event(EventKind::Change, w().PageControl1);
    page.index = kPageServo;
    form.HandleEvent(page);
    EXPECT_EQ(w().PageControl1.ActivePageIndex(), kPageServo);
}

TEST(EventRoutes, EveryRouteNamesAControlOfTheWindow) {
    WindowModel window;
    for (const EventRoute& route : EventRoutes()) {
        bool found = false;
        for (const Control* c : window.AllControls()) found = found || route.match(window, *c) >= 0;
        EXPECT_TRUE(found) << "route " << (&route - EventRoutes().data());
    }
}

}  // namespace
}  // namespace orvell
