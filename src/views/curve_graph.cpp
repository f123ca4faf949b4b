#include "views/curve_graph.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvell {

namespace {

constexpr int kLastRow = kMapRows - 1;

int AxisRpmFor(const ParamImage& image) {
    const int rpm = std::max(image.RpmAxis(kAxisPoints - 1) * 100, image.LimiterSpeed() * 100);
    // Round up to the next 2500 rpm with at least 900 rpm to spare.
    return ((rpm + 900 + 2400) / 2500) * 2500;
}

void SetRectangles(TGraphAdv& g, int width, int height) {
    g.hasImage = true;
    g.imageLeft = 0;
    g.imageTop = 0;
    g.imageWidth = width;
    g.imageHeight = height;
    g.plotLeft = g.imageLeft + g.marginLeft;
    g.plotBottom = g.imageHeight - g.marginBottom;
    g.plotWidth = g.imageWidth - g.imageLeft - g.marginLeft - g.marginRight;
    g.plotHeight = g.imageHeight - g.imageTop - g.marginTop - g.marginBottom;
}

void SetScales(TGraphAdv& g) {
    g.scaleX = static_cast<float>(g.plotWidth) / static_cast<float>(g.axisRpm);
    g.scaleY = static_cast<float>(g.plotHeight) / static_cast<float>(g.axisAdvance);
}

// Grid positions: the k-th line of a step in pixels, rounded half up.
int GridX(const TGraphAdv& g, int i) {
    return static_cast<int>(g.plotLeft +
                            std::floor(i * static_cast<double>(g.scaleX) * 1000.0 + 0.5));
}
int GridY(const TGraphAdv& g, double degrees) {
    return static_cast<int>(g.plotBottom -
                            std::floor(degrees * static_cast<double>(g.scaleY) + 0.5));
}
// The zero line of a raised curve (rounded half down, as the band it bounds).
int ZeroLineY(const TGraphAdv& g, int offset) {
    return static_cast<int>(g.plotBottom -
                            std::floor(offset * static_cast<double>(g.scaleY) - 0.5));
}

void DoubleLine(Canvas& c, int x1, int y1, int x2, int y2, int dx, int dy) {
    c.Line(x1, y1, x2, y2);
    c.Line(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
}

void FillBetween(Canvas& c, int x1, int y1, int x2, int y2) {
    c.FillRect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

std::int16_t FlagsOf(const TSelcell& s, int row, int column) {
    return s.cellFlags[static_cast<std::size_t>(row * kMapColumns + column)];
}

struct CurveStyle {
    int curve = 0;
    int offset = 0;
    Colour line = graph_colour::kGrey;
    Colour fill = graph_colour::kGrey;
    bool markersShown = false;  // the markers of columns are drawn on this curve
};

Colour SegmentColour(const TSelcell& s, const CurveStyle& st, int k) {
    if (k < 1 || k > kMapColumns - 1) return st.line;
    const std::int16_t f = FlagsOf(s, st.curve, k);
    const std::int16_t g = FlagsOf(s, st.curve, k - 1);
    if (f == 0 || g == 0) return st.line;
    const bool fIn = (f & TSelcell::FlagInBand) != 0;
    const bool gIn = (g & TSelcell::FlagInBand) != 0;
    if (fIn && gIn) {
        const bool marked = ((f | g) & TSelcell::FlagMarked) != 0;
        return marked ? colour::kYellow : colour::kRed;
    }
    if (!fIn && !gIn) return graph_colour::kBlue;
    return st.line;
}

void DrawCurve(Canvas& c, const CurveScene& scene, const CurveStyle& st) {
    const TGraphAdv& g = scene.graph;
    const TSelcell& s = scene.selection;
    std::array<CanvasPoint, kCurveEndPoint + 2> p{};
    for (int k = HandleBase; k <= kCurveEndPoint; ++k) {
        p[static_cast<std::size_t>(k + 1)] = CurvePointAt(g, scene.image, st.curve, k, st.offset);
    }
    auto at = [&p](int k) { return p[static_cast<std::size_t>(k + 1)]; };

    // Segments. From the base point the curve steps: along the base advance to column 0's
    // speed, then straight to point 0; each later segment is drawn four times for weight.
    for (int k = 0; k <= kCurveEndPoint; ++k) {
        c.SetPen(SegmentColour(s, st, k));
        const CanvasPoint a = at(k - 1);
        const CanvasPoint b = at(k);
        if (k == 0) {
            DoubleLine(c, a.x, a.y, b.x, a.y, 0, -1);
            DoubleLine(c, b.x, a.y, b.x, b.y, -1, 0);
            continue;
        }
        c.Line(a.x, a.y, b.x, b.y);
        c.Line(a.x, a.y - 1, b.x, b.y - 1);
        c.Line(a.x - 1, a.y - 1, b.x - 1, b.y - 1);
        c.Line(a.x + 1, a.y - 1, b.x + 1, b.y - 1);
    }

    // Points; a cell of the selection gets its colours and a larger second square.
    for (int k = HandleBase; k < kMapColumns; ++k) {
        const CanvasPoint q = at(k);
        const std::int16_t flags = k >= 0 ? FlagsOf(s, st.curve, k) : std::int16_t{0};
        Colour pen = st.line;
        Colour fill = st.fill;
        if (flags != 0) {
            if ((flags & TSelcell::FlagInBand) != 0) {
                pen = colour::kRed;
                fill = (flags & TSelcell::FlagMarked) != 0 ? colour::kYellow : colour::kRed;
            } else {
                pen = graph_colour::kBlue;
                fill = (flags & TSelcell::FlagCorner) != 0 ? graph_colour::kDarkGreen
                                                           : graph_colour::kBlue;
            }
        }
        c.SetPen(pen);
        c.SetBrush(fill);
        c.RoundRect(q.x - 3, q.y - 3, q.x + 3, q.y + 3, 3, 3);
        if (flags != 0) c.RoundRect(q.x - 5, q.y - 5, q.x + 5, q.y + 5, 5, 5);
    }

    // Markers: what a drag or a wheel step would change. Shift widens a point to its curve,
    // Ctrl to its column on every curve; the base advance is one value shared by all curves.
    const bool dragging = g.dragHandle != HandleNone;
    const bool pointCaught = g.hoverHandle >= 0 || g.dragHandle >= 0;
    c.ClearBrush();
    c.SetPen(dragging ? graph_colour::kBlue : colour::kRed);
    for (int k = HandleBase; k < kMapColumns; ++k) {
        const bool marked =
            k == g.dragHandle || k == g.hoverHandle || (k >= 0 && g.shiftHeld != 0 && pointCaught);
        if (!marked) continue;
        if (!st.markersShown && k != HandleBase) continue;
        const CanvasPoint q = at(k);
        c.Rectangle(q.x - 5, q.y - 5, q.x + 4, q.y + 4);
    }
}

void DrawCurveLabel(Canvas& c, const CurveScene& scene, const CurveStyle& st) {
    std::array<char, 16> text{};
    const int n = std::snprintf(text.data(), text.size(), "%i%%",
                                kThrottleBreakpoints[static_cast<std::size_t>(st.curve)]);
    const std::string_view label(text.data(), static_cast<std::size_t>(std::max(n, 0)));
    const CanvasPoint base =
        CurvePointAt(scene.graph, scene.image, st.curve, HandleBase, st.offset);
    c.SetBrush(st.curve == scene.live.throttleRow ? graph_colour::kLive : colour::kButtonFace);
    c.SetTextColour(colour::kBlack);
    c.Text(scene.graph.plotLeft - c.TextWidth(label) - 5, base.y - 6, label);
}

struct Frame {
    int plotTop = 0;
    int plotRight = 0;
};

Frame Background(Canvas& c, const TGraphAdv& g) {
    const Frame f{g.plotBottom - g.plotHeight, g.plotLeft + g.plotWidth};
    c.SetBrush(colour::kButtonFace);
    c.FillRect(0, 0, c.Width(), c.Height());
    c.SetBrush(graph_colour::kPlot);
    FillBetween(c, g.plotLeft, g.plotBottom, f.plotRight, f.plotTop);
    return f;
}

void LimiterArea(Canvas& c, const CurveScene& scene, const Frame& f) {
    const int x = LimiterX(scene.graph, scene.image);
    if (x >= f.plotRight) return;
    c.SetBrush(graph_colour::kSilver);
    FillBetween(c, x, scene.graph.plotBottom, f.plotRight, f.plotTop);
}

void VerticalGrid(Canvas& c, const TGraphAdv& g, const Frame& f) {
    for (int i = 1; i <= g.axisRpm / 1000; ++i) {
        const int x = GridX(g, i);
        c.Line(x, g.plotBottom + 3, x, f.plotTop);
    }
}

void SpeedLabels(Canvas& c, const TGraphAdv& g) {
    const bool everySecond = g.axisRpm >= 15000;
    std::array<char, 16> text{};
    for (int i = 0; i <= g.axisRpm / 1000; ++i) {
        if (everySecond && i % 2 != 0) continue;
        const int n = std::snprintf(text.data(), text.size(), "%ik", i);
        c.Text(GridX(g, i) - 7, g.plotBottom + 2,
               std::string_view(text.data(), static_cast<std::size_t>(std::max(n, 0))));
    }
}

void Axes(Canvas& c, const TGraphAdv& g, const Frame& f) {
    c.SetPen(colour::kBlack);
    DoubleLine(c, g.plotLeft, g.plotBottom, g.plotLeft, f.plotTop - 1, -1, 0);
    DoubleLine(c, g.plotLeft, g.plotBottom, f.plotRight, g.plotBottom, 0, 1);
}

void RubberBand(Canvas& c, const TSelcell& s) {
    if (s.state != TSelcell::SelectionDragging) return;
    c.SetPen(colour::kRed);
    c.Line(s.anchorX, s.anchorY, s.pointX, s.anchorY);
    c.Line(s.pointX, s.anchorY, s.pointX, s.pointY);
    c.Line(s.pointX, s.pointY, s.anchorX, s.pointY);
    c.Line(s.anchorX, s.pointY, s.anchorX, s.anchorY);
}

void LimiterLine(Canvas& c, const CurveScene& scene, const Frame& f) {
    const TGraphAdv& g = scene.graph;
    Colour colour = 0;
    if (g.dragHandle == HandleLimiter) {
        colour = graph_colour::kBlue;
    } else if (g.hoverHandle == HandleLimiter) {
        colour = colour::kRed;
    } else {
        return;
    }
    const int x = LimiterX(g, scene.image);
    c.SetPen(colour);
    DoubleLine(c, x, g.plotBottom, x, f.plotTop, 1, 0);
}

void LivePoint(Canvas& c, const CurveScene& scene, const Frame& f, int offset) {
    const TGraphAdv& g = scene.graph;
    const LiveMapPoint& live = scene.live;
    if (live.rpm == 0) return;
    c.SetPen(graph_colour::kLive);
    const int x = RpmToX(g, live.rpm);
    c.Line(x, g.plotBottom, x, f.plotTop);
    if (live.rpmColumn < 0 || live.rpmColumn >= kMapColumns) return;
    if (live.throttleRow < 0 || live.throttleRow >= kMapRows) return;
    const CanvasPoint q = CurvePointAt(g, scene.image, live.throttleRow, live.rpmColumn, offset);
    c.ClearBrush();
    c.Ellipse(q.x - 7, q.y - 7, q.x + 8, q.y + 8);
    c.Ellipse(q.x - 8, q.y - 8, q.x + 9, q.y + 9);
}

}  // namespace

CanvasPoint CurvePointAt(const TGraphAdv& g, const ParamImage& image, int curve, int k,
                         int offset) {
    int rpm = 0;
    int advance = image.BaseAdvance();
    if (k >= 0 && k < kMapColumns) {
        rpm = image.RpmAxis(k) * 100;
        advance = image.MapCell(curve, k);
    } else if (k >= kCurveEndPoint) {
        rpm = g.axisRpm;
        advance = image.MapCell(curve, kMapColumns - 1);
    }
    return {RpmToX(g, rpm), AdvanceToY(g, advance + offset)};
}

void ComputeCurveScales(TGraphAdv& g, const ParamImage& image, int width, int height) {
    SetRectangles(g, width, height);
    g.axisRpm = AxisRpmFor(image);
    // Each curve stays at least 8 degrees above the next one at every column.
    int rise = 0;
    for (int r = 1; r < kMapRows; ++r) {
        for (int c = 0; c < kMapColumns; ++c) {
            rise = std::max(rise, image.MapCell(r, c) - image.MapCell(r - 1, c));
        }
    }
    g.curveStep = ((rise + 12) / 5) * 5;
    const int raise = kLastRow * g.curveStep;
    int top = image.BaseAdvance() + raise;
    for (int c = 0; c < kMapColumns; ++c) top = std::max(top, image.MapCell(0, c) + raise);
    top = std::max(top, 0);
    g.axisAdvance = ((top + 5 + 4) / 5) * 5;
    SetScales(g);
}

void ComputeSingleCurveScales(TGraphAdv& g, const ParamImage& image, int width, int height) {
    SetRectangles(g, width, height);
    g.axisRpm = AxisRpmFor(image);
    int top = image.BaseAdvance();
    for (int c = 0; c < kMapColumns; ++c) top = std::max<int>(top, image.MapCell(kLastRow, c));
    top = std::max(top, 0);
    g.axisAdvance = ((top + 2 + 4) / 5) * 5;
    SetScales(g);
}

void DrawCurveMap(Canvas& c, const CurveScene& scene) {
    const TGraphAdv& g = scene.graph;
    const Frame f = Background(c, g);
    const int activeOffset = CurveOffset(g, true, g.activeCurve);

    // The 0..60 degree band of the active curve.
    const int yA = ZeroLineY(g, activeOffset);
    int yB = static_cast<int>(yA - std::floor(60.0 * static_cast<double>(g.scaleY)));
    yB = std::max(yB, f.plotTop);
    c.SetBrush(colour::kWhite);
    FillBetween(c, g.plotLeft, yA, f.plotRight, yB);
    LimiterArea(c, scene, f);

    c.SetPen(graph_colour::kSilver);
    VerticalGrid(c, g, f);
    for (int i = 1; i <= g.axisAdvance / 5; ++i) {
        const int y = GridY(g, 5.0 * i);
        c.Line(g.plotLeft - 3, y, f.plotRight, y);
    }
    c.Line(g.plotLeft - 3, yA, f.plotRight, yA);

    c.ClearBrush();
    c.SetTextColour(colour::kBlack);
    SpeedLabels(c, g);
    // Advance labels on the right belong to the active curve and end at its 60 degrees.
    const bool everySecond = g.axisAdvance >= 40;
    std::array<char, 16> text{};
    for (int i = 0; i <= (g.axisAdvance - activeOffset) / 5 && i <= 12; ++i) {
        if (everySecond && i % 2 != 0) continue;
        const int n = std::snprintf(text.data(), text.size(), "%i", 5 * i);
        c.Text(f.plotRight + 5, GridY(g, 5.0 * i + activeOffset) - 8,
               std::string_view(text.data(), static_cast<std::size_t>(std::max(n, 0))));
    }

    Axes(c, g, f);
    RubberBand(c, scene.selection);
    for (int t = 0; t < kMapRows; ++t) {
        CurveStyle st;
        st.curve = t;
        st.offset = CurveOffset(g, true, t);
        if (t == g.activeCurve) {
            st.line = colour::kRed;
            st.fill = colour::kYellow;
        }
        st.markersShown = t == g.activeCurve || g.ctrlHeld != 0;
        DrawCurve(c, scene, st);
        DrawCurveLabel(c, scene, st);
    }
    LimiterLine(c, scene, f);
    LivePoint(c, scene, f, CurveOffset(g, true, scene.live.throttleRow));
}

void DrawSingleCurve(Canvas& c, const CurveScene& scene) {
    const TGraphAdv& g = scene.graph;
    const Frame f = Background(c, g);
    LimiterArea(c, scene, f);

    c.SetPen(graph_colour::kGrey);
    VerticalGrid(c, g, f);
    for (int i = 1; i <= g.axisAdvance / 5; ++i) {
        const int y = GridY(g, 5.0 * i);
        c.Line(g.plotLeft - 3, y, f.plotRight, y);
    }

    c.ClearBrush();
    c.SetTextColour(colour::kBlack);
    SpeedLabels(c, g);
    const bool everySecond = g.axisAdvance >= 40;
    std::array<char, 16> text{};
    for (int i = 0; i <= g.axisAdvance / 5; ++i) {
        if (everySecond && i % 2 != 0) continue;
        const int n = std::snprintf(text.data(), text.size(), "%i", 5 * i);
        c.Text(g.plotLeft - 20, GridY(g, 5.0 * i) - 4,
               std::string_view(text.data(), static_cast<std::size_t>(std::max(n, 0))));
    }

    Axes(c, g, f);
    RubberBand(c, scene.selection);
    CurveStyle st;
    st.curve = kSingleCurveRow;
    st.line = colour::kRed;
    st.fill = colour::kYellow;
    st.markersShown = true;
    DrawCurve(c, scene, st);
    LimiterLine(c, scene, f);
    LiveMapPoint live = scene.live;
    live.throttleRow = kSingleCurveRow;
    const CurveScene single{g, scene.image, scene.selection, live};
    LivePoint(c, single, f, 0);
}

std::string_view CurveGraphHint(const TGraphAdv& g, const ParamImage& image,
                                std::array<char, 64>& buffer) {
    const bool dragging = g.dragHandle != HandleNone;
    const int handle = dragging ? g.dragHandle : g.hoverHandle;
    const char* move = dragging ? " (move)" : "";
    int n = 0;
    if (handle >= 0 && handle < kMapColumns) {
        const int row = std::clamp(g.activeCurve, 0, kMapRows - 1);
        n = std::snprintf(buffer.data(), buffer.size(), "  rpm=%i; advance=%i\u00B0%s",
                          image.RpmAxis(handle) * 100, image.MapCell(row, handle), move);
    } else if (handle == HandleBase) {
        n = std::snprintf(buffer.data(), buffer.size(), "  BASE advance=%i\u00B0%s",
                          image.BaseAdvance(), move);
    } else if (handle == HandleLimiter) {
        n = std::snprintf(buffer.data(), buffer.size(), "  Limiter=%i%s",
                          image.LimiterSpeed() * 100, move);
    }
    n = std::clamp(n, 0, static_cast<int>(buffer.size()) - 1);
    return {buffer.data(), static_cast<std::size_t>(n)};
}

void LayoutCurvePoints(const TGraphAdv& g, const ParamImage& image, TSelcell& selection) {
    for (int r = 0; r < kMapRows; ++r) {
        const int offset = CurveOffset(g, true, r);
        for (int c = 0; c < kMapColumns; ++c) {
            const CanvasPoint p = CurvePointAt(g, image, r, c, offset);
            selection.cellRect[static_cast<std::size_t>(r * kMapColumns + c)] =
                CellRect{p.x - 5, p.y - 5, p.x + 5, p.y + 5};
        }
    }
    selection.areaWidth = g.imageWidth;
    selection.areaHeight = g.imageHeight;
}

void LayoutSingleCurvePoints(const TGraphAdv& g, const ParamImage& image, TSelcell& selection) {
    selection.cellRect.fill(CellRect{});
    for (int c = 0; c < kMapColumns; ++c) {
        const CanvasPoint p = CurvePointAt(g, image, kSingleCurveRow, c, 0);
        selection.cellRect[static_cast<std::size_t>(kSingleCurveRow * kMapColumns + c)] =
            CellRect{p.x - 5, p.y - 5, p.x + 5, p.y + 5};
    }
    selection.areaWidth = g.imageWidth;
    selection.areaHeight = g.imageHeight;
}

}  // namespace orvell
