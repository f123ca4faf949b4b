#include "qt/small_widgets.h"

#include "qt/qt_canvas.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>
#include <QWheelEvent>

namespace orvell {

namespace {
constexpr int kRepeatDelayMs = 400;
constexpr int kRepeatIntervalMs = 60;
}  // namespace

SpinArrows::SpinArrows(Qt::Orientation split, QWidget* parent) : QWidget(parent), split_(split) {
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    repeat_.setInterval(kRepeatDelayMs);
    QObject::connect(&repeat_, &QTimer::timeout, this, [this] {
        repeat_.setInterval(kRepeatIntervalMs);
        Step();
    });
}

QSize SpinArrows::sizeHint() const {
    return split_ == Qt::Vertical ? QSize(16, 21) : QSize(46, 16);
}

bool SpinArrows::UpHalf(QPoint at) const {
    return split_ == Qt::Vertical ? at.y() < height() / 2 : at.x() >= width() / 2;
}

void SpinArrows::Step() {
    if (pressed_ != 0 && onStep) onStep(pressed_ > 0);
}

void SpinArrows::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool vertical = split_ == Qt::Vertical;
    const QRect upRect = vertical ? QRect(0, 0, width(), height() / 2)
                                  : QRect(width() / 2, 0, width() - width() / 2, height());
    const QRect downRect = vertical ? QRect(0, height() / 2, width(), height() - height() / 2)
                                    : QRect(0, 0, width() / 2, height());
    for (const bool up : {true, false}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = up ? upRect : downRect;
        if ((up && pressed_ > 0) || (!up && pressed_ < 0))
            button.state |= QStyle::State_Sunken;
        else
            button.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = button.rect.adjusted(2, 1, -2, -1);
        style()->drawPrimitive(up ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown,
                               &arrow, &painter, this);
    }
}

void SpinArrows::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = UpHalf(event->position().toPoint()) ? 1 : -1;
    update();
    Step();
    repeat_.setInterval(kRepeatDelayMs);
    repeat_.start();
}

void SpinArrows::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = 0;
    repeat_.stop();
    update();
}

void SpinArrows::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0 || !onWheel) return;
    onWheel(delta);
    event->accept();
}

void ChildPanel::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (!event->child()->isWidgetType()) return;
    if (event->added()) event->child()->installEventFilter(this);
    if (event->removed()) FollowChildren();
}

bool ChildPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
        FollowChildren();
    }
    return QWidget::eventFilter(watched, event);
}

void ChildPanel::FollowChildren() {
    bool anyShown = false;
    for (const QObject* child : children()) {
        if (child->isWidgetType() && !static_cast<const QWidget*>(child)->isHidden()) {
            anyShown = true;
            break;
        }
    }
    if (isHidden() == anyShown) setVisible(anyShown);
}

void Surface::paintEvent(QPaintEvent*) {
    if (!paint) return;
    QPainter painter(this);
    QtCanvas canvas(painter, palette(), width(), height());
    paint(canvas);
}

}  // namespace orvell
