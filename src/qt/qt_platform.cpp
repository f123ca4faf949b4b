#include "qt/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTime>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>

#include "qt/about_window.h"
#include "qt/binder.h"
#include "qt/qt_printing.h"

namespace orvell {

namespace {

const QString kOpenFilter = QStringLiteral("Ignition Parametrs (*.ign);;All Files (*)");
const QString kSaveFilter = QStringLiteral("Ignition Parametrs (*.ign)");
const QString kPdfFilter = QStringLiteral("PDF (*.pdf)");
const QString kCsvFilter = QStringLiteral("CSV (*.csv)");

QString ToQ(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::optional<std::filesystem::path> RunDialog(QFileDialog& dialog) {
    // exec() runs a nested event loop, so the tick goes on while the dialog is open.
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return std::filesystem::path(dialog.selectedFiles().first().toStdString());
}

}  // namespace

void QtPlatformServices::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok, window_);
    box.exec();
}

void QtPlatformServices::ShowError(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok, window_);
    box.exec();
}

Answer QtPlatformServices::AskYesNoCancel(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, window_);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<std::filesystem::path> QtPlatformServices::OpenFileDialog(
    const std::filesystem::path& startFile) {
    QFileDialog dialog(window_, QString(), ToQ(startFile), kOpenFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // No default suffix: with "All Files" a file without ".ign" is opened as it is named.
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunDialog(dialog);
}

std::optional<std::filesystem::path> QtPlatformServices::SaveFileDialog(
    const std::filesystem::path& startFile) {
    QFileDialog dialog(window_, QString(), ToQ(startFile), kSaveFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("ign"));
    // The dialog itself asks before an existing file is overwritten (its default).
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return RunDialog(dialog);
}

bool QtPlatformServices::ShiftDown() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ShiftModifier);
}

bool QtPlatformServices::CtrlDown() const {
    return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
}

void QtPlatformServices::SetPointerPos(int x, int y) {
    QCursor::setPos(x, y);
}

ScreenPoint QtPlatformServices::MapFromScreen(const Control& control, int x, int y) const {
    const QWidget* widget = binder_ != nullptr ? binder_->WidgetOf(control) : nullptr;
    if (widget == nullptr) return {x, y};
    const QPoint local = widget->mapFromGlobal(QPoint(x, y));
    return {local.x(), local.y()};
}

void QtPlatformServices::WarpPointer(const Control& surface, int x, int y) {
    QWidget* widget = binder_ != nullptr ? binder_->WidgetOf(surface) : nullptr;
    if (widget == nullptr) return;
    QCursor::setPos(widget->mapToGlobal(QPoint(x, y)));
}

ScreenSize QtPlatformServices::Screen() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {};
    const QSize size = screen->size();
    return {size.width(), size.height()};
}

std::vector<ScreenArea> QtPlatformServices::ScreenAreas() const {
    std::vector<ScreenArea> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        const ScreenArea area{r.x(), r.y(), r.width(), r.height()};
        if (screen == primary) {
            areas.insert(areas.begin(), area);
        } else {
            areas.push_back(area);
        }
    }
    return areas;
}

void QtPlatformServices::ShowAboutWindow(std::string_view title) {
    if (about_ != nullptr) {
        about_->ShowModal(title);
        return;
    }
    TFormAbout about(window_);
    about.ShowModal(title);
}

void QtPlatformServices::ShowTextReport(const std::string& title, const std::string& text,
                                        const std::string& copyCaption) {
    QDialog dialog(window_);
    dialog.setObjectName(QStringLiteral("TextReport"));
    dialog.setWindowTitle(QString::fromStdString(title));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QPlainTextEdit(QString::fromStdString(text), &dialog);
    view->setObjectName(QStringLiteral("TextReportText"));
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton* copy =
        buttons->addButton(QString::fromStdString(copyCaption), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("TextReportCopy"));
    QObject::connect(copy, &QPushButton::clicked, &dialog,
                     [view] { QGuiApplication::clipboard()->setText(view->toPlainText()); });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    dialog.resize(640, 420);
    dialog.exec();  // a nested event loop: the tick goes on
}

bool QtPlatformServices::OpenDocument(const std::filesystem::path& path) {
    // A missing file is a failure, whatever the desktop would have said about it.
    const QFileInfo file(QDir::current(), ToQ(path));
    if (!file.isFile()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}

void QtPlatformServices::StartPrintout() {
    pages_.clear();
}

void QtPlatformServices::CapturePrintPage() {
    if (window_ == nullptr) return;
    if (binder_ != nullptr) binder_->Sync();
    pages_.push_back(GrabWindowContent(window_));
}

PrintOutcome QtPlatformServices::PrintPages() {
    return PrintOnPrinter(defaultPrinter(), pages_);
}

WriteOutcome QtPlatformServices::SavePagesAsPdf(const std::filesystem::path& file) {
    return WritePdf(file, pages_);
}

std::optional<std::filesystem::path> QtPlatformServices::SavePdfDialog(
    const std::filesystem::path& startFile) {
    QFileDialog dialog(window_, QString(), ToQ(startFile), kPdfFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return RunDialog(dialog);
}

void QtPlatformServices::MoveFocusTo(const Control& control) {
    if (binder_ == nullptr) return;
    if (QWidget* widget = binder_->WidgetOf(control)) widget->setFocus(Qt::OtherFocusReason);
}

std::optional<std::filesystem::path> QtPlatformServices::SaveLogDialog(
    const std::filesystem::path& startFile) {
    QFileDialog dialog(window_, QString(), ToQ(startFile), kCsvFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    return RunDialog(dialog);
}

std::filesystem::path QtPlatformServices::DocumentsFolder() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    return std::filesystem::path(folder.toStdString());
}

std::int64_t QtPlatformServices::MonotonicMilliseconds() const {
    static const QElapsedTimer clock = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return clock.elapsed();
}

std::string QtPlatformServices::ClipboardText() const {
    return QGuiApplication::clipboard()->text().toStdString();
}

void QtPlatformServices::SetClipboardText(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::optional<int> QtPlatformServices::AskNumber(const std::string& title, const std::string& label,
                                                 int min, int max, int initial) {
    bool ok = false;
    const int value =
        QInputDialog::getInt(window_, QString::fromStdString(title), QString::fromStdString(label),
                             initial, min, max, 1, &ok);
    if (!ok) return std::nullopt;
    return value;
}

void QtPlatformServices::PopupMenu(std::span<const MenuItem* const> items, const Control& at, int x,
                                   int y) {
    QWidget* widget = binder_ != nullptr ? binder_->WidgetOf(at) : nullptr;
    if (widget == nullptr) return;
    auto* menu = new QMenu(widget);
    menu->setObjectName(QStringLiteral("MapContextMenu"));
    for (const MenuItem* item : items) {
        if (item->IsSeparator()) {
            menu->addSeparator();
        } else if (QAction* action = binder_->ActionOf(*item)) {
            menu->addAction(action);  // the menu bar's own action: same text, state and route
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(widget->mapToGlobal(QPoint(x, y)));
}

std::string QtPlatformServices::DateText() const {
    return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
}

std::string QtPlatformServices::TimeText() const {
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
}

std::filesystem::path QtPlatformServices::ExecutableDir() const {
    std::filesystem::path dir(QCoreApplication::applicationDirPath().toStdString());
    dir /= "";  // trailing separator, as the callers join a bare file name to it
    return dir;
}

}  // namespace orvell
