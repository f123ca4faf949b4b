#include "views/surface_view.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string_view>

namespace orvell {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr int kNone = -100;
// A thousandth of a track step: far below a pixel of drag, far above the rounding of a float.
constexpr float kStepTolerance = 1e-3F;

// Canvas colours (0x00BBGGRR).
constexpr Colour kBackFace = 0xC0C0C0;
constexpr Colour kPlainFace = 0xFF8888;   // (136, 136, 255)
constexpr Colour kMarkedEdge = 0xFF0000;  // blue
constexpr Colour kCornerEdge = 0x008000;  // dark green
constexpr Colour kGrey = 0x808080;

float TrackAngle(int position) {
    return static_cast<float>(position * std::numbers::pi / kSurfaceStepsPerPi);
}

// Turns every row of m in the plane of columns a and b.
void Rotate(std::array<std::array<float, 3>, 3>& m, float angle, std::size_t a, std::size_t b) {
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    for (auto& row : m) {
        const float u = row[a];
        const float v = row[b];
        row[a] = c * u - s * v;
        row[b] = s * u + c * v;
    }
}

constexpr Colour FromRgb(std::uint32_t rgb) {
    return ((rgb & 0xFFU) << 16) | (rgb & 0xFF00U) | ((rgb >> 16) & 0xFFU);
}

CanvasPoint Pixel(SurfacePoint p) {
    return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

// A short number on the canvas without allocating.
void TextNumber(Canvas& canvas, int x, int y, int value, bool alignRight = false) {
    std::array<char, 16> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    canvas.Text(alignRight ? x - canvas.TextWidth(text) : x, y, text);
}

// The surface's heights and marks: with the TPS map off every row repeats the last one.
struct Nodes {
    const ParamImage& image;
    const TSelcell& selection;
    bool rows = image.TpsMapFlag() != 0;

    int Row(int r) const { return rows ? r : kMapRows - 1; }
    float Height(int r, int c) const { return image.MapCell(Row(r), c); }
    int Flags(int r, int c) const {
        return selection.cellFlags[static_cast<std::size_t>(Row(r) * kMapColumns + c)];
    }
};

enum Triangle { kFront, kLeft, kRight, kBack };

// Which triangle of a cell is drawn at each step, by (row direction, rpm direction): the far
// ones first.
constexpr std::array<std::array<Triangle, 4>, 4> kTriangleOrder = {{
    {kFront, kLeft, kRight, kBack},  // +1, +1
    {kFront, kRight, kLeft, kBack},  // +1, -1
    {kBack, kLeft, kRight, kFront},  // -1, +1
    {kBack, kRight, kLeft, kFront},  // -1, -1
}};

void DrawAxis(Canvas& canvas, const TGraphAdv& g, SurfacePoint end, std::string_view label) {
    const SurfacePoint origin = ProjectPoint(g, 0, 0, 0);
    const CanvasPoint o = Pixel(origin);
    const CanvasPoint e = Pixel(end);
    canvas.Line(o.x, o.y, e.x, e.y);
    canvas.RoundRect(e.x - 16, e.y - 8, e.x + 16, e.y + 8, 2, 2);
    canvas.Text(e.x - canvas.TextWidth(label) / 2, e.y - 7, label);
}

struct Axes {
    SurfacePoint rpm, advance, throttle;
};

Axes AxisEnds(const TGraphAdv& g) {
    return {ProjectPoint(g, static_cast<float>(g.axisRpm), 0, 0),
            ProjectPoint(g, 0, static_cast<float>(g.axisAdvance), 0),
            ProjectPoint(g, 0, 0, static_cast<float>(g.axisThrottle))};
}

// The height on the colour scale: degree 0 at the bottom, 60 at 20 pixels below the top.
int ScaleY(float height, float degrees) {
    float y = height - degrees * (height - 20) / kSurfaceMaxHeight;
    if (y >= height) y = height - 1;
    return static_cast<int>(y);
}

// The engine runs at a speed within the map: its cell is the live node.
bool LiveCellKnown(const LiveMapPoint& live) {
    return live.rpm != 0 && live.rpmColumn >= 0 && live.rpmColumn < kMapColumns &&
           live.throttleRow >= 0 && live.throttleRow < kMapRows;
}

}  // namespace

void ComputeSurfaceProjection(TGraphAdv& g, const ParamImage& image, SurfaceTracks tracks,
                              int imageWidth, int imageHeight) {
    g.hasImage = true;
    g.rotation = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    Rotate(g.rotation, TrackAngle(tracks.y), 1, 2);
    Rotate(g.rotation, TrackAngle(tracks.x), 0, 2);
    Rotate(g.rotation, TrackAngle(tracks.z), 0, 1);

    // A plot square as high as the image allows, centred across it.
    g.imageLeft = 0;
    g.imageTop = 0;
    g.imageWidth = imageWidth;
    g.imageHeight = imageHeight;
    g.marginLeft = g.marginRight = g.marginTop = g.marginBottom = 10;
    g.plotWidth = g.imageWidth - g.imageLeft - g.marginLeft - g.marginRight;
    g.plotHeight = g.imageHeight - g.imageTop - g.marginTop - g.marginBottom;
    const int half = (g.plotWidth - g.plotHeight) / 2;
    g.marginLeft += half;
    g.marginRight += half;
    g.plotWidth = g.imageWidth - g.imageLeft - g.marginLeft - g.marginRight;

    // Axis ends: engine speed a round 2500 beyond the map and the limiter, advance a round 5
    // above every cell and the base advance.
    g.axisRpm = std::max(image.RpmAxis(kAxisPoints - 1) * 100, image.LimiterSpeed() * 100);
    g.axisRpm = ((g.axisRpm + 900 + 2400) / 2500) * 2500;
    int top = image.BaseAdvance();
    for (int r = 0; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) top = std::max<int>(top, image.MapCell(r, c));
    }
    g.axisAdvance = ((top + 5 + 4) / 5) * 5;
    g.axisThrottle = kMapRows - 1;

