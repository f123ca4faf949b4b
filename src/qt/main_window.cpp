#include "qt/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSlider>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "app/form_hlav.h"
#include "qt/small_widgets.h"

namespace orvell {

namespace {

constexpr int kMonitorWidth = 290;
constexpr int kSpinEditWidth = 64;
constexpr int kChannelCheckWidth = 84;  // width of the 2nd-edge and 2nd-pick-up columns
constexpr int kChannelSpinWidth = 40 + 16;
constexpr int kChannelMargin = 8;
constexpr int kMapBoxWidth = 660;
constexpr int kMapBoxHeight = 498;

// A small picture for a tool-bar button when the desktop theme has none.
QIcon DrawnIcon(const QString& what) {
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    if (what == QLatin1String("new")) {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({{4, 2}, {12, 2}, {16, 6}, {16, 18}, {4, 18}}));
        p.drawPolyline(QPolygonF({{12, 2}, {12, 6}, {16, 6}}));
    } else if (what == QLatin1String("open")) {
        p.setBrush(QColor(240, 200, 90));
        p.drawPolygon(QPolygonF({{2, 5}, {8, 5}, {10, 7}, {18, 7}, {18, 17}, {2, 17}}));
    } else if (what == QLatin1String("save")) {
        p.setBrush(QColor(70, 110, 190));
        p.drawRect(QRectF(3, 3, 14, 14));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 3, 8, 5));
        p.drawRect(QRectF(5, 11, 10, 6));
    } else if (what == QLatin1String("print")) {
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 2, 8, 6));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(2, 8, 16, 7), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 12, 8, 6));
    } else {
        const bool undo = what == QLatin1String("undo");
        QPainterPath arc;
        p.setPen(QPen(QColor(40, 90, 160), 2.2));
        p.setBrush(Qt::NoBrush);
        arc.moveTo(undo ? 6 : 14, 8);
        arc.cubicTo(undo ? 12 : 8, 6, undo ? 18 : 2, 9, undo ? 14 : 6, 16);
        p.drawPath(arc);
        p.setBrush(QColor(40, 90, 160));
        p.setPen(Qt::NoPen);
        p.drawPolygon(undo ? QPolygonF({{2, 8}, {8, 3}, {8, 13}})
                           : QPolygonF({{18, 8}, {12, 3}, {12, 13}}));
    }
    return QIcon(pixmap);
}

QIcon ToolIcon(const char* themeName, const char* drawn) {
    return QIcon::fromTheme(QLatin1String(themeName), DrawnIcon(QLatin1String(drawn)));
}

QFont Scaled(QFont font, double factor, bool bold) {
    font.setPointSizeF(font.pointSizeF() * factor);
    font.setBold(bold);
    return font;
}

}  // namespace

