// Writes a picture of each page of the main window: screenshots <folder> [language 0..3].
// Not a test; it is how the pictures in docs/screenshots are made and looked at.
#include <QApplication>
#include <QIcon>
#include <QStyleFactory>
#include <cstdlib>

#include "app/form_hlav.h"
#include "qt/command_table.h"
#include "qt/interim_start.h"
#include "qt/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (QIcon::themeName().isEmpty()) QIcon::setThemeName(QStringLiteral("Adwaita"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const int language = argc > 2 ? std::atoi(argv[2]) : 0;
    const char* suffix[] = {"en", "de", "fr", "cz"};

    orvell::TFormHlav form;
    orvell::CommandTable commands;
    orvell::MessageTexts texts;
    orvell::InterimStart(form, language, texts);
    // Show every part of the pages: servo on, the whole map in use.
    form.window.CheckBoxPrivEnable.SetChecked(true);
    form.window.CheckBoxTpsMapa.SetChecked(true);
    form.CheckBoxMouseUp();
    orvell::MainWindow window(form, commands);
    window.show();
    const orvell::ParamImage saved = form.image;
    const char* pages[] = {"misc", "bike", "advance", "servo"};
    for (int page = 0; page < 4; ++page) {
        form.window.PageControl1.SetActivePageIndex(page);
        window.Bindings().Sync();
        QApplication::processEvents();
        const bool saved = window.grab().save(
            QStringLiteral("%1/%2-%3.png")
                .arg(folder, QLatin1String(pages[page]), QLatin1String(suffix[language & 3])));
        if (!saved) return 1;
    }
    // The bike page with the synchronisation open for editing: the special entry, one lobe,
    // four outputs.
    {
        orvell::ParamImage special = form.image;
        special.SetBikeCode(22);
        special.SetSyncMethod(0);
        special.SetChannelCount(4);
        form.image = special;
        form.RunChangePipeline();
        form.window.PageControl1.SetActivePageIndex(1);
        window.Bindings().Sync();
        QApplication::processEvents();
        const QString name = QStringLiteral("%1/bike-special-%2.png")
                                 .arg(folder)
                                 .arg(QLatin1String(suffix[language & 3]));
        if (!window.grab().save(name)) return 1;
        form.image = saved;
        form.RunChangePipeline();
    }

    // The map page in its 2D and 3D views.
    form.window.PageControl1.SetActivePageIndex(2);
    for (const int mode : {1, 2}) {
        form.window.SetMapMode(mode);
        form.AMapFormClick();
        window.Bindings().Sync();
        QApplication::processEvents();
        const QString name = QStringLiteral("%1/advance-%2d-%3.png")
                                 .arg(folder)
                                 .arg(mode + 1)
                                 .arg(QLatin1String(suffix[language & 3]));
        if (!window.grab().save(name)) return 1;
    }
    return 0;
}
