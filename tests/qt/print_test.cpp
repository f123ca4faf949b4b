// Printing into real PDF files, the About window and the built manuals.
#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <deque>

#include "app/fake_platform.h"
#include "qt/about_window.h"
#include "qt_fixture.h"

namespace orvell {
namespace {

// Answers the modal windows of a command in order, each as soon as it is open.
class ModalScript {
  public:
    using Step = std::function<bool(QWidget*)>;  // true: this window was answered
    explicit ModalScript(std::deque<Step> steps) : steps_(std::move(steps)) {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || steps_.empty()) return;
            if (steps_.front()(modal)) steps_.pop_front();
        });
        timer_.start();
    }
    bool Done() const { return steps_.empty(); }

  private:
    std::deque<Step> steps_;
    QTimer timer_;
};

ModalScript::Step Press(QMessageBox::StandardButton button) {
    return [button](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) return false;
        box->button(button)->click();
        return true;
    };
}

QString chosen;  // what the file dialog last returned

ModalScript::Step ChooseFile(const QString& path) {
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (dialog == nullptr) return false;
        const QFileInfo file(path);
        dialog->setDirectory(file.absolutePath());
        // Typed into the name box, as a user does.
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            name->setText(file.fileName());
        } else {
            dialog->selectFile(file.fileName());
        }
        chosen = dialog->selectedFiles().value(0);
        static_cast<QDialog*>(dialog)->accept();  // as its Save button does
        return true;
    };
}

// Runs a Poppler tool; its standard output.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfPages(const QString& file) {
    const QString info = Poppler(QStringLiteral("pdfinfo"), {file});
    for (const QString& line : info.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("Pages:"))) return line.mid(6).trimmed().toInt();
    }
    return 0;
}

// The first page of a PDF as a picture (about 60 pixels per inch).
QImage RenderFirstPage(const QString& file, const QString& folder) {
    const QString stem = folder + QStringLiteral("/page");
    Poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("60"), QStringLiteral("-singlefile"),
             QStringLiteral("-png"), file, stem});
    return QImage(stem + QStringLiteral(".png"));
}

bool IsWhite(QRgb pixel) {
    return qRed(pixel) > 245 && qGreen(pixel) > 245 && qBlue(pixel) > 245;
}

class PrintTest : public QtWindowTest {
  protected:
    PrintTest() {
        // No printer, whatever the machine running the tests has.
        front->platform.defaultPrinter = [] { return QPrinterInfo(); };
    }
    QString Pdf(const char* name) { return QString::fromStdString((folder / name).string()); }
    void Trigger(MenuItem& item) {
        QAction* action = window->Bindings().ActionOf(item);
        ASSERT_NE(action, nullptr);
        action->trigger();
    }
    // The window as a user sees it after a printout: its colours and editing controls back.
    void ExpectWindowAsBefore(int page) {
        auto* tabs = Widget<QTabWidget>(w().PageControl1);
        EXPECT_EQ(tabs->currentIndex(), page);
        for (int i = 0; i < tabs->count(); ++i) EXPECT_TRUE(tabs->isTabVisible(i)) << i;
        EXPECT_TRUE(Widget(w().GroupBoxToolBar)->isVisible());
        EXPECT_TRUE(Widget(w().CheckBoxProgHned)->isVisible());
        EXPECT_NE(window->palette().color(QPalette::Window), QColor(Qt::white));
        EXPECT_FALSE(form.editorState.printing);
    }
};

TEST_F(PrintTest, WithoutAPrinterThePageIsSavedAsPdfOnRequest) {
    ShowPage(kPageAdvance);
    ModalScript script({Press(QMessageBox::Yes), ChooseFile(Pdf("page.pdf"))});
    Trigger(w().MenuPrint);
    EXPECT_TRUE(script.Done());
    ASSERT_EQ(PdfPages(Pdf("page.pdf")), 1);
    ExpectWindowAsBefore(kPageAdvance);
    EXPECT_EQ(w().LabelHlaseni.Caption().rfind("Date and time of printing:  ", 0), 0u);

    // White paper and a white window on it; the map's numbers and lines are on it.
    const QImage page = RenderFirstPage(Pdf("page.pdf"), QString::fromStdString(folder.Path()));
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(IsWhite(page.pixel(page.width() / 2, page.height() - 3)));
    int inked = 0, white = 0;
    for (int y = page.height() / 10; y < page.height() / 2; ++y) {
        for (int x = page.width() / 10; x < page.width() / 2; ++x) {
            (IsWhite(page.pixel(x, y)) ? white : inked) += 1;
        }
    }
    EXPECT_GT(white, 3 * inked);
    EXPECT_GT(inked, 200);
}

