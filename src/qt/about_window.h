// The About window: the program's name and picture, who makes it and under which licence, and
// the version, build date and build time. Created once with the program and shown modally by
// Help > About; its title follows the language at every showing.
#pragma once

#include <QDialog>
#include <string_view>

class QLabel;

namespace orvell {

class TFormAbout : public QDialog {
  public:
    // The client area is fixed; the window is centred on the primary screen.
    static constexpr int kClientWidth = 342;
    static constexpr int kClientHeight = 420;

    explicit TFormAbout(QWidget* parent = nullptr);

    // Shows the window modally with this title and returns when it is closed.
    void ShowModal(std::string_view title);

    // The texts as set at creation: build date ("Sep  3 2010"), build time ("11:17:11") and
    // version ("Version - 75").
    QLabel* LabelDate = nullptr;
    QLabel* LabelTime = nullptr;
    QLabel* LabelRsKey = nullptr;
    QLabel* LabelExit = nullptr;  // "OK": a click closes the window
};

// The compiler's stamps of the build, as the About window shows them.
QString BuildDate();
QString BuildTime();

}  // namespace orvell
