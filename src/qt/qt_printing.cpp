#include "qt/qt_printing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QMainWindow>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScrollArea>

namespace orvell {

namespace {

// A wide picture goes on a landscape page, so that it is printed as large as it can be.
QPageLayout::Orientation OrientationFor(const std::vector<QPixmap>& pages) {
    if (pages.empty()) return QPageLayout::Portrait;
    const QSize size = pages.front().deviceIndependentSize().toSize();
    return size.width() > size.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace

QPixmap GrabWindowContent(QWidget* window) {
    QWidget* content = window;
    if (auto* main = qobject_cast<QMainWindow*>(window); main && main->centralWidget()) {
        content = main->centralWidget();
    }
    if (auto* scroll = qobject_cast<QScrollArea*>(content); scroll && scroll->widget()) {
        content = scroll->widget();
    }
    // Controls shown or hidden for paper have asked their layouts to run again; let them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    return content->grab();
}

bool PaintPages(QPagedPaintDevice& device, const std::vector<QPixmap>& pages) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        const QPixmap& picture = pages[i];
        const QRect page = painter.viewport();
        const QSize fitted =
            picture.deviceIndependentSize().toSize().scaled(page.size(), Qt::KeepAspectRatio);
        painter.drawPixmap(QRect(page.topLeft(), fitted), picture);
    }
    return painter.end();
}

PrintOutcome PrintOnPrinter(const QPrinterInfo& info, const std::vector<QPixmap>& pages) {
    if (info.isNull()) return {PrintOutcome::Result::NoPrinter, {}};
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("ORVELL"));
    printer.setPageOrientation(OrientationFor(pages));
    const bool painted = PaintPages(printer, pages);
    if (!painted || printer.printerState() == QPrinter::Error) {
        return {PrintOutcome::Result::PrinterError, info.printerName().toStdString()};
    }
    return {};
}

WriteOutcome WritePdf(const std::filesystem::path& file, const std::vector<QPixmap>& pages) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&bytes);
        pdf.setTitle(QStringLiteral("ORVELL"));
        pdf.setCreator(QStringLiteral("ORVELL"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), OrientationFor(pages),
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        if (!PaintPages(pdf, pages)) return {false, "cannot draw the pages of " + file.string()};
    }
    const QByteArray& data = bytes.data();
    return WriteFileAtomically(file, std::string_view(data.constData(), std::size_t(data.size())));
}

}  // namespace orvell