MainWindow::MainWindow(TFormHlav& form)
    : form_(form), binder_(form), tick_([&form] { form.Timer1Timer(); }) {
    WindowModel& w = form_.window;
    setObjectName(QStringLiteral("FormHlav"));
    binder_.BindWidget(w.FormHlav, this);
    BuildMenu();

    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(6, 4, 6, 2);
    column->setSpacing(4);
    column->addWidget(BuildToolBar());

    auto* body = new QHBoxLayout;
    body->setSpacing(8);
    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    auto* pages = new QTabWidget(central);
    pages->setObjectName(QStringLiteral("PageControl1"));
    pages->addTab(BuildMiscPage(), QString());
    binder_.BindTab(w.TabSheetRuzne, pages);
    pages->addTab(BuildBikePage(), QString());
    binder_.BindTab(w.TabSheetBike, pages);
    pages->addTab(BuildAdvancePage(), QString());
    binder_.BindTab(w.TabSheetAdvance, pages);
    pages->addTab(BuildServoPage(), QString());
    binder_.BindTab(w.TabSheetServo, pages);
    binder_.BindWidget(w.PageControl1, pages);
    left->addWidget(pages, 1);
    left->addWidget(MakeCheck(w.CheckBoxProgHned, central), 0, Qt::AlignLeft);
    body->addLayout(left, 1);
    body->addWidget(BuildMonitor());
    column->addLayout(body, 1);
    // On a screen smaller than the window's design size the content scrolls, so the tool bar,
    // every page, the monitor column and the status line stay reachable; the menu and the
    // status bar stay put. The control that takes the focus is scrolled into view.
    auto* scroll = new QScrollArea(this);
    scroll_ = scroll;
    scroll->setObjectName(QStringLiteral("ContentScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(central);
    setCentralWidget(scroll);
    connect(qApp, &QApplication::focusChanged, scroll, [scroll, central](QWidget*, QWidget* now) {
        if (now != nullptr && central->isAncestorOf(now)) scroll->ensureWidgetVisible(now, 8, 8);
    });

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(status);
    binder_.BindWidget(w.StatusBar1, status);
    QLabel* rec = MakeLabel(w.LabelRec, status);
    rec->setFont(Scaled(status->font(), 1.0, true));
    status->addPermanentWidget(rec);
    // The unit line stays at the right while hints come and go at the left.
    status->addPermanentWidget(MakeLabel(w.LabelUnitState, status));

    previousFocus_ = form_.seams.focus;
    form_.seams.focus = this;
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    qApp->installEventFilter(this);
    binder_.Sync();
    FollowLanguage();
}

MainWindow::~MainWindow() {
    // The widgets go after this body; their focus losses must not reach the handlers.
    binder_.SetClosing();
    form_.seams.focus = previousFocus_;
}

void MainWindow::Tick() {
    tick_();
    binder_.Sync();
    FollowLanguage();
}

void MainWindow::FollowLanguage() {
    // Qt's own texts (Yes / No / Cancel, the file dialogs) speak the window's language.
    const int language = form_.boundedSettings.languageIndex;
    if (language == qtLanguage_) return;
    qtLanguage_ = language;
    static constexpr const char* kLocales[] = {"en", "de", "fr", "cs"};
    const char* locale = language >= 0 && language < 4 ? kLocales[language] : "en";
    // Longer texts may need a wider window; it grows as far as the screen allows.
    if (fittedToScreen_) QTimer::singleShot(0, this, [this] { FitToScreen(); });
    QCoreApplication::removeTranslator(&qtTexts_);
    if (qtTexts_.load(QLocale(QString::fromLatin1(locale)), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qtTexts_);
    }
}

void MainWindow::BuildMenu() {
    QMenu* current = nullptr;
    for (MenuItem* item : form_.window.MenuItems()) {
        if (item->Parent() == nullptr) {
            current = menuBar()->addMenu(QString());
            current->setObjectName(QString::fromStdString(item->Name()));
            binder_.BindMenuItem(*item, current->menuAction(), current);
            continue;
        }
        QAction* action =
            item->IsSeparator() ? current->addSeparator() : current->addAction(QString());
        action->setObjectName(QString::fromStdString(item->Name()));
        // The port and language items carry a check mark on exactly one of them.
        const Control* menu = item->Parent();
        if (menu == &form_.window.MenuCom || menu == &form_.window.MenuLanguage) {
            action->setCheckable(true);
        }
        addAction(action);  // shortcuts work wherever the focus is in the window
        binder_.BindMenuItem(*item, action, nullptr);
    }
}

QWidget* MainWindow::BuildToolBar() {
    WindowModel& w = form_.window;
    auto* bar = new QFrame;
    bar->setObjectName(QStringLiteral("GroupBoxToolBar"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(2);
    const std::pair<Button*, QIcon> pictures[] = {
        {&w.SpeedButton6, ToolIcon("document-new", "new")},
        {&w.SpeedButtonOpen, ToolIcon("document-open", "open")},
        {&w.SpeedButtonSave, ToolIcon("document-save", "save")},
        {&w.SpeedButtonPrint, ToolIcon("document-print", "print")},
        {&w.SpeedButtonZpet, ToolIcon("edit-undo", "undo")},
        {&w.SpeedButtonZnovu, ToolIcon("edit-redo", "redo")},
    };
    for (const auto& [button, icon] : pictures) {
        auto* tool = Bound(*button, new QToolButton(bar));
        tool->setIcon(icon);
        tool->setIconSize(QSize(20, 20));
        tool->setAutoRaise(true);
        tool->setFocusPolicy(Qt::NoFocus);
        row->addWidget(tool);
    }
    row->addSpacing(12);
    for (Button* button : {&w.ButtonRead, &w.BitBtnVerify, &w.BitBtnProgram}) {
        QWidget* push = MakeButton(*button, bar);
        push->setMinimumWidth(84);
        row->addWidget(push);
    }
    binder_.BindWidget(w.GroupBoxToolBar, bar);
    auto* line = new QWidget;
    auto* lineRow = new QHBoxLayout(line);
    lineRow->setContentsMargins(0, 0, 0, 0);
    lineRow->addWidget(bar);
    lineRow->addStretch(1);
    return line;
}

template <class W>
W* MainWindow::Bound(Control& control, W* widget, bool absolute) {
    widget->setObjectName(QString::fromStdString(control.Name()));
    binder_.BindWidget(control, widget, absolute);
    return widget;
}

QLabel* MainWindow::MakeLabel(Label& label, QWidget* parent) {
    return Bound(label, new QLabel(parent));
}

QLineEdit* MainWindow::MakeEdit(EditBox& box, QWidget* parent, int width) {
    auto* edit = Bound(box, new QLineEdit(parent));
    if (width > 0) edit->setFixedWidth(width);
    // The box's own menu without its own undo and redo: those of the set are in the Tools menu.
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, edit, [this, edit, &box](const QPoint& at) {
        // A box with a menu of its own in the window (a map cell) shows that one.
        UserEvent event;
        event.kind = EventKind::ContextMenu;
        event.sender = &box;
        event.x = at.x();
        event.y = at.y();
        if (binder_.Send(event)) return;
        QMenu* menu = edit->createStandardContextMenu();
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (name == QLatin1String("edit-undo") || name == QLatin1String("edit-redo")) {
                menu->removeAction(action);
            }
        }
        // A separator may now lead the menu.
        if (!menu->actions().isEmpty() && menu->actions().first()->isSeparator()) {
            menu->removeAction(menu->actions().first());
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(edit->mapToGlobal(at));
    });
    return edit;
}

QWidget* MainWindow::MakeSpinner(UpDown& upDown, QWidget* parent) {
    auto* arrows = Bound(upDown, new SpinArrows(Qt::Vertical, parent));
    QSizePolicy keep = arrows->sizePolicy();
    keep.setRetainSizeWhenHidden(true);  // a hidden spinner leaves its box where it was
    arrows->setSizePolicy(keep);
    return arrows;
}

QWidget* MainWindow::MakeSpinRow(EditBox& box, UpDown& upDown, QWidget* parent, int editWidth) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QLineEdit* edit = MakeEdit(box, row, editWidth);
    layout->addWidget(edit);
    QWidget* arrows = MakeSpinner(upDown, row);
    arrows->setFixedSize(16, edit->sizeHint().height());
    layout->addWidget(arrows);
    row->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return row;
}

QWidget* MainWindow::MakeCheck(CheckBox& box, QWidget* parent) {
    return Bound(box, new QCheckBox(parent));
}

QWidget* MainWindow::MakeButton(Button& button, QWidget* parent) {
    return Bound(button, new QPushButton(parent));
}

QWidget* MainWindow::MakeCombo(ComboBox& list, QWidget* parent, int minimumChars) {
    auto* combo = Bound(list, new QComboBox(parent));
    // A turn of the wheel does not give a list the focus; without it the list ignores the wheel.
    combo->setFocusPolicy(Qt::StrongFocus);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(minimumChars);
    return combo;
}

QWidget* MainWindow::MakeRadioGroup(RadioGroup& group, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    new QVBoxLayout(box);  // the binder adds one radio button per item
    return Bound(group, box);
}

QWidget* MainWindow::MakeGauge(Gauge& gauge, QWidget* parent, const QColor& bar) {
    auto* progress = Bound(gauge, new QProgressBar(parent));
    progress->setTextVisible(false);
    progress->setFixedHeight(12);
    QPalette palette = progress->palette();
    if (bar.isValid()) palette.setColor(QPalette::Active, QPalette::Highlight, bar);
    if (bar.isValid()) palette.setColor(QPalette::Inactive, QPalette::Highlight, bar);
    // Greyed (no unit), the bar shows its last value without its live colour.
    palette.setColor(QPalette::Disabled, QPalette::Highlight, palette.color(QPalette::Mid));
    progress->setPalette(palette);
    return progress;
}

QWidget* MainWindow::BuildMiscPage() {
    WindowModel& w = form_.window;
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(10, 10, 10, 10);
    columns->setSpacing(16);

    auto* left = new QVBoxLayout;
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    const std::tuple<Label*, EditBox*, UpDown*> rows[] = {
        {&w.LabelOmez2, &w.EditOmez2, &w.UpDownOmez2},
        {&w.LabelPilotLight, &w.EditPilotLight, &w.UpDownPilotLight},
        {&w.LabelClutchTime, &w.EditClutchTime, &w.UpDownClutchTime},
        {&w.LabelClutchPause, &w.EditClutchPause, &w.UpDownClutchPause},
        {&w.LabelPocSynchro, &w.EditPocSynchro, &w.UpDownPocSynchro},
    };
    int r = 0;
    for (const auto& [label, edit, upDown] : rows) {
        fields->addWidget(MakeLabel(*label, page), r, 0);
        fields->addWidget(MakeSpinRow(*edit, *upDown, page, kSpinEditWidth), r, 1);
        ++r;
    }
    fields->addWidget(MakeCheck(w.CheckBoxBuzDlouhe, page), r, 0, 1, 2);
    fields->setColumnStretch(2, 1);
    left->addLayout(fields);

    auto* tps = new QGroupBox(page);
    tps->setObjectName(QStringLiteral("GroupBoxTps"));
    auto* tpsGrid = new QGridLayout(tps);
    tpsGrid->setHorizontalSpacing(10);
    tpsGrid->addWidget(MakeSpinRow(w.EditTps0, w.UpDownTps0, tps, kSpinEditWidth), 0, 0);
    tpsGrid->addWidget(MakeButton(w.BitBtnTps0, tps), 0, 1);
    tpsGrid->addWidget(MakeSpinRow(w.EditTps100, w.UpDownTps100, tps, kSpinEditWidth), 1, 0);
    tpsGrid->addWidget(MakeButton(w.BitBtnTps100, tps), 1, 1);
    tpsGrid->setColumnStretch(2, 1);
    binder_.BindWidget(w.GroupBoxTps, tps);
    left->addWidget(tps);

    auto* compensations = new QHBoxLayout;
    compensations->addWidget(MakeLabel(w.LabelKompenz, page));
    for (int i = 0; i < kCompensations; ++i) {
        compensations->addWidget(MakeSpinRow(w.EditKompenz[i], w.UpDownKompenz[i], page, 40));
    }
    compensations->addStretch(1);
    left->addLayout(compensations);
    left->addStretch(1);
    columns->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(MakeCheck(w.CheckBoxInNeutralSs, page));
    auto* inputs = new QGridLayout;
    inputs->addWidget(MakeRadioGroup(w.RadioGroupInput1, page), 0, 0, Qt::AlignTop);
    inputs->addWidget(MakeRadioGroup(w.RadioGroupInput2, page), 0, 1, Qt::AlignTop);
    inputs->addWidget(MakeLabel(w.LabelMonInput1In, page), 1, 0);
    inputs->addWidget(MakeLabel(w.LabelMonInput2In, page), 1, 1);
    right->addLayout(inputs);
    right->addStretch(1);
    columns->addLayout(right, 1);
    return page;
}

QWidget* MainWindow::BuildBikePage() {
    WindowModel& w = form_.window;
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(10, 10, 10, 10);
    columns->setSpacing(12);

    auto* left = new QVBoxLayout;
    left->addWidget(MakeLabel(w.LabelBike, page));
    left->addWidget(MakeCombo(w.ComboBoxBike, page, 24));
    auto* tacho = new QGroupBox(page);
    tacho->setObjectName(QStringLiteral("GroupBoxRpm"));
    auto* tachoGrid = new QGridLayout(tacho);
    tachoGrid->addWidget(MakeLabel(w.LabelRpmPulsu, tacho), 0, 0);
    tachoGrid->addWidget(MakeSpinRow(w.EditRpmPulsu, w.UpDownRpmPulsu, tacho, 44), 0, 1);
    tachoGrid->addWidget(MakeLabel(w.LabelRpmKorekce, tacho), 1, 0);
    tachoGrid->addWidget(MakeSpinRow(w.EditRpmKorekce, w.UpDownRpmKorekce, tacho, 44), 1, 1);
    tachoGrid->setColumnStretch(0, 1);
    binder_.BindWidget(w.GroupBoxRpm, tacho);
    left->addWidget(tacho);
    for (CheckBox* box : {&w.CheckBoxInvInput1, &w.CheckBoxInvInput2, &w.CheckBoxZamenaPickup,
                          &w.CheckBoxNehlidaPalec, &w.CheckBoxPredPalec, &w.CheckBoxSpecStart}) {
        left->addWidget(MakeCheck(*box, page));
    }
    left->addSpacing(8);
    auto* version = new QHBoxLayout;
    for (Label* label : {&w.LabelVerze1, &w.LabelVerze2, &w.LabelVerze3}) {
        version->addWidget(MakeLabel(*label, page));
    }
    version->addStretch(1);
    left->addLayout(version);
    left->addWidget(MakeLabel(w.LabelPocetProgramovani, page));
    left->addStretch(1);
    columns->addLayout(left, 0);

    auto* special = new QGroupBox(page);
    special->setObjectName(QStringLiteral("GroupBoxSpecial"));
    auto* inside = new QVBoxLayout(special);
    auto* head = new QGridLayout;
    // The method names are long: the list has a row of its own across the group and is as wide
    // as the longest name, so none is cut in any language.
    head->addWidget(MakeLabel(w.LabelSynchro, special), 0, 0, 1, 2);
    auto* methods = static_cast<QComboBox*>(MakeCombo(w.ComboBoxSynchro, special, 22));
    methods->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    head->addWidget(methods, 1, 0, 1, 2);
    head->addWidget(MakeLabel(w.LabelPocPalcu, special), 2, 0);
    head->addWidget(MakeSpinRow(w.EditPocPalcu, w.UpDownPocPalcu, special, 40), 2, 1,
                    Qt::AlignLeft);
    head->addWidget(MakeLabel(w.LabelPocKanalu, special), 3, 0);
    head->addWidget(MakeSpinRow(w.EditPocKanalu, w.UpDownPocKanalu, special, 40), 3, 1,
                    Qt::AlignLeft);
    head->setColumnStretch(1, 1);
    inside->addLayout(head);

    // Column headers over the channel rows; both are anchored at the right edge with the same
    // fixed widths, so they line up whatever length the row labels have in a language.
    auto* headers = new QHBoxLayout;
    headers->setContentsMargins(0, 6, kChannelMargin + 1, 0);
    headers->setSpacing(6);
    headers->addStretch(1);
    const std::pair<Label*, int> columnsOfChannels[] = {{&w.LabelLobe, kChannelSpinWidth},
                                                        {&w.LabelHrana2, kChannelCheckWidth},
                                                        {&w.LabelSnimac2, kChannelCheckWidth}};
    for (const auto& [label, width] : columnsOfChannels) {
        QLabel* header = MakeLabel(*label, special);
        header->setFixedWidth(width);
        header->setAlignment(Qt::AlignCenter);
        headers->addWidget(header);
    }
    inside->addLayout(headers);
    for (int c = 0; c < kChannels; ++c) {
        auto* channel = new QGroupBox(special);
        channel->setObjectName(QStringLiteral("GroupBoxPalec%1").arg(c + 1));
        auto* grid = new QGridLayout(channel);
        grid->setContentsMargins(kChannelMargin, 2, kChannelMargin, 4);
        grid->setHorizontalSpacing(6);
        grid->setVerticalSpacing(2);
        grid->setColumnStretch(0, 1);
        grid->setColumnMinimumWidth(2, kChannelCheckWidth);
        grid->setColumnMinimumWidth(3, kChannelCheckWidth);
        const std::tuple<Label*, EditBox*, UpDown*, CheckBox*, CheckBox*> rows[] = {
            {&w.LabelPalecZac[c], &w.EditPalecZac[c], &w.UpDownPalecZac[c],
             &w.CheckBoxPalecZacH2[c], &w.CheckBoxPalecZacP2[c]},
            {&w.LabelPalecEnd[c], &w.EditPalecEnd[c], &w.UpDownPalecEnd[c],
             &w.CheckBoxPalecEndH2[c], &w.CheckBoxPalecEndP2[c]},
        };
        int r = 0;
        for (const auto& [label, edit, upDown, edge, pickup] : rows) {
            grid->addWidget(MakeLabel(*label, channel), r, 0);
            grid->addWidget(MakeSpinRow(*edit, *upDown, channel, 40), r, 1);
            grid->addWidget(MakeCheck(*edge, channel), r, 2, Qt::AlignCenter);
            QWidget* second = MakeCheck(*pickup, channel);
            QSizePolicy keep = second->sizePolicy();
            keep.setRetainSizeWhenHidden(true);
            second->setSizePolicy(keep);
            grid->addWidget(second, r, 3, Qt::AlignCenter);
            ++r;
        }
        binder_.BindWidget(w.GroupBoxPalec[c], channel);
        inside->addWidget(channel);
    }
    inside->addWidget(MakeCombo(w.ComboBoxNasobekPalcu, special, 22));
    inside->addStretch(1);
    binder_.BindWidget(w.GroupBoxSpecial, special);
    columns->addWidget(special, 1);
    return page;
}

QWidget* MainWindow::BuildAdvancePage() {
    WindowModel& w = form_.window;
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(6, 6, 6, 6);
    auto* box = new QGroupBox(page);
    box->setObjectName(QStringLiteral("GroupBox6"));
    box->setFixedSize(kMapBoxWidth, kMapBoxHeight);
    binder_.BindWidget(w.GroupBox6, box);
    outer->addWidget(box, 0, Qt::AlignLeft | Qt::AlignTop);

    // Back to front: the selection image and the graphs lie under the grid.
    for (ImageSurface* surface : {&w.ImageSelect, &w.GrafAdv, &w.Graf3DAdv, &w.CMap3DAdv}) {
        Bound(*surface, new Surface(box), true)->paint = [this, surface](Canvas& canvas) {
            form_.PaintSurface(*surface, canvas);
        };
    }

    // The boxes are 30 pixels wide: small digits, and narrower ones for the five-digit axis.
    QFont small = box->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    QFont axis = small;
    axis.setStretch(QFont::SemiCondensed);
    axis.setPointSizeF(small.pointSizeF() * 0.92);
    auto cellEdit = [&](EditBox& edit, const QFont& font) {
        auto* line = Bound(edit, new QLineEdit(box), true);
        line->setFont(font);
        line->setAlignment(Qt::AlignCenter);
        line->setTextMargins(0, 0, 0, 0);
        line->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; }"));
    };
    Bound(w.LabelRpm1, new QLabel(box), true);
    for (int c = 0; c < kAxisPoints; ++c) {
        cellEdit(w.EditRpmAdv[c], axis);
        Bound(w.UpDownRpmAdv[c], new SpinArrows(Qt::Vertical, box), true);
    }
    for (int r = 0; r < kMapRows; ++r) {
        // "100%" must fit the row label's design width.
        auto* row = Bound(w.LabelTps[r], new QLabel(box), true);
        row->setFont(small);
        row->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int k = 0; k < kMapRows * kMapColumns; ++k) {
        cellEdit(w.EditCell[k], small);
        Bound(w.UpDownCell[k], new SpinArrows(Qt::Vertical, box), true);
    }
    for (int c = 0; c < kMapColumns; ++c) {
        Bound(w.CSpinButton[c], new SpinArrows(Qt::Horizontal, box), true);
    }

    // The surface view's own controls, beside its colour scale.
    auto* surfacePanel = new ChildPanel(box);
    surfacePanel->setGeometry(476, 300, 168, 132);
    auto* panel = new QGridLayout(surfacePanel);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setVerticalSpacing(2);
    panel->addWidget(MakeButton(w.A3DviewISO, surfacePanel), 0, 0, 1, 2);
    panel->addWidget(MakeButton(w.A3DviewTOP, surfacePanel), 0, 2);
    panel->addWidget(MakeCheck(w.CheckFill, surfacePanel), 1, 0, 1, 3);
    panel->addWidget(MakeCheck(w.CheckColorMap, surfacePanel), 2, 0, 1, 3);
    const std::pair<Label*, TrackBar*> tracks[] = {
        {&w.LabelX, &w.TrackBarX}, {&w.LabelY, &w.TrackBarY}, {&w.LabelZ, &w.TrackBarZ}};
    int r = 3;
    for (const auto& [label, track] : tracks) {
        panel->addWidget(MakeLabel(*label, surfacePanel), r, 0);
        panel->addWidget(Bound(*track, new QSlider(Qt::Horizontal, surfacePanel)), r, 1, 1, 2);
        ++r;
    }

    // Along the bottom edge; the interpolation button has its own fixed place.
    auto* bottom = new QWidget(box);
    bottom->setGeometry(6, 435, 548, 27);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(5);
    row->addWidget(MakeCheck(w.CheckBoxTpsMapa, bottom));
    for (RadioButton* radio : {&w.AMapForm, &w.AMapModeGraph, &w.AMapModeGraph3D}) {
        row->addWidget(Bound(*radio, new QRadioButton(bottom)));
    }
    for (Button* step : {&w.BitBtnAdvMinus, &w.BitBtnAdvPlus}) {
        QWidget* button = MakeButton(*step, bottom);
        button->setFixedWidth(26);
        row->addWidget(button);
    }
    row->addWidget(MakeCheck(w.CheckBoxIgnAll, bottom));
    row->addStretch(1);
    // The base advance gets a line of its own so longer captions of a language fit.
    auto* base = new QWidget(box);
    base->setGeometry(6, 464, 548, 27);
    auto* baseRow = new QHBoxLayout(base);
    baseRow->setContentsMargins(0, 0, 0, 0);
    baseRow->addWidget(MakeLabel(w.LabelBaseAdv, base));
    baseRow->addWidget(MakeSpinRow(w.EditBaseAdv, w.UpDownBaseAdv, base, 34));
    baseRow->addStretch(1);
    QWidget* interpolation = MakeButton(w.Interpolation, box);
    // Its place is fixed; a little wider than 75 so the caption fits this font.
    interpolation->setGeometry(558, 435, 86, 25);
    return page;
}

QWidget* MainWindow::BuildServoPage() {
    WindowModel& w = form_.window;
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(10, 10, 10, 10);
    outer->addWidget(MakeCheck(w.CheckBoxPrivEnable, page));
    auto* servo = new QGroupBox(page);
    servo->setObjectName(QStringLiteral("GroupBoxPrivera"));
    auto* grid = new QGridLayout(servo);
    grid->setHorizontalSpacing(4);
    // Row captions without a catalogue entry: the same in every language.
    grid->addWidget(new QLabel(QStringLiteral("RPM"), servo), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("[mV]"), servo), 1, 0);
    for (int i = 0; i < kServoPoints; ++i) {
        grid->addWidget(MakeSpinRow(w.EditRpmPriv[i], w.UpDownRpmPriv[i], servo, 42), 0, i + 1);
        grid->addWidget(MakeSpinRow(w.EditNapPriv[i], w.UpDownNapPriv[i], servo, 42), 1, i + 1);
    }
    auto* tools = new QHBoxLayout;
    tools->setSpacing(8);
    tools->addWidget(MakeLabel(w.LabelServoHyster, servo));
    tools->addWidget(MakeSpinRow(w.EditPrivHyster, w.UpDownPrivHyster, servo, kSpinEditWidth));
    tools->addStretch(1);
    for (Button* step : {&w.BitBtnServoMinus, &w.BitBtnServoPlus}) {
        QWidget* button = MakeButton(*step, servo);
        button->setFixedWidth(30);
        tools->addWidget(button);
    }
    tools->addWidget(MakeCheck(w.CheckBoxServoAll, servo));
    grid->addLayout(tools, 2, 0, 1, kServoPoints + 1);
    binder_.BindWidget(w.GroupBoxPrivera, servo);
    outer->addWidget(servo, 0, Qt::AlignLeft);
    outer->addStretch(1);
    return page;
}

