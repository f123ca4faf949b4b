#include "qt/about_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace orvell {

namespace {

// Set by the packager at build time; the default names no real site.
#ifndef ORVELL_PROJECT_ADDRESS
#define ORVELL_PROJECT_ADDRESS "https://orvell.example.org/"
#endif

// A label that closes its window when clicked.
class ClosingLabel : public QLabel {
  public:
    ClosingLabel(const QString& text, QDialog* window) : QLabel(text, window), window_(window) {
        setCursor(Qt::PointingHandCursor);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            window_->accept();
        }
    }

  private:
    QDialog* window_;
};

// The program's icon (the dial, its pointer and the spark) with the program's name beside it:
// 161 x 81 pixels.
QPixmap ProgramPicture(qreal pixelRatio) {
    const QSize size(161, 81);
    QPixmap picture(size * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // The icon's own 64 x 64 grid, centred in the picture's height.
    p.save();
    p.translate(0, 8.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x3b, 0x5a));
    p.drawRoundedRect(QRectF(4, 4, 56, 56), 10, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xe8, 0xee, 0xf4), 4));
    p.drawEllipse(QPointF(32, 32), 19, 19);
    p.setPen(QPen(QColor(0xff, 0x4a, 0x2a), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(45, 19));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xee, 0xf4));
    p.drawEllipse(QPointF(32, 32), 4, 4);
    p.setBrush(QColor(0xff, 0xd2, 0x3a, 230));
    p.drawPolygon(QPolygonF({{36, 6}, {26, 30}, {34, 30}, {28, 58}, {44, 26}, {35, 26}}));
    p.restore();
    QFont font = p.font();
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x1f, 0x3b, 0x5a));
    p.drawText(QRect(68, 0, 93, 81), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("ORVELL"));
    return picture;
}

QLabel* Place(QLabel* label, int left, int top, int fontPixels) {
    QFont font = label->font();
    font.setPixelSize(fontPixels);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->adjustSize();
    label->move(left, top);
    return label;
}

}  // namespace

QString BuildDate() {
    return QStringLiteral(ORVELL_BUILD_DATE);
}

QString BuildTime() {
    return QStringLiteral(ORVELL_BUILD_TIME);
}

TFormAbout::TFormAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FormAbout"));
    setModal(true);
    setFixedSize(kClientWidth, kClientHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    Place(label("LabelAbout", QStringLiteral("Programm for setting of ignition")), 16, 24, 16);
    auto* image = label("Image1", QString());
    image->setPixmap(ProgramPicture(devicePixelRatioF()));
    image->setGeometry(32, 72, 161, 81);
    // Who makes it: the project itself, its licence and where it lives.
    Place(label("Label2", QStringLiteral("ORVELL developers")), 32, 180, 16);
    Place(label("Label3", QStringLiteral("Free software under the MIT licence")), 32, 205, 16);
    Place(label("Label10", QStringLiteral(ORVELL_PROJECT_ADDRESS)), 32, 230, 16);
    LabelDate = Place(label("LabelDate", BuildDate()), 32, 350, 11);
    LabelTime = Place(label("LabelTime", BuildTime()), 32, 370, 11);
    LabelRsKey =
        Place(label("LabelRsKey", QStringLiteral("Version - %1").arg(ORVELL_VERSION_NUMBER)), 32,
              391, 11);
    LabelExit = Place(new ClosingLabel(QStringLiteral("OK"), this), 272, 368, 23);
    LabelExit->setObjectName(QStringLiteral("LabelExit"));

    // Centred on the screen, each halving truncated toward zero.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + area.width() / 2 - kClientWidth / 2,
             area.y() + area.height() / 2 - kClientHeight / 2);
    }
}

void TFormAbout::ShowModal(std::string_view title) {
    setWindowTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    exec();
}

}  // namespace orvell
