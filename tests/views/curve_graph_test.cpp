#include "views/curve_graph.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "draw_recorder.h"

namespace orvell {
namespace {

using ::testing::Contains;
using testing::DrawCall;
using testing::DrawRecorder;
using ::testing::Not;

constexpr int kWidth = 603;
constexpr int kHeight = 417;

// Breakpoints 1000..10000 rpm, limiter 9000 rpm, base 5 degrees, every row 10 + column.
ParamImage CurveImage() {
    ParamImage image;
    for (int c = 0; c < kMapColumns; ++c) {
        image.SetRpmAxis(c, static_cast<std::uint8_t>(10 * (c + 1)));
        for (int r = 0; r < kMapRows; ++r) image.MapCell(r, c) = static_cast<std::uint8_t>(10 + c);
    }
    image.SetLimiterSpeed(90);
    image.SetBaseAdvance(5);
    image.SetTpsMapFlag(1);
    return image;
}

TEST(CurveScales, RpmAxisEndsOnTheNext2500WithRoomAboveTheHighestSpeed) {
    struct Case {
        int lastBreakpoint;
        int limiter;
        int axisRpm;
    };
    for (const Case& k : {Case{100, 90, 12500}, Case{91, 90, 10000}, Case{100, 150, 17500}}) {
        ParamImage image = CurveImage();
        image.SetRpmAxis(9, static_cast<std::uint8_t>(k.lastBreakpoint));
        image.SetLimiterSpeed(static_cast<std::uint8_t>(k.limiter));
        TGraphAdv map;
        ComputeCurveScales(map, image, kWidth, kHeight);
        TGraphAdv single;
        ComputeSingleCurveScales(single, image, kWidth, kHeight);
        EXPECT_EQ(map.axisRpm, k.axisRpm) << k.lastBreakpoint << " " << k.limiter;
        EXPECT_EQ(single.axisRpm, k.axisRpm);
    }
}

TEST(CurveScales, CurveStepKeepsEightDegreesBetweenNeighbouringCurves) {
    ParamImage image = CurveImage();
    TGraphAdv g;
    ComputeCurveScales(g, image, kWidth, kHeight);
    EXPECT_EQ(g.curveStep, 10);  // no cell above the one of the row before
    // Row 0 (highest curve) is 19 at column 9, raised 9 steps: 109 -> 115.
    EXPECT_EQ(g.axisAdvance, 115);

    image.MapCell(4, 2) = static_cast<std::uint8_t>(image.MapCell(3, 2) + 8);
    ComputeCurveScales(g, image, kWidth, kHeight);
    EXPECT_EQ(g.curveStep, 20);
}

TEST(CurveScales, PlotRectangleAndSinglePrecisionScales) {
    ParamImage image = CurveImage();
    TGraphAdv g;
    ComputeSingleCurveScales(g, image, kWidth, kHeight);
    EXPECT_TRUE(g.hasImage);
    EXPECT_EQ(g.plotLeft, 35);
    EXPECT_EQ(g.plotBottom, 402);
    EXPECT_EQ(g.plotWidth, 543);
    EXPECT_EQ(g.plotHeight, 397);
    EXPECT_EQ(g.axisAdvance, 25);  // highest value 19 with 2 degrees to spare
    EXPECT_FLOAT_EQ(g.scaleX, 543.0F / 12500.0F);
    EXPECT_FLOAT_EQ(g.scaleY, 397.0F / 25.0F);
    // 5000 rpm at trunc(35 + 5000 * 0.04344) = 252.
    EXPECT_EQ(RpmToX(g, 5000), 252);
    // The end point at 12500 rpm: 577.99 truncates to 577.
    EXPECT_EQ(CurvePointAt(g, image, 9, kCurveEndPoint, 0).x, 577);
}

struct Drawn {
    DrawRecorder canvas{kWidth, kHeight};
    TGraphAdv graph;
    TSelcell selection;
    LiveMapPoint live;
};

void DrawMap(Drawn& d, const ParamImage& image, bool curveMap) {
    if (curveMap) {
        ComputeCurveScales(d.graph, image, kWidth, kHeight);
        DrawCurveMap(d.canvas, {d.graph, image, d.selection, d.live});
    } else {
        ComputeSingleCurveScales(d.graph, image, kWidth, kHeight);
        DrawSingleCurve(d.canvas, {d.graph, image, d.selection, d.live});
    }
}

TEST(CurveDrawing, SpeedLabelsEverySecondFrom15000Rpm) {
    ParamImage image = CurveImage();
    Drawn below;
    DrawMap(below, image, true);
    EXPECT_THAT(below.canvas.Texts(), Contains("1k"));
    EXPECT_THAT(below.canvas.Texts(), Contains("12k"));

    image.SetLimiterSpeed(150);  // 17500 rpm axis
    Drawn above;
    DrawMap(above, image, true);
    EXPECT_THAT(above.canvas.Texts(), Contains("16k"));
    EXPECT_THAT(above.canvas.Texts(), Not(Contains("1k")));
    EXPECT_THAT(above.canvas.Texts(), Not(Contains("17k")));
}

TEST(CurveDrawing, AdvanceLabelsOfTheActiveCurveStopAt60AndThinOutFrom40) {
    const ParamImage image = CurveImage();
    Drawn map;  // axis 115 degrees: every second label, 0..60 of the active curve
    map.graph.activeCurve = 9;
    DrawMap(map, image, true);
    for (const char* label : {"0", "10", "20", "60"})
        EXPECT_THAT(map.canvas.Texts(), Contains(label));
    for (const char* label : {"5", "65", "70"})
        EXPECT_THAT(map.canvas.Texts(), Not(Contains(label)));
    // On the right of the plot, 8 pixels above their grid line.
    const DrawCall* zero = map.canvas.FindText("0");
    ASSERT_NE(zero, nullptr);
    EXPECT_EQ(zero->x1, 35 + 543 + 5);
    EXPECT_EQ(zero->y1, 402 - 8);

    Drawn single;  // axis 25 degrees: every label, on the left
    DrawMap(single, image, false);
    for (const char* label : {"0", "5", "20", "25"}) {
        EXPECT_THAT(single.canvas.Texts(), Contains(label));
    }
    EXPECT_EQ(single.canvas.FindText("5")->x1, 35 - 20);
}

TEST(CurveDrawing, CurveLabelsAndTheLiveThrottleRowInGreen) {
    const ParamImage image = CurveImage();
    Drawn d;
    d.live.throttleRow = 3;
    DrawMap(d, image, true);
    const DrawCall* live = d.canvas.FindText("10%");
    const DrawCall* other = d.canvas.FindText("100%");
    ASSERT_NE(live, nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(live->brush, graph_colour::kLive);
    EXPECT_EQ(other->brush, colour::kButtonFace);
    // Right-aligned 5 pixels left of the plot.
    EXPECT_EQ(other->x2, 35 - 5);

    Drawn single;
    DrawMap(single, image, false);
    EXPECT_EQ(single.canvas.FindText("100%"), nullptr);
}

TEST(CurveDrawing, LiveSpeedLineAndCirclesOnlyWithASpeed) {
    const ParamImage image = CurveImage();
    for (const bool curveMap : {true, false}) {
        Drawn idle;
        DrawMap(idle, image, curveMap);
        EXPECT_EQ(idle.canvas.Count(DrawCall::Line, graph_colour::kLive), 0);
        EXPECT_EQ(idle.canvas.Count(DrawCall::Ellipse, graph_colour::kLive), 0);

        Drawn running;
        running.live = {4000, 3, curveMap ? 2 : 9, 10};
        DrawMap(running, image, curveMap);
        EXPECT_EQ(running.canvas.Count(DrawCall::Line, graph_colour::kLive), 1);
        EXPECT_EQ(running.canvas.Count(DrawCall::Ellipse, graph_colour::kLive), 2);
        const CanvasPoint p = CurvePointAt(running.graph, image, running.live.throttleRow, 3,
                                           CurveOffset(running.graph, curveMap, 2));
        const auto circle =
            std::find_if(running.canvas.calls.begin(), running.canvas.calls.end(),
                         [](const DrawCall& c) { return c.kind == DrawCall::Ellipse; });
        EXPECT_EQ(circle->x1, p.x - 7);
        EXPECT_EQ(circle->y2, p.y + 8);

        Drawn belowMap;  // a speed without a column: the line, no circles
        belowMap.live = {500, kMapColumns, 9, 0};
        DrawMap(belowMap, image, curveMap);
        EXPECT_EQ(belowMap.canvas.Count(DrawCall::Line, graph_colour::kLive), 1);
        EXPECT_EQ(belowMap.canvas.Count(DrawCall::Ellipse, graph_colour::kLive), 0);
    }
}

TEST(CurveDrawing, LimiterLineBlueWhileDraggedRedWhileHoveredInBothModes) {
    const ParamImage image = CurveImage();
    for (const bool curveMap : {true, false}) {
        Drawn dragged;
        dragged.graph.dragHandle = HandleLimiter;
        DrawMap(dragged, image, curveMap);
        const int x = LimiterX(dragged.graph, image);
        auto limiterLines = [x](const DrawRecorder& c, Colour pen) {
            return std::count_if(c.calls.begin(), c.calls.end(), [&](const DrawCall& k) {
                return k.kind == DrawCall::Line && k.pen == pen && k.x1 == k.x2 &&
                       (k.x1 == x || k.x1 == x + 1) && k.y1 == 402;
            });
        };
        EXPECT_EQ(limiterLines(dragged.canvas, graph_colour::kBlue), 2);

        Drawn hovered;
        hovered.graph.hoverHandle = HandleLimiter;
        DrawMap(hovered, image, curveMap);
        EXPECT_EQ(limiterLines(hovered.canvas, colour::kRed), 2);
        EXPECT_EQ(limiterLines(hovered.canvas, graph_colour::kBlue), 0);
    }
}

TEST(CurveDrawing, MarkersShowWhatADragWouldChange) {
    const ParamImage image = CurveImage();
    auto markers = [](const DrawRecorder& c) {
        return std::count_if(c.calls.begin(), c.calls.end(), [](const DrawCall& k) {
            return k.kind == DrawCall::Rect && k.brushClear && k.x2 - k.x1 == 9;
        });
    };
    struct Case {
        int hover;
        bool shift;
        bool ctrl;
        long expected;
    };
    // A point: itself; Shift its curve; Ctrl its column on every curve; both the whole map.
    // The base advance is one value: its marker is on every curve.
    for (const Case& k :
         {Case{3, false, false, 1}, Case{3, true, false, 10}, Case{3, false, true, 10},
          Case{3, true, true, 100}, Case{HandleBase, false, false, 10}}) {
        Drawn d;
        d.graph.hoverHandle = k.hover;
        d.graph.shiftHeld = k.shift ? 1 : 0;
        d.graph.ctrlHeld = k.ctrl ? 1 : 0;
        DrawMap(d, image, true);
        EXPECT_EQ(markers(d.canvas), k.expected) << k.hover << k.shift << k.ctrl;
    }
}

TEST(CurveDrawing, SelectionColoursOfPointsAndSegments) {
    const ParamImage image = CurveImage();
    Drawn d;
    d.graph.activeCurve = 0;
    d.selection.cellFlags[5 * 10 + 3] = TSelcell::FlagMarked;
    d.selection.cellFlags[5 * 10 + 4] = TSelcell::FlagMarked | TSelcell::FlagCorner;
    d.selection.cellFlags[6 * 10 + 3] = TSelcell::FlagInBand;
    d.selection.cellFlags[6 * 10 + 4] = TSelcell::FlagInBand | TSelcell::FlagMarked;
    d.selection.state = TSelcell::SelectionDragging;
    d.selection.anchorX = 10;
    d.selection.anchorY = 20;
    d.selection.pointX = 110;
    d.selection.pointY = 220;
    DrawMap(d, image, true);
    // Marked points: blue, a corner dark green; in the band: red, yellow when also marked.
    // Each flagged point has a second, larger square.
    auto points = [&](Colour pen, Colour fill) {
        return std::count_if(d.canvas.calls.begin(), d.canvas.calls.end(), [&](const DrawCall& k) {
            return k.kind == DrawCall::Round && k.pen == pen && k.brush == fill;
        });
    };
    EXPECT_EQ(points(graph_colour::kBlue, graph_colour::kBlue), 2);
    EXPECT_EQ(points(graph_colour::kBlue, graph_colour::kDarkGreen), 2);
    EXPECT_EQ(points(colour::kRed, colour::kRed), 2);
    EXPECT_EQ(points(colour::kRed, colour::kYellow), 2 + 11);  // the active curve's own points
    // Segment 3-4: blue on curve 5 (marked, not in the band), yellow on curve 6 (in the band
    // and marked), four strokes each.
    EXPECT_EQ(d.canvas.Count(DrawCall::Line, colour::kYellow), 4);
    // The rubber band's outline: four red lines through its corners.
    EXPECT_TRUE(std::any_of(d.canvas.calls.begin(), d.canvas.calls.end(), [](const DrawCall& k) {
        return k.kind == DrawCall::Line && k.pen == colour::kRed && k.x1 == 10 && k.y1 == 20 &&
               k.x2 == 110 && k.y2 == 20;
    }));
}

TEST(CurveHint, TellsWhatIsDraggedOrHovered) {
    const ParamImage image = CurveImage();
    struct Case {
        int hover;
        int drag;
        const char* text;
    };
    for (const Case& k :
         {Case{HandleNone, HandleNone, ""}, Case{3, HandleNone, "  rpm=4000; advance=13\u00B0"},
          Case{HandleNone, 3, "  rpm=4000; advance=13\u00B0 (move)"},
          Case{HandleBase, HandleNone, "  BASE advance=5\u00B0"},
          Case{HandleNone, HandleBase, "  BASE advance=5\u00B0 (move)"},
          Case{HandleLimiter, HandleNone, "  Limiter=9000"},
          Case{HandleNone, HandleLimiter, "  Limiter=9000 (move)"}}) {
        TGraphAdv g;
        g.hoverHandle = k.hover;
        g.dragHandle = k.drag;
        std::array<char, 64> buffer{};
        EXPECT_EQ(CurveGraphHint(g, image, buffer), k.text);
    }
}

TEST(CurveLayout, PointsBecomeTheCellRectanglesOfTheSelection) {
    const ParamImage image = CurveImage();
    TGraphAdv g;
    ComputeCurveScales(g, image, kWidth, kHeight);
    TSelcell s;
    LayoutCurvePoints(g, image, s);
    const CanvasPoint p = CurvePointAt(g, image, 5, 3, CurveOffset(g, true, 5));
    EXPECT_EQ(s.cellRect[53], (CellRect{p.x - 5, p.y - 5, p.x + 5, p.y + 5}));
    EXPECT_EQ(s.areaWidth, kWidth);
    EXPECT_EQ(s.areaHeight, kHeight);

    ComputeSingleCurveScales(g, image, kWidth, kHeight);
    LayoutSingleCurvePoints(g, image, s);
    EXPECT_FALSE(s.cellRect[53].Present());
    const CanvasPoint q = CurvePointAt(g, image, 9, 3, 0);
    EXPECT_EQ(s.cellRect[93], (CellRect{q.x - 5, q.y - 5, q.x + 5, q.y + 5}));
}

}  // namespace
}  // namespace orvell
