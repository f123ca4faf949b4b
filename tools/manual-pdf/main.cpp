// Builds the user manuals: each Markdown file becomes an A4 PDF with Qt's own Markdown reader
// and PDF writer. Pictures are taken relative to the Markdown file and fitted to the text width.
//
//   orvell-manual-pdf in.md out.pdf [in.md out.pdf ...]
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kResolution = 300;  // dots per inch of the PDF's pictures

// Loads every picture relative to the Markdown file and shrinks the wide ones to the text
// width, keeping their proportions. False when a picture is missing.
bool FitPictures(QTextDocument& document, qreal textWidth) {
    struct Picture {
        int position, length;
        QTextImageFormat format;
    };
    std::vector<Picture> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat()) {
                pictures.push_back({fragment.position(), fragment.length(),
                                    fragment.charFormat().toImageFormat()});
            }
        }
    }
    bool complete = true;
    for (Picture& picture : pictures) {
        const QString name = picture.format.name();
        const QImage pixels(document.baseUrl().resolved(QUrl(name)).toLocalFile());
        if (pixels.isNull()) {
            std::fprintf(stderr, "orvell-manual-pdf: missing picture %s\n", qPrintable(name));
            complete = false;
            continue;
        }
        document.addResource(QTextDocument::ImageResource, QUrl(name), pixels);
        // A screen picture is shown at half its pixels (about 130 dpi), never wider than the text.
        const qreal width = std::min<qreal>(textWidth, pixels.width() * 0.5);
        picture.format.setWidth(width);
        picture.format.setHeight(width * pixels.height() / pixels.width());
        QTextCursor cursor(&document);
        cursor.setPosition(picture.position);
        cursor.setPosition(picture.position + picture.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(picture.format);
    }
    return complete;
}

bool Build(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "orvell-manual-pdf: cannot read %s\n", qPrintable(source));
        return false;
    }
    QTextDocument document;
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(source).absolutePath() + QLatin1Char('/')));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setMarkdown(QString::fromUtf8(in.readAll()));

    QPdfWriter pdf(target);
    pdf.setTitle(document.metaInformation(QTextDocument::DocumentTitle).isEmpty()
                     ? QFileInfo(source).baseName()
                     : document.metaInformation(QTextDocument::DocumentTitle));
    pdf.setCreator(QStringLiteral("ORVELL"));
    pdf.setResolution(kResolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
    // The document is laid out in points; the text width is the page's, less its margins.
    const qreal textWidth = pdf.pageLayout().paintRect(QPageLayout::Point).width();
    if (!FitPictures(document, textWidth)) return false;
    document.print(&pdf);
    return QFileInfo(target).size() > 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.isEmpty() || args.size() % 2 != 0) {
        std::fprintf(stderr, "usage: orvell-manual-pdf in.md out.pdf [in.md out.pdf ...]\n");
        return 2;
    }
    for (qsizetype i = 0; i < args.size(); i += 2) {
        if (!Build(args[i], args[i + 1])) return 1;
    }
    return 0;
}
