#include "qt/qt_canvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <QString>

namespace orvell {

QtCanvas::QtCanvas(QPainter& painter, const QPalette& palette, int width, int height)
    : painter_(painter),
      palette_(palette),
      width_(width),
      height_(height),
      pen_(Qt::black),
      brush_(Qt::white),
      text_(Qt::black) {}

QColor QtCanvas::ToQColor(Colour c) const {
    if (colour::IsSystemColour(c)) {
        switch (c) {
            case colour::kWindow:
                return palette_.color(QPalette::Base);
            case colour::kButtonShadow:
                return palette_.color(QPalette::Mid);
            default:
                return palette_.color(QPalette::Window);
        }
    }
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

void QtCanvas::SetPen(Colour colour) {
    pen_ = ToQColor(colour);
}

void QtCanvas::SetBrush(Colour colour) {
    brush_ = ToQColor(colour);
    brushClear_ = false;
}

void QtCanvas::ClearBrush() {
    brushClear_ = true;
}

void QtCanvas::SetTextColour(Colour colour) {
    text_ = ToQColor(colour);
}

void QtCanvas::Outline() {
    painter_.setPen(pen_);
    if (brushClear_) {
        painter_.setBrush(Qt::NoBrush);
    } else {
        painter_.setBrush(brush_);
    }
}

void QtCanvas::FillRect(int left, int top, int right, int bottom) {
    if (brushClear_) return;
    painter_.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), brush_);
}

void QtCanvas::Rectangle(int left, int top, int right, int bottom) {
    FillRect(left, top, right, bottom);
    painter_.setPen(pen_);
    painter_.setBrush(Qt::NoBrush);
    // A one-pixel outline on the outermost pixels of the area.
    painter_.drawRect(left, top, right - left - 1, bottom - top - 1);
}

void QtCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth,
                         int cornerHeight) {
    Outline();
    painter_.drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1),
                             cornerWidth / 2.0, cornerHeight / 2.0);
}

void QtCanvas::Ellipse(int left, int top, int right, int bottom) {
    Outline();
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void QtCanvas::Polygon(std::span<const CanvasPoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const CanvasPoint& p : points) polygon << QPoint(p.x, p.y);
    Outline();
    painter_.drawPolygon(polygon);
}

void QtCanvas::Line(int x1, int y1, int x2, int y2) {
    painter_.setPen(pen_);
    painter_.drawLine(x1, y1, x2, y2);
}

void QtCanvas::Text(int x, int y, std::string_view text) {
    const QString q = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics = painter_.fontMetrics();
    if (!brushClear_) {
        painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(q), metrics.height()), brush_);
    }
    painter_.setPen(text_);
    painter_.drawText(x, y + metrics.ascent(), q);
}

int QtCanvas::TextWidth(std::string_view text) const {
    return painter_.fontMetrics().horizontalAdvance(
        QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

int QtCanvas::TextHeight() const {
    return painter_.fontMetrics().height();
}

}  // namespace orvell