QWidget* MainWindow::BuildMonitor() {
    WindowModel& w = form_.window;
    auto* monitor = new QFrame;
    monitor->setObjectName(QStringLiteral("Monitor"));
    monitor->setFixedWidth(kMonitorWidth);
    auto* column = new QVBoxLayout(monitor);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);
    const QFont warning = Scaled(monitor->font(), 1.35, true);
    for (Label* label : {&w.LabelSpojeni, &w.LabelVersion, &w.LabelEeDataErr}) {
        QLabel* big = MakeLabel(*label, monitor);
        big->setFont(warning);
        big->setWordWrap(true);
        column->addWidget(big);
    }
    auto line = [&](Label& label) {
        QLabel* widget = MakeLabel(label, monitor);
        widget->setMargin(2);
        column->addWidget(widget);
    };
    line(w.LabelRpm);
    column->addWidget(MakeGauge(w.CGaugeRpm, monitor, QColor(255, 0, 255)));
    line(w.LabelNapeti);
    for (Label& advance : w.LabelAdvance) line(advance);
    line(w.LabelTpsMon);
    column->addWidget(MakeGauge(w.CGaugeTps, monitor, QColor()));
    for (Label* label :
         {&w.LabelPriveraPoz, &w.LabelPriveraMer, &w.LabelMonPilotLight, &w.LabelMonSnimac1,
          &w.LabelMonSnimac2, &w.LabelBlocking1, &w.LabelClutchMon, &w.LabelKillSwitch}) {
        line(*label);
    }
    for (Label& test : w.LabelTest) line(test);
    column->addStretch(1);
    line(w.LabelCom);
    QLabel* status = MakeLabel(w.LabelHlaseni, monitor);
    status->setFont(Scaled(monitor->font(), 1.1, true));
    status->setMargin(2);
    status->setWordWrap(true);
    column->addWidget(status);
    column->addWidget(MakeGauge(w.CGaugeProgram, monitor, QColor()));
    return monitor;
}

