// The 3D surface in the real window: painted, turned by a drag and stepped by the wheel.
#include <QSlider>
#include <QWheelEvent>
#include <algorithm>

#include "qt_fixture.h"
#include "views/surface_view.h"

namespace orvell {
namespace {

TEST_F(QtWindowTest, TheSurfaceIsPaintedTurnedByADragAndItsWheelStepsTheLiveCell) {
    ShowPage(kPageAdvance);
    QTest::mouseClick(Widget(w().AMapModeGraph3D), Qt::LeftButton);
    // Tick until the unit has told the engine's speed.
    for (int i = 0; i < 300 && form.LiveMap().rpmColumn >= kMapColumns; ++i) {
        window->Tick();
    }
    const LiveMapPoint live = form.LiveMap();
    ASSERT_LT(live.rpmColumn, kMapColumns);
    QWidget* surface = Widget(w().Graf3DAdv);

    // The faces show the colours of their heights.
    const QImage picture = surface->grab().toImage();
    int coloured = 0;
    for (int y = 0; y < picture.height(); y += 4) {
        for (int x = 0; x < picture.width(); x += 4) {
            const QColor c = picture.pixelColor(x, y);
            coloured += c.saturation() > 200;
        }
    }
    EXPECT_GT(coloured, 1000);

    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(surface, QPoint(136, 100));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(136, 100));
    window->Tick();
    EXPECT_EQ(w().TrackBarX.Position(), 15);
    EXPECT_EQ(Widget<QSlider>(w().TrackBarX)->value(), 15);

    const int before = form.image.MapCell(live.throttleRow, live.rpmColumn);
    const QPoint at(200, 200);
    QWheelEvent wheel(at, surface->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(surface, &wheel);
    EXPECT_EQ(form.image.MapCell(live.throttleRow, live.rpmColumn), std::min(before + 1, 60));
}

}  // namespace
}  // namespace orvell