    // Each row normalised so that its absolute values add up to 1: then the model box, whatever
    // its rotation, spans exactly one plot side on each screen axis.
    g.projection = g.rotation;
    std::array<float, 3> low{};
    for (std::size_t i = 0; i < 3; ++i) {
        auto& row = g.projection[i];
        const float sum = std::abs(row[0]) + std::abs(row[1]) + std::abs(row[2]);
        for (float& v : row) {
            v /= sum;
            if (v < 0) low[i] -= v;
        }
    }
    g.scaleX = static_cast<float>(g.plotHeight) / static_cast<float>(g.axisRpm);
    g.scaleY = static_cast<float>(g.plotHeight) / static_cast<float>(g.axisAdvance);
    g.scaleZ = static_cast<float>(g.plotHeight) / static_cast<float>(g.axisThrottle);
    // The origin sits as far in from the plot's edge as the box reaches beyond it the other way.
    g.plotLeft = static_cast<int>(static_cast<float>(g.imageLeft + g.marginLeft) +
                                  static_cast<float>(g.plotWidth) * low[0]);
    g.plotBottom = static_cast<int>(static_cast<float>(g.imageHeight - g.marginBottom) -
                                    static_cast<float>(g.plotHeight) * low[1]);
    for (auto& row : g.projection) {
        row[0] *= g.scaleX;
        row[1] *= g.scaleY;
        row[2] *= g.scaleZ;
    }
    BuildHeightColours(g);
}

SurfacePoint ProjectPoint(const TGraphAdv& g, float rpm, float degrees, float row) {
    const auto dot = [&](const std::array<float, 3>& m) {
        return m[0] * rpm + m[1] * degrees + m[2] * row;
    };
    return {static_cast<float>(g.plotLeft) + dot(g.projection[0]),
            static_cast<float>(g.plotBottom) - dot(g.projection[1]), dot(g.projection[2])};
}

