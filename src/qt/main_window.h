// The main window built from the window model: menu, tool bar, the four pages, the monitor
// column, the status line and the status bar. It arranges widgets; `Binder` keeps them true to
// the model and carries the user's events to the handlers.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <QTranslator>
#include <functional>

#include "editor/seams.h"
#include "qt/binder.h"

class QBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QScrollArea;

namespace orvell {

class TFormHlav;

class MainWindow : public QMainWindow, public FocusChain {
  public:
    // The tick interval of the whole program.
    static constexpr int kTickMs = 55;

    explicit MainWindow(TFormHlav& form);
    ~MainWindow() override;

    Binder& Bindings() { return binder_; }
    // One tick: the window object's tick, then the sync. The timer calls it every 55 ms once
    // `StartTimer` ran; tests call it directly.
    void Tick();
    // Tests run their simulated line before the window object's tick, or replace the tick.
    void SetTickHandler(std::function<void()> tick) { tick_ = std::move(tick); }
    void StartTimer() { timer_.start(); }

    void FocusNextControl() override { focusNextChild(); }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildMenu();
    QWidget* BuildToolBar();
    QWidget* BuildMiscPage();
    QWidget* BuildBikePage();
    QWidget* BuildAdvancePage();
    QWidget* BuildServoPage();
    QWidget* BuildMonitor();
    void KeepBoundsInModel();
    void FollowLanguage();
    void FitToScreen();

    // Widget factories: each creates the widget of one model control and binds it.
    QLabel* MakeLabel(Label& label, QWidget* parent);
    QLineEdit* MakeEdit(EditBox& box, QWidget* parent, int width);
    QWidget* MakeSpinner(UpDown& upDown, QWidget* parent);
    // An edit box with its spinner in one row.
    QWidget* MakeSpinRow(EditBox& box, UpDown& upDown, QWidget* parent, int editWidth);
    QWidget* MakeCheck(CheckBox& box, QWidget* parent);
    QWidget* MakeButton(Button& button, QWidget* parent);
    QWidget* MakeCombo(ComboBox& list, QWidget* parent, int minimumChars);
    QWidget* MakeRadioGroup(RadioGroup& group, QWidget* parent);
    QWidget* MakeGauge(Gauge& gauge, QWidget* parent, const QColor& bar);
    // Names the widget like its control and binds it; `absolute` places it at the model's
    // pixels (the map page).
    template <class W>
    W* Bound(Control& control, W* widget, bool absolute = false);

    TFormHlav& form_;
    Binder binder_;
    std::function<void()> tick_;
    QTimer timer_;
    FocusChain* previousFocus_;
    QTranslator qtTexts_;
    QScrollArea* scroll_ = nullptr;
    bool fittedToScreen_ = false;
    bool closed_ = false;
    // How long the window manager may take to frame a newly shown window.
    static constexpr int kFrameWaitMs = 150;
    int qtLanguage_ = -1;
};

}  // namespace orvell
