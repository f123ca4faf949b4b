// Keeps the widgets showing what the window model says, and turns every user event on them into
// one typed `UserEvent` for the window object, which decides what runs. The model is the truth:
// after each event and each tick `Sync()` copies the controls whose revision moved, and a
// control the user changed but the handler did not take is put back as the model has it.
#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "editor/user_event.h"
#include "editor/window_model.h"

class QAction;
class QPointF;
class QMenu;
class QTabWidget;
class QWidget;

namespace orvell {

class TFormHlav;

class Binder : public QObject {
  public:
    explicit Binder(TFormHlav& form, QObject* parent = nullptr);

    // One widget per control; `absolute` places it at the model's pixels.
    void BindWidget(Control& control, QWidget* widget, bool absolute = false);
    // A menu item: top-level menus pass their QMenu, items their QAction.
    void BindMenuItem(MenuItem& item, QAction* action, QMenu* menu);
    void BindTab(TabSheet& sheet, QTabWidget* tabs);

    // Pushes every control whose revision moved since the last push; returns how many.
    int Sync();
    // The control is pushed at the next sync whatever its revision says.
    void Invalidate(const Control& control);

    QWidget* WidgetOf(const Control& control) const;
    QAction* ActionOf(const MenuItem& item) const;

    // While the window closes, focus losses run no handler.
    void SetClosing() { closing_ = true; }

    // Where the events go: the window object, unless a test puts a recorder in front of it.
    void SetEventSink(UserEventSink& sink) { sink_ = &sink; }
    // Hands one event to the window object, then (with `sync`) shows the model again; returns
    // whether the event was used.
    bool Send(UserEvent& event, bool sync = true);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Entry {
        Control* control = nullptr;
        QPointer<QWidget> widget;
        QPointer<QAction> action;
        QPointer<QMenu> menu;
        QPointer<QTabWidget> tabs;
        bool absolute = false;
        bool stale = true;
        std::uint32_t pushed = 0;
        // What was last shown, so a push touches only what differs.
        std::string caption, hint, text;
        std::vector<std::string> items;
        Colour colour = 0xFFFFFFFFu;
    };

    Entry& Add(Control& control);
    Entry* Find(const Control& control);
    const Entry* FindByWidget(const QObject* widget) const;
    void Push(Entry& e);
    void PushCaption(Entry& e);
    void PushHint(Entry& e);
    void PushColour(Entry& e);
    void PushValue(Entry& e);
    void PushBounds(Entry& e);

    void ConnectEvents(Entry& e);
    // The user's event ran (or was refused): show the model again.
    void AfterEvent(const Control* control);
    bool Send(EventKind kind, Control& sender);
    void SendIndex(Control& control, int index, bool sync);
    static UserEvent PointerEvent(EventKind kind, Control& sender, const QPointF& at,
                                  Qt::KeyboardModifiers modifiers);
    bool MenuTakesShortcut(QEvent* event) const;

    TFormHlav& form_;
    UserEventSink* sink_;
    std::vector<Entry> entries_;
    std::unordered_map<const Control*, std::size_t> byControl_;
    std::unordered_map<const QObject*, std::size_t> byWidget_;
    const Control* keyboardToggle_ = nullptr;  // a check box that Space is toggling
    bool closing_ = false;
    bool syncing_ = false;
};

}  // namespace orvell
