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
        front.window->close();
    }
    std::filesystem::remove_all(settings);
    return failures == 0 ? 0 : 1;
}
