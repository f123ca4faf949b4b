// The program: the application, the main window, the event loop. An error that escapes is
// shown in a message box before the program ends.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QStyleFactory>
#include <exception>

#include "app/form_hlav.h"
#include "i18n/catalogue.h"
#include "qt/command_table.h"
#include "qt/interim_start.h"
#include "qt/main_window.h"
#include "qt/qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ORVELL"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (QIcon::themeName().isEmpty()) QIcon::setThemeName(QStringLiteral("Adwaita"));
    try {
        orvell::TFormHlav form;
        orvell::CommandTable commands;
        orvell::PlugExistingHandlers(commands, form);
        orvell::MessageTexts texts;
        const int language = argc > 1 ? orvell::LanguageFromArgument(argv[1]).value_or(0) : 0;
        orvell::InterimStart(form, language, texts);

        orvell::MainWindow window(form, commands);
        orvell::QtPlatformServices platform(&window);
        commands.Set("MenuExitClick", [&window] { window.close(); });
        window.show();
        window.StartTimer();
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
