// The main window's controls as plain data: exactly the properties that the editor logic reads
// or writes. Every setter that changes a value bumps the control's revision, so a front end
// can push only the controls whose revision moved since it last looked.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/colours.h"

namespace orvell {

enum class ControlKind : std::uint8_t {
    Window,
    MenuItem,
    Button,
    Label,
    EditBox,
    UpDown,
    CheckBox,
    ComboBox,
    RadioGroup,
    RadioButton,
    GroupBox,
    PageControl,
    TabSheet,
    Image,
    Gauge,
    TrackBar,
    SpinButton,
    StatusBar,
};

// What a control is for, where its kind alone does not say: set once by the window model, read
// by the event table and by a front end that draws the control.
enum class Role : std::uint8_t {
    FieldCheckBox = 1,  // releasing it runs the edit pipeline (the others switch a view)
    AdvanceKeys = 2,    // "+" and "-" typed on it step the advance
    TextColour = 4,     // its colour is that of its text, not of its background
    Picture = 8,        // a tool button that shows a picture; its caption only names it
};

class Control {
  public:
    explicit Control(ControlKind kind) : kind_(kind) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    ControlKind Kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    // The control that contains this one (page, group box, menu), null for top-level ones.
    Control* Parent() const { return parent_; }
    std::uint32_t Revision() const { return revision_; }
    bool Has(Role role) const { return (roles_ & static_cast<std::uint8_t>(role)) != 0; }
    void AddRole(Role role) { roles_ |= static_cast<std::uint8_t>(role); }

    bool Visible() const { return visible_; }
    void SetVisible(bool v) { Assign(visible_, v); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { Assign(enabled_, v); }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view text) { AssignText(caption_, text); }
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view text) { AssignText(hint_, text); }
    Colour Color() const { return colour_; }
    void SetColor(Colour c) { Assign(colour_, c); }

    // Pixels in the parent's coordinates; only the positions the behaviour depends on are set,
    // everything else is 0 and left to the front end's layouts.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { Assign(left_, v); }
    void SetTop(int v) { Assign(top_, v); }
    void SetWidth(int v) { Assign(width_, v); }
    void SetHeight(int v) { Assign(height_, v); }
    void SetBounds(int left, int top, int width, int height) {
        SetLeft(left);
        SetTop(top);
        SetWidth(width);
        SetHeight(height);
    }

    // Called once by the window model while it builds itself.
    void Setup(std::string name, Control* parent) {
        name_ = std::move(name);
        parent_ = parent;
    }

  protected:
    template <class T>
    void Assign(T& field, const T& value) {
        if (field == value) return;
        field = value;
        ++revision_;
    }
    void AssignText(std::string& field, std::string_view text) {
        if (field == text) return;
        field.assign(text);
        ++revision_;
    }
    void Touch() { ++revision_; }

  private:
    ControlKind kind_;
    std::string name_;
    Control* parent_ = nullptr;
    std::uint32_t revision_ = 0;
    std::uint8_t roles_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::string hint_;
    Colour colour_ = colour::kButtonFace;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

struct Label : Control {
    Label() : Control(ControlKind::Label) {}
};
struct Button : Control {
    Button() : Control(ControlKind::Button) {}
};
struct GroupBox : Control {
    GroupBox() : Control(ControlKind::GroupBox) {}
};
struct TabSheet : Control {
    TabSheet() : Control(ControlKind::TabSheet) {}
};
// A drawing surface (`ImageSelect`, `GrafAdv`, ...); the views paint it, the model places it.
struct ImageSurface : Control {
    ImageSurface() : Control(ControlKind::Image) {}
    // Its picture changed: the front end paints it again at its next push.
    void Invalidate() { Touch(); }
};
// The column step buttons under the map; they have a down and an up half.
struct SpinButton : Control {
    SpinButton() : Control(ControlKind::SpinButton) {}
};
// `StatusBar1` shows one simple text: the hint under the pointer.
struct StatusBar : Control {
    StatusBar() : Control(ControlKind::StatusBar) {}
};

class UpDown;

class EditBox : public Control {
  public:
    EditBox() : Control(ControlKind::EditBox) {}
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text) { AssignText(text_, text); }
    // The spinner coupled to this box, null for a box without one.
    UpDown* Spinner() const { return spinner_; }

  private:
    friend class UpDown;
    std::string text_;
    UpDown* spinner_ = nullptr;
};

// The digit-group separator that boxes with digit grouping show and that reading ignores.
inline constexpr char kDigitGroupSeparator = ',';

// "15000" -> "15,000" when grouped; plain decimal otherwise.
std::string FormatPosition(int value, bool grouped);
// The whole text as a signed decimal number, group separators and surrounding blanks ignored.
// False for anything else (empty, letters, a lone sign, overflow).
bool ParsePosition(std::string_view text, int& value);