TEST_F(PrintTest, PrintAllGivesFourPagesAndDecliningLeavesTheWindowAsBefore) {
    ShowPage(kPageBike);
    {
        ModalScript script({Press(QMessageBox::Yes), ChooseFile(Pdf("all.pdf"))});
        Trigger(w().MenuPrintAll);
        EXPECT_TRUE(script.Done());
    }
    EXPECT_EQ(chosen, Pdf("all.pdf"));
    EXPECT_EQ(PdfPages(Pdf("all.pdf")), 4);
    ExpectWindowAsBefore(kPageBike);

    ModalScript decline({Press(QMessageBox::No)});
    Trigger(w().MenuPrint);
    EXPECT_TRUE(decline.Done());
    EXPECT_FALSE(QFileInfo::exists(Pdf("none.pdf")));
    ExpectWindowAsBefore(kPageBike);
}

TEST_F(PrintTest, SaveAsPdfWritesTheShownPageWithoutAPrinter) {
    ShowPage(kPageServo);
    ModalScript script({ChooseFile(Pdf("sheet"))});
    Trigger(w().MenuSavePdf);
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(PdfPages(Pdf("sheet.pdf")), 1);  // the dialog added the suffix
    ExpectWindowAsBefore(kPageServo);
}

TEST_F(PrintTest, AboutWindowShowsVersionBuildStampsAndTheTitleOfTheLanguage) {
    TFormAbout& about = *front->about;
    EXPECT_EQ(about.LabelRsKey->text(), QStringLiteral("Version - 75"));
    EXPECT_EQ(about.LabelDate->text().size(), 11);
    EXPECT_EQ(about.LabelTime->text().size(), 8);
    EXPECT_EQ(about.size(), QSize(TFormAbout::kClientWidth, TFormAbout::kClientHeight));

    // The OK label closes the window; the title follows the language of each showing.
    QString title;
    QTimer::singleShot(100, [&] {
        title = QApplication::activeModalWidget()->windowTitle();
        QTest::mouseClick(about.LabelExit, Qt::LeftButton);
    });
    Trigger(w().MenuGerman);
    Trigger(w().MenuAbout);
    EXPECT_EQ(title, QStringLiteral("Über Programm ORVELL"));
    EXPECT_FALSE(about.isVisible());
}

TEST(Manuals, BuiltBesideTheProgramAndFoundFromAnotherFolder) {
    const std::filesystem::path programDir = std::filesystem::path(ORVELL_PROGRAM).parent_path();
    for (const char* language : {"en", "de", "fr", "cz"}) {
        const auto pdf = programDir / (std::string("manual_quenta_orvell_") + language + ".pdf");
        EXPECT_GE(PdfPages(QString::fromStdString(pdf.string())), 3) << pdf;
    }

    testing::TempFolder elsewhere;
    const std::filesystem::path wasWorking = std::filesystem::current_path();
    std::filesystem::current_path(elsewhere.Path());
    testing::FakePlatform platform;
    platform.executableDir = programDir / "";
    sim::SimulatedUnit unit;
    testing::UnitLine line{unit};
    TFormHlav form(platform, FormOptions{elsewhere.Path(), {}, &line});
    form.FormCreate();
    form.MenuCzechClick();
    form.MenuContensClick();
    std::filesystem::current_path(wasWorking);
    ASSERT_EQ(platform.openedDocuments.size(), 1u);
    EXPECT_EQ(platform.openedDocuments[0], programDir / "manual_quenta_orvell_cz.pdf");
    EXPECT_TRUE(platform.messages.empty());
}

}  // namespace
}  // namespace orvell
