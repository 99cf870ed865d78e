// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmMain.h"

#include "app/ExportDialog.h"
#include "app/FontPass.h"
#include "app/Icons.h"
#include "app/MonthGridAccessible.h"
#include "app/PictureBox.h"
#include "app/frmInfo.h"
#include "core/Twips.h"
#include "platform/SongFont.h"
#include "platform/desktop/WholeFile.h"
#include "promo/GG1.h"
#include "promo/PromotionGate.h"
#include "report/DayReport.h"
#include "report/ICalendarWriter.h"
#include "view/MonthPainter.h"
#include "view/Navigation.h"
#include "view/WindowLayout.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

using core::pixelsToTwips;
using core::twipsToPixels;

namespace {

const QString kNavigationTips[5] = {
    QStringLiteral("上一年"), QStringLiteral("上一月"),   QStringLiteral("下一月"),
    QStringLiteral("下一年"), QStringLiteral("转到今天"),
};
constexpr int kNavigationIconLeftTwips[5] = {120, 480, 840, 1200, 1560};
constexpr int kNavigationIconTwips = 240;

QLabel* titleLabel(QWidget* parent, const char* name, QPoint twips, QColor color) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(platform::songFont(12, true));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->move(twipsToPixels(twips));
    return label;
}

// What assistive technology reads for the five icons: the icons show arrows, not words.
const QString kNavigationNames[5] = {
    QStringLiteral("上一年"), QStringLiteral("上个月"), QStringLiteral("下个月"),
    QStringLiteral("下一年"), QStringLiteral("今天"),
};

// The frame the window manager put around a window's client area; none before it is framed.
QMargins frameMargins(const QWidget* window) {
    if (!window)
        return {};
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

QPushButton* smallButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(platform::songFont(9, true));
    button->resize(twipsToPixels(view::kButtonTwips));
    return button;
}

} // namespace

frmMain::frmMain(Services services)
    : services_(std::move(services)), clock_(services_.clock), screen_(services_.screen) {
    setObjectName(QStringLiteral("frmMain"));
    app::installMonthGridAccessibility();
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(3000);
    connect(Timer3, &QTimer::timeout, this, &frmMain::Timer3_Timer);
    setWindowTitle(QStringLiteral("Kesparo"));
    setWindowIcon(app::programIcon());
    setCentralWidget(buildClientArea());
    buildMenus();
    resize(twipsToPixels(view::kDesignClientTwips) + QSize(0, menuBar()->sizeHint().height()));
}

frmMain::~frmMain() = default;

QWidget* frmMain::buildClientArea() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    // The window never becomes smaller than its design size.
    client->setMinimumSize(twipsToPixels(view::kDesignClientTwips));

    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(twipsToPixels(view::kImage1Twips));
    Image1->setPixmap(windowIcon().pixmap(48, 48));

    // The grey copy first, so the blue title lies over it.
    Label2 = titleLabel(client, "Label2", view::kLabel2Twips, QColor(160, 160, 160));
    Label1 = titleLabel(client, "Label1", view::kLabel1Twips, QColor(0, 0, 255));

    Command1 = smallButton(client, "Command1", QStringLiteral("↗"));
    Command2 = smallButton(client, "Command2", QStringLiteral("←"));
    for (QPushButton* button : {Command1, Command2})
        button->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &frmMain::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmMain::Command2_Click);

    picToolbar = new QWidget(client);
    picToolbar->setObjectName(QStringLiteral("picToolbar"));
    picToolbar->resize(twipsToPixels(view::kToolbarTwips));
    for (int i = 0; i < 5; ++i) {
        auto* icon = new QToolButton(picToolbar);
        icon->setObjectName(QStringLiteral("Image2_%1").arg(i));
        icon->setAutoRaise(true);
        icon->setFocusPolicy(Qt::NoFocus);
        icon->setIcon(app::navigationIcon(i));
        icon->setIconSize({16, 16});
        icon->setToolTip(kNavigationTips[i]);
        icon->setAccessibleName(kNavigationNames[i]);
        icon->setGeometry(
            twipsToPixels(QRect(kNavigationIconLeftTwips[i], 0, kNavigationIconTwips, kNavigationIconTwips)));
        connect(icon, &QToolButton::clicked, this, [this, i] { Image2_Click(i); });
        Image2[i] = icon;
    }

    Combo1 = new QComboBox(client);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->resize(twipsToPixels(view::kComboTwips));
    Combo1->setFocusPolicy(Qt::ClickFocus);
    Combo1->setAccessibleName(QStringLiteral("字体"));
    connect(Combo1, &QComboBox::currentIndexChanged, this, &frmMain::Combo1_Click);
    // When its list closes, chosen or not, the keys go back to the grid.
    Combo1->view()->window()->installEventFilter(this);

    picMain = new app::PictureBox(client);
    picMain->setObjectName(QStringLiteral("picMain"));
    picMain->surface().setFont(platform::songFont(9));
    connect(picMain, &app::PictureBox::MouseDown, this, &frmMain::picMain_MouseDown);
    connect(picMain, &app::PictureBox::KeyDown, this, &frmMain::picMain_KeyDown);
    connect(picMain, &app::PictureBox::WheelNotches, this, &frmMain::picMain_Wheel);
    return client;
}

