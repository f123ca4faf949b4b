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

// Labels whose colour is that of their text: the large red warnings.
bool ColoursText(const Control& c) {
    const std::string& n = c.Name();
    return n == "LabelSpojeni" || n == "LabelVersion" || n == "LabelEeDataErr";
}

// Tool-bar buttons that show a picture; their caption only names them.
bool IsPictureButton(const Control& c) {
    const std::string& n = c.Name();
    return n.starts_with("SpeedButton");
}

// Check boxes whose release runs the edit pipeline; the others are view switches.
bool IsFieldCheckBox(const WindowModel& w, const Control& c) {
    return &c != &w.CheckBoxIgnAll && &c != &w.CheckBoxServoAll && &c != &w.CheckFill &&
           &c != &w.CheckColorMap;
}

// Controls on which "+" and "-" step the advance.
bool TakesAdvanceKeys(const WindowModel& w, const Control& c) {
    for (const Control* k :
         {static_cast<const Control*>(&w.CheckBoxTpsMapa),
          static_cast<const Control*>(&w.CheckBoxIgnAll),
          static_cast<const Control*>(&w.BitBtnAdvMinus),
          static_cast<const Control*>(&w.BitBtnAdvPlus),
          static_cast<const Control*>(&w.Interpolation), static_cast<const Control*>(&w.AMapForm),
          static_cast<const Control*>(&w.AMapModeGraph),
          static_cast<const Control*>(&w.AMapModeGraph3D)}) {
        if (k == &c) return true;
    }
    return false;
}

QString WithoutAccelerator(QString text) {
    return text.remove(QLatin1Char('&'));
}

}  // namespace

Binder::Binder(TFormHlav& form, CommandTable& commands, QObject* parent)
    : QObject(parent), form_(form), commands_(commands) {
    for (Control* c : form_.window.AllControls()) {
        if (c->Kind() != ControlKind::UpDown) continue;
        auto* upDown = static_cast<UpDown*>(c);
        if (upDown->Associate() != nullptr) spinnerOf_[upDown->Associate()] = upDown;
    }
}

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
        e.action->setText(text);
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
            if (IsPictureButton(c)) {
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
    if (tip.isEmpty() && IsPictureButton(c)) tip = WithoutAccelerator(ToQ(c.Caption()));
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
            if (ColoursText(c)) {
                SetRole(e.widget, QPalette::WindowText, e.colour);
            } else {
                e.widget->setAutoFillBackground(!IsSystemColour(e.colour));
                SetRole(e.widget, QPalette::Window, e.colour);
                if (!IsSystemColour(e.colour)) {
                    // The pale grey of a greyed label vanishes on a lit background.
                    QPalette palette = e.widget->palette();
                    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(64, 64, 64));
                    e.widget->setPalette(palette);
                }
            }
            break;
        case ControlKind::CheckBox:
            e.widget->setAutoFillBackground(!IsSystemColour(e.colour));
            SetRole(e.widget, QPalette::Window, e.colour);
            break;
        case ControlKind::EditBox:
            SetRole(e.widget, QPalette::Base, e.colour);
            break;
        case ControlKind::Window:
            SetRole(e.widget, QPalette::Window, e.colour);
            break;
        case ControlKind::Image:
            static_cast<Surface*>(e.widget.data())
                ->SetFill(IsSystemColour(e.colour) ? QColor() : ToQColor(e.colour));
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
            const QKeySequence keys(ToQ(item.Shortcut()));
            if (e.action->shortcut() != keys) e.action->setShortcut(keys);
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

void Binder::AfterEvent(const Control& control) {
    Invalidate(control);
    Sync();
}

void Binder::RunRoute(const Control& control) {
    const std::string_view handler = CommandTable::HandlerOf(control.Name());
    if (!handler.empty()) commands_.Run(handler, &control);
    AfterEvent(control);
}

