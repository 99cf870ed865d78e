// The promotion window's controls: the link labels (layout, targets, colours, cursor), dragging by
// the title band, and "添加到桌面".

#include "GG1TestRig.h"

#include "platform/desktop/ShortcutPresence.h"
#include "promo/Endpoints.h"

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTest>
#include <QTextBrowser>
#include <algorithm>

namespace {

namespace ep = promo::endpoints;

const QColor kOpening{0x00, 0x00, 0xFF};
const QColor kHover{0xFF, 0x00, 0x00};
const QColor kCrossed{0x00, 0x00, 0xC0};

QColor colourOf(const QWidget* label) {
    return label->palette().color(QPalette::WindowText);
}

// A mouse move with `buttons` held at `local` in `widget`, delivered as the application would.
void moveMouse(QWidget* widget, QPoint local, Qt::MouseButtons buttons = Qt::NoButton) {
    QMouseEvent event(QEvent::MouseMove, QPointF(local), QPointF(widget->mapToGlobal(local)), Qt::NoButton,
                      buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void press(QWidget* widget, QPoint local, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonPress, QPointF(local), QPointF(widget->mapToGlobal(local)), button,
                      button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

void release(QWidget* widget, QPoint local, Qt::MouseButton button) {
    QMouseEvent event(QEvent::MouseButtonRelease, QPointF(local), QPointF(widget->mapToGlobal(local)), button,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

TEST(GG1Links, BothRowsReadTheSameFiveCaptionsFromLeftToRight) {
    GG1TestRig rig;
    rig.open();
    for (const int rowTop : {32, 301}) {
        QList<QLabel*> row;
        for (int i = 0; i < 10; ++i)
            if (rig.link(i)->y() == rowTop)
                row.append(rig.link(i));
        std::sort(row.begin(), row.end(), [](QLabel* a, QLabel* b) { return a->x() < b->x(); });
        QStringList captions;
        for (QLabel* label : row)
            captions << label->text();
        EXPECT_EQ(captions, QStringList({"淘宝特卖", "商城导航", "天猫商城", "500万彩票网", "常用导航"}))
            << rowTop;
        for (int i = 1; i < row.size(); ++i)
            EXPECT_LE(row[i - 1]->geometry().right(), row[i]->x()) << "labels overlap in row " << rowTop;
    }
}

TEST(GG1Links, EachLabelOpensItsOwnTarget) {
    const QLatin1String targets[10] = {
        ep::kShopSpecialOffers, ep::kGuideMallDirectory, ep::kMallNewArrivals,    ep::kHomePage,
        ep::kLottery,           ep::kShopSpecialOffers,  ep::kGuideMallDirectory, ep::kHomePage,
        ep::kLottery,           ep::kMallNewArrivals};
    GG1TestRig rig;
    rig.open();
    for (int i = 0; i < 10; ++i) {
        QTest::mouseClick(rig.link(i), Qt::LeftButton);
        ASSERT_EQ(rig.links.opened.size(), i + 1);
        EXPECT_EQ(rig.links.opened.last(), QUrl(targets[i])) << "Label4(" << i << ")";
    }
    QTest::mouseClick(rig.link(0), Qt::RightButton);
    EXPECT_EQ(rig.links.opened.size(), 10) << "only the left button clicks";
}

TEST(GG1Links, TurnRedUnderTheMouseAndDarkBlueOnlyWhenTheMouseCrossesTheWindowsSurface) {
    GG1TestRig rig;
    promo::GG1& window = rig.open();
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(colourOf(rig.link(i)), kOpening) << i;

    moveMouse(rig.link(3), QPoint(5, 5));
    moveMouse(rig.link(7), QPoint(5, 5));
    EXPECT_EQ(colourOf(rig.link(3)), kHover);
    EXPECT_EQ(colourOf(rig.link(7)), kHover);
    EXPECT_EQ(colourOf(rig.link(0)), kOpening);

    // Leaving a label straight out of the window, or moving over the title band, the close glyph
    // or the web view, leaves the colours as they are.
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(rig.link(3), &leave);
    moveMouse(rig.control(QStringLiteral("Label3")), QPoint(200, 10));
    moveMouse(rig.control(QStringLiteral("Label1")), QPoint(3, 3));
    moveMouse(rig.control<QTextBrowser>(QStringLiteral("WebBrowser1"))->viewport(), QPoint(50, 50));
    EXPECT_EQ(colourOf(rig.link(3)), kHover);
    EXPECT_EQ(colourOf(rig.link(7)), kHover);

    // The strip left of the web view is the window's own surface.
    moveMouse(&window, QPoint(3, 150));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(colourOf(rig.link(i)), kCrossed) << i;
}

TEST(GG1Links, ShowTheHandCursor) {
    GG1TestRig rig;
    rig.open();
    for (QWidget* label : {rig.link(0), rig.link(9), rig.control(QStringLiteral("Label6"))}) {
        EXPECT_EQ(label->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(label->cursor().hotSpot(), QPoint(6, 0));
    }
}

TEST(GG1Drag, TheLeftButtonOnTheTitleBandDragsTheWindow) {
    GG1TestRig rig;
    promo::GG1& window = rig.open();
    window.show();
    while (rig.timer(1)->isActive())
        rig.tick(1);
    QLabel* band = rig.control(QStringLiteral("Label3"));
    const QPoint start = window.pos();

    press(band, QPoint(100, 10), Qt::LeftButton);
    moveMouse(band, QPoint(100 - 300, 10 - 200), Qt::LeftButton);
    release(band, QPoint(100 - 300, 10 - 200), Qt::LeftButton);
    EXPECT_EQ(window.pos(), start + QPoint(-300, -200));

    // After the drag the close glyph makes the window fall from where it was left.
    const int top = window.y() * 15;
    QTest::mouseClick(rig.control(QStringLiteral("Label1")), Qt::LeftButton);
    rig.tick(2);
    EXPECT_EQ(window.y(), static_cast<int>(std::lround((top + 60) / 15.0)));
}

TEST(GG1Drag, OtherButtonsAndOtherControlsOnTheBandDoNotDrag) {
    GG1TestRig rig;
    promo::GG1& window = rig.open();
    while (rig.timer(1)->isActive())
        rig.tick(1);
    const QPoint start = window.pos();
    QLabel* band = rig.control(QStringLiteral("Label3"));
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        press(band, QPoint(100, 10), button);
        moveMouse(band, QPoint(-200, -190), button);
        release(band, QPoint(-200, -190), button);
        EXPECT_EQ(window.pos(), start) << "button " << button;
    }
    for (const QString& name : {QStringLiteral("Label1"), QStringLiteral("Label6")}) {
        QLabel* label = rig.control(name);
        press(label, QPoint(2, 2), Qt::LeftButton);
        moveMouse(label, QPoint(-200, -190), Qt::LeftButton);
        moveMouse(band, QPoint(-200, -190), Qt::LeftButton);
        release(label, QPoint(-200, -190), Qt::LeftButton);
        EXPECT_EQ(window.pos(), start) << name.toStdString();
    }
}

TEST(GG1AddToDesktop, IsHiddenAtLoadOnlyWhenAllThreeShortcutsAreThere) {
    GG1TestRig rig;
    rig.open();
    QLabel* offer = rig.control(QStringLiteral("Label6"));
    EXPECT_FALSE(offer->isHidden());
    EXPECT_EQ(offer->text(), QStringLiteral("添加到桌面"));

    // A click asks, and after Yes the three shortcuts are there; a window loaded then hides the offer.
    QTest::mouseClick(offer, Qt::LeftButton);
    ASSERT_EQ(rig.question.asked.size(), 1);
    EXPECT_EQ(QDir(rig.desktop.path()).entryList(QDir::Files).size(), 3);
    delete rig.window.data();
    rig.open();
    EXPECT_TRUE(rig.control(QStringLiteral("Label6"))->isHidden());
}

} // namespace
