#include "qt/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/form_hlav.h"
#include "qt/small_widgets.h"

namespace orvell {

namespace {

QString ToQ(const std::string& text) {
    return QString::fromStdString(text);
}

QColor ToQColor(Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

bool IsSystemColour(Colour c) {
    return (c & 0x80000000u) != 0;
}

// Overrides one palette role, or gives it back to the parent for a system colour.
void SetRole(QWidget* widget, QPalette::ColorRole role, Colour c) {
    if (IsSystemColour(c)) {
        widget->setPalette(QPalette());
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, ToQColor(c));
    widget->setPalette(palette);
}

QString WithoutAccelerator(QString text) {
    return text.remove(QLatin1Char('&'));
}

}  // namespace

Binder::Binder(TFormHlav& form, QObject* parent) : QObject(parent), form_(form), sink_(&form) {}

Binder::Entry& Binder::Add(Control& control) {
    byControl_[&control] = entries_.size();
    entries_.push_back(Entry{});
    entries_.back().control = &control;
    return entries_.back();
}

Binder::Entry* Binder::Find(const Control& control) {
    const auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : &entries_[it->second];
}

const Binder::Entry* Binder::FindByWidget(const QObject* widget) const {
    const auto it = byWidget_.find(widget);
    return it == byWidget_.end() ? nullptr : &entries_[it->second];
}

void Binder::BindWidget(Control& control, QWidget* widget, bool absolute) {
    Entry& e = Add(control);
    e.widget = widget;
    e.absolute = absolute;
    byWidget_[widget] = entries_.size() - 1;
    ConnectEvents(e);
}

void Binder::BindMenuItem(MenuItem& item, QAction* action, QMenu* menu) {
    Entry& e = Add(item);
    e.action = action;
    e.menu = menu;
    ConnectEvents(e);
}

void Binder::BindTab(TabSheet& sheet, QTabWidget* tabs) {
    Entry& e = Add(sheet);
    e.tabs = tabs;
    e.widget = tabs->widget(tabs->count() - 1);
}

QWidget* Binder::WidgetOf(const Control& control) const {
    const auto it = byControl_.find(&control);
    return it == byControl_.end() ? nullptr : entries_[it->second].widget.data();
}

QAction* Binder::ActionOf(const MenuItem& item) const {
    const auto it = byControl_.find(&item);
    return it == byControl_.end() ? nullptr : entries_[it->second].action.data();
}

void Binder::Invalidate(const Control& control) {
    if (Entry* e = Find(control)) e->stale = true;
}

int Binder::Sync() {
    if (syncing_) return 0;
    syncing_ = true;
    int pushed = 0;
    for (Entry& e : entries_) {
        if (!e.stale && e.pushed == e.control->Revision()) continue;
        Push(e);
        e.stale = false;
        e.pushed = e.control->Revision();
        ++pushed;
    }
    syncing_ = false;
    return pushed;
}

void Binder::Push(Entry& e) {
    const Control& c = *e.control;
    if (e.action != nullptr) {
        const QSignalBlocker block(e.action);
        e.action->setVisible(c.Visible());
        e.action->setEnabled(c.Enabled());
    } else if (e.tabs != nullptr) {
        const int index = e.tabs->indexOf(e.widget);
        e.tabs->setTabVisible(index, c.Visible());
        e.tabs->setTabEnabled(index, c.Enabled());
    } else if (e.widget != nullptr && c.Kind() != ControlKind::Window) {
        if (e.widget->isHidden() == c.Visible()) e.widget->setVisible(c.Visible());
        if (e.widget->testAttribute(Qt::WA_Disabled) == c.Enabled()) {
            e.widget->setEnabled(c.Enabled());
        }
    }
    if (e.widget == nullptr && e.action == nullptr) return;
    const QSignalBlocker block(e.widget);
    if (e.caption != c.Caption() || e.stale) PushCaption(e);
    if (e.hint != c.Hint() || e.stale) PushHint(e);
    if (e.colour != c.Color()) PushColour(e);
    PushValue(e);
    if (e.absolute || c.Kind() == ControlKind::Window) PushBounds(e);
    // A surface is painted from the model: whatever moved may change the picture.
    if (c.Kind() == ControlKind::Image) e.widget->update();
}

void Binder::PushCaption(Entry& e) {
    const Control& c = *e.control;
    e.caption = c.Caption();
    const QString text = ToQ(e.caption);
    if (e.menu != nullptr) {
        e.menu->setTitle(text);
        return;
    }
    if (e.action != nullptr) {
        // A separator's "-" names it in the menu table; it is drawn as a line, never as text.
        if (!e.action->isSeparator()) e.action->setText(text);
        return;
    }
    if (e.tabs != nullptr) {
        e.tabs->setTabText(e.tabs->indexOf(e.widget), text);
        return;
    }
    switch (c.Kind()) {
        case ControlKind::Window:
            e.widget->setWindowTitle(text);
            break;
        case ControlKind::Label:
            static_cast<QLabel*>(e.widget.data())->setText(text);
            break;
        case ControlKind::Button:
            if (c.Has(Role::Picture)) {
                e.widget->setAccessibleName(WithoutAccelerator(text));
                PushHint(e);  // the caption stands in for a missing hint
            } else {
                static_cast<QAbstractButton*>(e.widget.data())->setText(text);
            }
            break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            static_cast<QAbstractButton*>(e.widget.data())->setText(text);
            break;
        case ControlKind::GroupBox:
        case ControlKind::RadioGroup:
            // The tool bar is a plain frame without a title.
            if (auto* box = qobject_cast<QGroupBox*>(e.widget.data())) box->setTitle(text);
            break;
        case ControlKind::StatusBar:
            static_cast<QStatusBar*>(e.widget.data())->showMessage(text);
            break;
        default:
            break;
    }
}

void Binder::PushHint(Entry& e) {
    const Control& c = *e.control;
    e.hint = c.Hint();
    // "short|long": the short part is the tooltip, the long one goes to the status bar.
    QString hint = ToQ(e.hint);
    QString tip = hint;
    QString status = hint;
    if (const qsizetype bar = hint.indexOf(QLatin1Char('|')); bar >= 0) {
        tip = hint.left(bar);
        status = hint.mid(bar + 1);
    }
    if (tip.isEmpty() && c.Has(Role::Picture)) tip = WithoutAccelerator(ToQ(c.Caption()));
    if (e.action != nullptr) {
        e.action->setStatusTip(status);
        e.action->setToolTip(tip.isEmpty() ? WithoutAccelerator(e.action->text()) : tip);
    } else if (e.widget != nullptr && c.Kind() != ControlKind::Window) {
        e.widget->setToolTip(tip);
        e.widget->setStatusTip(status);
    }
}

void Binder::PushColour(Entry& e) {
    const Control& c = *e.control;
    e.colour = c.Color();
    if (e.widget == nullptr) return;
    switch (c.Kind()) {
        case ControlKind::Label:
            if (c.Has(Role::TextColour)) {
                SetRole(e.widget, QPalette::WindowText, e.colour);
            } else {
                e.widget->setAutoFillBackground(!IsSystemColour(e.colour));
                SetRole(e.widget, QPalette::Window, e.colour);
                if (!IsSystemColour(e.colour)) {
                    // Greyed, a lit label keeps a washed-out hint of its colour (a lamp that
                    // is no longer live), and a text that stays readable on it.
                    QPalette palette = e.widget->palette();
                    const QColor lit = ToQColor(e.colour);
                    const QWidget* parent = e.widget->parentWidget();
                    const QColor base = (parent != nullptr ? parent->palette() : QPalette())
                                            .color(QPalette::Active, QPalette::Window);
                    palette.setColor(QPalette::Disabled, QPalette::Window,
                                     QColor((lit.red() + 3 * base.red()) / 4,
                                            (lit.green() + 3 * base.green()) / 4,
                                            (lit.blue() + 3 * base.blue()) / 4));
                    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(64, 64, 64));
                    e.widget->setPalette(palette);
                }
            }
            break;
        case ControlKind::CheckBox:
            // A button fills its background with the Button role ("Programming after change"
            // is red while it is on).
            e.widget->setAutoFillBackground(!IsSystemColour(e.colour));
            SetRole(e.widget, QPalette::Window, e.colour);
            if (!IsSystemColour(e.colour)) SetRole(e.widget, e.widget->backgroundRole(), e.colour);
            break;
        case ControlKind::EditBox:
            SetRole(e.widget, QPalette::Base, e.colour);
            break;
        case ControlKind::Window:
            SetRole(e.widget, QPalette::Window, e.colour);
            break;
        default:
            break;
    }
}

void Binder::PushValue(Entry& e) {
    Control& c = *e.control;
    switch (c.Kind()) {
        case ControlKind::EditBox: {
            const auto& box = static_cast<const EditBox&>(c);
            if (e.text == box.Text() && !e.stale) break;
            e.text = box.Text();
            auto* edit = static_cast<QLineEdit*>(e.widget.data());
            const QString text = ToQ(e.text);
            if (edit->text() != text) edit->setText(text);
            break;
        }
        case ControlKind::CheckBox:
            static_cast<QAbstractButton*>(e.widget.data())
                ->setChecked(static_cast<const CheckBox&>(c).Checked());
            break;
        case ControlKind::RadioButton:
            static_cast<QAbstractButton*>(e.widget.data())
                ->setChecked(static_cast<const RadioButton&>(c).Checked());
            break;
        case ControlKind::ComboBox: {
            const auto& list = static_cast<const ComboBox&>(c);
            auto* combo = static_cast<QComboBox*>(e.widget.data());
            if (e.items != list.Items()) {
                e.items = list.Items();
                combo->clear();
                for (const std::string& item : e.items) combo->addItem(ToQ(item));
            }
            if (combo->currentIndex() != list.ItemIndex()) combo->setCurrentIndex(list.ItemIndex());
            break;
        }
        case ControlKind::RadioGroup: {
            const auto& list = static_cast<const RadioGroup&>(c);
            auto* group = e.widget->findChild<QButtonGroup*>();
            if (e.items != list.Items()) {
                e.items = list.Items();
                auto* layout = static_cast<QVBoxLayout*>(e.widget->layout());
                while (group->buttons().size() > static_cast<qsizetype>(e.items.size())) {
                    delete group->buttons().last();
                }
                for (std::size_t i = 0; i < e.items.size(); ++i) {
                    QAbstractButton* button = group->button(static_cast<int>(i));
                    if (button == nullptr) {
                        button = new QRadioButton(e.widget);
                        group->addButton(button, static_cast<int>(i));
                        layout->addWidget(button);
                    }
                    button->setText(ToQ(e.items[i]));
                }
            }
            const QSignalBlocker blockGroup(group);
            if (QAbstractButton* on = group->button(list.ItemIndex())) {
                on->setChecked(true);
            } else if (QAbstractButton* checked = group->checkedButton()) {
                group->setExclusive(false);
                checked->setChecked(false);
                group->setExclusive(true);
            }
            break;
        }
        case ControlKind::PageControl: {
            auto* tabs = static_cast<QTabWidget*>(e.widget.data());
            const int index = static_cast<const PageControl&>(c).ActivePageIndex();
            if (tabs->currentIndex() != index) tabs->setCurrentIndex(index);
            break;
        }
        case ControlKind::Gauge: {
            const auto& gauge = static_cast<const Gauge&>(c);
            auto* bar = static_cast<QProgressBar*>(e.widget.data());
            if (bar->maximum() != gauge.MaxValue()) bar->setMaximum(gauge.MaxValue());
            if (bar->value() != gauge.Progress()) bar->setValue(gauge.Progress());
            break;
        }
        case ControlKind::TrackBar: {
            const auto& track = static_cast<const TrackBar&>(c);
            auto* slider = static_cast<QSlider*>(e.widget.data());
            if (slider->minimum() != track.Min() || slider->maximum() != track.Max()) {
                slider->setRange(track.Min(), track.Max());
                slider->setTickInterval(track.Frequency());
            }
            if (slider->value() != track.Position()) slider->setValue(track.Position());
            break;
        }
        case ControlKind::MenuItem: {
            if (e.action == nullptr || e.menu != nullptr) break;
            const auto& item = static_cast<const MenuItem&>(c);
            QList<QKeySequence> keys;
            if (!item.Shortcut().empty()) keys << QKeySequence(ToQ(item.Shortcut()));
            for (const std::string& other : item.AlternateShortcuts()) {
                keys << QKeySequence(ToQ(other));
            }
            if (e.action->shortcuts() != keys) e.action->setShortcuts(keys);
            if (item.Checked() && !e.action->isCheckable()) e.action->setCheckable(true);
            const QSignalBlocker block(e.action);
            e.action->setChecked(item.Checked());
            break;
        }
        default:
            break;
    }
}

void Binder::PushBounds(Entry& e) {
    const Control& c = *e.control;
    if (c.Width() <= 0 || c.Height() <= 0) return;
    if (c.Kind() == ControlKind::Window) {
        // The model keeps the outer frame, as the settings store it.
        QWidget* window = e.widget;
        const QSize frame = window->frameGeometry().size() - window->size();
        const QSize size(c.Width() - frame.width(), c.Height() - frame.height());
        if (window->size() != size) window->resize(size);
        if (window->pos() != QPoint(c.Left(), c.Top())) window->move(c.Left(), c.Top());
        return;
    }
    const QRect bounds(c.Left(), c.Top(), c.Width(), c.Height());
    if (e.widget->geometry() != bounds) e.widget->setGeometry(bounds);
}

void Binder::AfterEvent(const Control* control) {
    if (control != nullptr) Invalidate(*control);
    Sync();
    // Exit asks the window to close; closing runs the window object's close handler once.
    if (form_.CloseRequested() && !closing_) {
        if (QWidget* window = WidgetOf(form_.window.FormHlav)) window->close();
    }
}

bool Binder::Send(UserEvent& event, bool sync) {
    sink_->HandleEvent(event);
    if (!sync) return event.handled;
    // A value the user changed but the handler did not take snaps back; keys, turns and the
    // mouse change no widget themselves and only need what the model moved.
    const bool valueEvent = event.kind == EventKind::Click || event.kind == EventKind::Change ||
                            event.kind == EventKind::Exit;
    AfterEvent(valueEvent ? event.sender : nullptr);
    return event.handled;
}

bool Binder::Send(EventKind kind, Control& sender) {
    UserEvent event;
    event.kind = kind;
    event.sender = &sender;
    return Send(event);
}

void Binder::ConnectEvents(Entry& e) {
    Control& c = *e.control;
    if (e.action != nullptr) {
        if (e.menu == nullptr) {
            connect(e.action, &QAction::triggered, this, [this, &c] { Send(EventKind::Click, c); });
        }
        return;
    }
    QWidget* widget = e.widget;
    // Keys, focus losses, wheel turns and the mouse on surfaces come through the event filter.
    if (c.Kind() != ControlKind::Window) widget->installEventFilter(this);
    switch (c.Kind()) {
        case ControlKind::EditBox: {
            auto& box = static_cast<EditBox&>(c);
            // The model holds what is typed at every moment, as a native box would: a command
            // that gathers the controls sees it without the box losing the focus first.
            connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, this,
                    [this, &box](const QString& text) {
                        const std::string typed = text.toStdString();
                        UserEvent event;
                        event.kind = EventKind::Change;
                        event.sender = &box;
                        event.text = typed;
                        Send(event, false);
                        if (Entry* entry = Find(box)) {
                            entry->text = box.Text();
                            entry->pushed = box.Revision();
                        }
                    });
            break;
        }
        case ControlKind::UpDown:
        case ControlKind::SpinButton: {
            auto* arrows = static_cast<SpinArrows*>(widget);
            arrows->onStep = [this, &c](bool up) {
                UserEvent event;
                event.kind = EventKind::Click;
                event.sender = &c;
                event.up = up;
                Send(event);
            };
            arrows->onWheel = [this, &c](int delta) {
                // The arrows never take the focus; their edit box decides.
                const EditBox* box =
                    c.Kind() == ControlKind::UpDown ? static_cast<UpDown&>(c).Associate() : nullptr;
                const QWidget* boxWidget = box != nullptr ? WidgetOf(*box) : nullptr;
                UserEvent event;
                event.kind = EventKind::Wheel;
                event.sender = &c;
                event.wheelDelta = delta;
                event.focused = boxWidget != nullptr && boxWidget->hasFocus();
                Send(event);
            };
            break;
        }
        case ControlKind::CheckBox:
            connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
                    [this, &c](bool checked) {
                        UserEvent event;
                        event.kind = EventKind::Change;
                        event.sender = &c;
                        event.checked = checked;
                        event.byKeyboard = keyboardToggle_ == &c;
                        keyboardToggle_ = nullptr;
                        Send(event);
                    });
            break;
        case ControlKind::RadioButton:
            connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
                    [this, &c] { Send(EventKind::Click, c); });
            break;
        case ControlKind::RadioGroup: {
            auto* buttons = new QButtonGroup(widget);
            connect(buttons, &QButtonGroup::idClicked, this,
                    [this, &c](int id) { SendIndex(c, id, true); });
            break;
        }
        case ControlKind::ComboBox:
            connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
                    [this, &c](int index) { SendIndex(c, index, true); });
            break;
        case ControlKind::Button:
            connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, this,
                    [this, &c] { Send(EventKind::Click, c); });
            break;
        case ControlKind::PageControl:
            connect(static_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, this,
                    [this, &c](int index) { SendIndex(c, index, false); });
            break;
        case ControlKind::TrackBar:
            connect(static_cast<QSlider*>(widget), &QSlider::valueChanged, this,
                    [this, &c](int value) { SendIndex(c, value, true); });
            break;
        case ControlKind::Image:
            widget->setMouseTracking(true);
            break;
        default:
            break;
    }
}

