// The desktop as the tests see it: it records every box, dialog, document and print it is asked
// for and answers from scripted queues.
#pragma once

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/platform.h"

namespace orvell::testing {

class FakePlatform : public PlatformServices {
  public:
    void ShowMessage(const std::string& text) override {
        messages.push_back(text);
        if (duringBox) duringBox();
    }
    Answer AskYesNoCancel(const std::string& text) override {
        questions.push_back(text);
        if (duringBox) duringBox();
        if (answers.empty()) return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    void ShowError(const std::string& text, const std::string& caption) override {
        errors.emplace_back(text, caption);
        if (duringBox) duringBox();
    }
    std::optional<std::filesystem::path> OpenFileDialog(
        const std::filesystem::path& startFile) override {
        openDialogStarts.push_back(startFile);
        return Next(chosenFiles);
    }
    std::optional<std::filesystem::path> SaveFileDialog(
        const std::filesystem::path& startFile) override {
        saveDialogStarts.push_back(startFile);
        return Next(chosenFiles);
    }
    bool ShiftDown() const override { return shift; }
    bool CtrlDown() const override { return ctrl; }
    void SetPointerPos(int x, int y) override { pointer = {x, y}; }
    // Every control lies with its top-left corner at `controlOrigin` on the screen.
    ScreenPoint MapFromScreen(const Control&, int x, int y) const override {
        return {x - controlOrigin.x, y - controlOrigin.y};
    }
    void WarpPointer(const Control& surface, int x, int y) override {
        warps.push_back({&surface, x, y});
    }
    ScreenSize Screen() const override { return screen; }
    void ShowAboutWindow(std::string_view title) override { aboutTitles.emplace_back(title); }
    void ShowTextReport(const std::string& title, const std::string& text,
                        const std::string&) override {
        reports.emplace_back(title, text);
    }
    bool OpenDocument(const std::filesystem::path& path) override {
        openedDocuments.push_back(path);
        return documentOpens;
    }
    void StartPrintout() override { pages = 0; }
    void CapturePrintPage() override {
        ++pages;
        if (duringCapture) duringCapture();
    }
    PrintOutcome PrintPages() override {
        printedPages.push_back(pages);
        return printOutcome;
    }
    WriteOutcome SavePagesAsPdf(const std::filesystem::path& file) override {
        pdfFiles.emplace_back(file, pages);
        return pdfOutcome;
    }
    std::optional<std::filesystem::path> SavePdfDialog(
        const std::filesystem::path& startFile) override {
        pdfDialogStarts.push_back(startFile);
        return Next(chosenFiles);
    }
    void MoveFocusTo(const Control& control) override { focused.push_back(&control); }
    std::optional<std::filesystem::path> SaveLogDialog(
        const std::filesystem::path& startFile) override {
        logDialogStarts.push_back(startFile);
        return Next(chosenFiles);
    }
    std::filesystem::path DocumentsFolder() const override { return documentsFolder; }
    std::int64_t MonotonicMilliseconds() const override { return clockMs; }
    std::string ClipboardText() const override { return clipboard; }
    void SetClipboardText(const std::string& text) override { clipboard = text; }
    std::optional<int> AskNumber(const std::string& title, const std::string& label, int min,
                                 int max, int initial) override {
        numberQuestions.push_back({title, label, min, max, initial});
        if (numbers.empty()) return std::nullopt;
        const std::optional<int> next = numbers.front();
        numbers.pop_front();
        return next;
    }
    void PopupMenu(std::span<const MenuItem* const> items, const Control& at, int x,
                   int y) override {
        popups.push_back({std::vector<const MenuItem*>(items.begin(), items.end()), &at, x, y});
    }
    std::string DateText() const override { return "11.12.2026"; }
    std::string TimeText() const override { return "08:00:00"; }
    std::filesystem::path ExecutableDir() const override { return executableDir; }

    // Scripted answers: the next file a dialog returns (nullopt: cancelled), the next answer.
    std::deque<std::optional<std::filesystem::path>> chosenFiles;
    std::deque<Answer> answers;
    std::deque<std::optional<int>> numbers;  // the next number asked for (nullopt: cancelled)
    std::string clipboard;
    std::function<void()> duringBox;      // runs while a box is open, as the tick does
    std::function<void()> duringCapture;  // runs as each page of a printout is pictured
    PrintOutcome printOutcome;
    WriteOutcome pdfOutcome{true, {}};
    bool shift = false;
    bool ctrl = false;
    bool documentOpens = true;
    ScreenSize screen{1920, 1080};
    ScreenPoint controlOrigin{100, 200};
    std::filesystem::path executableDir = "/opt/orvell/";

    std::vector<std::string> messages;
    std::vector<std::pair<std::string, std::string>> reports;  // title, text
    std::vector<std::string> questions;
    std::vector<std::pair<std::string, std::string>> errors;  // text, caption
    std::vector<std::filesystem::path> openDialogStarts;
    std::vector<std::filesystem::path> saveDialogStarts;
    std::vector<std::filesystem::path> openedDocuments;
    std::vector<std::string> aboutTitles;
    std::pair<int, int> pointer{0, 0};
    struct Warp {
        const Control* surface;
        int x;
        int y;
    };
    std::vector<Warp> warps;
    int pages = 0;                  // pictured for the printout in hand
    std::vector<int> printedPages;  // pages sent to the printer, per printout
    std::vector<std::pair<std::filesystem::path, int>> pdfFiles;  // file and pages written
    std::vector<std::filesystem::path> pdfDialogStarts;
    std::vector<std::filesystem::path> logDialogStarts;
    std::filesystem::path documentsFolder = "/documents";
    std::int64_t clockMs = 0;  // the tests move it on
    std::vector<const Control*> focused;
    struct NumberQuestion {
        std::string title, label;
        int min, max, initial;
    };
    std::vector<NumberQuestion> numberQuestions;
    struct Popup {
        std::vector<const MenuItem*> items;
        const Control* at;
        int x, y;
    };
    std::vector<Popup> popups;

  private:
    static std::optional<std::filesystem::path> Next(
        std::deque<std::optional<std::filesystem::path>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto next = queue.front();
        queue.pop_front();
        return next;
    }
};

}  // namespace orvell::testing
