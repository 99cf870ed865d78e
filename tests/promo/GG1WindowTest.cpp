// SPDX-License-Identifier: GPL-3.0-or-later
// The promotion window: its slides tick by tick against screens with the taskbar at each edge or
// hidden and dragging by the title band, the link labels and the links they open, "添加到桌面".

#include "tests/promo/GG1TestRig.h"

#include "promo/Endpoints.h"
#include "promo/HandCursor.h"

#include <QBitmap>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QTest>
#include <QTextBrowser>
#include <cmath>
#include <gtest/gtest.h>

namespace {

namespace ep = promo::endpoints;

constexpr int kScreenHeight = 16200; // twips
constexpr int kWindowHeight = 4815;

const auto pixels = [](int twips) { return static_cast<int>(std::lround(twips / 15.0)); };

// A mouse event at `local` in `widget`, delivered as the application would.
void mouse(QEvent::Type type, QWidget* widget, QPoint local, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, held, {});
    QCoreApplication::sendEvent(widget, &event);
}

// The window parks below the screen's bottom-right corner, rises 50 twips a tick while its bottom
// edge is below the screen's, and then rests on the work area's bottom; only the left button on the
// title band drags it. The close glyph drops it 60 twips a tick (10 while it still rises, both
// timers running) from wherever it is, and unloads it once its top edge reaches the screen's bottom.
TEST(GG1Slides, RiseOntoTheTaskbarDragByTheTitleBandAndFallFromWhereverTheWindowIs) {
    // Where the taskbar is, the work area in pixels, the strip of it below the work area in twips,
    // and the ticks after which the close glyph is clicked (0: once the window rests).
    const std::tuple<const char*, QRect, int, int> cases[] = {
        {"bottom", {0, 0, 1920, 1040}, 600, 0}, {"top", {0, 40, 1920, 1040}, 0, 0},
        {"left", {60, 0, 1860, 1080}, 0, 0},    {"right", {0, 0, 1860, 1080}, 0, 0},
        {"hidden", {0, 0, 1920, 1080}, 0, 0},   {"bottom, closed while rising", {0, 0, 1920, 1040}, 600, 100},
    };
    for (const auto& [taskbar, workArea, below, closeAfter] : cases) {
        SCOPED_TRACE(taskbar);
        GG1TestRig rig;
        rig.screen.set(screenWithWorkArea(workArea));
        promo::GG1& window = rig.open();
        EXPECT_TRUE(rig.timer(1)->interval() == 10 && rig.timer(2)->interval() == 10 &&
                    !rig.timer(2)->isActive());
        int top = kScreenHeight + kWindowHeight - below, ticks = 0;
        for (; top - 50 > kScreenHeight - kWindowHeight && (!closeAfter || ticks < closeAfter);
             ++ticks, top -= 50) {
            ASSERT_EQ(window.pos(), QPoint(pixels(28800 - 5295), pixels(top))) << "before tick " << ticks + 1;
            ASSERT_TRUE(rig.timer(1)->isActive());
            rig.tick(1);
        }
        if (!closeAfter) { // the next tick brings the bottom edge above the screen's: onto the taskbar
            rig.tick(1);
            EXPECT_FALSE(rig.timer(1)->isActive());
            EXPECT_EQ(window.frameGeometry().bottomRight() + QPoint(1, 1), QPoint(1920, below ? 1040 : 1080));
            const QPoint resting = window.pos();
            rig.tick(1); // a late timer event
            window.show();
            QLabel* band = rig.control(QStringLiteral("Label3"));
            for (const auto& [from, button] : {std::pair{band, Qt::RightButton},
                                               {band, Qt::MiddleButton},
                                               {rig.control(QStringLiteral("Label1")), Qt::LeftButton},
                                               {rig.control(QStringLiteral("Label6")), Qt::LeftButton},
                                               {band, Qt::LeftButton}}) {
                EXPECT_EQ(window.pos(), resting) << "moved by a late tick, another button or another control";
                mouse(QEvent::MouseButtonPress, from, QPoint(2, 2), button, button);
                mouse(QEvent::MouseMove, from, QPoint(-298, -198), Qt::NoButton, button);
                if (from != band) // the mouse goes on over the band
                    mouse(QEvent::MouseMove, band, QPoint(-298, -198), Qt::NoButton, button);
                mouse(QEvent::MouseButtonRelease, from, QPoint(-298, -198), button, Qt::NoButton);
            }
            EXPECT_EQ(window.pos(), resting + QPoint(-300, -200));
            top = window.y() * 15;
        }
        QTest::mouseClick(rig.control(QStringLiteral("Label1")), Qt::LeftButton);
        ASSERT_EQ(rig.timer(1)->isActive(), closeAfter > 0);
        for (ticks = 1; !rig.window.isNull(); ++ticks, top += closeAfter ? 60 - 50 : 60) {
            ASSERT_EQ(window.y(), pixels(top)) << "before tick " << ticks;
            ASSERT_TRUE(rig.timer(2)->isActive());
            ASSERT_LT(top, kScreenHeight) << "not unloaded once its top edge reached the screen's bottom";
            if (closeAfter)
                rig.tick(1);
            rig.tick(2);
            rig.runDeferredDeletes();
        }
        EXPECT_GE(top, kScreenHeight) << "unloaded early";
    }
}

