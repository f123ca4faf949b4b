// The curve graph on screen: a real mouse drag on it changes the map cell and its edit box.
#include <QLineEdit>

#include "qt_fixture.h"
#include "views/curve_graph.h"

namespace orvell {
namespace {

TEST_F(QtWindowTest, DraggingACurvePointChangesTheCellAndItsBox) {
    ParamImage image = form.image;
    for (int c = 0; c < kMapColumns; ++c) {
        image.SetRpmAxis(c, static_cast<std::uint8_t>(10 * (c + 1)));
        for (int r = 0; r < kMapRows; ++r) image.MapCell(r, c) = 20;
    }
    image.SetTpsMapFlag(1);
    form.image = image;
    form.RunChangePipeline();
    ShowPage(kPageAdvance);
    QTest::mouseClick(Widget(w().AMapModeGraph), Qt::LeftButton);
    ASSERT_EQ(w().MapMode(), kMapModeGraph);
    form.Timer1Timer();  // the tick computes the scales and repaints
    window->Bindings().Sync();

    QWidget* graph = Widget(w().GrafAdv);
    ASSERT_TRUE(graph->isVisible());
    ASSERT_EQ(graph->height(), 417);
    const TGraphAdv& g = form.graph2d;
    const CanvasPoint p = CurvePointAt(g, form.image, 6, 5, CurveOffset(g, true, 6));
    const int up = AdvanceToY(g, 27 + CurveOffset(g, true, 6));

    QTest::mousePress(graph, Qt::LeftButton, Qt::NoModifier, QPoint(p.x, p.y));
    QTest::mouseMove(graph, QPoint(p.x, up));
    QTest::mouseRelease(graph, Qt::LeftButton, Qt::NoModifier, QPoint(p.x, up));

    EXPECT_EQ(form.image.MapCell(6, 5), 27);
    EXPECT_EQ(form.image.MapCell(5, 5), 20);
    EXPECT_EQ(Widget<QLineEdit>(w().EditCell[65])->text(), QStringLiteral("27"));
    // One undo step takes the whole drag back.
    form.SpeedButtonZpetClick();
    window->Bindings().Sync();
    EXPECT_EQ(Widget<QLineEdit>(w().EditCell[65])->text(), QStringLiteral("20"));
}

}  // namespace
}  // namespace orvell