// A spinner coupled to its edit box: the box's text is the truth while the user types, the
// position is what the program reads.
class UpDown : public Control {
  public:
    UpDown() : Control(ControlKind::UpDown) {}

    void Configure(EditBox* associate, int min, int max, int increment, bool thousands) {
        associate_ = associate;
        if (associate != nullptr) associate->spinner_ = this;
        min_ = min;
        max_ = max;
        increment_ = increment;
        thousands_ = thousands;
        position_ = min;
    }
    EditBox* Associate() const { return associate_; }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Increment() const { return increment_; }
    bool Thousands() const { return thousands_; }

    // Takes the number typed in the box; text that is no whole number, or a number outside the
    // range, leaves the previous position (and the box as typed).
    int ReadPosition();
    // The position last read or set, without looking at the box.
    int StoredPosition() const { return position_; }
    // Limits to the range and writes the box.
    void SetPosition(int value);
    // One arrow click: one step within the range, written into the box.
    void Click(bool up);

  private:
    EditBox* associate_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    bool thousands_ = false;
    int position_ = 0;
};

class CheckBox : public Control {
  public:
    CheckBox() : Control(ControlKind::CheckBox) {}
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { Assign(checked_, v); }

  private:
    bool checked_ = false;
};

class RadioButton : public Control {
  public:
    RadioButton() : Control(ControlKind::RadioButton) {}
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { Assign(checked_, v); }

  private:
    bool checked_ = false;
};

// Common part of the drop-down lists and the radio groups: an item list and a selection.
class ListControl : public Control {
  public:
    using Control::Control;
    const std::vector<std::string>& Items() const { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItems(std::span<const std::string> items);
    void SetItems(std::span<const std::string_view> items);
    // Replaces entry n; n equal to the count appends, so a catalogue can extend a list by one.
    bool SetItem(int n, std::string_view text);

  protected:
    void AssignIndex(int v) { Assign(itemIndex_, v); }

  private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

class ComboBox : public ListControl {
  public:
    ComboBox() : ListControl(ControlKind::ComboBox) {}
    // An index outside the list clears the selection, as a native drop-down list does.
    void SetItemIndex(int v) {
        AssignIndex(v >= 0 && v < static_cast<int>(Items().size()) ? v : -1);
    }
};

class RadioGroup : public ListControl {
  public:
    RadioGroup() : ListControl(ControlKind::RadioGroup) {}
    // An index beyond the last button selects the last one.
    void SetItemIndex(int v);
};

class Gauge : public Control {
  public:
    Gauge() : Control(ControlKind::Gauge) {}
    int MaxValue() const { return maxValue_; }
    void SetMaxValue(int v);
    int Progress() const { return progress_; }
    void SetProgress(int v) { Assign(progress_, v < 0 ? 0 : (v > maxValue_ ? maxValue_ : v)); }

  private:
    int maxValue_ = 100;
    int progress_ = 0;
};

class TrackBar : public Control {
  public:
    TrackBar() : Control(ControlKind::TrackBar) {}
    void Configure(int min, int max, int frequency, int position) {
        min_ = min;
        max_ = max;
        frequency_ = frequency;
        position_ = position;
    }
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Frequency() const { return frequency_; }
    int Position() const { return position_; }
    void SetPosition(int v) { Assign(position_, v < min_ ? min_ : (v > max_ ? max_ : v)); }

  private:
    int min_ = 0;
    int max_ = 10;
    int frequency_ = 1;
    int position_ = 0;
};

class PageControl : public Control {
  public:
    PageControl() : Control(ControlKind::PageControl) {}
    int ActivePageIndex() const { return activePageIndex_; }
    void SetActivePageIndex(int v) { Assign(activePageIndex_, v); }

  private:
    int activePageIndex_ = 0;
};

class MenuItem : public Control {
  public:
    MenuItem() : Control(ControlKind::MenuItem) {}
    // Key text as a front end parses it ("Ctrl+Z", "F9"); empty for none.
    const std::string& Shortcut() const { return shortcut_; }
    void SetShortcut(std::string_view text) { AssignText(shortcut_, text); }
    // Further keys that run the item, as the desktop's own conventions expect (Ctrl+Y for redo).
    const std::vector<std::string>& AlternateShortcuts() const { return alternates_; }
    void SetAlternateShortcuts(std::vector<std::string> keys) {
        if (keys == alternates_) return;
        alternates_ = std::move(keys);
        Touch();
    }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { Assign(checked_, v); }
    bool IsSeparator() const { return Caption() == "-"; }

  private:
    std::string shortcut_;
    std::vector<std::string> alternates_;
    bool checked_ = false;
};

// The main window itself: its caption is the title, its colour the background.
struct Window : Control {
    Window() : Control(ControlKind::Window) {}
};

}  // namespace orvell