void Binder::ConnectEvents(Entry& e) {
    Control& c = *e.control;
    WindowModel& w = form_.window;
    if (e.action != nullptr) {
        if (e.menu == nullptr) {
            connect(e.action, &QAction::triggered, this, [this, &c] { RunRoute(c); });
        }
        return;
    }
    QWidget* widget = e.widget;
    if (TakesAdvanceKeys(w, c)) widget->installEventFilter(this);
    switch (c.Kind()) {
        case ControlKind::EditBox: {
            auto* edit = static_cast<QLineEdit*>(widget);
            auto& box = static_cast<EditBox&>(c);
            // The model holds what is typed at every moment, as a native box would: a command
            // that gathers the controls sees it without the box losing the focus first.
            connect(edit, &QLineEdit::textEdited, this, [this, &box](const QString& text) {
                box.SetText(text.toStdString());
                if (Entry* entry = Find(box)) {
                    entry->text = box.Text();
                    entry->pushed = box.Revision();
                }
            });
            connect(edit, &QLineEdit::returnPressed, this, [this, &box] {
                char key = '\r';
                form_.FormKeyPress(key);
                AfterEvent(box);
            });
            edit->installEventFilter(this);
            break;
        }
        case ControlKind::UpDown: {
            auto& upDown = static_cast<UpDown&>(c);
            static_cast<SpinArrows*>(widget)->onStep = [this, &upDown](bool up) {
                form_.UpDownClick(upDown, up);
                AfterEvent(upDown);
            };
            break;
        }
        case ControlKind::SpinButton: {
            int column = 0;
            while (column < kMapColumns && &w.CSpinButton[column] != &c) ++column;
            static_cast<SpinArrows*>(widget)->onStep = [this, &c, column](bool up) {
                if (up) {
                    form_.CSpinButtonUpClick(column);
                } else {
                    form_.CSpinButtonDownClick(column);
                }
                AfterEvent(c);
            };
            break;
        }
        case ControlKind::CheckBox: {
            auto& box = static_cast<CheckBox&>(c);
            const bool field = IsFieldCheckBox(w, c);
            connect(static_cast<QCheckBox*>(widget), &QCheckBox::clicked, this,
                    [this, &box, field](bool checked) {
                        box.SetChecked(checked);
                        if (field) {
                            form_.CheckBoxMouseUp();
                            AfterEvent(box);
                        } else {
                            RunRoute(box);
                        }
                    });
            break;
        }
        case ControlKind::RadioButton: {
            const int mode = &c == &w.AMapModeGraph     ? kMapModeGraph
                             : &c == &w.AMapModeGraph3D ? kMapModeGraph3D
                                                        : kMapModeGrid;
            connect(static_cast<QRadioButton*>(widget), &QRadioButton::clicked, this,
                    [this, &c, mode] {
                        form_.window.SetMapMode(mode);
                        if (mode == kMapModeGraph) {
                            form_.AMapModeGraphClick();
                        } else if (mode == kMapModeGraph3D) {
                            form_.AMapModeGraph3DClick();
                        } else {
                            form_.AMapFormClick();
                        }
                        AfterEvent(c);
                    });
            break;
        }
        case ControlKind::RadioGroup: {
            auto& group = static_cast<RadioGroup&>(c);
            auto* buttons = new QButtonGroup(widget);
            connect(buttons, &QButtonGroup::idClicked, this, [this, &group](int id) {
                group.SetItemIndex(id);
                if (&group == &form_.window.RadioGroupInput1) {
                    form_.RadioGroupInput1Click();
                } else {
                    form_.RadioGroupInput2Click();
                }
                AfterEvent(group);
            });
            break;
        }
        case ControlKind::ComboBox: {
            auto& list = static_cast<ComboBox&>(c);
            connect(static_cast<QComboBox*>(widget), &QComboBox::activated, this,
                    [this, &list](int index) {
                        if (&list == &form_.window.ComboBoxNasobekPalcu) {
                            list.SetItemIndex(index);
                            form_.ComboBoxNasobekPalcuChange();
                        } else if (const auto handler = CommandTable::HandlerOf(list.Name());
                                   commands_.Has(handler)) {
                            // The bike selection asks the user and may take the choice back.
                            list.SetItemIndex(index);
                            commands_.Run(handler, &list);
                        }
                        AfterEvent(list);
                    });
            break;
        }
        case ControlKind::Button: {
            auto* button = static_cast<QAbstractButton*>(widget);
            void (TFormHlav::*own)() = nullptr;
            if (&c == &w.BitBtnTps0) own = &TFormHlav::BitBtnTps0Click;
            if (&c == &w.BitBtnTps100) own = &TFormHlav::BitBtnTps100Click;
            if (&c == &w.BitBtnAdvMinus) own = &TFormHlav::BitBtnAdvMinusClick;
            if (&c == &w.BitBtnAdvPlus) own = &TFormHlav::BitBtnAdvPlusClick;
            if (&c == &w.BitBtnServoMinus) own = &TFormHlav::BitBtnServoMinusClick;
            if (&c == &w.BitBtnServoPlus) own = &TFormHlav::BitBtnServoPlusClick;
            connect(button, &QAbstractButton::clicked, this, [this, &c, own] {
                if (own != nullptr) {
                    (form_.*own)();
                    AfterEvent(c);
                } else {
                    RunRoute(c);
                }
            });
            break;
        }
        case ControlKind::PageControl: {
            auto& pages = static_cast<PageControl&>(c);
            connect(static_cast<QTabWidget*>(widget), &QTabWidget::currentChanged, this,
                    [&pages](int index) { pages.SetActivePageIndex(index); });
            break;
        }
        case ControlKind::TrackBar: {
            auto& track = static_cast<TrackBar&>(c);
            connect(static_cast<QSlider*>(widget), &QSlider::valueChanged, this,
                    [this, &track](int value) {
                        track.SetPosition(value);
                        RunRoute(track);
                    });
            break;
        }
        default:
            break;
    }
}

