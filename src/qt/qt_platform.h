// The desktop services the program asks for, done with Qt.
#pragma once

#include <functional>
#include <utility>

#include "app/platform.h"

class QWidget;

namespace orvell {

class QtPlatformServices : public PlatformServices {
  public:
    // `window` parents the dialogs and is what a printout shows. The services exist before
    // the main window does: the start-up asks them for the screen and may show messages.
    explicit QtPlatformServices(QWidget* window = nullptr) : window_(window) {}
    void SetWindow(QWidget* window) { window_ = window; }
    // How the widget of a control is found (the window's bindings); the pointer warp needs it.
    void SetWidgetLookup(std::function<QWidget*(const Control&)> lookup) {
        widgetOf_ = std::move(lookup);
    }

    void ShowMessage(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    void ShowError(const std::string& text, const std::string& caption) override;
    std::optional<std::filesystem::path> OpenFileDialog(
        const std::filesystem::path& startFile) override;
    std::optional<std::filesystem::path> SaveFileDialog(
        const std::filesystem::path& startFile) override;
    bool ShiftDown() const override;
    bool CtrlDown() const override;
    void SetPointerPos(int x, int y) override;
    ScreenPoint MapFromScreen(const Control& control, int x, int y) const override;
    void WarpPointer(const Control& surface, int x, int y) override;
    ScreenSize Screen() const override;
    std::vector<ScreenArea> ScreenAreas() const override;
    void ShowAboutWindow(std::string_view title) override;
    bool OpenDocument(const std::filesystem::path& path) override;
    bool PrintWindowImage() override;
    std::string DateText() const override;
    std::string TimeText() const override;
    std::filesystem::path ExecutableDir() const override;

  private:
    QWidget* window_ = nullptr;
    std::function<QWidget*(const Control&)> widgetOf_;
};

}  // namespace orvell
