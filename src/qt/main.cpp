// The program: the application, the main window, the event loop. An error that escapes is
// shown in a message box before the program ends.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QSessionManager>
#include <QStyleFactory>
#include <exception>
#include <string>
#include <vector>

#include "qt/front.h"
#include "qt/stop_signals.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVELL"));
    QApplication::setApplicationVersion(QStringLiteral(ORVELL_VERSION));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("orvell")));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (QIcon::themeName().isEmpty()) QIcon::setThemeName(QStringLiteral("Adwaita"));
    try {
        orvell::FormOptions options;
        options.arguments.assign(argv + 1, argv + argc);
        orvell::Front front(std::move(options));
        const orvell::StopSignals stop(*front.window);
        // The desktop session ending closes the window like the user would.
        QObject::connect(&app, &QGuiApplication::commitDataRequest, front.window.get(),
                         [&front] { front.window->close(); });
        front.Show();
        return QApplication::exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QString::fromStdString(error.what()));
    } catch (...) {
        QMessageBox::critical(nullptr, QApplication::applicationName(),
                              QStringLiteral("Unexpected error"));
    }
    return 1;
}
