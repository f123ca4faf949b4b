// The state of a graph view of the advance map. The window holds two instances: the 2D curve
// graph (`GrafAdv`) and the 3D surface (`Graf3DAdv`), which adds fields of its own at the end.
// Plain data; the curve graph and the surface compute into it and paint from it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace orvell {

// Everything the mouse can catch on the curve graph: 0..9 a curve point of that rpm column.
inline constexpr int HandleBase = -1;  // the base advance point of a curve (0 rpm)
inline constexpr int HandleLimiter = -2;
inline constexpr int HandleNone = -100;

struct TGraphAdv {
    float scaleX = 1.0F;  // pixels per rpm
    float scaleY = 1.0F;  // pixels per degree
    std::int32_t marginLeft = 35;
    std::int32_t marginRight = 25;
    std::int32_t marginTop = 5;
    std::int32_t marginBottom = 15;
    std::int32_t imageLeft = 0;
    std::int32_t imageTop = 0;
    std::int32_t imageWidth = 0;
    std::int32_t imageHeight = 0;
    std::int32_t plotLeft = 0;    // x of 0 rpm
    std::int32_t plotBottom = 0;  // y of 0 degrees
    std::int32_t plotWidth = 0;
    std::int32_t plotHeight = 0;
    std::int32_t dragHandle = HandleNone;
    std::int32_t grabX = 0;  // pointer minus handle position at the press
    std::int32_t grabY = 0;
    std::int32_t axisRpm = 0;
    std::int32_t axisAdvance = 0;
    std::int32_t pointerWarped = 0;  // the next pointer move is the program's own warp
    std::int32_t hoverHandle = HandleNone;
    std::int32_t shownRpm = 0;  // the live point at the last redraw that tracked it
    std::int32_t shownThrottle = 0;
    std::int32_t curveStep = 5;  // degrees between the zero lines of neighbouring curves
    std::int32_t activeCurve = 0;
    std::int32_t ctrlHeld = 0;  // modifier keys at the last tick
    std::int32_t shiftHeld = 0;
    std::int32_t wheelCurve = 0;
    std::int32_t wheelHandle = HandleNone;
    // Whether the image has been taken as this graph's surface (the first scale computation).
    bool hasImage = false;

    // The surface only.
    std::int32_t axisThrottle = 0;
    float scaleZ = 0.0F;
    std::array<std::uint32_t, 61> heightColours{};  // 0xRRGGBB for 0..60 degrees
    std::array<std::array<float, 3>, 3> rotation{};
    std::array<std::array<float, 3>, 3> projection{};
    float pressAngleY = 0.0F;
    float pressAngleX = 0.0F;
    float pressAngleZ = 0.0F;
};

// The operating point of the running engine as the map views show it.
struct LiveMapPoint {
    int rpm = 0;               // live engine speed; 0 while none has been received
    int rpmColumn = 10;        // 0..9; 10 when there is none (no speed, or below the map)
    int throttleRow = 9;       // 0..9; 9 while the TPS map is off
    int throttlePercent = 0;
    friend bool operator==(const LiveMapPoint&, const LiveMapPoint&) = default;
};

// What the map views need of the window they live in when an edit of theirs lands.
class MapViewHost {
  public:
    virtual ~MapViewHost() = default;
    // The rule pass, with the breakpoint the edit moved (0..9; -1 none; -2 find it by comparison).
    virtual void ApplyRules(int editedBreakpoint) = 0;
    // Every control shows the image again.
    virtual void RefreshControls() = 0;
    // One undo step (and a Program when "Programming after change" is on).
    virtual void PushSnapshot() = 0;
    // Moves the pointer to (x, y) in the coordinates of the curve graph's image.
    virtual void WarpPointer(int x, int y) = 0;
    // The hint text of the curve graph.
    virtual void SetGraphHint(std::string_view hint) = 0;
};

}  // namespace orvell
