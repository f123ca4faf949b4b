// The desktop services: modal boxes keep the tick running, answers come back as asked.
#include <QAbstractButton>
#include <QClipboard>
#include <QDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "qt/qt_platform.h"
#include "qt_fixture.h"

namespace orvell {
namespace {

// Presses a button of the box that is open, once it is.
void AnswerBox(QMessageBox::StandardButton button, int afterMs) {
    QTimer::singleShot(afterMs, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->button(button)->click();
    });
}

TEST_F(QtWindowTest, MessageBoxesKeepTheTickRunning) {
    // The fourth tick closes the box: the message returns only if the tick ran behind it.
    int ticks = 0;
    window->SetTickHandler([&ticks] {
        if (++ticks != 4) return;
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(QMessageBox::Ok)->click();
        }
    });
    window->StartTimer();
    QtPlatformServices platform(window);
    platform.ShowMessage("Com opening error!");
    EXPECT_GE(ticks, 4);

    AnswerBox(QMessageBox::No, 50);
    EXPECT_EQ(platform.AskYesNoCancel("Save?"), Answer::No);
    AnswerBox(QMessageBox::Cancel, 50);
    EXPECT_EQ(platform.AskYesNoCancel("Save?"), Answer::Cancel);
    AnswerBox(QMessageBox::Yes, 50);
    EXPECT_EQ(platform.AskYesNoCancel("Save?"), Answer::Yes);
}

// The list of differences: shown whole, and the copy button puts all of it on the clipboard.
TEST_F(QtWindowTest, TextReportShowsItsTextAndCopiesIt) {
    QtPlatformServices platform(window);
    const std::string text = "Differences (window -> unit):\n\nBase advance [°]: 15 -> 12";
    QString shown;
    QTimer::singleShot(50, [&shown] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shown = dialog->findChild<QPlainTextEdit*>(QStringLiteral("TextReportText"))->toPlainText();
        dialog->findChild<QPushButton*>(QStringLiteral("TextReportCopy"))->click();
        dialog->reject();
    });
    QGuiApplication::clipboard()->clear();
    platform.ShowTextReport("Compare with unit", text, "Copy");
    EXPECT_EQ(shown.toStdString(), text);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
}

TEST_F(QtWindowTest, DesktopFacts) {
    QtPlatformServices platform(window);
    const std::string dir = platform.ExecutableDir().string();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '/');
    EXPECT_GT(platform.Screen().width, 0);
    EXPECT_FALSE(platform.OpenDocument("manual_that_is_not_here.pdf"));
    EXPECT_FALSE(platform.DateText().empty());
    EXPECT_FALSE(platform.TimeText().empty());
    EXPECT_FALSE(platform.ShiftDown());
}

}  // namespace
}  // namespace orvell