bool Binder::eventFilter(QObject* watched, QEvent* event) {
    const Entry* found = FindByWidget(watched);
    if (found == nullptr) return false;
    Entry& e = entries_[byControl_[found->control]];
    if (event->type() == QEvent::KeyPress && TakesAdvanceKeys(form_.window, *e.control)) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text == QLatin1String("+") || text == QLatin1String("-")) {
            char key = text.at(0).toLatin1();
            form_.AdvanceKeyPress(key);
            AfterEvent(*e.control);
            return key == 0;
        }
    }
    if (e.control->Kind() == ControlKind::EditBox) return EditEvent(e, event);
    return false;
}

bool Binder::EditEvent(Entry& e, QEvent* event) {
    auto& box = static_cast<EditBox&>(*e.control);
    const auto spinner = spinnerOf_.find(&box);
    UpDown* upDown = spinner == spinnerOf_.end() ? nullptr : spinner->second;
    switch (event->type()) {
        case QEvent::FocusOut: {
            // Leaving for a menu or another window is no exit from the box.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (closing_ || reason == Qt::ActiveWindowFocusReason ||
                reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason) {
                return false;
            }
            form_.EditExit();
            AfterEvent(box);
            return false;
        }
        case QEvent::ShortcutOverride: {
            // The menu's shortcuts (Ctrl+Z is undo of the whole set) win over the box's own.
            auto* key = static_cast<QKeyEvent*>(event);
            const QKeySequence pressed(key->keyCombination());
            for (const Control* c : form_.window.AllControls()) {
                if (c->Kind() != ControlKind::MenuItem) continue;
                const auto* item = static_cast<const MenuItem*>(c);
                if (!item->Shortcut().empty() && QKeySequence(ToQ(item->Shortcut())) == pressed) {
                    event->ignore();
                    return true;
                }
            }
            return false;
        }
        case QEvent::KeyPress: {
            // Arrow keys in a box step its spinner, as with a desktop spinner.
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (upDown == nullptr || !upDown->Visible() ||
                (key != Qt::Key_Up && key != Qt::Key_Down)) {
                return false;
            }
            form_.UpDownClick(*upDown, key == Qt::Key_Up);
            AfterEvent(box);
            return true;
        }
        case QEvent::Wheel: {
            const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
            if (upDown == nullptr || !upDown->Visible() || delta == 0) return false;
            form_.UpDownClick(*upDown, delta > 0);
            AfterEvent(box);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace orvell
