// Everything the program needs from the desktop. The Qt front implements it; tests use a fake
// that records what was asked. Keeping it this small is what lets the whole program run headless.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/atomic_file.h"

namespace orvell {

class Control;
class MenuItem;

enum class Answer { Yes, No, Cancel };

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// The part of a screen a window may cover (without the desktop's panels), in screen pixels.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What became of a printout sent to the printer.
struct PrintOutcome {
    enum class Result { Printed, NoPrinter, PrinterError };
    Result result = Result::Printed;
    std::string error;  // the printer's own words, when it gave any
};

class PlatformServices {
  public:
    virtual ~PlatformServices() = default;

    // Modal boxes; the 55 ms tick keeps running while they are open.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
    // An error: the error icon, an OK button and a caption of its own.
    virtual void ShowError(const std::string& text, const std::string& caption) = 0;

    // File dialogs for parameter files. `startFile` is the full path the dialog begins with.
    // The save dialog asks before overwriting. Empty result: the user cancelled.
    virtual std::optional<std::filesystem::path> OpenFileDialog(
        const std::filesystem::path& startFile) = 0;
    virtual std::optional<std::filesystem::path> SaveFileDialog(
        const std::filesystem::path& startFile) = 0;

    // Keyboard state polled by the map views and the tool-bar buttons (left or right key).
    virtual bool ShiftDown() const = 0;
    virtual bool CtrlDown() const = 0;

    // Pointer warp in screen coordinates, and the screen's size for centring the window.
    virtual void SetPointerPos(int x, int y) = 0;
    // A screen position in the pixels of a control (its top-left corner is 0, 0).
    virtual ScreenPoint MapFromScreen(const Control& control, int x, int y) const = 0;
    // Pointer warp to (x, y) in the pixels of a drawing surface of the window.
    virtual void WarpPointer(const Control& surface, int x, int y) = 0;
    virtual ScreenSize Screen() const = 0;
    // The available area of every present screen, the primary one first. By default the whole
    // of the one screen `Screen` reports.
    virtual std::vector<ScreenArea> ScreenAreas() const {
        const ScreenSize size = Screen();
        return {ScreenArea{0, 0, size.width, size.height}};
    }

    // A text the user reads and may copy (a list of differences), in a modal dialog with a
    // button that copies all of it; returns when it is closed.
    virtual void ShowTextReport(const std::string& title, const std::string& text,
                                const std::string& copyCaption) = 0;

    // Shows the About window modally with this title; returns when it is closed.
    virtual void ShowAboutWindow(std::string_view title) = 0;

    // Opens a document (the user manual) with the desktop's default program.
    virtual bool OpenDocument(const std::filesystem::path& path) = 0;

    // Printing. A printout is pictured first and sent afterwards, so that whatever the printer
    // says is told with the window back to normal: `StartPrintout` forgets the pages of the last
    // one, `CapturePrintPage` shows the window model as it is now and keeps a picture of the
    // window as the next page. The pages then go to the default printer (each scaled to fit its
    // page with its proportions kept) or into one PDF file.
    virtual void StartPrintout() = 0;
    virtual void CapturePrintPage() = 0;
    virtual PrintOutcome PrintPages() = 0;
    virtual WriteOutcome SavePagesAsPdf(const std::filesystem::path& file) = 0;
    // The save dialog for a PDF file; it appends ".pdf" and asks before overwriting.
    virtual std::optional<std::filesystem::path> SavePdfDialog(
        const std::filesystem::path& startFile) = 0;
    // Moves the keyboard focus to a control of the window, as a click on it would.
    virtual void MoveFocusTo(const Control& control) = 0;

    // The live log: the save dialog for a CSV file (it appends ".csv" and asks before
    // overwriting), the folder it starts in, and a monotonic clock in milliseconds.
    virtual std::optional<std::filesystem::path> SaveLogDialog(
        const std::filesystem::path& startFile) = 0;
    virtual std::filesystem::path DocumentsFolder() const = 0;
    virtual std::int64_t MonotonicMilliseconds() const = 0;
    // The clipboard's plain text (empty when it holds none), and replacing it.
    virtual std::string ClipboardText() const = 0;
    virtual void SetClipboardText(const std::string& text) = 0;
    // A small modal box asking for a whole number in min..max, starting at `initial`;
    // nullopt when the user cancelled.
    virtual std::optional<int> AskNumber(const std::string& title, const std::string& label,
                                         int min, int max, int initial) = 0;
    // Pops up a menu of these menu items (a separator item draws a line) at (x, y) in the pixels
    // of a control; choosing an item clicks it as the menu bar would. Returns at once.
    virtual void PopupMenu(std::span<const MenuItem* const> items, const Control& at, int x,
                           int y) = 0;

    // Date and time in the user's short date and long time formats.
    virtual std::string DateText() const = 0;
    virtual std::string TimeText() const = 0;

    // Folder of the running executable, with a trailing separator.
    virtual std::filesystem::path ExecutableDir() const = 0;
};

}  // namespace orvell