void BuildHeightColours(TGraphAdv& g) {
    struct Stop {
        int degree;
        std::uint32_t rgb;
    };
    constexpr std::array<Stop, 7> stops = {{{0, 0x000055},
                                            {10, 0x0000FF},
                                            {16, 0x00FF00},
                                            {24, 0xFFFF00},
                                            {28, 0xCCCC00},
                                            {36, 0xFF0000},
                                            {61, 0xFF00FF}}};
    for (std::size_t k = 0; k + 1 < stops.size(); ++k) {
        const Stop a = stops[k];
        const Stop b = stops[k + 1];
        for (int j = a.degree; j < b.degree; ++j) {
            const float t =
                static_cast<float>(j - a.degree) / static_cast<float>(b.degree - a.degree);
            std::uint32_t rgb = 0;
            for (int shift : {16, 8, 0}) {
                const auto ca = static_cast<float>((a.rgb >> shift) & 0xFFU);
                const auto cb = static_cast<float>((b.rgb >> shift) & 0xFFU);
                rgb |= static_cast<std::uint32_t>((1 - t) * ca + t * cb) << shift;
            }
            g.heightColours[static_cast<std::size_t>(j)] = rgb;
        }
    }
}

Colour HeightColour(const TGraphAdv& g, int degrees) {
    const int index = std::clamp(degrees, 0, kSurfaceMaxHeight);
    return FromRgb(g.heightColours[static_cast<std::size_t>(index)]);
}

void DrawSurfaceTriangle(Canvas& canvas, SurfacePoint p1, SurfacePoint p2, SurfacePoint c,
                         Colour front, Colour back, Colour edge, bool fill) {
    if (fill) {
        const float s = (p1.x - c.x) * (p2.y - c.y) - (p1.y - c.y) * (p2.x - c.x);
        if (s != 0) {
            const Colour face = s < 0 ? front : back;
            canvas.SetPen(face);
            canvas.SetBrush(face);
            const std::array<CanvasPoint, 3> points = {Pixel(p1), Pixel(p2), Pixel(c)};
            canvas.Polygon(points);
        }
    }
    canvas.SetPen(edge);
    const CanvasPoint a = Pixel(p1);
    const CanvasPoint b = Pixel(p2);
    canvas.Line(a.x, a.y, b.x, b.y);
}

