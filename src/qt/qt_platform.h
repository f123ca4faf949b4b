// The desktop services the program asks for, done with Qt.
#pragma once

#include <QPixmap>
#include <QPrinterInfo>
#include <functional>
#include <vector>

#include "app/platform.h"

class QWidget;

namespace orvell {

class Binder;
class TFormAbout;

class QtPlatformServices : public PlatformServices {
  public:
    // `window` parents the dialogs and is what a printout shows. The services exist before
    // the main window does: the start-up asks them for the screen and may show messages.
    explicit QtPlatformServices(QWidget* window = nullptr) : window_(window) {}
    void SetWindow(QWidget* window) { window_ = window; }
    // The binder pushes the model before a page is pictured and finds a control's widget.
    void SetBinder(Binder* binder) { binder_ = binder; }
    // The About window made at start-up; without one a showing makes its own.
    void SetAboutWindow(TFormAbout* about) { about_ = about; }
    // The printer a printout goes to; tests stand in a printer of their own (or none).
    std::function<QPrinterInfo()> defaultPrinter = [] { return QPrinterInfo::defaultPrinter(); };

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
    void ShowTextReport(const std::string& title, const std::string& text,
                        const std::string& copyCaption) override;
    bool OpenDocument(const std::filesystem::path& path) override;
    void StartPrintout() override;
    void CapturePrintPage() override;
    PrintOutcome PrintPages() override;
    WriteOutcome SavePagesAsPdf(const std::filesystem::path& file) override;
    std::optional<std::filesystem::path> SavePdfDialog(
        const std::filesystem::path& startFile) override;
    void MoveFocusTo(const Control& control) override;
    std::optional<std::filesystem::path> SaveLogDialog(
        const std::filesystem::path& startFile) override;
    std::filesystem::path DocumentsFolder() const override;
    std::int64_t MonotonicMilliseconds() const override;
    std::string ClipboardText() const override;
    void SetClipboardText(const std::string& text) override;
    std::optional<int> AskNumber(const std::string& title, const std::string& label, int min,
                                 int max, int initial) override;
    void PopupMenu(std::span<const MenuItem* const> items, const Control& at, int x,
                   int y) override;
    std::string DateText() const override;
    std::string TimeText() const override;
    std::filesystem::path ExecutableDir() const override;

  private:
    QWidget* window_ = nullptr;
    Binder* binder_ = nullptr;
    TFormAbout* about_ = nullptr;
    std::vector<QPixmap> pages_;  // the printout in hand
};

}  // namespace orvell
