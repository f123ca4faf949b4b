// The window shows what the model says, and real widget events reach the handlers.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>
#include <fstream>

#include "qt_fixture.h"

namespace orvell {
namespace {

// Clicks the upper (or right) half of a pair of arrows.
void ClickArrow(QWidget* arrows, bool up, bool sideBySide = false) {
    const QPoint at =
        sideBySide
            ? QPoint(up ? arrows->width() * 3 / 4 : arrows->width() / 4, arrows->height() / 2)
            : QPoint(arrows->width() / 2, up ? arrows->height() / 4 : arrows->height() * 3 / 4);
    QTest::mouseClick(arrows, Qt::LeftButton, {}, at);
}

void TypeInto(QLineEdit* edit, const QString& text) {
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

TEST_F(QtWindowTest, ShowsWhatTheModelSays) {
    // Hidden is hidden, greyed is disabled: no servo, no clutch master in the start set.
    EXPECT_TRUE(Widget(w().GroupBoxPrivera)->isHidden());
    EXPECT_FALSE(Widget(w().EditClutchTime)->isEnabled());
    EXPECT_TRUE(Widget(w().UpDownClutchTime)->isHidden());
    EXPECT_FALSE(Widget(w().ComboBoxSynchro)->isEnabled());
    EXPECT_EQ(Widget<QLineEdit>(w().EditOmez2)->text(), QStringLiteral("11,000"));

    w().LabelRpm.SetColor(0x0000FFFF);      // yellow
    w().EditCell[37].SetColor(0x0000FF00);  // lime
    w().LabelTpsMon.SetCaption("TP= 42 [%]= 2100 [mV]");
    window->Bindings().Sync();
    auto* rpm = Widget<QLabel>(w().LabelRpm);
    EXPECT_TRUE(rpm->autoFillBackground());
    EXPECT_EQ(rpm->palette().color(QPalette::Window), QColor(255, 255, 0));
    EXPECT_EQ(Widget(w().EditCell[37])->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(Widget<QLabel>(w().LabelTpsMon)->text(), QStringLiteral("TP= 42 [%]= 2100 [mV]"));

    // "Programming after change" is red while it is on.
    auto* program = Widget(w().CheckBoxProgHned);
    QTest::mouseClick(program, Qt::LeftButton, {}, QPoint(6, program->height() / 2));
    EXPECT_EQ(program->palette().color(QPalette::Window), QColor(255, 0, 0));
    const QImage shown = program->grab().toImage();
    EXPECT_EQ(shown.pixel(shown.width() - 2, shown.height() / 2), QColor(255, 0, 0).rgb());

    // Back to the system colour: the label no longer paints a background of its own.
    w().LabelRpm.SetColor(colour::kButtonFace);
    window->Bindings().Sync();
    EXPECT_FALSE(rpm->autoFillBackground());
}

TEST_F(QtWindowTest, AGreyedLampLosesItsLiveColour) {
    w().LabelMonSnimac1.SetColor(colour::kLime);
    window->Bindings().Sync();
    auto* lamp = Widget(w().LabelMonSnimac1);
    auto centre = [lamp] {
        const QImage shown = lamp->grab().toImage();
        return QColor(shown.pixel(shown.width() - 3, shown.height() / 2));
    };
    EXPECT_EQ(centre(), QColor(0, 255, 0));
    w().LabelMonSnimac1.SetEnabled(false);
    window->Bindings().Sync();
    EXPECT_LT(centre().green() - centre().red(), 128);  // no longer a lit green
}

TEST_F(QtWindowTest, PushesOnlyWhatChanged) {
    EXPECT_EQ(window->Bindings().Sync(), 0);
    w().LabelNapeti.SetCaption("U = 13.8 [V]");
    EXPECT_EQ(window->Bindings().Sync(), 1);
    w().LabelNapeti.SetCaption("U = 13.8 [V]");  // the same text moves no revision
    EXPECT_EQ(window->Bindings().Sync(), 0);
}

TEST_F(QtWindowTest, ALanguageSwitchReachesTabsMenusAndCheckMarks) {
    auto* pages = Widget<QTabWidget>(w().PageControl1);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Miscellaneous"));
    window->Bindings().ActionOf(w().MenuGerman)->trigger();
    EXPECT_EQ(pages->tabText(0).toStdString(), w().TabSheetRuzne.Caption());
    EXPECT_NE(pages->tabText(0), QStringLiteral("Miscellaneous"));
    EXPECT_EQ(Widget<QCheckBox>(w().CheckBoxProgHned)->text().toStdString(),
              w().CheckBoxProgHned.Caption());
    EXPECT_TRUE(window->Bindings().ActionOf(w().MenuGerman)->isChecked());
    EXPECT_FALSE(window->Bindings().ActionOf(w().MenuEnglish)->isChecked());
    // Qt's own buttons speak it too.
    window->Tick();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    window->Bindings().ActionOf(w().MenuEnglish)->trigger();
    window->Tick();
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
}

TEST_F(QtWindowTest, TypingAndEnterStoreTheValue) {
    auto* limiter = Widget<QLineEdit>(w().EditOmez2);
    TypeInto(limiter, QStringLiteral("12050"));
    QTest::keyClick(limiter, Qt::Key_Return);
    EXPECT_EQ(form.image.LimiterSpeed(), 120);
    EXPECT_EQ(limiter->text(), QStringLiteral("12,000"));
    EXPECT_FALSE(limiter->hasFocus());  // Enter moves on to the next control

    // Text that is no number is taken back when the box loses the focus.
    auto* light = Widget<QLineEdit>(w().EditPilotLight);
    TypeInto(light, QStringLiteral("fast"));
    limiter->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(light->text(), QStringLiteral("9,000"));
    TypeInto(light, QStringLiteral("9500"));
    limiter->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form.image.ShiftLightSpeed(), 95);

    // Ctrl+Z in a box is the undo of the set (back before 9500), not of the typing.
    TypeInto(light, QStringLiteral("8000"));
    QTest::keyClick(light, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.image.ShiftLightSpeed(), 90);
    EXPECT_EQ(light->text(), QStringLiteral("9,000"));
}

TEST_F(QtWindowTest, ArrowsStepTheirBox) {
    ClickArrow(Widget(w().UpDownOmez2), true);
    EXPECT_EQ(form.image.LimiterSpeed(), 111);
    EXPECT_EQ(Widget<QLineEdit>(w().EditOmez2)->text(), QStringLiteral("11,100"));
    ClickArrow(Widget(w().UpDownOmez2), false);
    EXPECT_EQ(form.image.LimiterSpeed(), 110);

    // The arrow keys in a box step it as well.
    auto* base = Widget<QLineEdit>(w().EditBaseAdv);
    ShowPage(kPageAdvance);
    base->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(base, Qt::Key_Up);
    EXPECT_EQ(form.image.BaseAdvance(), 11);

    // A column step button steps all ten cells of its column.
    const std::uint8_t before = form.image.MapCell(9, 2);
    ClickArrow(Widget(w().CSpinButton[2]), true, true);
    EXPECT_EQ(form.image.MapCell(9, 2), before + 1);
}

TEST_F(QtWindowTest, TheWheelGoesToTheWindowFirstThenToTheBoxWithTheFocus) {
    EventRecorder recorder(form);
    window->Bindings().SetEventSink(recorder);
    auto turn = [](QWidget* widget) {
        const QPoint at = widget->rect().center();
        QWheelEvent wheel(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    };
    // Passing over a box without the focus changes nothing.
    auto* limiter = Widget<QLineEdit>(w().EditOmez2);
    turn(limiter);
    turn(Widget(w().UpDownOmez2));
    EXPECT_EQ(form.image.LimiterSpeed(), 110);

    limiter->setFocus(Qt::MouseFocusReason);
    recorder.seen.clear();
    turn(limiter);
    EXPECT_EQ(form.image.LimiterSpeed(), 111);  // the window does not use it: the box steps
    const auto turns = recorder.Of(EventKind::Wheel);
    ASSERT_EQ(turns.size(), 2u);
    EXPECT_EQ(turns[0].sender, &w().FormHlav);
    EXPECT_EQ(turns[0].wheelDelta, 120);
    EXPECT_EQ(QPoint(turns[0].x, turns[0].y), limiter->mapToGlobal(limiter->rect().center()));
    EXPECT_EQ(turns[1].sender, &w().EditOmez2);
    turn(Widget(w().UpDownOmez2));  // the arrows of the focused box take it too
    EXPECT_EQ(form.image.LimiterSpeed(), 112);

    // A turn the window uses never reaches the box.
    recorder.swallow = [this](const UserEvent& e) { return e.sender == &w().FormHlav; };
    turn(limiter);
    EXPECT_EQ(form.image.LimiterSpeed(), 112);
}

TEST_F(QtWindowTest, AListTakesTheWheelOnlyWithTheFocus) {
    EventRecorder recorder(form);
    window->Bindings().SetEventSink(recorder);
    // The choice would ask a question; the recorder keeps it from the window object.
    recorder.swallow = [this](const UserEvent& e) {
        return e.kind == EventKind::Change && e.sender == &w().ComboBoxBike;
    };
    ShowPage(kPageBike);
    auto* bikes = Widget<QComboBox>(w().ComboBoxBike);
    const int chosen = bikes->currentIndex();
    const QPoint at = bikes->rect().center();
    auto turn = [&] {
        QWheelEvent wheel(at, bikes->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bikes, &wheel);
    };
    turn();
    EXPECT_EQ(bikes->currentIndex(), chosen);
    EXPECT_TRUE(recorder.Of(EventKind::Change).empty());
    EXPECT_FALSE(bikes->hasFocus());

    bikes->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(bikes->hasFocus());
    ASSERT_TRUE(bikes->isEnabled());
    turn();
    const auto changes = recorder.Of(EventKind::Change);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].sender, &w().ComboBoxBike);
    EXPECT_EQ(changes[0].index, chosen + 1);
}

TEST_F(QtWindowTest, TheMouseOnASurfaceArrivesAsTypedEvents) {
    EventRecorder recorder(form);
    window->Bindings().SetEventSink(recorder);
    ShowPage(kPageAdvance);
    QTest::mouseClick(Widget(w().AMapModeGraph), Qt::LeftButton);
    QWidget* graph = Widget(w().GrafAdv);
    recorder.seen.clear();
    QTest::mousePress(graph, Qt::RightButton, Qt::ShiftModifier, QPoint(40, 50));
    QTest::mouseMove(graph, QPoint(60, 70));
    QTest::mouseRelease(graph, Qt::RightButton, Qt::ShiftModifier, QPoint(61, 71));
    // The right release opens the map's context menu; it is closed again before going on.
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->objectName(), QStringLiteral("MapContextMenu"));
    popup->close();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(graph, &leave);
    // In the Map view the window leaves the wheel to the control under the pointer.
    QTest::mouseClick(Widget(w().AMapForm), Qt::LeftButton);
    QWheelEvent wheel(QPointF(30, 20), graph->mapToGlobal(QPointF(30, 20)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(graph, &wheel);

    std::vector<UserEvent> mine;
    for (const UserEvent& e : recorder.seen) {
        if (e.sender == &w().GrafAdv) mine.push_back(e);
    }
    ASSERT_GE(mine.size(), 5u);
    EXPECT_EQ(mine[0].kind, EventKind::MouseDown);
    EXPECT_EQ(QPoint(mine[0].x, mine[0].y), QPoint(40, 50));
    EXPECT_EQ(mine[0].button, kButtonRight);
    EXPECT_EQ(mine[0].modifiers, kModShift);
    EXPECT_EQ(mine[1].kind, EventKind::MouseMove);
    EXPECT_EQ(QPoint(mine[1].x, mine[1].y), QPoint(60, 70));
    EXPECT_EQ(mine[2].kind, EventKind::MouseUp);
    EXPECT_EQ(mine[2].button, kButtonRight);
    EXPECT_EQ(mine[3].kind, EventKind::MouseLeave);
    EXPECT_EQ(mine[4].kind, EventKind::Wheel);
    EXPECT_EQ(mine[4].wheelDelta, -120);
    EXPECT_EQ(mine[4].modifiers, kModCtrl);
    EXPECT_EQ(QPoint(mine[4].x, mine[4].y), QPoint(30, 20));
}

TEST_F(QtWindowTest, ASurfaceIsPaintedFromTheModel) {
    ShowPage(kPageAdvance);
    QTest::mouseClick(Widget(w().AMapModeGraph), Qt::LeftButton);
    w().GrafAdv.SetColor(colour::kWhite);
    window->Bindings().Sync();
    QWidget* graph = Widget(w().GrafAdv);
    const QImage picture = graph->grab().toImage();
    EXPECT_EQ(picture.pixel(picture.width() / 2, picture.height() / 2), QColor(Qt::white).rgb());
    // The graph's thin frame.
    EXPECT_EQ(picture.pixel(0, picture.height() / 2), graph->palette().color(QPalette::Mid).rgb());
}

TEST_F(QtWindowTest, PlusAndMinusOnTheMapControlsStepTheAdvance) {
    ShowPage(kPageAdvance);
    QTest::mouseClick(Widget(w().CheckBoxIgnAll), Qt::LeftButton, {}, QPoint(6, 8));
    ASSERT_TRUE(w().CheckBoxIgnAll.Checked());
    const std::uint8_t before = form.image.MapCell(4, 4);
    QTest::keyClick(Widget(w().CheckBoxIgnAll), Qt::Key_Plus, Qt::NoModifier);
    EXPECT_EQ(form.image.MapCell(4, 4), before + 1);
    QTest::keyClick(Widget(w().BitBtnAdvMinus), Qt::Key_Minus, Qt::NoModifier);
    EXPECT_EQ(form.image.MapCell(4, 4), before);
}

TEST_F(QtWindowTest, ChecksRadiosAndListsReachTheirHandlers) {
    ShowPage(kPageServo);
    auto* enable = Widget(w().CheckBoxPrivEnable);
    QTest::mouseClick(enable, Qt::LeftButton, {}, QPoint(8, enable->height() / 2));
    EXPECT_EQ(form.image.ServoEnable(), 1);
    EXPECT_FALSE(Widget(w().GroupBoxPrivera)->isHidden());

    ShowPage(kPageRuzne);
    auto* input1 = Widget(w().RadioGroupInput1);
    QRadioButton* kill = input1->findChildren<QRadioButton*>().at(1);
    QTest::mouseClick(kill, Qt::LeftButton);
    EXPECT_EQ(form.image.Input1Function(), 1);
    EXPECT_TRUE(Widget(w().LabelKillSwitch)->isEnabled());

    ShowPage(kPageAdvance);
    QTest::mouseClick(Widget(w().AMapModeGraph), Qt::LeftButton);
    EXPECT_EQ(w().MapMode(), kMapModeGraph);
    EXPECT_FALSE(Widget(w().GrafAdv)->isHidden());
    EXPECT_TRUE(Widget(w().EditCell[0])->isHidden());
    EXPECT_EQ(Widget(w().GrafAdv)->geometry(), QRect(39, 12, 603, 417));
}

TEST_F(QtWindowTest, MenusToolBarAndShortcutsRunTheirCommands) {
    EventRecorder recorder(form);
    window->Bindings().SetEventSink(recorder);
    QTest::keyClick(window, Qt::Key_F9);
    EXPECT_EQ(form.Link().GetTransfer().Mode(), TransferMode::Program);
    QTest::mouseClick(Widget(w().ButtonRead), Qt::LeftButton);
    window->Bindings().ActionOf(w().MenuRead)->trigger();
    EXPECT_EQ(form.Link().GetTransfer().Mode(), TransferMode::Read);
    const auto clicks = recorder.Of(EventKind::Click);
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[0].sender, &w().MenuProgram);
    EXPECT_EQ(clicks[1].sender, &w().ButtonRead);
    EXPECT_EQ(clicks[2].sender, &w().MenuRead);

    // A port item opens its port and moves the check mark.
    QAction* com5 = window->Bindings().ActionOf(w().MenuComItem[4]);
    com5->trigger();
    EXPECT_TRUE(com5->isChecked());
    EXPECT_FALSE(window->Bindings().ActionOf(w().MenuComItem[0])->isChecked());
    EXPECT_EQ(line.openedPaths.back(), "/dev/ttyUSB4");

    // Undo on the tool bar, redo by Ctrl+Alt+Z.
    ClickArrow(Widget(w().UpDownOmez2), true);
    QTest::mouseClick(Widget(w().SpeedButtonZpet), Qt::LeftButton);
    EXPECT_EQ(form.image.LimiterSpeed(), 110);
    QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_EQ(form.image.LimiterSpeed(), 111);
}

TEST_F(QtWindowTest, KeyboardConventions) {
    // Space toggles a check box; the next gather takes it over.
    ShowPage(kPageServo);
    auto* enable = Widget(w().CheckBoxPrivEnable);
    enable->setFocus(Qt::TabFocusReason);
    QTest::keyClick(enable, Qt::Key_Space);
    EXPECT_TRUE(w().CheckBoxPrivEnable.Checked());
    EXPECT_EQ(form.image.ServoEnable(), 0);
    form.GatherControls();
    EXPECT_EQ(form.image.ServoEnable(), 1);

    // Redo answers Ctrl+Y and Ctrl+Shift+Z as well, also inside an edit box.
    ShowPage(kPageRuzne);
    for (const QKeyCombination redo :
         {QKeyCombination(Qt::ControlModifier, Qt::Key_Y),
          QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z)}) {
        ClickArrow(Widget(w().UpDownOmez2), true);
        QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
        ASSERT_EQ(form.image.LimiterSpeed(), 110);
        auto* box = Widget<QLineEdit>(w().EditPilotLight);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, redo.key(), redo.keyboardModifiers());
        EXPECT_EQ(form.image.LimiterSpeed(), 111);
        ClickArrow(Widget(w().UpDownOmez2), false);
    }
}