void Binder::SendIndex(Control& control, int index, bool sync) {
    UserEvent event;
    event.kind = EventKind::Change;
    event.sender = &control;
    event.index = index;
    Send(event, sync);
}

namespace {

// The keys the window object may act on; 0 for every other key.
int KeyOf(const QKeyEvent& key) {
    switch (key.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return kKeyEnter;
        case Qt::Key_Up:
            return kKeyUp;
        case Qt::Key_Down:
            return kKeyDown;
        case Qt::Key_Left:
            return kKeyLeft;
        case Qt::Key_Right:
            return kKeyRight;
        default:
            break;
    }
    const QString text = key.text();
    if (text.size() == 1 && text.at(0).unicode() > ' ' && text.at(0).unicode() < 0x7F) {
        return text.at(0).toLatin1();
    }
    return 0;
}

unsigned ButtonsOf(Qt::MouseButtons buttons) {
    unsigned bits = 0;
    if (buttons & Qt::LeftButton) bits |= kButtonLeft;
    if (buttons & Qt::RightButton) bits |= kButtonRight;
    if (buttons & Qt::MiddleButton) bits |= kButtonMiddle;
    return bits;
}

unsigned ModifiersOf(Qt::KeyboardModifiers modifiers) {
    unsigned bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= kModShift;
    if (modifiers & Qt::ControlModifier) bits |= kModCtrl;
    if (modifiers & Qt::AltModifier) bits |= kModAlt;
    return bits;
}

}  // namespace