void frmMain::buildMenus() {
    QMenu* calendar = menuBar()->addMenu(QStringLiteral("日历(&C)"));
    calendar->setObjectName(QStringLiteral("mnuCalendar"));
    const auto entry = [this, calendar](const char* name, const QString& caption,
                                        void (frmMain::*handler)()) {
        QAction* action = calendar->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    mnuCalendarLastYear =
        entry("mnuCalendarLastYear", QStringLiteral("上一年(&L)"), &frmMain::mnuCalendarLastYear_Click);
    mnuCalendarLastMonth =
        entry("mnuCalendarLastMonth", QStringLiteral("上个月(&A)"), &frmMain::mnuCalendarLastMonth_Click);
    mnuCalendarNextMonth =
        entry("mnuCalendarNextMonth", QStringLiteral("下个月(&E)"), &frmMain::mnuCalendarNextMonth_Click);
    mnuCalendarNextYear =
        entry("mnuCalendarNextYear", QStringLiteral("下一年(&N)"), &frmMain::mnuCalendarNextYear_Click);
    calendar->addSeparator();
    mnuCalendarExport =
        entry("mnuCalendarExport", QStringLiteral("导出 iCalendar(&I)…"), &frmMain::mnuCalendarExport_Click);

    QMenu* viewMenu = menuBar()->addMenu(QStringLiteral("查看(&V)"));
    viewMenu->setObjectName(QStringLiteral("mnuView"));
    mnuViewShowInfo = viewMenu->addAction(QStringLiteral("显示日程信息(&S)"));
    mnuViewShowInfo->setObjectName(QStringLiteral("mnuViewShowInfo"));
    mnuViewShowInfo->setCheckable(true);
    mnuViewShowInfo->setChecked(true);
    // Qt has flipped the check mark by the time the entry reports it was chosen.
    connect(mnuViewShowInfo, &QAction::triggered, this, &frmMain::Command2_Click);
}

bool frmMain::Form_Load() {
    if (promo::promotionOpens(clock_.today()))
        Timer3->start();

    report::TextResourceLoad load = services_.loadTexts();
    if (!load.ok()) {
        Timer3->stop();
        services_.tellUser(load.failure);
        return false;
    }
    texts_ = std::move(load.texts);

    report::OfficialDaysLoad official = services_.loadOfficialDays();
    for (const QString& warning : std::as_const(official.warnings))
        qWarning("kesparo: %s", qPrintable(warning));
    official_ = std::move(official.days);
    picMain->setOfficialDays(&official_);

    const platform::RememberedChoices choices = services_.choices.load();
    InfoHidden = !choices.reportShown;
    applyRememberedFont(choices);

    info_ = new frmInfo(this);
    info_->setAttribute(Qt::WA_ShowWithoutActivating);
    connect(info_, &frmInfo::moved, this, &frmMain::keepLayout);
    connect(info_, &frmInfo::moved, this, &frmMain::centreAgainOnceFramed);
    if (!InfoHidden) {
        info_->show();
        info_->windowHandle()->installEventFilter(this);
    }
    showToggleStates();

    view::navigate(state_, view::NavigationCommand::Today, clock_.today());
    connect(&services_.dayChange, &platform::DayChange::mayHaveChanged, this, &frmMain::ReDrawCalendar);

    // The keys themselves belong to the grid; the menu only names them.
    mnuCalendarLastMonth->setText(mnuCalendarLastMonth->text() + QStringLiteral("\tPage Up"));
    mnuCalendarNextMonth->setText(mnuCalendarNextMonth->text() + QStringLiteral("\tPage Down"));

    show(); // the first resize lays out the controls and draws the month
    windowHandle()->installEventFilter(this);
    Enlarged = choices.enlarged;
    if (Enlarged)
        applyEnlargement();
    showEnlargeState();
    centrePair();
    repaint();
    picMain->setFocus();
    startFontPass();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Font list: filled by the font pass in short slices while the window is in use.

void frmMain::startFontPass() {
    // Until an entry is chosen the list shows the grid's face; without a placeholder the list
    // would choose its first entry by itself.
    Combo1->setPlaceholderText(picMain->surface().font().family());
    Combo1->setEnabled(false);
    fontPass_ = new app::FontPass(services_.fonts, this);
    connect(fontPass_, &app::FontPass::progress, this,
            [this](int current, int total) { info_->setWindowTitle(app::fontPassCaption(current, total)); });
    connect(fontPass_, &app::FontPass::fontAccepted, this,
            [this](int position, const QString& name) { Combo1->insertItem(position, name); });
    connect(fontPass_, &app::FontPass::finished, this, &frmMain::fontPassFinished);
    fontPass_->start();
}

void frmMain::fontPassFinished() {
    info_->setWindowTitle(app::fontPassDoneCaption());
    // Selecting the grid's own face raises Combo1_Click; a face not in the list selects nothing.
    Combo1->setCurrentIndex(Combo1->findText(picMain->surface().font().family(), Qt::MatchExactly));
    Combo1->setEnabled(true);
}

bool frmMain::fontsReady() const {
    return fontPass_ && !fontPass_->isRunning();
}

void frmMain::Combo1_Click() {
    if (Combo1->currentIndex() < 0)
        return;
    QFont font = picMain->surface().font();
    const bool otherFace = font.family() != Combo1->currentText();
    font.setFamily(Combo1->currentText());
    picMain->surface().setFont(font);
    ReDrawCalendar();
    if (otherFace)
        saveChoices();
}

// A remembered face draws the grid only while it is still installed; else the default stays.
void frmMain::applyRememberedFont(const platform::RememberedChoices& choices) {
    if (!choices.fontFamily || !services_.fonts.families().contains(*choices.fontFamily))
        return;
    QFont font = picMain->surface().font();
    font.setFamily(*choices.fontFamily);
    picMain->surface().setFont(font);
}

void frmMain::saveChoices() {
    const QString family = picMain->surface().font().family();
    services_.choices.save(
        {family == platform::kSongFace ? std::nullopt : std::optional(family), Enlarged, !InfoHidden});
}

void frmMain::mnuCalendarExport_Click() {
    app::ExportDialog dialog(state_.CurYear, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString years = dialog.fromYear() == dialog.toYear()
                              ? QString::number(dialog.fromYear())
                              : QStringLiteral("%1-%2").arg(dialog.fromYear()).arg(dialog.toYear());
    const QString path = services_.chooseSaveFile(QStringLiteral("kesparo-%1.ics").arg(years));
    if (!path.isEmpty())
        exportICalendar(path, dialog.fromYear(), dialog.toYear(), dialog.kinds());
    picMain->setFocus();
}

bool frmMain::exportICalendar(const QString& path, int fromYear, int toYear,
                              report::CalendarEventKinds kinds) {
    const QByteArray text =
        report::iCalendarText(core::dayNumber(fromYear, 1, 1), core::dayNumber(toYear, 12, 31), kinds,
                              official_, QDateTime::currentDateTimeUtc());
    const platform::WriteResult written = platform::writeWholeFile(path, text);
    if (!written.ok)
        services_.tellUser(
            QStringLiteral("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(path), written.reason));
    return written.ok;
}

promo::GG1* frmMain::promotionWindow() const {
    return GG1_;
}

void frmMain::Timer3_Timer() {
    Timer3->stop();
    if (GG1_)
        return;
    GG1_ = services_.createPromotionWindow();
    GG1_->show();
}

// ---------------------------------------------------------------------------------------------
// Drawing

void frmMain::ReDrawCalendar() {
    picMain->fitSurface();
    const view::MonthPicture picture = view::drawMonth(picMain->surface(), state_, clock_, official_);
    grid_ = picture.geometry;
    picMain->setShownMonth(state_, grid_);
    Label1->setText(picture.title);
    Label1->adjustSize();
    Label2->setText(Label1->text());
    Label2->adjustSize();
    picMain->update();
    ReDrawInfo();
}

// The day report is rebuilt on every redraw, whether the report window shows or not, so showing
// it again shows the chosen day at once.
void frmMain::ReDrawInfo() {
    setWindowTitle(QStringLiteral("Kesparo - [") + Label1->text() + u']');
    info_->setReport(report::buildDayReport(texts_, state_.CurYear, state_.CurMonth, state_.CurDay));
}

// ---------------------------------------------------------------------------------------------
// Navigation and day selection

void frmMain::Image2_Click(int Index) {
    if (Index >= 0 && Index <= 4)
        view::navigate(state_, static_cast<view::NavigationCommand>(Index), clock_.today());
    ReDrawCalendar();
}

void frmMain::picMain_MouseDown(float X, float Y) {
    if (Y < grid_.gridTop())
        return; // the header band: nothing to choose there
    if (const std::optional<int> day = grid_.dayAt(X, Y))
        state_.CurDay = static_cast<std::int16_t>(*day);
    ReDrawCalendar();
}

void frmMain::picMain_KeyDown(int KeyCode) {
    view::applyKey(state_, KeyCode);
    ReDrawCalendar();
}

void frmMain::picMain_Wheel(int notches) {
    for (int i = 0; i < std::abs(notches); ++i)
        view::applyKey(state_, notches > 0 ? view::PageDown : view::PageUp);
    ReDrawCalendar();
}

// ---------------------------------------------------------------------------------------------
// Window commands

// Both toggles change what the user wants at once; the windows follow at once in the normal
// state, and on restore when the window is maximised or minimised, which keeps the report hidden.
void frmMain::Command2_Click() {
    InfoHidden = !InfoHidden;
    showToggleStates();
    if (isNormalState()) {
        updateReportVisibility();
        centrePair();
    } else {
        layoutPending_ = true;
    }
    picMain->setFocus();
    saveChoices();
}

void frmMain::Command1_Click() {
    Enlarged = !Enlarged;
    showEnlargeState();
    if (isNormalState())
        applyEnlargement();
    else
        layoutPending_ = true;
    picMain->setFocus();
    saveChoices();
}

void frmMain::showEnlargeState() {
    Command1->setText(Enlarged ? QStringLiteral("↙") : QStringLiteral("↗"));
    Command1->setAccessibleName(Enlarged ? QStringLiteral("还原窗口大小") : QStringLiteral("放大窗口"));
}

// The size that Enlarged asks for, then the pair centred.
void frmMain::applyEnlargement() {
    if (Enlarged) {
        if (savedOuterTwips_.isEmpty())
            savedOuterTwips_ = outerTwips().size();
        setOuterSizeTwips(view::enlargedOuterSize(screen_.geometry().screenTwips.size(), reportWidthTwips()));
    } else if (!savedOuterTwips_.isEmpty()) {
        setOuterSizeTwips(savedOuterTwips_);
        savedOuterTwips_ = {};
    }
    centrePair();
}

// The report toggle's caption, its menu check mark and the names assistive technology reads.
void frmMain::showToggleStates() {
    Command2->setText(InfoHidden ? QStringLiteral("→") : QStringLiteral("←"));
    Command2->setAccessibleName(InfoHidden ? QStringLiteral("显示日程信息") : QStringLiteral("隐藏日程信息"));
    mnuViewShowInfo->setChecked(!InfoHidden);
}

bool frmMain::isNormalState() const {
    return !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
}

void frmMain::centrePair() {
    const QRect screen = screen_.geometry().screenTwips;
    const QPoint topLeft = view::centredTopLeft(screen.size(), outerTwips().size(), reportWidthTwips());
    move(twipsToPixels(screen.topLeft() + topLeft));
    dockReportWindow();
    centredFrames_ = {frameMargins(this), frameMargins(info_)};
}

// The window manager frames a window only after it is shown, so the first centring counts
// without frames; once a frame arrives (or changes), the pair is centred again with it.
void frmMain::centreAgainOnceFramed() {
    if (centredWithFrames_ || !info_ || !isNormalState())
        return;
    const std::pair<QMargins, QMargins> frames{frameMargins(this), frameMargins(info_)};
    if (frames == centredFrames_)
        return;
    centrePair();
    centredWithFrames_ = !frames.first.isNull() && (InfoHidden || !frames.second.isNull());
}

int frmMain::reportWidthTwips() const {
    return InfoHidden ? 0 : pixelsToTwips(info_->frameGeometry().width());
}

QRect frmMain::outerTwips() const {
    return pixelsToTwips(frameGeometry());
}

void frmMain::setOuterSizeTwips(QSize twips) {
    const QSize frameExtra = frameGeometry().size() - size();
    resize(twipsToPixels(twips) - frameExtra);
}

// ---------------------------------------------------------------------------------------------
// Layout keeping: driven by the window's own resize, move and state changes, and by the
// report window being moved, so an idle calendar costs nothing.

void frmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void frmMain::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    dockReportWindow();
    centreAgainOnceFramed();
}

void frmMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    keepLayout();
    if (layoutPending_ && isNormalState()) {
        layoutPending_ = false;
        // After the restored size has arrived.
        QMetaObject::invokeMethod(this, &frmMain::applyEnlargement, Qt::QueuedConnection);
    }
}

void frmMain::Form_Resize() {
    keepLayout();
    ReDrawCalendar();
}

void frmMain::keepLayout() {
    placeControls();
    dockReportWindow();
    updateReportVisibility();
}

void frmMain::placeControls() {
    const view::ControlLayout layout = view::layoutControls(pixelsToTwips(centralWidget()->size()));
    Combo1->move(twipsToPixels(layout.combo.topLeft()));
    picToolbar->move(twipsToPixels(layout.toolbar.topLeft()));
    picMain->setGeometry(twipsToPixels(layout.picMain));
    Command1->move(twipsToPixels(layout.command1.topLeft()));
    Command2->move(twipsToPixels(layout.command2.topLeft()));
}

void frmMain::dockReportWindow() {
    if (!info_ || !isNormalState())
        return;
    const int infoWidthTwips = pixelsToTwips(info_->frameGeometry().width());
    info_->setOuterGeometry(twipsToPixels(view::dockedInfoRect(outerTwips(), infoWidthTwips)));
}

void frmMain::updateReportVisibility() {
    if (!info_)
        return;
    const bool wanted = !InfoHidden && isNormalState() && isVisible();
    if (wanted && !info_->isVisible()) {
        info_->show();
        info_->windowHandle()->installEventFilter(this); // again: it only moves to the front
        dockReportWindow();
    } else if (!wanted && info_->isVisible() && isVisible()) {
        info_->hide();
    }
}

// Watches the two windows for their frames, the font list's popup for its closing and the small
// buttons for the focus.
bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    // A window manager's frame comes, or changes, with an exposure or activation of the window,
    // not always with a move.
    if ((watched == windowHandle() || (info_ && watched == info_->windowHandle())) &&
        (event->type() == QEvent::Expose || event->type() == QEvent::FocusIn)) {
        dockReportWindow();
        centreAgainOnceFramed();
        return false;
    }
    if (watched == Combo1->view()->window() && event->type() == QEvent::Hide) {
        // After the list has handed the focus back to the font box.
        QMetaObject::invokeMethod(picMain, qOverload<>(&QWidget::setFocus), Qt::QueuedConnection);
        return QMainWindow::eventFilter(watched, event);
    }
    // A small button keeps the keyboard focus only while it is being clicked; otherwise the focus
    // goes back to the grid, which owns the keys.
    bool* pressed = watched == Command1 ? &Command1Pressed : watched == Command2 ? &Command2Pressed : nullptr;
    if (pressed) {
        if (event->type() == QEvent::MouseButtonPress)
            *pressed = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            *pressed = false;
        else if (event->type() == QEvent::FocusIn && !*pressed)
            picMain->setFocus();
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Close: a running font pass stops, the report and promotion windows go with the main window,
// and the program ends.

void frmMain::Form_QueryUnload() {
    if (fontPass_)
        fontPass_->stop(); // nothing when it is not running
}

void frmMain::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    if (info_)
        info_->unload();
    Timer3->stop();
    if (GG1_)
        GG1_->unload(); // a promotion window that never opened is not opened now
    event->accept();
    QCoreApplication::exit(0); // at once: no other window is asked
}
