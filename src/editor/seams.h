// What the editor needs from components that come later (the link, the map views). Each seam
// is one small interface; the window supplies a do-nothing default until the real one exists.
#pragma once

namespace orvell {

// The operating point of the running engine, from live monitoring.
struct LiveOperatingPoint {
    int rpmColumn = 0;      // 0..9
    int throttleRow = 0;    // 0..9
    int servoPoint = 0;     // 0..9
    bool belowMap = false;  // engine speed below the first rpm breakpoint
    int tpsMillivolts = 0;
    int engineSpeed = 0;  // rpm; 0 while none has been received
    int throttlePercent = 0;
};

class LivePointSource {
  public:
    virtual ~LivePointSource() = default;
    virtual LiveOperatingPoint LivePoint() const = 0;
};

// The shared cell selection of the map views, as far as the advance step reads it.
class CellMarks {
  public:
    virtual ~CellMarks() = default;
    // True when at least one cell is marked (the selection is present, not being dragged).
    virtual bool SelectionPresent() const = 0;
    // Cell k = 10 * row + column counts as selected when any of its flags is set.
    virtual bool CellSelected(int cell) const = 0;
};

// The map grid view that the page layout sets up whenever it shows the "Map" view.
class MapGridView {
  public:
    virtual ~MapGridView() = default;
    virtual void LayoutGridCells() = 0;
    virtual void DrawSelection() = 0;
};

// Starts a Program transfer of the present image without gathering the controls.
class TransferStarter {
  public:
    virtual ~TransferStarter() = default;
    virtual void StartProgramTransfer() = 0;
};

// Moves the keyboard focus to the next control in tab order; a front end does this with its
// focus chain, which runs the focus-loss handler of the box that had the focus.
class FocusChain {
  public:
    virtual ~FocusChain() = default;
    virtual void FocusNextControl() = 0;
};

// Told after every step that leaves the history at a new state (a new snapshot, an undo or a
// redo), so that the state can be kept where a crash cannot lose it.
class ChangeRecorder {
  public:
    virtual ~ChangeRecorder() = default;
    virtual void ChangeRecorded() = 0;
};

}  // namespace orvell

namespace orvell {

// Bits of the redraw request the map views act on at the next tick.
inline constexpr unsigned kRedrawRepaint = 1;
inline constexpr unsigned kRedrawRescale = 2;  // recompute the scales, then repaint

// Stand-ins for seams whose real side does not exist yet: no live point, no selection, no
// grid view, no transfer, no focus chain, nothing kept.
class NullSeams final : public LivePointSource,
                        public CellMarks,
                        public MapGridView,
                        public TransferStarter,
                        public FocusChain,
                        public ChangeRecorder {
  public:
    LiveOperatingPoint LivePoint() const override { return {}; }
    bool SelectionPresent() const override { return false; }
    bool CellSelected(int) const override { return false; }
    void LayoutGridCells() override {}
    void DrawSelection() override {}
    void StartProgramTransfer() override {}
    void FocusNextControl() override {}
    void ChangeRecorded() override {}
};

// The seams one editor uses; every pointer is set (to a NullSeams when nothing better exists).
struct EditorSeams {
    LivePointSource* live = nullptr;
    CellMarks* marks = nullptr;
    MapGridView* grid = nullptr;
    TransferStarter* transfer = nullptr;
    FocusChain* focus = nullptr;
    ChangeRecorder* recorder = nullptr;

    static EditorSeams AllOf(NullSeams& none) { return {&none, &none, &none, &none, &none, &none}; }
};

}  // namespace orvell