UserEvent Binder::PointerEvent(EventKind kind, Control& sender, const QPointF& at,
                               Qt::KeyboardModifiers modifiers) {
    UserEvent event;
    event.kind = kind;
    event.sender = &sender;
    event.x = static_cast<int>(at.x());
    event.y = static_cast<int>(at.y());
    event.modifiers = ModifiersOf(modifiers);
    return event;
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Wheel:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::Leave:
            break;
        default:
            return false;
    }
    const Entry* found = FindByWidget(watched);
    if (found == nullptr) return false;
    Control& c = *found->control;
    const bool surface = c.Kind() == ControlKind::Image;
    switch (event->type()) {
        case QEvent::KeyPress: {
            // Space toggles a check box on its release; the click that follows is the keyboard's.
            if (c.Kind() == ControlKind::CheckBox &&
                static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
                keyboardToggle_ = &c;
            }
            auto* pressed = static_cast<QKeyEvent*>(event);
            const int key = KeyOf(*pressed);
            if (key == 0) return false;
            UserEvent e;
            e.kind = EventKind::Key;
            e.sender = &c;
            e.key = key;
            e.modifiers = ModifiersOf(pressed->modifiers());
            return Send(e);
        }
        case QEvent::FocusIn:
            if (c.Kind() != ControlKind::EditBox) return false;
            Send(EventKind::Enter, c);
            return false;
        case QEvent::ShortcutOverride:
            return c.Kind() == ControlKind::EditBox && MenuTakesShortcut(event);
        case QEvent::FocusOut: {
            if (c.Kind() != ControlKind::EditBox) return false;
            // Leaving for a menu or another window is no exit from the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (closing_ || reason == Qt::ActiveWindowFocusReason ||
                reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason) {
                return false;
            }
            Send(EventKind::Exit, c);
            return false;
        }
        case QEvent::Wheel: {
            auto* wheel = static_cast<QWheelEvent*>(event);
            auto* widget = static_cast<QWidget*>(watched);
            // A list without the focus ignores the wheel, which scrolls what lies under it.
            if (c.Kind() == ControlKind::ComboBox && !widget->hasFocus()) {
                event->ignore();
                return true;
            }
            UserEvent e = PointerEvent(EventKind::Wheel, c, wheel->position(), wheel->modifiers());
            e.buttons = ButtonsOf(wheel->buttons());
            e.wheelDelta = wheel->angleDelta().y();
            e.focused = widget->hasFocus();
            return Send(e);
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            if (!surface) return false;
            auto* mouse = static_cast<QMouseEvent*>(event);
            const EventKind kind = event->type() == QEvent::MouseMove ? EventKind::MouseMove
                                   : event->type() == QEvent::MouseButtonRelease
                                       ? EventKind::MouseUp
                                       : EventKind::MouseDown;
            UserEvent e = PointerEvent(kind, c, mouse->position(), mouse->modifiers());
            e.button = ButtonsOf(mouse->button());
            e.buttons = ButtonsOf(mouse->buttons());
            Send(e);
            return true;
        }
        case QEvent::Leave:
            if (!surface) return false;
            Send(EventKind::MouseLeave, c);
            return false;
        default:
            return false;
    }
}

bool Binder::MenuTakesShortcut(QEvent* event) const {
    // The menu's shortcuts (Ctrl+Z is undo of the whole set) win over the box's own.
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const MenuItem* item : form_.window.MenuItems()) {
        bool taken = !item->Shortcut().empty() && QKeySequence(ToQ(item->Shortcut())) == pressed;
        for (const std::string& other : item->AlternateShortcuts()) {
            taken = taken || QKeySequence(ToQ(other)) == pressed;
        }
        if (taken) {
            event->ignore();
            return true;
        }
    }
    return false;
}

}  // namespace orvell
