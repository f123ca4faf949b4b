// Print, Print all and Save as PDF: what each pictured page shows, and that the window always
// comes back to normal, whatever the printer says.
#include <stdexcept>

#include "shell_fixture.h"

namespace orvell {
namespace {

using testing::ShellTest;

// The window as one pictured page shows it.
struct PageSeen {
    bool printing;
    Colour background;
    std::string heading;
    Colour headingColour;
    bool headingShown, noConnectionShown, gaugeShown, toolBarShown, progHnedShown;
    int activePage;
    int tabsShown;
};

class PrintTest : public ShellTest {
  protected:
    void SetUp() override {
        Start();
        platform.duringCapture = [this] {
            WindowModel& m = w();
            seen.push_back(
                {form->editorState.printing, m.FormHlav.Color(), m.LabelHlaseni.Caption(),
                 m.LabelHlaseni.Color(), m.LabelHlaseni.Visible(), m.LabelSpojeni.Visible(),
                 m.CGaugeProgram.Visible(), m.GroupBoxToolBar.Visible(),
                 m.CheckBoxProgHned.Visible(), m.PageControl1.ActivePageIndex(), TabsShown()});
        };
        // A unit that has gone silent and a transfer's gauge: neither belongs on paper.
        w().LabelSpojeni.SetVisible(true);
        w().CGaugeProgram.SetVisible(true);
    }
    int TabsShown() {
        return int{w().TabSheetRuzne.Visible()} + int{w().TabSheetBike.Visible()} +
               int{w().TabSheetAdvance.Visible()} + int{w().TabSheetServo.Visible()};
    }
    // The window after a printout, whatever became of it: normal colours, editing controls back.
    void ExpectWindowBackToNormal(int activePage) {
        EXPECT_FALSE(form->editorState.printing);
        EXPECT_EQ(w().FormHlav.Color(), colour::kButtonFace);
        EXPECT_EQ(w().LabelHlaseni.Color(), colour::kButtonFace);
        EXPECT_TRUE(w().GroupBoxToolBar.Visible());
        EXPECT_TRUE(w().CheckBoxProgHned.Visible());
        EXPECT_EQ(TabsShown(), 4);
        EXPECT_EQ(w().PageControl1.ActivePageIndex(), activePage);
    }

