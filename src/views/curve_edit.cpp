#include "views/curve_edit.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvell {

namespace {

constexpr int kMaxAdvance = 60;
constexpr int kMaxSpeed = 25500;  // rpm
constexpr int kMaxLimiter = 250;  // the limiter's highest stored value (25000 rpm)
constexpr int kCatch = 5;         // pixels around a handle that catch the pointer

// A cell or the base advance changed in 8 bits: what went below 0 wrapped above 127 and
// becomes 0; above 60 is 60.
std::uint8_t SteppedAdvance(int value, int delta) {
    const auto v = static_cast<std::uint8_t>(value + delta);
    if (v > 127) return 0;
    if (v > kMaxAdvance) return kMaxAdvance;
    return v;
}

std::uint8_t& Cell(ParamImage& image, int row, int column) {
    return image.MapCell(row, column);
}

int Distance(int dx, int dy) {
    return static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
}

struct Mode {
    bool curveMap = true;
    int firstCurve = 0;  // the curves the pointer can catch
    int lastCurve = kMapRows - 1;
};

Mode ModeOf(bool curveMap) {
    if (curveMap) return {};
    return {false, kSingleCurveRow, kSingleCurveRow};
}

// The curve a drag or a wheel step on a point works on.
int EditedCurve(const TGraphAdv& g, const Mode& m) {
    return m.curveMap ? std::clamp(g.activeCurve, 0, kMapRows - 1) : kSingleCurveRow;
}

void ComputeScales(CurveEdit& e, const Mode& m) {
    if (m.curveMap) {
        ComputeCurveScales(e.graph, e.image, e.width, e.height);
    } else {
        ComputeSingleCurveScales(e.graph, e.image, e.width, e.height);
    }
}

void ClearHover(CurveEdit& e, const Mode& m) {
    TGraphAdv& g = e.graph;
    // The wheel follows what is shown under the pointer: without a hover it steps no point.
    g.wheelHandle = HandleNone;
    if (g.hoverHandle == HandleNone) return;
    g.hoverHandle = HandleNone;
    e.redrawRequest |= kViewRepaint;
    if (m.curveMap) e.host.SetGraphHint({});
}

struct Hit {
    int handle = HandleNone;
    int curve = -1;  // nearest curve (curve map mode)
    int grabX = 0;
    int grabY = 0;
};

// The handle whose catch box holds (x, y) nearest, and the curve of the nearest point at all;
// else the limiter line when the pointer is within its catch distance, at any height.
Hit HitTest(const CurveEdit& e, const Mode& m, int x, int y) {
    const TGraphAdv& g = e.graph;
    Hit hit;
    int nearest = 1000;
    int best = 1000;
    for (int t = m.firstCurve; t <= m.lastCurve; ++t) {
        const int offset = CurveOffset(g, m.curveMap, t);
        for (int k = HandleBase; k < kMapColumns; ++k) {
            const CanvasPoint p = CurvePointAt(g, e.image, t, k, offset);
            const int dx = x - p.x;
            const int dy = y - p.y;
            const int d = Distance(dx, dy);
            if (d < nearest) {
                nearest = d;
                if (m.curveMap) hit.curve = t;
            }
            if (std::abs(dx) <= kCatch && std::abs(dy) <= kCatch && d < best) {
                best = d;
                hit.handle = k;
                if (m.curveMap) hit.curve = t;
                hit.grabX = dx;
                hit.grabY = dy;
            }
        }
    }
    if (hit.handle == HandleNone) {
        const int xLim = LimiterX(g, e.image);
        if (std::abs(x - xLim) <= kCatch) {
            hit.handle = HandleLimiter;
            hit.grabX = x - xLim;
            hit.grabY = 0;
        }
    }
    return hit;
}

void Press(CurveEdit& e, const Mode& m, const Hit& hit, int x, int y) {
    TGraphAdv& g = e.graph;
    g.dragHandle = hit.handle;
    if (hit.handle != HandleNone) {
        if (hit.handle != HandleLimiter && m.curveMap) g.activeCurve = hit.curve;
        g.grabX = hit.grabX;
        g.grabY = hit.grabY;
        e.redrawRequest |= kViewRepaint;
        return;
    }
    // No handle: a rubber band over the points. Shift keeps the previous band's corner, Ctrl
    // keeps the marks; both may be held together here.
    if (m.curveMap) {
        LayoutCurvePoints(g, e.image, e.selection);
    } else {
        LayoutSingleCurvePoints(g, e.image, e.selection);
    }
    e.selection.BeginSelection(x, y, g.shiftHeld != 0, g.ctrlHeld != 0);
    e.redrawRequest |= kViewRepaint;
}

void Drag(CurveEdit& e, const Mode& m, int x, int y) {
    TGraphAdv& g = e.graph;
    if (g.pointerWarped != 0) {
        // The move the program's own pointer warp caused.
        g.pointerWarped = 0;
        return;
    }
    if (e.selection.state == TSelcell::SelectionDragging) {
        if (e.selection.TrackSelection(x, y)) e.redrawRequest |= kViewRepaint;
        return;
    }
    if (g.dragHandle == HandleNone) return;

    // The speed under the pointer in steps of 100 rpm (halves up), the advance in degrees.
    const double speedSteps =
        std::floor((x - g.plotLeft - g.grabX) / static_cast<double>(g.scaleX) * 0.01 + 0.5);
    const int n = std::clamp(static_cast<int>(speedSteps) * 100, 0, kMaxSpeed);
    const int curve = EditedCurve(g, m);
    const double degrees =
        std::floor((y - g.plotBottom - g.grabY) / static_cast<double>(g.scaleY) + 0.5);
    const int a =
        std::clamp(-static_cast<int>(degrees) - CurveOffset(g, m.curveMap, curve), 0, kMaxAdvance);

    if (g.dragHandle >= 0) {
        const int k = g.dragHandle;
        e.image.SetRpmAxis(k, static_cast<std::uint8_t>(n / 100));
        const int delta = a - Cell(e.image, curve, k);
        const bool ctrl = m.curveMap && g.ctrlHeld != 0;
        const bool shift = g.shiftHeld != 0;
        for (int t = 0; t < kMapRows; ++t) {
            for (int c = 0; c < kMapColumns; ++c) {
                const bool changed = (c == k && t == curve) || (c == k && ctrl) ||
                                     (t == curve && shift) || (ctrl && shift);
                if (changed) Cell(e.image, t, c) = SteppedAdvance(Cell(e.image, t, c), delta);
            }
        }
    } else if (g.dragHandle == HandleBase) {
        e.image.SetBaseAdvance(static_cast<std::uint8_t>(a));
    } else if (g.dragHandle == HandleLimiter) {
        e.image.SetLimiterSpeed(static_cast<std::uint8_t>(std::min(n / 100, kMaxLimiter)));
    }
    // The rules keep the rpm axis ordered and push the neighbours out of the dragged
    // breakpoint's way; for the limiter they find the breakpoint it moved themselves.
    e.host.ApplyRules(g.dragHandle);
    e.host.RefreshControls();

    // A changed scale would move the handle away from the pointer: the pointer follows it.
    const float oldScaleX = g.scaleX;
    const float oldScaleY = g.scaleY;
    ComputeScales(e, m);
    if (g.scaleX != oldScaleX) {
        e.host.WarpPointer(RpmToX(g, n) + g.grabX, y);
        g.pointerWarped = 1;
    }
    if (g.scaleY != oldScaleY) {
        e.host.WarpPointer(x, AdvanceToY(g, CurveOffset(g, m.curveMap, curve) + a) + g.grabY);
        g.pointerWarped = 1;
    }
    e.redrawRequest |= m.curveMap ? kViewRescale : kViewRepaint;
}

CurveMouseResult Mouse(CurveEdit& e, const Mode& m, PointerAction action, int x, int y) {
    TGraphAdv& g = e.graph;
    const bool outside = x < g.imageLeft || x > g.imageWidth || y < g.imageTop || y > g.imageHeight;
    // Outside the image a hover ends; a drag goes on, a rubber band waits for the pointer.
    if (outside && g.dragHandle == HandleNone) {
        ClearHover(e, m);
        return CurveMouseResult::None;
    }
    if (g.scaleX == 0.0F || g.scaleY == 0.0F) return CurveMouseResult::None;

    const Hit hit = HitTest(e, m, x, y);
    const bool dragging = g.dragHandle != HandleNone;
    if (!dragging && (g.hoverHandle != hit.handle || (m.curveMap && g.activeCurve != hit.curve))) {
        e.redrawRequest |= kViewRepaint;
    }
    g.hoverHandle = dragging ? HandleNone : hit.handle;
    // The curve nearest to the pointer becomes the active one.
    if (m.curveMap && !dragging && hit.curve >= 0) g.activeCurve = hit.curve;
    g.wheelHandle = g.hoverHandle;
    if (g.hoverHandle != HandleNone) g.wheelCurve = g.activeCurve;

    CurveMouseResult result = CurveMouseResult::None;
    switch (action) {
        case PointerAction::Move:
            Drag(e, m, x, y);
            return result;
        case PointerAction::Press:
            Press(e, m, hit, x, y);
            if (g.dragHandle == HandleNone) return result;  // a band started
            break;
        case PointerAction::Release:
            if (e.selection.state == TSelcell::SelectionDragging) {
                e.selection.EndSelection();
                e.redrawRequest |= kViewRepaint;
                return m.curveMap ? result : CurveMouseResult::BandEnded;
            }
            if (g.dragHandle != HandleNone) {
                g.dragHandle = HandleNone;
                e.redrawRequest |= kViewRepaint;
                // The whole drag becomes one undo step.
                e.host.PushSnapshot();
            }
            break;
    }
    g.hoverHandle = g.dragHandle != HandleNone ? HandleNone : hit.handle;
    return result;
}

bool Wheel(CurveEdit& e, const Mode& m, const LiveMapPoint& live, int delta) {
    TGraphAdv& g = e.graph;
    const int step = delta > 0 ? 1 : -1;
    const bool ctrl = m.curveMap && g.ctrlHeld != 0;
    const bool shift = g.shiftHeld != 0;
    const int curve = m.curveMap ? g.wheelCurve : kSingleCurveRow;
    if (g.wheelHandle >= 0) {
        const int k = g.wheelHandle;
        for (int t = m.firstCurve; t <= m.lastCurve; ++t) {
            for (int c = 0; c < kMapColumns; ++c) {
                const bool changed = (c == k && t == curve) || (c == k && ctrl) ||
                                     (t == curve && shift) || (ctrl && shift);
                if (changed) Cell(e.image, t, c) = SteppedAdvance(Cell(e.image, t, c), step);
            }
        }
    } else if (g.wheelHandle == HandleBase) {
        e.image.SetBaseAdvance(SteppedAdvance(e.image.BaseAdvance(), step));
    } else if (g.wheelHandle == HandleLimiter) {
        auto v = static_cast<std::uint8_t>(e.image.LimiterSpeed() + step);
        if (v > 253) v = 0;
        if (v > kMaxLimiter) v = kMaxLimiter;
        e.image.SetLimiterSpeed(v);
    } else if (e.selection.state != TSelcell::SelectionNone) {
        for (int t = m.firstCurve; t <= m.lastCurve; ++t) {
            for (int c = 0; c < kMapColumns; ++c) {
                if (e.selection.Selected(t * kMapColumns + c)) {
                    Cell(e.image, t, c) = SteppedAdvance(Cell(e.image, t, c), step);
                }
            }
        }
    } else if (live.rpmColumn >= 0 && live.rpmColumn < kMapColumns) {
        const int row =
            m.curveMap ? std::clamp(live.throttleRow, 0, kMapRows - 1) : kSingleCurveRow;
        Cell(e.image, row, live.rpmColumn) =
            SteppedAdvance(Cell(e.image, row, live.rpmColumn), step);
    }
    // No snapshot: the wheel's changes enter the history with the next one.
    e.host.ApplyRules(-1);
    e.host.RefreshControls();
    e.redrawRequest |= kViewRescale;
    return true;
}

}  // namespace

CurveMouseResult CurveMapMouse(CurveEdit& edit, PointerAction action, int x, int y) {
    return Mouse(edit, ModeOf(true), action, x, y);
}

CurveMouseResult SingleCurveMouse(CurveEdit& edit, PointerAction action, int x, int y) {
    return Mouse(edit, ModeOf(false), action, x, y);
}

void CurveGraphLeave(CurveEdit& edit, bool curveMap) {
    ClearHover(edit, ModeOf(curveMap));
}

bool CurveMapWheel(CurveEdit& edit, const LiveMapPoint& live, int delta) {
    return Wheel(edit, ModeOf(true), live, delta);
}

bool SingleCurveWheel(CurveEdit& edit, const LiveMapPoint& live, int delta) {
    return Wheel(edit, ModeOf(false), live, delta);
}

}  // namespace orvell
