// The real main window on the offscreen platform, started as the program starts it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QStyleFactory>
#include <QTest>
#include <memory>

#include "app/form_hlav.h"
#include "qt/command_table.h"
#include "qt/interim_start.h"
#include "qt/main_window.h"

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

class QtWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    QtWindowTest() {
        InterimStart(form, 0, texts);
        PlugExistingHandlers(commands, form);
        window = std::make_unique<MainWindow>(form, commands);
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
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

    TFormHlav form;
    CommandTable commands;
    MessageTexts texts;
    std::unique_ptr<MainWindow> window;
};

}  // namespace orvell