    std::vector<PageSeen> seen;
};

TEST_F(PrintTest, PrintPicturesTheShownPageLaidOutForPaper) {
    w().PageControl1.SetActivePageIndex(kPageAdvance);
    form->SpeedButtonPrintClick();

    ASSERT_EQ(seen.size(), 1u);
    const PageSeen& page = seen[0];
    EXPECT_TRUE(page.printing);
    EXPECT_EQ(page.background, colour::kWhite);
    EXPECT_EQ(page.heading, "Date and time of printing:  11.12.2026    08:00:00");
    EXPECT_EQ(page.headingColour, colour::kWhite);
    EXPECT_TRUE(page.headingShown);
    EXPECT_FALSE(page.noConnectionShown);
    EXPECT_FALSE(page.gaugeShown);
    EXPECT_FALSE(page.toolBarShown);
    EXPECT_FALSE(page.progHnedShown);
    EXPECT_EQ(page.activePage, kPageAdvance);
    EXPECT_EQ(page.tabsShown, 4);
    EXPECT_EQ(platform.focused, std::vector<const Control*>{&w().BitBtnVerify});

    EXPECT_EQ(platform.printedPages, std::vector<int>{1});
    EXPECT_TRUE(platform.questions.empty());
    ExpectWindowBackToNormal(kPageAdvance);
    // The heading stays in the status line for the usual time.
    EXPECT_EQ(w().LabelHlaseni.Caption(), page.heading);
    EXPECT_EQ(form->StatusCountdown(), kStatusTicks);
}

TEST_F(PrintTest, HeadingFollowsTheLanguage) {
    const struct {
        void (TFormHlav::*choose)();
        const char* heading;
    } cases[] = {
        {&TFormHlav::MenuGermanClick, "Zeitpunkt des Ausdruckes   11.12.2026    08:00:00"},
        {&TFormHlav::MenuCzechClick, "Datum a čas tisku:  11.12.2026    08:00:00"},
    };
    for (const auto& c : cases) {
        (form.get()->*c.choose)();
        form->SpeedButtonPrintClick();
        EXPECT_EQ(seen.back().heading, c.heading);
    }
}

TEST_F(PrintTest, PrintAllPicturesEachPageAloneAndRestoresTheActivePage) {
    w().PageControl1.SetActivePageIndex(kPageServo);
    form->MenuPrintAllClick();

    ASSERT_EQ(seen.size(), 4u);
    for (int pass = 0; pass < 4; ++pass) {
        EXPECT_EQ(seen[pass].activePage, pass);
        EXPECT_EQ(seen[pass].tabsShown, 1) << pass;
        EXPECT_TRUE(seen[pass].printing);
        EXPECT_EQ(seen[pass].background, colour::kWhite);
        EXPECT_FALSE(seen[pass].toolBarShown);
    }
    EXPECT_EQ(platform.printedPages, std::vector<int>{4});
    ExpectWindowBackToNormal(kPageServo);
}

TEST_F(PrintTest, WithoutAPrinterTheSamePagesMayBeSavedAsPdf) {
    w().PageControl1.SetActivePageIndex(kPageBike);
    platform.printOutcome = {PrintOutcome::Result::NoPrinter, {}};

    // Declined: nothing written, the window as before.
    platform.answers.push_back(Answer::No);
    form->MenuPrintAllClick();
    ASSERT_EQ(platform.questions.size(), 1u);
    EXPECT_EQ(platform.questions[0],
              "No printer is installed.\n\nSave the printout as a PDF file instead?");
    EXPECT_TRUE(platform.pdfDialogStarts.empty());
    EXPECT_TRUE(platform.pdfFiles.empty());
    ExpectWindowBackToNormal(kPageBike);

    // Accepted: the four pages go into the chosen file.
    platform.answers.push_back(Answer::Yes);
    platform.chosenFiles.push_back(folder / "sheet.pdf");
    form->MenuPrintAllClick();
    ASSERT_EQ(platform.pdfFiles.size(), 1u);
    EXPECT_EQ(platform.pdfFiles[0], std::make_pair(folder / "sheet.pdf", 4));
    ExpectWindowBackToNormal(kPageBike);

    // A printer error is told with the printer's words; a failed write is told too.
    platform.printOutcome = {PrintOutcome::Result::PrinterError, "paper jam"};
    platform.pdfOutcome = {false, "cannot write /x/sheet.pdf: Permission denied"};
    platform.answers.push_back(Answer::Yes);
    platform.chosenFiles.push_back("/x/sheet.pdf");
    form->SpeedButtonPrintClick();
    EXPECT_EQ(platform.questions.back(),
              "The printer reported an error; nothing was printed.\npaper jam\n\n"
              "Save the printout as a PDF file instead?");
    EXPECT_EQ(platform.pdfFiles.back(), std::make_pair(std::filesystem::path("/x/sheet.pdf"), 1));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0],
              "The PDF file could not be written:\n\n"
              "cannot write /x/sheet.pdf: Permission denied");
}

TEST_F(PrintTest, AFailureWhilePicturingStillRestoresTheWindow) {
    w().PageControl1.SetActivePageIndex(kPageAdvance);
    platform.duringCapture = [] { throw std::runtime_error("grab failed"); };
    EXPECT_THROW(form->MenuPrintAllClick(), std::runtime_error);
    ExpectWindowBackToNormal(kPageAdvance);
    EXPECT_TRUE(platform.printedPages.empty());
}

TEST_F(PrintTest, SaveAsPdfWritesTheShownPageOrWithShiftAllFour) {
    WriteSettingsFile("IniDir=/tmp/tunes/r6.ign\r\n");
    Start();
    for (const bool shift : {false, true}) {
        platform.shift = shift;
        platform.chosenFiles.push_back(folder / "out.pdf");
        form->MenuSavePdfClick();
        EXPECT_EQ(platform.pdfFiles.back(), std::make_pair(folder / "out.pdf", shift ? 4 : 1));
    }
    EXPECT_EQ(platform.pdfDialogStarts.back(), "/tmp/tunes/r6.pdf");
    EXPECT_TRUE(platform.printedPages.empty());
    // Cancelled: nothing written.
    form->MenuSavePdfClick();
    EXPECT_EQ(platform.pdfFiles.size(), 2u);
}

}  // namespace
}  // namespace orvell