void DrawSurface(Canvas& canvas, const TGraphAdv& g, const ParamImage& image,
                 const TSelcell& selection, const LiveMapPoint& live, const SurfaceLook& look) {
    const bool hasLive = LiveCellKnown(live);
    const int liveColumn = hasLive ? live.rpmColumn : kNone;
    const int liveRow = hasLive ? live.throttleRow : kNone;

    canvas.SetPen(look.background);
    canvas.SetBrush(look.background);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    canvas.SetPen(colour::kBlack);
    canvas.SetTextColour(colour::kBlack);
    canvas.SetBrush(look.background);

    const Axes axes = AxisEnds(g);
    DrawAxis(canvas, g, axes.rpm, "RPM");
    DrawAxis(canvas, g, axes.advance, "ADV");
    DrawAxis(canvas, g, axes.throttle, "TP");
    // The origin projects to depth 0: the sign of an axis end's depth tells which way it points.
    const int rpmDirection = axes.rpm.depth >= 0 ? 1 : -1;
    const int rowDirection = axes.throttle.depth >= 0 ? 1 : -1;
    const auto& order = kTriangleOrder[static_cast<std::size_t>((rowDirection < 0 ? 2 : 0) +
                                                                (rpmDirection < 0 ? 1 : 0))];

    const Nodes nodes{image, selection};
    const auto base = static_cast<float>(image.BaseAdvance());
    const auto breakpoint = [&](int c) { return static_cast<float>(image.RpmAxis(c) * 100); };
    const Colour gridEdge = look.fill ? colour::kWhite : colour::kBlack;

    struct Corner {
        float rpm = 0;
        float height = 0;
        int flags = 0;
    };
    for (int step = 1; step <= 9; ++step) {
        const int o = rowDirection > 0 ? step : 10 - step;  // the cells between rows o-1 and o
        for (int k = 0; k < 12; ++k) {
            const int d = rpmDirection > 0 ? k - 1 : 10 - k;
            // Corners: left and right side, row A = o - 1, row B = o. A flat strip at the base
            // advance up to breakpoint 0, a wall there, the map, and a flat run to the axis end.
            Corner la, lb, ra, rb;
            if (d <= 0) {
                la = lb = {d < 0 ? 0.0F : breakpoint(0), base, 0};
            } else {
                la = {breakpoint(d - 1), nodes.Height(o - 1, d - 1), nodes.Flags(o - 1, d - 1)};
                lb = {breakpoint(d - 1), nodes.Height(o, d - 1), nodes.Flags(o, d - 1)};
            }
            if (d < 0) {
                ra = rb = {breakpoint(0), base, 0};
            } else if (d < kMapColumns) {
                ra = {breakpoint(d), nodes.Height(o - 1, d), nodes.Flags(o - 1, d)};
                rb = {breakpoint(d), nodes.Height(o, d), nodes.Flags(o, d)};
            } else {
                ra = {static_cast<float>(g.axisRpm), nodes.Height(o - 1, 9), 0};
                rb = {static_cast<float>(g.axisRpm), nodes.Height(o, 9), 0};
            }
            const auto rowA = static_cast<float>(o - 1);
            const auto rowB = static_cast<float>(o);
            const SurfacePoint pla = ProjectPoint(g, la.rpm, la.height, rowA);
            const SurfacePoint plb = ProjectPoint(g, lb.rpm, lb.height, rowB);
            const SurfacePoint pra = ProjectPoint(g, ra.rpm, ra.height, rowA);
            const SurfacePoint prb = ProjectPoint(g, rb.rpm, rb.height, rowB);
            const float centreHeight = (la.height + lb.height + ra.height + rb.height) / 4;
            const SurfacePoint pc = ProjectPoint(g, (la.rpm + lb.rpm + ra.rpm + rb.rpm) / 4,
                                                 centreHeight, static_cast<float>(o) - 0.5F);

            for (const Triangle t : order) {
                // Each triangle's outer edge, running round the cell's outline in one direction.
                const Corner* from = nullptr;
                const Corner* to = nullptr;
                SurfacePoint p1, p2;
                switch (t) {
                    case kFront:
                        from = &ra, to = &la, p1 = pra, p2 = pla;
                        break;
                    case kLeft:
                        from = &la, to = &lb, p1 = pla, p2 = plb;
                        break;
                    case kRight:
                        from = &rb, to = &ra, p1 = prb, p2 = pra;
                        break;
                    case kBack:
                        from = &lb, to = &rb, p1 = plb, p2 = prb;
                        break;
                }
                const int index = static_cast<int>(
                    std::floor((from->height + to->height + centreHeight) / 3 + 0.5F));
                const Colour face = look.heightColours ? HeightColour(g, index) : kPlainFace;
                Colour edge = gridEdge;
                if (from->flags != 0 && to->flags != 0) {
                    edge = ((from->flags | to->flags) & TSelcell::FlagCorner) != 0 ? kCornerEdge
                                                                                   : kMarkedEdge;
                }
                DrawSurfaceTriangle(canvas, p1, p2, pc, face, kBackFace, edge, look.fill);
            }

            // The live node, where it is a corner of this cell (left corners are column d - 1).
            if (liveRow != o - 1 && liveRow != o) continue;
            const bool left = liveColumn == d - 1;
            if (!left && liveColumn != d) continue;
            const CanvasPoint p =
                Pixel(left ? (liveRow == o ? plb : pla) : (liveRow == o ? prb : pra));
            if (p.x < 0 || p.y < 0) continue;
            canvas.SetPen(colour::kWhite);
            canvas.ClearBrush();
            canvas.Ellipse(p.x - 6, p.y - 6, p.x + 6, p.y + 6);
            canvas.SetPen(colour::kBlack);
            canvas.SetBrush(colour::kLime);
            canvas.Ellipse(p.x - 5, p.y - 5, p.x + 5, p.y + 5);
        }
    }

    // Axes that point at the viewer lie in front of the surface.
    canvas.SetPen(colour::kBlack);
    canvas.SetBrush(look.background);
    if (rowDirection < 0) {
        DrawAxis(canvas, g, axes.rpm, "RPM");
        DrawAxis(canvas, g, axes.advance, "ADV");
    }
    if (rpmDirection < 0) DrawAxis(canvas, g, axes.throttle, "TP");
}

