// A desktop that answers nothing and a settings folder of its own, for benchmarks of the main
// window.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/platform.h"

namespace orvell {

class InertPlatform : public PlatformServices {
  public:
    void ShowMessage(const std::string&) override {}
    Answer AskYesNoCancel(const std::string&) override { return Answer::Cancel; }
    void ShowError(const std::string&, const std::string&) override {}
    std::optional<std::filesystem::path> OpenFileDialog(const std::filesystem::path&) override {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> SaveFileDialog(const std::filesystem::path&) override {
        return std::nullopt;
    }
    bool ShiftDown() const override { return false; }
    bool CtrlDown() const override { return false; }
    void SetPointerPos(int, int) override {}
    ScreenPoint MapFromScreen(const Control&, int x, int y) const override { return {x, y}; }
    void WarpPointer(const Control&, int, int) override {}
    ScreenSize Screen() const override { return {1920, 1080}; }
    void ShowAboutWindow(std::string_view) override {}
    void ShowTextReport(const std::string&, const std::string&, const std::string&) override {}
    bool OpenDocument(const std::filesystem::path&) override { return false; }
    void StartPrintout() override {}
    void CapturePrintPage() override {}
    PrintOutcome PrintPages() override { return {PrintOutcome::Result::NoPrinter, {}}; }
    WriteOutcome SavePagesAsPdf(const std::filesystem::path&) override { return {}; }
    std::optional<std::filesystem::path> SavePdfDialog(const std::filesystem::path&) override {
        return std::nullopt;
    }
    void MoveFocusTo(const Control&) override {}
    std::optional<std::filesystem::path> SaveLogDialog(const std::filesystem::path&) override {
        return logFile;
    }
    std::filesystem::path DocumentsFolder() const override { return "/nonexistent"; }
    std::int64_t MonotonicMilliseconds() const override { return clockMs; }
    std::string ClipboardText() const override { return {}; }
    void SetClipboardText(const std::string&) override {}
    std::optional<int> AskNumber(const std::string&, const std::string&, int, int, int) override {
        return std::nullopt;
    }
    void PopupMenu(std::span<const MenuItem* const>, const Control&, int, int) override {}
    std::string DateText() const override { return {}; }
    std::string TimeText() const override { return {}; }
    std::filesystem::path ExecutableDir() const override { return "/nonexistent/"; }

    std::optional<std::filesystem::path> logFile;  // what the log's save dialog answers
    std::int64_t clockMs = 0;
};

class BenchFolder {
  public:
    BenchFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvell-bench-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

}  // namespace orvell
