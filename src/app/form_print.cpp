// The printout: the window laid out for paper (white, without the controls that only serve
// editing), with the date and time of printing in the status line, pictured page by page and
// sent to the default printer or written as a PDF file.
//
// The pages are pictured first and sent afterwards. Whatever the printer then says (no printer
// at all, an error) is told with the window already back to normal, and the user may keep the
// very same pages as a PDF file instead.
#include <array>
#include <utility>

#include "app/form_hlav.h"

namespace orvell {

namespace {

// Runs its action when the scope is left, however it is left.
template <class Action>
class AtScopeEnd {
  public:
    explicit AtScopeEnd(Action action) : action_(std::move(action)) {}
    ~AtScopeEnd() { action_(); }
    AtScopeEnd(const AtScopeEnd&) = delete;
    AtScopeEnd& operator=(const AtScopeEnd&) = delete;

  private:
    Action action_;
};

// A whole printout shows one tab per pass, so that each pass pictures one page.
struct PrintPass {
    bool bike, advance, servo;
    int page;
};
constexpr std::array<PrintPass, 4> kPrintPasses = {{
    {false, false, false, kPageRuzne},
    {true, false, false, kPageBike},
    {false, true, false, kPageAdvance},
    {false, false, true, kPageServo},
}};

}  // namespace

void TFormHlav::SpeedButtonPrintClick() {
    Printout(PrintPages::Shown, PrintTarget::Printer);
}

void TFormHlav::MenuPrintAllClick() {
    Printout(PrintPages::All, PrintTarget::Printer);
}

void TFormHlav::MenuSavePdfClick() {
    Printout(platform_.ShiftDown() ? PrintPages::All : PrintPages::Shown, PrintTarget::PdfFile);
}

void TFormHlav::Printout(PrintPages pages, PrintTarget target) {
    platform_.StartPrintout();
    CapturePrintPages(pages);
    if (target == PrintTarget::PdfFile) {
        SavePrintoutAsPdf();
        return;
    }
    const PrintOutcome outcome = platform_.PrintPages();
    if (outcome.result == PrintOutcome::Result::Printed) return;
    std::string text = outcome.result == PrintOutcome::Result::NoPrinter
                           ? texts[Msg::MsgNoPrinter]
                           : texts[Msg::MsgPrinterError];
    if (!outcome.error.empty()) text += "\n" + outcome.error;
    text += "\n\n" + texts[Msg::MsgOfferPdf];
    if (AskYesNoCancel(text) == Answer::Yes) SavePrintoutAsPdf();
}

void TFormHlav::CapturePrintPages(PrintPages pages) {
    // The heading stays in the status line for the usual time; on paper the label is white.
    if (pages == PrintPages::All) platform_.MoveFocusTo(window.BitBtnVerify);
    window.LabelHlaseni.SetCaption(texts[Msg::MsgPrintDate] + platform_.DateText() + "    " +
                                   platform_.TimeText());
    window.LabelHlaseni.SetColor(colour::kWhite);
    window.LabelHlaseni.SetVisible(true);
    window.LabelSpojeni.SetVisible(false);
    statusCountdown_ = kStatusTicks;
    window.CGaugeProgram.SetVisible(false);
    editorState.printing = true;
    // The focus leaves an edit box (which takes its value) and no caret is pictured.
    if (pages == PrintPages::Shown) platform_.MoveFocusTo(window.BitBtnVerify);

    const int activePage = window.PageControl1.ActivePageIndex();
    // Whatever happens while pictures are taken, the window comes back to normal.
    const AtScopeEnd restore([this, pages, activePage] {
        if (pages == PrintPages::All) {
            window.TabSheetRuzne.SetVisible(true);
            window.TabSheetBike.SetVisible(true);
            window.TabSheetAdvance.SetVisible(true);
            window.TabSheetServo.SetVisible(true);
            window.PageControl1.SetActivePageIndex(activePage);
        }
        editorState.printing = false;
        UpdateLayout();
        window.LabelHlaseni.SetColor(colour::kButtonFace);
    });

    if (pages == PrintPages::Shown) {
        UpdateLayout();
        platform_.CapturePrintPage();
        return;
    }
    window.TabSheetRuzne.SetVisible(true);
    for (const PrintPass& pass : kPrintPasses) {
        window.TabSheetBike.SetVisible(pass.bike);
        window.TabSheetAdvance.SetVisible(pass.advance);
        window.TabSheetServo.SetVisible(pass.servo);
        // With one tab shown that page is the active one.
        window.PageControl1.SetActivePageIndex(pass.page);
        UpdateLayout();
        platform_.CapturePrintPage();
        window.TabSheetRuzne.SetVisible(pass.page == kPageServo);
    }
}

void TFormHlav::SavePrintoutAsPdf() {
    // The dialog starts beside the parameter file, named like it.
    std::filesystem::path start = dialogFile_;
    if (start.empty()) start = defaultParamFile_;
    start.replace_extension(".pdf");
    const std::optional<std::filesystem::path> file = platform_.SavePdfDialog(start);
    if (!file) return;
    if (const WriteOutcome written = platform_.SavePagesAsPdf(*file); !written) {
        ShowMessage(texts[Msg::MsgPdfWriteError] + "\n\n" + written.error);
    }
}

}  // namespace orvell
