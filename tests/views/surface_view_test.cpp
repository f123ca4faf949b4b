#include "views/surface_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "core/bike_presets.h"
#include "recording_canvas.h"

namespace orvell {
namespace {

using testing::DrawOp;
using testing::RecordingCanvas;

constexpr int kWidth = 461;  // Graf3DAdv
constexpr int kHeight = 420;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kDarkGreen = 0x008000;
constexpr Colour kPlainFace = 0xFF8888;  // (136, 136, 255)
constexpr Colour kBackFace = 0xC0C0C0;

ParamImage StartupImage() {
    ParamImage image;
    ApplyStartupSet(image);
    return image;
}

// A map whose cells differ everywhere, with the TPS map on.
ParamImage VariedImage() {
    ParamImage image = StartupImage();
    image.SetTpsMapFlag(1);
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            image.MapCell(r, c) = static_cast<std::uint8_t>(5 + 3 * c + 2 * r);
        }
    }
    return image;
}

TGraphAdv Projected(const ParamImage& image, SurfaceTracks tracks) {
    TGraphAdv g;
    ComputeSurfaceProjection(g, image, tracks, kWidth, kHeight);
    return g;
}

CanvasPoint PixelOf(const TGraphAdv& g, float rpm, float degrees, float row) {
    const SurfacePoint p = ProjectPoint(g, rpm, degrees, row);
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

// The screen pixel of map node (row, column).
CanvasPoint NodePixel(const TGraphAdv& g, const ParamImage& image, int row, int column) {
    return PixelOf(g, static_cast<float>(image.RpmAxis(column) * 100), image.MapCell(row, column),
                   static_cast<float>(row));
}

RecordingCanvas Draw(const TGraphAdv& g, const ParamImage& image, const TSelcell& selection = {},
                     const LiveMapPoint& live = {}, SurfaceLook look = {}) {
    RecordingCanvas canvas(kWidth, kHeight);
    DrawSurface(canvas, g, image, selection, live, look);
    return canvas;
}

TEST(SurfaceProjection, TheViewButtonsShowTheAxesWhereTheUserExpectsThem) {
    const ParamImage image = StartupImage();
    {
        // ISO: engine speed to the right and slightly up, advance straight up, throttle down
        // to the right.
        const TGraphAdv g = Projected(image, kSurfaceIsoView);
        const SurfacePoint o = ProjectPoint(g, 0, 0, 0);
        const SurfacePoint rpm = ProjectPoint(g, static_cast<float>(g.axisRpm), 0, 0);
        const SurfacePoint adv = ProjectPoint(g, 0, static_cast<float>(g.axisAdvance), 0);
        const SurfacePoint tp = ProjectPoint(g, 0, 0, 9);
        EXPECT_GT(rpm.x - o.x, 0);
        EXPECT_LT(rpm.y, o.y);
        EXPECT_LT(o.y - rpm.y, (rpm.x - o.x) / 2);
        EXPECT_NEAR(adv.x, o.x, 0.01);
        EXPECT_LT(adv.y, o.y);
        EXPECT_GT(tp.x, o.x);
        EXPECT_GT(tp.y, o.y);
    }
    {
        // TOP: from above, engine speed to the right, row 0 at the top, advance at the viewer.
        const TGraphAdv g = Projected(image, kSurfaceTopView);
        const SurfacePoint o = ProjectPoint(g, 0, 0, 0);
        const SurfacePoint rpm = ProjectPoint(g, static_cast<float>(g.axisRpm), 0, 0);
        const SurfacePoint adv = ProjectPoint(g, 0, static_cast<float>(g.axisAdvance), 0);
        const SurfacePoint tp = ProjectPoint(g, 0, 0, 9);
        EXPECT_NEAR(rpm.x - o.x, g.plotHeight, 1);
        EXPECT_NEAR(rpm.y, o.y, 0.01);
        EXPECT_NEAR(tp.x, o.x, 0.01);
        EXPECT_NEAR(tp.y - o.y, g.plotHeight, 1);
        EXPECT_NEAR(o.y, g.marginTop, 1);
        EXPECT_NEAR(adv.x, o.x, 0.01);
        EXPECT_NEAR(adv.y, o.y, 0.01);
        EXPECT_GT(adv.depth, 0);
    }
}

TEST(SurfaceProjection, TheModelBoxFillsThePlotSquareAtAnyRotation) {
    const ParamImage image = StartupImage();
    const SurfaceTracks views[] = {kSurfaceIsoView, kSurfaceTopView, {0, 0, 0},   {36, 36, 36},
                                   {-36, 5, 17},    {13, -29, -7},   {-20, 30, 9}};
    for (const SurfaceTracks t : views) {
        const TGraphAdv g = Projected(image, t);
        float left = 1e9F, right = -1e9F, top = 1e9F, bottom = -1e9F;
        for (int corner = 0; corner < 8; ++corner) {
            const SurfacePoint p =
                ProjectPoint(g, (corner & 1) != 0 ? static_cast<float>(g.axisRpm) : 0,
                             (corner & 2) != 0 ? static_cast<float>(g.axisAdvance) : 0,
                             (corner & 4) != 0 ? 9.0F : 0.0F);
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        SCOPED_TRACE(::testing::Message() << t.x << ", " << t.y << ", " << t.z);
        EXPECT_NEAR(left, g.marginLeft, 1);
        EXPECT_NEAR(right - left, g.plotHeight, 0.5);
        EXPECT_NEAR(top, g.marginTop, 1);
        EXPECT_NEAR(bottom, kHeight - g.marginBottom, 1);
    }
}

TEST(SurfaceProjection, AxisEndsAndPlotSquare) {
    struct Case {
        const char* name;
        int breakpoint9;  // 100 rpm
        int limiter;      // 100 rpm
        int highestCell;  // every other cell 0
        int base;
        int axisRpm;
        int axisAdvance;
    };
    const Case cases[] = {
        {"all zero", 90, 80, 0, 0, 10000, 5},
        {"limiter above the map", 100, 130, 30, 10, 15000, 35},
        {"breakpoint 9 at 9900", 99, 90, 30, 10, 12500, 35},
        {"base above every cell", 91, 90, 20, 34, 10000, 40},
        {"a cell at 60", 91, 90, 60, 0, 10000, 65},
    };
    for (const Case& c : cases) {
        ParamImage image = StartupImage();
        for (int k = 0; k < kMapRows * kMapColumns; ++k) image.MapCell(k / 10, k % 10) = 0;
        image.MapCell(4, 6) = static_cast<std::uint8_t>(c.highestCell);
        image.SetRpmAxis(9, static_cast<std::uint8_t>(c.breakpoint9));
        image.SetLimiterSpeed(static_cast<std::uint8_t>(c.limiter));
        image.SetBaseAdvance(static_cast<std::uint8_t>(c.base));
        const TGraphAdv g = Projected(image, kSurfaceIsoView);
        EXPECT_EQ(g.axisRpm, c.axisRpm) << c.name;
        EXPECT_EQ(g.axisAdvance, c.axisAdvance) << c.name;
        EXPECT_EQ(g.axisThrottle, 9) << c.name;
    }
    const TGraphAdv g = Projected(StartupImage(), kSurfaceIsoView);
    EXPECT_EQ(g.marginLeft, 30);
    EXPECT_EQ(g.marginRight, 30);
    EXPECT_EQ(g.marginTop, 10);
    EXPECT_EQ(g.marginBottom, 10);
    EXPECT_EQ(g.plotWidth, 401);
    EXPECT_EQ(g.plotHeight, 400);
}

TEST(SurfaceProjection, HeightColoursBlendBetweenTheStops) {
    TGraphAdv g;
    BuildHeightColours(g);
    const std::pair<int, std::uint32_t> expected[] = {
        {0, 0x000055},  {5, 0x0000AA},  {10, 0x0000FF}, {13, 0x007F7F}, {16, 0x00FF00},
        {24, 0xFFFF00}, {28, 0xCCCC00}, {36, 0xFF0000}, {60, 0xFF00F4},
    };
    for (const auto& [degree, rgb] : expected) {
        EXPECT_EQ(g.heightColours[static_cast<std::size_t>(degree)], rgb) << degree;
    }
    // The canvas takes 0x00BBGGRR; heights beyond the table take its ends.
    EXPECT_EQ(HeightColour(g, 36), 0x0000FFu);
    EXPECT_EQ(HeightColour(g, 200), HeightColour(g, 60));
    EXPECT_EQ(HeightColour(g, -3), HeightColour(g, 0));
}

TEST(SurfaceTriangle, FrontAndBackFacesBySenseOnScreen) {
    const SurfacePoint a{10, 10, 0}, b{30, 10, 0}, c{20, 20, 0}, onLine{50, 10, 0};
    struct Case {
        SurfacePoint p1, p2, centre;
        bool fill;
        int polygons;
        Colour face;
    };
    const Case cases[] = {
        {b, a, c, true, 1, 1},       // clockwise on the screen: the front
        {a, b, c, true, 1, 2},       // counter-clockwise: the back
        {a, b, onLine, true, 0, 0},  // seen edge on: nothing to fill
        {b, a, c, false, 0, 0},      // wire frame
    };
    for (const Case& k : cases) {
        RecordingCanvas canvas(100, 100);
        DrawSurfaceTriangle(canvas, k.p1, k.p2, k.centre, 1, 2, 3, k.fill);
        const auto polygons = canvas.Of(DrawOp::Polygon);
        ASSERT_EQ(static_cast<int>(polygons.size()), k.polygons);
        if (k.polygons == 1) {
            EXPECT_EQ(polygons[0].pen, k.face);
            EXPECT_EQ(polygons[0].brush, k.face);
        }
        ASSERT_EQ(canvas.ops.back().kind, DrawOp::Line);
        EXPECT_EQ(canvas.ops.back().pen, 3u);
        EXPECT_EQ(canvas.ops.back().points[0], (CanvasPoint{static_cast<int>(k.p1.x), 10}));
        EXPECT_EQ(canvas.ops.back().points[1], (CanvasPoint{static_cast<int>(k.p2.x), 10}));
    }
}

TEST(SurfaceDrawing, AxesAreBoxedAndLabelled) {
    const ParamImage image = StartupImage();
    for (const SurfaceTracks t : {kSurfaceIsoView, kSurfaceTopView, SurfaceTracks{20, 10, 30}}) {
        const TGraphAdv g = Projected(image, t);
        const RecordingCanvas canvas = Draw(g, image);
        const CanvasPoint rpmEnd = PixelOf(g, static_cast<float>(g.axisRpm), 0, 0);
        bool boxed = false;
        for (const DrawOp& op : canvas.Of(DrawOp::RoundRect)) {
            boxed = boxed || op.points[0] == CanvasPoint{rpmEnd.x - 16, rpmEnd.y - 8};
        }
        EXPECT_TRUE(boxed);
        int labels = 0;
        for (const DrawOp& op : canvas.Of(DrawOp::Text)) {
            labels += op.text == "RPM" || op.text == "ADV" || op.text == "TP";
            if (op.text == "RPM") {
                EXPECT_EQ(op.points[0], (CanvasPoint{rpmEnd.x - 9, rpmEnd.y - 7}));
            }
        }
        EXPECT_GE(labels, 3);
    }
}

TEST(SurfaceDrawing, WithTheTpsMapOffEveryRowShowsTheLastAndTheLivePointLiesOnIt) {
    ParamImage off = VariedImage();
    off.SetTpsMapFlag(0);
    ParamImage repeated = off;
    repeated.SetTpsMapFlag(1);
    for (int r = 0; r < kMapRows - 1; ++r) {
        for (int c = 0; c < kMapColumns; ++c) repeated.MapCell(r, c) = off.MapCell(9, c);
    }
    // The marks of the last row, too, stand for every row.
    TSelcell marks, repeatedMarks;
    marks.cellFlags[93] = marks.cellFlags[94] = TSelcell::FlagMarked;
    for (int r = 0; r < kMapRows; ++r) {
        repeatedMarks.cellFlags[static_cast<std::size_t>(10 * r + 3)] = TSelcell::FlagMarked;
        repeatedMarks.cellFlags[static_cast<std::size_t>(10 * r + 4)] = TSelcell::FlagMarked;
    }
    const LiveMapPoint live{4000, 3, 9, 100};
    const TGraphAdv g = Projected(off, kSurfaceIsoView);
    const RecordingCanvas shown = Draw(g, off, marks, live);
    const RecordingCanvas expected = Draw(g, repeated, repeatedMarks, live);
    ASSERT_EQ(shown.ops.size(), expected.ops.size());
    for (std::size_t i = 0; i < shown.ops.size(); ++i) {
        EXPECT_EQ(shown.ops[i].points, expected.ops[i].points) << i;
        EXPECT_EQ(shown.ops[i].pen, expected.ops[i].pen) << i;
    }
    const CanvasPoint node = NodePixel(g, off, 9, 3);
    const auto ellipses = shown.Of(DrawOp::Ellipse);
    ASSERT_FALSE(ellipses.empty());
    for (const DrawOp& e : ellipses) {
        EXPECT_EQ(e.points[0].x + (e.pen == colour::kWhite ? 6 : 5), node.x);
        EXPECT_EQ(e.points[0].y + (e.pen == colour::kWhite ? 6 : 5), node.y);
        if (e.pen != colour::kWhite) {
            EXPECT_EQ(e.brush, colour::kLime);
        }
    }
}

TEST(SurfaceDrawing, NoLiveNodeWithoutALiveCell) {
    const ParamImage image = VariedImage();
    const TGraphAdv g = Projected(image, kSurfaceIsoView);
    for (const LiveMapPoint live : {LiveMapPoint{}, LiveMapPoint{500, 10, 4, 30}}) {
        EXPECT_TRUE(Draw(g, image, {}, live).Of(DrawOp::Ellipse).empty());
    }
    EXPECT_FALSE(Draw(g, image, {}, {4000, 2, 4, 30}).Of(DrawOp::Ellipse).empty());
}

TEST(SurfaceDrawing, FillAndHeightColourSwitches) {
    const ParamImage image = VariedImage();
    const TGraphAdv g = Projected(image, kSurfaceIsoView);
    {
        // Without fill: a black wire frame.
        const RecordingCanvas canvas = Draw(g, image, {}, {}, {false, true, colour::kButtonFace});
        EXPECT_TRUE(canvas.Of(DrawOp::Polygon).empty());
        for (const DrawOp& line : canvas.Of(DrawOp::Line)) EXPECT_EQ(line.pen, colour::kBlack);
    }
    {
        // Without height colours every front face is one blue; the back faces stay grey.
        const RecordingCanvas canvas = Draw(g, image, {}, {}, {true, false, colour::kButtonFace});
        int fronts = 0;
        for (const DrawOp& p : canvas.Of(DrawOp::Polygon)) {
            EXPECT_TRUE(p.brush == kPlainFace || p.brush == kBackFace);
            fronts += p.brush == kPlainFace;
        }
        EXPECT_GT(fronts, 100);
        for (const DrawOp& line : canvas.Of(DrawOp::Line)) {
            EXPECT_TRUE(line.pen == colour::kWhite || line.pen == colour::kBlack);
        }
    }
    {
        // With both: front faces in the colour of their height.
        std::set<Colour> heights;
        for (int k = 0; k <= 60; ++k) heights.insert(HeightColour(g, k));
        for (const DrawOp& p : Draw(g, image).Of(DrawOp::Polygon)) {
            EXPECT_TRUE(p.brush == kBackFace || heights.contains(p.brush));
        }
    }
}

TEST(SurfaceDrawing, EdgesBetweenMarkedNeighboursAreBlueOrGreenAtACorner) {
    const ParamImage image = VariedImage();
    const TGraphAdv g = Projected(image, kSurfaceIsoView);
    struct Case {
        const char* name;
        std::int16_t first;
        std::int16_t second;
        Colour edge;
    };
    const Case cases[] = {
        {"both marked", TSelcell::FlagMarked, TSelcell::FlagMarked, kBlue},
        {"one a corner", TSelcell::FlagMarked, TSelcell::FlagMarked | TSelcell::FlagCorner,
         kDarkGreen},
        {"only one marked", TSelcell::FlagMarked, 0, colour::kWhite},
    };
    // Nodes (5, 3) and (5, 4): an edge along row 5.
    const CanvasPoint a = NodePixel(g, image, 5, 3);
    const CanvasPoint b = NodePixel(g, image, 5, 4);
    for (const Case& c : cases) {
        TSelcell marks;
        marks.cellFlags[53] = c.first;
        marks.cellFlags[54] = c.second;
        int found = 0;
        for (const DrawOp& line : Draw(g, image, marks).Of(DrawOp::Line)) {
            const bool edge = (line.points[0] == a && line.points[1] == b) ||
                              (line.points[0] == b && line.points[1] == a);
            if (!edge) continue;
            ++found;
            EXPECT_EQ(line.pen, c.edge) << c.name;
        }
        EXPECT_EQ(found, 2) << c.name;  // the back edge of one strip, the front of the next
    }
}

TEST(SurfaceColourScale, HeightsUpwardsLabelsAndTheLiveAdvance) {
    ParamImage image = VariedImage();
    image.MapCell(2, 7) = 30;
    const TGraphAdv g = Projected(image, kSurfaceIsoView);
    RecordingCanvas canvas(127, 284);
    DrawColourScale(canvas, g, image, {}, colour::kButtonFace);
    const auto lines = canvas.Of(DrawOp::Line);
    ASSERT_EQ(lines.size(), 264u + 13u);
    EXPECT_EQ(lines.front().pen, HeightColour(g, 0));
    EXPECT_EQ(lines.front().points[0], (CanvasPoint{30, 284}));
    EXPECT_EQ(lines[263].pen, HeightColour(g, 59));
    std::vector<std::string> labels;
    for (const DrawOp& t : canvas.Of(DrawOp::Text)) labels.push_back(t.text);
    EXPECT_EQ(labels.front(), "0");
    EXPECT_EQ(labels.back(), "60");
    EXPECT_EQ(labels.size(), 13u);
    // 0 sits on the last row of pixels, 60 at 20 pixels from the top.
    EXPECT_EQ(canvas.Of(DrawOp::Text).front().points[0], (CanvasPoint{14, 283 - 11}));
    EXPECT_EQ(canvas.Of(DrawOp::Text).back().points[0], (CanvasPoint{8, 20 - 11}));

    RecordingCanvas live(127, 284);
    DrawColourScale(live, g, image, {6000, 7, 2, 40}, colour::kButtonFace);
    const DrawOp marker = live.ops.back();
    EXPECT_EQ(marker.text, "30");
    EXPECT_EQ(marker.points[0], (CanvasPoint{102, 284 - 30 * 264 / 60 - 7}));
    EXPECT_EQ(live.Of(DrawOp::Rect).size(), 1u);
}

TEST(SurfaceMouseDrag, OnePixelIsAThirtySixthOfARadian) {
    struct Case {
        const char* name;
        SurfaceTracks start;
        int dx, dy;
        SurfaceTracks end;
    };
    const Case cases[] = {
        {"36 pixels right", {0, 0, 0}, 36, 0, {11, 0, 0}},
        {"36 pixels up", {0, 0, 0}, 0, -36, {0, 11, 0}},
        {"Z stays", {4, -8, 7}, 18, 18, {9, -13, 7}},
        {"past a half turn", {30, 0, 0}, 72, 0, {-19, 0, 0}},
        {"past a half turn back", {-30, 0, 0}, -72, 0, {19, 0, 0}},
    };
    for (const Case& c : cases) {
        TGraphAdv g;
        SurfaceTracks tracks = c.start;
        EXPECT_FALSE(SurfaceMouse(g, SurfaceMouseKind::Press, 200, 100, tracks));
        EXPECT_EQ(g.dragHandle, 1);
        EXPECT_TRUE(SurfaceMouse(g, SurfaceMouseKind::Move, 200 + c.dx, 100 + c.dy, tracks));
        EXPECT_EQ(tracks, c.end) << c.name;
        SurfaceMouse(g, SurfaceMouseKind::Release, 0, 0, tracks);
        EXPECT_EQ(g.dragHandle, 0);
        EXPECT_FALSE(SurfaceMouse(g, SurfaceMouseKind::Move, 300, 300, tracks)) << c.name;
        EXPECT_EQ(tracks, c.end) << c.name;
    }
}

TEST(SurfaceMouseDrag, AnAxisTheDragDoesNotMoveKeepsItsPosition) {
    // A position turned into an angle and back must not lose a step to rounding.
    for (int p = -36; p <= 36; ++p) {
        TGraphAdv g;
        SurfaceTracks tracks{p, p, p};
        SurfaceMouse(g, SurfaceMouseKind::Press, 50, 50, tracks);
        SurfaceMouse(g, SurfaceMouseKind::Move, 50, 50, tracks);
        EXPECT_EQ(tracks, (SurfaceTracks{p, p, p})) << p;
    }
}

TEST(SurfaceMouseWheel, StepsTheLiveCellWithinTheImageAndZeroToSixty) {
    struct Case {
        const char* name;
        int x, y;
        LiveMapPoint live;
        int before, delta;
        bool handled;
        int after;
    };
    const LiveMapPoint live{5000, 6, 3, 20};
    const Case cases[] = {
        {"up", 100, 100, live, 30, 120, true, 31},
        {"down", 100, 100, live, 30, -120, true, 29},
        {"not above 60", 100, 100, live, 60, 120, true, 60},
        {"not below 0", 100, 100, live, 0, -120, true, 0},
        {"image edge", kWidth, kHeight, live, 30, 120, true, 31},
        {"right of the image", kWidth + 1, 100, live, 30, 120, false, 30},
        {"above the image", 100, -1, live, 30, 120, false, 30},
        {"no live cell", 100, 100, {}, 30, 120, false, 30},
        {"below the map", 100, 100, {500, 10, 3, 20}, 30, 120, false, 30},
    };
    for (const Case& c : cases) {
        ParamImage image = VariedImage();
        const TGraphAdv g = Projected(image, kSurfaceIsoView);
        image.MapCell(3, 6) = static_cast<std::uint8_t>(c.before);
        const ParamImage untouched = image;
        EXPECT_EQ(SurfaceWheel(g, image, c.live, c.delta, c.x, c.y), c.handled) << c.name;
        EXPECT_EQ(image.MapCell(3, 6), c.after) << c.name;
        image.MapCell(3, 6) = untouched.MapCell(3, 6);
        EXPECT_TRUE(image.Raw() == untouched.Raw()) << c.name << ": another byte changed";
    }
}

}  // namespace
}  // namespace orvell
