// Writes a picture of each page of the main window, as the program starts:
//   screenshots <folder> [language argument] [suffix]
// The port is whatever COM1 maps to (ORVELL_COM1), so the pictures show a connected simulated
// unit or none. The settings live in a fresh folder. Not a test; it is how the pictures in
// docs/screenshots are made and looked at.
#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QStyleFactory>
#include <cstdlib>
#include <filesystem>

#include "qt/front.h"

namespace {

// Runs the event loop, and with it the tick, for a while.
void RunFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Send(orvell::TFormHlav& form, orvell::EventKind kind, orvell::Control& sender) {
    orvell::UserEvent event;
    event.kind = kind;
    event.sender = &sender;
    form.HandleEvent(event);
}

// The 3D surface as the user turns and switches it: ISO, TOP, without fill and colours, and
// with a marked rectangle. Returns the number of pictures that could not be written.
int SurfaceShots(orvell::Front& front, const QString& folder, const QString& suffix) {
    using orvell::EventKind;
    orvell::TFormHlav& form = front.form;
    orvell::WindowModel& w = form.window;
    w.PageControl1.SetActivePageIndex(orvell::kPageAdvance);
    Send(form, EventKind::Click, w.AMapModeGraph3D);
    QWidget* box = front.window->Bindings().WidgetOf(w.Graf3DAdv)->parentWidget();
    int failures = 0;
    const auto shot = [&](const char* name) {
        front.window->Bindings().Sync();
        RunFor(400);
        const QString file =
            QStringLiteral("%1/surface-%2-%3.png").arg(folder, QLatin1String(name), suffix);
        if (!box->grab().save(file)) ++failures;
    };
    shot("iso");
    Send(form, EventKind::Click, w.A3DviewTOP);
    shot("top");
    Send(form, EventKind::Click, w.A3DviewISO);
    Send(form, EventKind::Change, w.CheckFill);  // the events carry "unchecked"
    Send(form, EventKind::Change, w.CheckColorMap);
    shot("plain");
    orvell::UserEvent fill;
    fill.kind = EventKind::Change;
    fill.sender = &w.CheckFill;
    fill.checked = true;
    form.HandleEvent(fill);
    shot("nocolour");
    fill.sender = &w.CheckColorMap;
    form.HandleEvent(fill);
    // Rows 3..6 by columns 2..5 marked, as the grid or the curve graph would mark them.
    for (int r = 3; r <= 6; ++r) {
        for (int c = 2; c <= 5; ++c) {
            const bool corner = (r == 3 || r == 6) && (c == 2 || c == 5);
            form.selection.cellFlags[static_cast<std::size_t>(10 * r + c)] =
                static_cast<std::int16_t>(orvell::TSelcell::FlagMarked |
                                          (corner ? orvell::TSelcell::FlagCorner : 0));
        }
    }
    form.selection.state = orvell::TSelcell::SelectionPresent;
    form.editorState.redrawRequest |= orvell::kRedrawRepaint;
    shot("marked");
    return failures;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (QIcon::themeName().isEmpty()) QIcon::setThemeName(QStringLiteral("Adwaita"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString suffix = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("en");

    char pattern[] = "/tmp/orvell-shots-XXXXXX";
    const std::filesystem::path settings = ::mkdtemp(pattern);
    orvell::FormOptions options{settings, {}, nullptr};
    if (argc > 2) options.arguments.emplace_back(argv[2]);
    int failures = 0;
    {
        orvell::Front front(std::move(options));
        orvell::TFormHlav& form = front.form;
        // Show every part of the pages: servo on, the whole map in use.
        form.window.CheckBoxPrivEnable.SetChecked(true);
        form.window.CheckBoxTpsMapa.SetChecked(true);
        form.CheckBoxMouseUp();
        front.Show();
        RunFor(2500);  // the unit is found and the monitor runs
        const char* pages[] = {"misc", "bike", "advance", "servo"};
        for (int page = 0; page < 4; ++page) {
            form.window.PageControl1.SetActivePageIndex(page);
            RunFor(400);
            const QString name =
                QStringLiteral("%1/%2-%3.png").arg(folder, QLatin1String(pages[page]), suffix);
            if (!front.window->grab().save(name)) ++failures;
        }
        failures += SurfaceShots(front, folder, suffix);
        front.window->close();
    }
    std::filesystem::remove_all(settings);
    return failures == 0 ? 0 : 1;
}