void DrawColourScale(Canvas& canvas, const TGraphAdv& g, const ParamImage& image,
                     const LiveMapPoint& live, Colour background) {
    const auto w = static_cast<float>(canvas.Width());
    const auto h = static_cast<float>(canvas.Height());
    canvas.SetPen(background);
    canvas.SetBrush(background);
    canvas.FillRect(0, 0, canvas.Width(), canvas.Height());
    const float f = h - 20;
    const int right = static_cast<int>(w - 40);
    for (int c = 0; static_cast<float>(c) < f; ++c) {
        canvas.SetPen(
            HeightColour(g, static_cast<int>(static_cast<float>(c) / f * kSurfaceMaxHeight)));
        const int y = static_cast<int>(h - static_cast<float>(c));
        canvas.Line(30, y, right, y);
    }
    canvas.SetPen(kGrey);
    canvas.SetBrush(background);
    canvas.SetTextColour(colour::kBlack);
    for (int v = 0; v <= kSurfaceMaxHeight; v += 5) {
        const int y = ScaleY(h, static_cast<float>(v));
        canvas.Line(20, y, right, y);
        TextNumber(canvas, 20, y - 11, v, true);
    }

    if (!LiveCellKnown(live)) return;
    const int advance = image.MapCell(live.throttleRow, live.rpmColumn);
    const int y = ScaleY(h, static_cast<float>(advance));
    const int wi = canvas.Width();
    canvas.SetPen(colour::kWhite);
    canvas.SetBrush(colour::kWhite);
    canvas.Rectangle(wi - 60, y - 8, wi, y + 9);
    canvas.SetPen(colour::kLime);
    canvas.Line(wi - 60, y, wi - 30, y);
    canvas.Line(wi - 60, y + 1, wi - 30, y + 1);
    canvas.Line(wi - 60, y, wi - 52, y - 4);
    canvas.Line(wi - 60, y + 1, wi - 52, y + 5);
    canvas.SetPen(colour::kBlack);
    canvas.SetBrush(colour::kWhite);
    TextNumber(canvas, wi - 25, y - 7, advance);
}

bool SurfaceMouse(TGraphAdv& g, SurfaceMouseKind kind, int x, int y, SurfaceTracks& tracks) {
    switch (kind) {
        case SurfaceMouseKind::Press:
            g.grabX = x;
            g.grabY = y;
            g.pressAngleX = TrackAngle(tracks.x);
            g.pressAngleY = TrackAngle(tracks.y);
            g.pressAngleZ = TrackAngle(tracks.z);
            g.dragHandle = 1;
            return false;
        case SurfaceMouseKind::Release:
            g.dragHandle = 0;
            return false;
        case SurfaceMouseKind::Move:
            break;
    }
    if (g.dragHandle != 1) return false;
    const auto position = [](float angle) {
        while (angle > kPi) angle -= 2 * kPi;
        while (angle < -kPi) angle += 2 * kPi;
        // Truncated toward zero, but a position that came in as an angle must come back out
        // as itself: 7 * pi / 36 in single precision gives 6.9999995 steps.
        const float steps = angle * kSurfaceStepsPerPi / kPi;
        return static_cast<int>(steps + (steps < 0 ? -kStepTolerance : kStepTolerance));
    };
    tracks.x = position(g.pressAngleX + static_cast<float>(x - g.grabX) / kSurfaceStepsPerPi);
    tracks.y = position(g.pressAngleY + static_cast<float>(g.grabY - y) / kSurfaceStepsPerPi);
    tracks.z = position(g.pressAngleZ);
    return true;
}

bool SurfaceWheel(const TGraphAdv& g, ParamImage& image, const LiveMapPoint& live, int delta, int x,
                  int y) {
    if (x < g.imageLeft || x > g.imageWidth || y < g.imageTop || y > g.imageHeight) return false;
    if (!LiveCellKnown(live)) return false;
    std::uint8_t& cell = image.MapCell(live.throttleRow, live.rpmColumn);
    const int stepped = cell + (delta > 0 ? 1 : -1);
    cell = static_cast<std::uint8_t>(std::clamp(stepped, 0, kSurfaceMaxHeight));
    return true;
}

}  // namespace orvell
