// The real program on the offscreen platform, started as `main` starts it: in a settings folder
// of its own, on an in-process line to a simulated unit whose answers arrive with the next tick.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link_fakes.h"
#include "qt/front.h"
#include "temp_folder.h"

namespace orvell {

inline void EnsureApplication() {
    if (QApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "qt_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    (void)app;
}

// The device map must not be pointed elsewhere by the machine running the tests.
inline void ForgetPortOverrides() {
    for (int com = 1; com <= kComPortCount; ++com) {
        ::unsetenv(("ORVELL_COM" + std::to_string(com)).c_str());
    }
}

// Sees every user event on its way to the window object. `swallow` may keep an event from it
// and mark it used, as a handler would.
struct EventRecorder final : UserEventSink {
    explicit EventRecorder(TFormHlav& form) : form(form) {}
    void HandleEvent(UserEvent& event) override {
        seen.push_back(event);
        seen.back().text = {};  // the text lives only as long as the event
        if (swallow && swallow(event)) {
            event.handled = true;
            return;
        }
        form.HandleEvent(event);
    }
    // The events of one kind, in order.
    std::vector<UserEvent> Of(EventKind kind) const {
        std::vector<UserEvent> found;
        for (const UserEvent& e : seen) {
            if (e.kind == kind) found.push_back(e);
        }
        return found;
    }

    TFormHlav& form;
    std::vector<UserEvent> seen;
    std::function<bool(const UserEvent&)> swallow;
};

class QtWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    QtWindowTest() {
        // The unit answers what the previous tick sent, then the window ticks.
        window->SetTickHandler([this] {
            line.DeliverTick();
            form.Timer1Timer();
        });
        window->show();
        QApplication::setActiveWindow(window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    }

    template <class W = QWidget>
    W* Widget(const Control& control) {
        auto* widget = qobject_cast<W*>(window->Bindings().WidgetOf(control));
        EXPECT_NE(widget, nullptr) << control.Name();
        return widget;
    }
    WindowModel& w() { return form.window; }
    void ShowPage(int page) {
        w().PageControl1.SetActivePageIndex(page);
        window->Bindings().Sync();
    }

    testing::TempFolder folder;
    sim::SimulatedUnit unit;
    testing::UnitLine line{unit};
    std::unique_ptr<Front> front = [this] {
        ForgetPortOverrides();
        return std::make_unique<Front>(FormOptions{folder.Path(), {}, &line});
    }();
    TFormHlav& form = front->form;
    MainWindow* window = front->window.get();
};

}  // namespace orvell