void MainWindow::KeepBoundsInModel() {
    const QRect frame = frameGeometry();
    form_.window.FormHlav.SetBounds(frame.x(), frame.y(), frame.width(), frame.height());
    binder_.Sync();
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (event->spontaneous()) KeepBoundsInModel();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (event->spontaneous()) KeepBoundsInModel();
}

bool MainWindow::event(QEvent* event) {
    // The hint under the pointer goes through the window object, which owns the status bar.
    if (event->type() == QEvent::StatusTip) {
        form_.DisplayHint(static_cast<QStatusTipEvent*>(event)->tip().toStdString());
        binder_.Sync();
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (fittedToScreen_) return;
    fittedToScreen_ = true;
    // Once the window manager has put its frame around the window, so that the title bar's
    // height is known.
    QTimer::singleShot(kFrameWaitMs, this, [this] { FitToScreen(); });
}

void MainWindow::FitToScreen() {
    // Where the screen allows, the window grows until its content shows without scrolling; it
    // never grows beyond the screen's free area, where the content scrolls instead, and its
    // title bar always lies on the screen.
    const QWidget* content = scroll_->widget();
    const QScreen* screen = this->screen();
    if (content == nullptr || screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QSize frame = frameGeometry().size() - size();
    const QSize chrome(0, menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
    const QSize needed = content->minimumSizeHint().expandedTo(content->minimumSize()) + chrome;
    const QSize fitted = size().expandedTo(needed).boundedTo(available.size() - frame);
    if (fitted != size()) resize(fitted);
    const QRect outer(frameGeometry().topLeft(), fitted + frame);
    const QPoint at(std::clamp(outer.left(), available.left(),
                               std::max(available.left(), available.right() + 1 - outer.width())),
                    std::clamp(outer.top(), available.top(),
                               std::max(available.top(), available.bottom() + 1 - outer.height())));
    if (at != outer.topLeft()) move(at);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A stop signal and the user may both close; the closing steps run once.
    if (closed_) {
        event->accept();
        return;
    }
    closed_ = true;
    binder_.SetClosing();
    timer_.stop();
    form_.FormClose();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Every wheel turn in the window goes to the window first; the map views take it there.
    if (event->type() != QEvent::Wheel || !watched->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != this) return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    // An unused turn travels up through the parents; it is offered to the window once, at
    // the innermost widget, which has no child under the pointer.
    if (widget->childAt(wheel->position().toPoint()) != nullptr) return false;
    UserEvent turn;
    turn.kind = EventKind::Wheel;
    turn.sender = &form_.window.FormHlav;
    turn.wheelDelta = wheel->angleDelta().y();
    turn.x = wheel->globalPosition().toPoint().x();
    turn.y = wheel->globalPosition().toPoint().y();
    if (!binder_.Send(turn, false)) return false;
    binder_.Sync();
    return true;
}

}  // namespace orvell
