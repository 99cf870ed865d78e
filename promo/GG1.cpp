// SPDX-License-Identifier: GPL-3.0-or-later
#include "promo/GG1.h"

#include "core/Twips.h"
#include "platform/SongFont.h"
#include "promo/BuiltInPage.h"
#include "promo/Endpoints.h"
#include "promo/EventLabel.h"
#include "promo/HandCursor.h"
#include "promo/WebView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>
#include <array>

namespace promo {

namespace {

// The window and its controls, in twips.
constexpr int kWidth = 5295;
constexpr int kHeight = 4815;
constexpr QRect kFrame{0, -720, 5295, 5535}; // Shape1: its top edge lies above the window
constexpr QRect kTitleBand{0, 0, 5295, 375}; // Label3
constexpr QRect kCloseGlyph{5040, 50, 255, 255};
constexpr QRect kAddToDesktop{240, 120, 975, 255};
constexpr QRect kWebView{120, 720, 5055, 3735};
constexpr int kTopRow = 480;
constexpr int kBottomRow = 4510;
constexpr int kLinkHeight = 255;

constexpr int kSlideInStep = 50;   // twips per tick, upwards
constexpr int kSlideOutStep = 60;  // twips per tick, downwards
constexpr int kSlideInterval = 10; // ms

constexpr QColor kBackground{0xC0, 0xC0, 0xFF}; // also the built-in page's background
constexpr QColor kFrameColour{0xFF, 0x00, 0xFF};
constexpr QColor kTitleBandColour{0x6B, 0x0A, 0xFE};
constexpr QColor kCaptionColour{0xFF, 0xFF, 0x00};
// The link labels: blue when the window opens, red under the mouse, and a darker blue for all
// of them once the mouse has crossed the window's own surface.
constexpr QColor kLinkColour{0x00, 0x00, 0xFF};
constexpr QColor kLinkHoverColour{0xFF, 0x00, 0x00};
constexpr QColor kLinkSettledColour{0x00, 0x00, 0xC0};

struct LinkLabel {
    const char16_t* caption;
    int left;
    int width;
    int top;
    QLatin1String target;
};

// Label4(0..9): both rows read 淘宝特卖, 商城导航, 天猫商城, 500万彩票网, 常用导航 from left to
// right; the indexes, which the window's handlers go by, follow the order the labels were made in.
constexpr std::array<LinkLabel, 10> kLinkLabels = {{
    {u"淘宝特卖", 120, 855, kTopRow, endpoints::kShopSpecialOffers},
    {u"商城导航", 1080, 855, kTopRow, endpoints::kGuideMallDirectory},
    {u"天猫商城", 2040, 855, kTopRow, endpoints::kMallNewArrivals},
    {u"常用导航", 4320, 855, kTopRow, endpoints::kHomePage},
    {u"500万彩票网", 3000, 1215, kTopRow, endpoints::kLottery},
    {u"淘宝特卖", 120, 855, kBottomRow, endpoints::kShopSpecialOffers},
    {u"商城导航", 1080, 855, kBottomRow, endpoints::kGuideMallDirectory},
    {u"常用导航", 4320, 855, kBottomRow, endpoints::kHomePage},
    {u"500万彩票网", 3000, 1215, kBottomRow, endpoints::kLottery},
    {u"天猫商城", 2040, 855, kBottomRow, endpoints::kMallNewArrivals},
}};

QFont songFont(qreal pointSize, bool bold, bool underline) {
    QFont font = platform::songFont(pointSize, bold);
    font.setUnderline(underline);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

GG1::Dependencies GG1::Dependencies::forThisDesktop(QNetworkAccessManager& network) {
    return {platform::primaryScreen(),      platform::desktopLinkOpener(),      platform::allUsersDesktop(),
            platform::messageBoxQuestion(), platform::messageBoxErrorMessage(), network,
            platform::runningProgram(),     QUrl(endpoints::kPromotionPage),    PageLimits{}};
}

GG1::GG1(const Dependencies& dependencies)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      dependencies_(dependencies), shortcuts_(dependencies.desktopFolder, dependencies.question,
                                              dependencies.errorMessage, dependencies.program) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(core::twipsToPixels(QSize(kWidth, kHeight)));
    setBackground(this, kBackground);
    setMouseTracking(true);
    createControls();
    Form_Load();
}

void GG1::createControls() {
    // Created bottom to top: a later control lies above an earlier one.
    auto label = [this](const QString& name, const QRect& twips) {
        auto* control = new EventLabel(this);
        control->setObjectName(name);
        control->setGeometry(core::twipsToPixels(twips));
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return control;
    };
    auto linkLabel = [&](int index) {
        const LinkLabel& link = kLinkLabels[index];
        EventLabel* control = label(QStringLiteral("Label4_%1").arg(index),
                                    QRect(link.left, link.top, link.width, kLinkHeight));
        control->setText(QString::fromUtf16(link.caption));
        control->setFont(songFont(10.5, false, true));
        control->setCursor(handCursor());
        setTextColour(control, kLinkColour);
        connect(control, &EventLabel::mouseMove, this, [this, index] { Label4_MouseMove(index); });
        connect(control, &EventLabel::click, this, [this, index] { Label4_Click(index); });
        Label4[index] = control;
    };

    Label3 = label(QStringLiteral("Label3"), kTitleBand);
    setBackground(Label3, kTitleBandColour);
    connect(Label3, &EventLabel::mouseDown, this, &GG1::Label3_MouseDown);
    connect(Label3, &EventLabel::mouseMove, this, &GG1::Label3_MouseMove);
    connect(Label3, &EventLabel::mouseUp, this, &GG1::Label3_MouseUp);

    Label1 = label(QStringLiteral("Label1"), kCloseGlyph);
    Label1->setText(QStringLiteral("×"));
    Label1->setFont(songFont(12, true, false));
    setTextColour(Label1, kCaptionColour);
    connect(Label1, &EventLabel::click, this, &GG1::Label1_Click);

    for (int index = 0; index < 5; ++index)
        linkLabel(index);

    Label6 = label(QStringLiteral("Label6"), kAddToDesktop);
    Label6->setText(QStringLiteral("添加到桌面"));
    Label6->setFont(songFont(9, false, true));
    Label6->setCursor(handCursor());
    setTextColour(Label6, kCaptionColour);
    connect(Label6, &EventLabel::click, this, &GG1::Label6_Click);

    for (int index = 5; index < 10; ++index)
        linkLabel(index);

    WebBrowser1 = new WebView(dependencies_.network, dependencies_.pageLimits, this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setGeometry(core::twipsToPixels(kWebView));
    WebBrowser1->setFont(songFont(12, false, false)); // a browser's usual text face and size in China
    // Moves over the page are the page's own, not the window surface's.
    WebBrowser1->setAttribute(Qt::WA_NoMousePropagation);
    WebBrowser1->viewport()->setAttribute(Qt::WA_NoMousePropagation);
    connect(WebBrowser1, &WebView::navigateError, this, &GG1::WebBrowser1_NavigateError);
    connect(WebBrowser1, &WebView::linkClicked, this, &GG1::OpenLink);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kSlideInterval);
    connect(Timer1, &QTimer::timeout, this, &GG1::Timer1_Timer);
    Timer1->start();

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kSlideInterval);
    connect(Timer2, &QTimer::timeout, this, &GG1::Timer2_Timer);
}

void GG1::Form_Load() {
    // Topmost and borderless come with the window's flags. Park it right-aligned with the screen,
    // below the bottom edge by its own height less the taskbar, so that it rises into view.
    const QRect screen = dependencies_.screen.geometry().screenTwips;
    placeAt(screen.x() + screen.width() - kWidth,
            screen.y() + screen.height() + kHeight - GetTaskbarHeight());
    if (shortcuts_.allPresent())
        Label6->hide();
    WebBrowser1->navigate(QUrl(QStringLiteral("about:blank")));
    WebBrowser1->navigate(dependencies_.promotionPage);
}

void GG1::unload() {
    Timer1->stop();
    Timer2->stop();
    close();
}

int GG1::GetTaskbarHeight() const {
    // The strip of the screen below the work area; 0 when the taskbar is at another edge or hidden.
    const platform::ScreenGeometry geometry = dependencies_.screen.geometry();
    const QRect& screen = geometry.screenTwips;
    const QRect& workArea = geometry.workAreaTwips;
    return (screen.y() + screen.height()) - (workArea.y() + workArea.height());
}

void GG1::OpenLink(const QUrl& url) {
    dependencies_.linkOpener.open(url);
}

void GG1::placeAt(int leftTwips, int topTwips) {
    left_ = leftTwips;
    top_ = topTwips;
    move(core::twipsToPixels(QPoint(left_, top_)));
}

void GG1::Timer1_Timer() {
    const QRect screen = dependencies_.screen.geometry().screenTwips;
    const int bottomAtScreenEdge = screen.y() + screen.height() - kHeight;
    placeAt(left_, top_ - kSlideInStep);
    if (bottomAtScreenEdge >= top_) {
        // Wholly above the screen's bottom edge: rest on the taskbar.
        placeAt(left_, bottomAtScreenEdge - GetTaskbarHeight());
        Timer1->stop();
    }
}

void GG1::Timer2_Timer() {
    const QRect screen = dependencies_.screen.geometry().screenTwips;
    placeAt(left_, top_ + kSlideOutStep);
    if (top_ >= screen.y() + screen.height()) {
        Timer2->stop();
        unload();
    }
}

void GG1::Label1_Click() {
    // While the window still rises, both timers run and it sinks by the difference.
    Timer2->start();
}

void GG1::Label3_MouseDown(Qt::MouseButton button, QPointF globalPosition) {
    if (button != Qt::LeftButton)
        return;
    // The system's own move loop drags the window as by a caption; where the system offers none,
    // the title band follows the mouse itself.
    if (windowHandle() && windowHandle()->startSystemMove())
        return;
    grip_ = globalPosition - QPointF(pos());
}

void GG1::Label3_MouseMove(Qt::MouseButtons buttons, QPointF globalPosition) {
    if (grip_ && (buttons & Qt::LeftButton))
        move((globalPosition - *grip_).toPoint());
}

void GG1::Label3_MouseUp() {
    grip_.reset();
}

void GG1::Label4_MouseMove(int index) {
    setTextColour(Label4[index], kLinkHoverColour);
}

void GG1::Label4_Click(int index) {
    OpenLink(QUrl(kLinkLabels[index].target));
}

void GG1::Label6_Click() {
    shortcuts_.add();
}

void GG1::Form_MouseMove() {
    for (EventLabel* link : Label4)
        setTextColour(link, kLinkSettledColour);
}

void GG1::WebBrowser1_NavigateError() {
    WebBrowser1->navigate(QUrl(QStringLiteral("about:blank")));
    WebBrowser1->writeDocument(builtInPageLines());
}

void GG1::mouseMoveEvent(QMouseEvent* event) {
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

void GG1::moveEvent(QMoveEvent* event) {
    // A move that did not come from placeAt (a drag) sets the position the slides go on from.
    if (event->pos() != core::twipsToPixels(QPoint(left_, top_))) {
        left_ = core::pixelsToTwips(event->pos().x());
        top_ = core::pixelsToTwips(event->pos().y());
    }
    QWidget::moveEvent(event);
}

void GG1::paintEvent(QPaintEvent*) {
    // Shape1: a one-pixel frame along the sides and the bottom; its top edge lies above the window.
    QPainter painter(this);
    painter.setPen(kFrameColour);
    painter.drawRect(core::twipsToPixels(kFrame).adjusted(0, 0, -1, -1));
}

} // namespace promo