// Both rows read the same captions left to right, and each label opens its target on a left click
// only, under our hand cursor; "添加到桌面" asks, and is hidden at load once all shortcuts are there.
// The labels turn red under the mouse, and all dark blue only once the mouse crosses the window's
// own surface.
TEST(GG1Labels, OpenTheirTargetsOnALeftClickChangeColourUnderTheMouseAndAddToDesktopAsks) {
    const QImage shape = promo::handCursor().bitmap().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage mask = promo::handCursor().mask().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_TRUE(shape.size() == QSize(32, 32) && mask.size() == QSize(32, 32));
    EXPECT_TRUE(mask.pixel(6, 0) == qRgb(0, 0, 0) && shape.pixel(6, 0) == qRgb(0, 0, 0)) << "outlined tip";

    GG1TestRig rig;
    promo::GG1& window = rig.open();
    const QColor opening(0x00, 0x00, 0xFF), hover(0xFF, 0x00, 0x00), crossed(0x00, 0x00, 0xC0);
    auto colours = [&](QColor all, std::initializer_list<int> hovered = {}) {
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(rig.link(i)->palette().color(QPalette::WindowText),
                      std::count(hovered.begin(), hovered.end(), i) ? hover : all)
                << i;
    };
    auto move = [](QWidget* widget, QPoint at) { mouse(QEvent::MouseMove, widget, at, Qt::NoButton, {}); };
    colours(opening);
    move(rig.link(3), QPoint(5, 5));
    move(rig.link(7), QPoint(5, 5));
    colours(opening, {3, 7});
    // Leaving a label straight out of the window, or moving over the title band, the close glyph
    // or the web view, leaves the colours as they are.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(rig.link(3), &leave);
    move(rig.control(QStringLiteral("Label3")), QPoint(200, 10));
    move(rig.control(QStringLiteral("Label1")), QPoint(3, 3));
    move(rig.control<QTextBrowser>(QStringLiteral("WebBrowser1"))->viewport(), QPoint(50, 50));
    colours(opening, {3, 7});
    move(&window, QPoint(3, 150)); // the strip left of the web view is the window's own surface
    colours(crossed);

    const char* captions[] = {"淘宝特卖", "商城导航", "天猫商城", "500万彩票网", "常用导航"};
    const QLatin1String targets[] = {ep::kShopSpecialOffers, ep::kGuideMallDirectory, ep::kMallNewArrivals,
                                     ep::kLottery, ep::kHomePage};
    QMap<std::pair<int, int>, QLabel*> labels; // the top row left to right, then the bottom row
    for (int i = 0; i < 10; ++i)
        labels.insert({rig.link(i)->y(), rig.link(i)->x()}, rig.link(i));
    ASSERT_EQ(labels.size(), 10);
    for (int n = 0; n < 10; ++n) {
        QLabel* label = labels.values()[n];
        EXPECT_TRUE(label->y() == (n < 5 ? 32 : 301) && label->text() == QString::fromUtf8(captions[n % 5]))
            << n;
        EXPECT_TRUE(n % 5 == 0 || labels.values()[n - 1]->geometry().right() <= label->x()) << "overlap";
        EXPECT_TRUE(label->cursor().shape() == Qt::BitmapCursor && label->cursor().hotSpot() == QPoint(6, 0));
        rig.links.opened.clear();
        QTest::mouseClick(label, Qt::RightButton);
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_EQ(rig.links.opened, QList<QUrl>{QUrl(targets[n % 5])}) << "only a left click opens";
    }
    QLabel* offer = rig.control(QStringLiteral("Label6"));
    EXPECT_TRUE(offer->cursor().hotSpot() == QPoint(6, 0) && !offer->isHidden());
    QTest::mouseClick(offer, Qt::LeftButton);
    EXPECT_EQ(rig.question.asked.size(), 1);
    delete rig.window.data();
    rig.open();
    EXPECT_TRUE(rig.control(QStringLiteral("Label6"))->isHidden());
}

// Stands in for the desktop's handlers of the schemes it is registered for.
struct DesktopHandler final : QObject {
    Q_OBJECT
public slots:
    void handle(const QUrl& url) { handled.append(url); }

public:
    QList<QUrl> handled;
};

TEST(DesktopLinkOpener, OpensWebLinksAndIgnoresEveryOtherScheme) {
    DesktopHandler desktop;
    const QStringList schemes = {"http", "https", "file", "mailto", "ftp", "javascript"};
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &desktop, "handle");
    for (const char* url : {"file:///etc/passwd", "mailto:someone@example.org", "ftp://ftp.example.org/",
                            "javascript:alert(1)", "relative/page.html", "", "https://www.tmall.com/",
                            "http://127.0.0.1:8080/a?b=c", "HTTPS://WWW.500.COM/"})
        platform::DesktopLinkOpener().open(QUrl(QString::fromLatin1(url)));
    EXPECT_EQ(desktop.handled,
              QList<QUrl>({QUrl("https://www.tmall.com/"), QUrl("http://127.0.0.1:8080/a?b=c"),
                           QUrl("HTTPS://WWW.500.COM/")}));
    for (const QString& scheme : schemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

} // namespace

#include "GG1WindowTest.moc"
