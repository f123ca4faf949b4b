// Widgets the toolkit has no exact match for: the spinner arrows that stand beside an edit box
// (and the column step buttons under the map), and the drawing surfaces of the map page.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "views/canvas.h"

namespace orvell {

// Two arrow halves: stacked (up on top) for a spinner, side by side (down left, up right) for
// a column step button. Holding a half repeats, like a desktop spinner. Never takes the focus,
// so the box being typed in keeps it.
class SpinArrows : public QWidget {
  public:
    SpinArrows(Qt::Orientation split, QWidget* parent);

    std::function<void(bool up)> onStep;
    std::function<void(int delta)> onWheel;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    bool UpHalf(QPoint at) const;
    void Step();

    Qt::Orientation split_;
    int pressed_ = 0;  // +1 up half held, -1 down half held, 0 none
    QTimer repeat_;
};

// A plain container of controls that the model shows and hides one by one. It is on screen only
// while one of its widgets is: an empty panel left standing would still take the mouse over
// whatever lies beneath it.
class ChildPanel : public QWidget {
  public:
    explicit ChildPanel(QWidget* parent) : QWidget(parent) {}

  protected:
    void childEvent(QChildEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FollowChildren();
};

// A drawing surface of the map page: `paint` draws it on the views' canvas. Its mouse and
// wheel events reach the window object through the binder.
class Surface : public QWidget {
  public:
    explicit Surface(QWidget* parent) : QWidget(parent) {}

    std::function<void(Canvas&)> paint;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvell
