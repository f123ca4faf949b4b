// Printed pages: pictures of the window, each scaled to fit its page with its proportions kept,
// sent to the default printer or written as one PDF file.
#pragma once

#include <QPixmap>
#include <filesystem>
#include <functional>
#include <vector>

#include <QPrinterInfo>

#include "app/platform.h"
#include "core/atomic_file.h"

class QPagedPaintDevice;
class QWidget;

namespace orvell {

// The picture of a window's content as it is shown now, with the whole of a scrolled content.
QPixmap GrabWindowContent(QWidget* window);

// Paints one picture per page; false when the device refused a page.
bool PaintPages(QPagedPaintDevice& device, const std::vector<QPixmap>& pages);

// Sends the pages to `printer` as one job (a null printer: none is installed).
PrintOutcome PrintOnPrinter(const QPrinterInfo& printer, const std::vector<QPixmap>& pages);

// Writes the pages as one PDF document, replacing the file whole or not at all.
WriteOutcome WritePdf(const std::filesystem::path& file, const std::vector<QPixmap>& pages);

}  // namespace orvell
