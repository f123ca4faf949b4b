// The map grid with real mouse events, delivered to whatever lies under the pointer.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QWindow>
#include <set>

#include "qt_fixture.h"

namespace orvell {
namespace {

class MapGridWindowTest : public QtWindowTest {
  protected:
    MapGridWindowTest() {
        ShowPage(kPageAdvance);
        auto* tps = Widget<QCheckBox>(w().CheckBoxTpsMapa);
        if (!tps->isChecked()) {
            QTest::mouseClick(tps, Qt::LeftButton, {}, QPoint(6, tps->height() / 2));
        }
        EXPECT_TRUE(w().CheckBoxTpsMapa.Checked());
    }
    // A point of `widget` in the window's coordinates.
    QPoint At(QWidget* widget, QPoint point) const { return widget->mapTo(window, point); }
    QPoint Middle(QWidget* widget) const { return At(widget, widget->rect().center()); }
    QWindow* Screen() const { return window->windowHandle(); }
};

TEST_F(MapGridWindowTest, ABandDraggedFromBetweenTheBoxesMarksTheCellsItCrosses) {
    QWidget* image = Widget(w().ImageSelect);
    // Between the spinner of cell 0 and the box of cell 1, down to the gap after cell 22.
    const QPoint from = At(image, QPoint(64, 25));
    const QPoint to = At(image, QPoint(182, 108));
    ASSERT_EQ(window->childAt(from), image);
    QTest::mousePress(Screen(), Qt::LeftButton, {}, from);
    QTest::mouseMove(Screen(), to);
    EXPECT_EQ(form.selection.state, TSelcell::SelectionDragging);
    QTest::mouseRelease(Screen(), Qt::LeftButton, {}, to);

    std::set<int> marked;
    for (int k = 0; k < kMapCells; ++k) {
        if (form.selection.Selected(k)) marked.insert(k);
    }
    EXPECT_EQ(marked, (std::set<int>{1, 2, 11, 12, 21, 22}));
    EXPECT_TRUE(form.selection.HasRectangle());
}

// The surface view's tools share the lower right of the page with the grid; after a visit to
// the 3D view they must not stay in the way of the cells and the column buttons.
TEST_F(MapGridWindowTest, EveryCellSpinnerAndColumnButtonTakesTheMouse) {
    QTest::mouseClick(Widget(w().AMapModeGraph3D), Qt::LeftButton);
    ASSERT_EQ(w().MapMode(), kMapModeGraph3D);
    QTest::mouseClick(Widget(w().AMapForm), Qt::LeftButton);
    ASSERT_EQ(w().MapMode(), kMapModeGrid);
    for (int k = 0; k < kMapCells; ++k) {
        for (const Control* c : {static_cast<const Control*>(&w().EditCell[k]),
                                 static_cast<const Control*>(&w().UpDownCell[k])}) {
            QWidget* widget = Widget(*c);
            QWidget* found = window->childAt(Middle(widget));
            EXPECT_EQ(found, widget) << c->Name() << " lies under a "
                                     << (found ? found->metaObject()->className() : "nothing");
        }
    }
    for (const SpinButton& column : w().CSpinButton) {
        QWidget* widget = Widget(column);
        EXPECT_EQ(window->childAt(Middle(widget)), widget) << column.Name();
    }

    // A click in the former dead corner takes the focus; the last column's button steps it.
    auto* corner = Widget<QLineEdit>(w().EditCell[99]);
    QTest::mouseClick(Screen(), Qt::LeftButton, {}, Middle(corner));
    EXPECT_TRUE(corner->hasFocus());
    const std::uint8_t before = form.image.MapCell(7, 9);
    QWidget* lastColumn = Widget(w().CSpinButton[9]);
    QTest::mouseClick(
        Screen(), Qt::LeftButton, {},
        At(lastColumn, QPoint(lastColumn->width() * 3 / 4, lastColumn->height() / 2)));
    EXPECT_EQ(form.image.MapCell(7, 9), std::min(before + 1, 60));
}

}  // namespace
}  // namespace orvell

namespace orvell {
namespace {

// Keys as a tuner types them: Shift+arrows mark a block from the focused cell, Ctrl+C copies it
// to the desktop's clipboard, Ctrl+V pastes it at another cell as one undo step.
TEST_F(MapGridWindowTest, CopyAndPasteABlockThroughTheClipboardWithTheKeys) {
    for (int k = 0; k < kMapCells; ++k) {
        form.image.MapCell(k / 10, k % 10) = static_cast<std::uint8_t>(10 + k / 10 + k % 10);
    }
    form.RefreshControls();
    form.ResetHistory();
    window->Bindings().Sync();
    auto* first = Widget<QLineEdit>(w().EditCell[33]);
    QTest::mouseClick(first, Qt::LeftButton);
    ASSERT_TRUE(first->hasFocus());
    QTest::keyClick(first, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), Widget(w().EditCell[44]));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("16\t17\n17\t18\n"));

    QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\n3\t4\n"));
    auto* target = Widget<QLineEdit>(w().EditCell[77]);
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::mouseClick(Widget(w().ImageSelect), Qt::LeftButton, {}, QPoint(2, 2));  // unmark
    target->setFocus();
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form.image.MapCell(7, 7), 1);
    EXPECT_EQ(form.image.MapCell(8, 8), 4);
    EXPECT_EQ(Widget<QLineEdit>(w().EditCell[88])->text(), QStringLiteral("4"));
    QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form.image.MapCell(8, 8), 26);
}

}  // namespace
}  // namespace orvell