TEST_F(QtWindowTest, ExitClosesTheWindowAndKeepsThePageInTheSettings) {
    auto* pages = Widget<QTabWidget>(w().PageControl1);
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {},
                      pages->tabBar()->tabRect(kPageServo).center());
    EXPECT_EQ(w().PageControl1.ActivePageIndex(), kPageServo);
    window->Bindings().ActionOf(w().MenuExit)->trigger();
    EXPECT_FALSE(window->isVisible());
    // Closing ran FormClose, which wrote the settings with the page the user left open.
    const std::string settings = testing::ReadFile(folder / kSettingsFileName);
    EXPECT_NE(settings.find("PageControl1->ActivePageIndex=" + std::to_string(kPageServo)),
              std::string::npos)
        << settings;
}

TEST_F(QtWindowTest, TheTickRunsTheTimerHandlerAndShowsItsWork) {
    window->SetTickHandler([this] {
        w().LabelHlaseni.SetCaption("Program device: : OK");
        w().LabelHlaseni.SetVisible(true);
        w().CGaugeProgram.SetMaxValue(2);
        w().CGaugeProgram.SetProgress(2);
        w().CGaugeProgram.SetVisible(true);
    });
    EXPECT_TRUE(Widget(w().LabelHlaseni)->isHidden());
    window->Tick();
    EXPECT_FALSE(Widget(w().LabelHlaseni)->isHidden());
    EXPECT_EQ(Widget<QLabel>(w().LabelHlaseni)->text(), QStringLiteral("Program device: : OK"));
    EXPECT_FALSE(Widget(w().CGaugeProgram)->isHidden());
}

TEST_F(QtWindowTest, HintsGoToTheStatusBar) {
    auto* verify = Widget(w().BitBtnVerify);
    EXPECT_EQ(verify->statusTip().toStdString(), w().BitBtnVerify.Hint());
    // "short|long": the tooltip takes the short part, the status bar the long one.
    auto* rpm = Widget(w().LabelRpm1);
    EXPECT_EQ(rpm->toolTip(), QStringLiteral("Round per Minute"));
    EXPECT_EQ(rpm->statusTip(), QStringLiteral("Speed - Round per Minute"));
    ShowPage(kPageAdvance);
    QTest::mouseMove(rpm);
    QApplication::processEvents();
    EXPECT_EQ(Widget<QStatusBar>(w().StatusBar1)->currentMessage(),
              QStringLiteral("Speed - Round per Minute"));
}

}  // namespace
}  // namespace orvell

namespace orvell {
namespace {

// The offscreen screen (800 x 800) is smaller than the window's design size: a window saved far
// off every screen opens inside the screen's free area, no larger than it, and the pages scroll.
TEST(QtSmallScreen, TheWindowOpensOnTheScreenAndItsContentScrolls) {
    EnsureApplication();
    ForgetPortOverrides();
    testing::TempFolder folder;
    {
        std::ofstream ini(folder.Path() / std::string(kSettingsFileName));
        ini << "[FORM_HLAV]\nLeft=5000\nTop=-3000\nWidth=1400\nHeight=1100\n";
    }
    sim::SimulatedUnit unit;
    testing::UnitLine line{unit};
    Front front(FormOptions{folder.Path(), {}, &line});
    MainWindow& window = *front.window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(400);  // the fit waits for the frame

    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.frameGeometry()))
        << available.width() << "x" << available.height();
    auto* scroll = window.findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    // The screen is narrower than the pages: they scroll sideways.
    EXPECT_GT(scroll->horizontalScrollBar()->maximum(), 0)
        << window.width() << "x" << window.height() << " content " << scroll->widget()->height()
        << " screen " << available.width() << "x" << available.height();
    // The menu and the monitor column stay reachable: the menu is above the scrolled pages.
    EXPECT_TRUE(window.menuBar()->isVisible());
    EXPECT_GE(window.menuBar()->mapTo(&window, QPoint(0, 0)).y(), 0);
    window.close();
}

}  // namespace
}  // namespace orvell
