// Where the promotion window parks, how it rises to rest on the taskbar, and how it falls and
// unloads, tick by tick, against screens with the taskbar at each edge or hidden.

#include "GG1TestRig.h"

#include <QTest>
#include <cmath>

namespace {

constexpr int kWindowWidth = 5295; // twips
constexpr int kWindowHeight = 4815;
constexpr int kScreenWidth = 28800;
constexpr int kScreenHeight = 16200;

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

struct TaskbarCase {
    const char* name;
    QRect workAreaPixels;
    int taskbarTwips; // the strip below the work area
};

class SlideIn : public ::testing::TestWithParam<TaskbarCase> {};

TEST_P(SlideIn, ParksBelowTheScreenRisesFiftyTwipsPerTickAndRestsOnTheWorkAreasBottom) {
    GG1TestRig rig;
    rig.screen.set(screenWithWorkArea(GetParam().workAreaPixels));
    promo::GG1& window = rig.open();

    const int left = kScreenWidth - kWindowWidth;
    int top = kScreenHeight + kWindowHeight - GetParam().taskbarTwips;
    EXPECT_EQ(window.pos(), QPoint(pixels(left), pixels(top)));
    EXPECT_GE(window.y(), 1080) << "parked wholly below the screen";
    ASSERT_TRUE(rig.timer(1)->isActive());

    // Every tick lifts the window by 50 twips while its bottom edge is still below the screen's.
    int ticks = 0;
    while (top - 50 > kScreenHeight - kWindowHeight) {
        rig.tick(1);
        top -= 50;
        ++ticks;
        ASSERT_EQ(window.pos(), QPoint(pixels(left), pixels(top))) << "after tick " << ticks;
        ASSERT_TRUE(rig.timer(1)->isActive()) << "after tick " << ticks;
    }
    // The next tick brings the bottom edge above the screen's: the window jumps onto the taskbar.
    rig.tick(1);
    EXPECT_FALSE(rig.timer(1)->isActive());
    const QRect workArea = GetParam().workAreaPixels;
    EXPECT_EQ(window.frameGeometry().right() + 1, 1920) << "right edge on the screen's right edge";
    EXPECT_EQ(window.y() + window.height(), pixels(kScreenHeight - GetParam().taskbarTwips));
    if (GetParam().taskbarTwips > 0)
        EXPECT_EQ(window.y() + window.height(), workArea.bottom() + 1) << "bottom edge on the taskbar's top";
    else
        EXPECT_EQ(window.y() + window.height(), 1080) << "bottom edge on the screen's bottom";

    // Further ticks (a late timer event) move nothing.
    const QPoint resting = window.pos();
    rig.tick(1);
    EXPECT_EQ(window.pos(), resting);
}

INSTANTIATE_TEST_SUITE_P(Taskbars, SlideIn,
                         ::testing::Values(TaskbarCase{"Bottom", QRect(0, 0, 1920, 1040), 600},
                                           TaskbarCase{"Top", QRect(0, 40, 1920, 1040), 0},
                                           TaskbarCase{"Left", QRect(60, 0, 1860, 1080), 0},
                                           TaskbarCase{"Right", QRect(0, 0, 1860, 1080), 0},
                                           TaskbarCase{"Hidden", QRect(0, 0, 1920, 1080), 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SlideIn, TimersTickEveryTenMillisecondsAndTheWindowComesToRestByItself) {
    GG1TestRig rig;
    promo::GG1& window = rig.open();
    EXPECT_EQ(rig.timer(1)->interval(), 10);
    EXPECT_EQ(rig.timer(2)->interval(), 10);
    EXPECT_FALSE(rig.timer(2)->isActive());
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !rig.timer(1)->isActive(); }, 10'000));
    EXPECT_EQ(window.y() + window.height(), 1040);
}

TEST(SlideOut, CloseGlyphMakesTheRestingWindowFallSixtyTwipsPerTickAndUnload) {
    GG1TestRig rig;
    promo::GG1& window = rig.open();
    while (rig.timer(1)->isActive())
        rig.tick(1);
    int top = kScreenHeight - kWindowHeight - 600;

    QTest::mouseClick(rig.control(QStringLiteral("Label1")), Qt::LeftButton);
    ASSERT_TRUE(rig.timer(2)->isActive());
    while (top + 60 < kScreenHeight) {
        rig.tick(2);
        top += 60;
        ASSERT_EQ(window.y(), pixels(top));
    }
    rig.tick(2); // the top edge reaches the screen's bottom edge
    rig.runDeferredDeletes();
    EXPECT_TRUE(rig.window.isNull()) << "unloaded";
}

TEST(SlideOut, CloseGlyphWhileRisingStillRemovesTheWindow) {
    GG1TestRig rig;
    promo::GG1& window = rig.open();
    for (int i = 0; i < 20; ++i)
        rig.tick(1);
    int top = kScreenHeight + kWindowHeight - 600 - 20 * 50;

    QTest::mouseClick(rig.control(QStringLiteral("Label1")), Qt::LeftButton);
    ASSERT_TRUE(rig.timer(1)->isActive()) << "rising goes on";
    ASSERT_TRUE(rig.timer(2)->isActive());
    // Both timers run: up 50, down 60, so the window sinks 10 twips per pair of ticks.
    int pairs = 0;
    while (!rig.window.isNull()) {
        rig.tick(1);
        rig.tick(2);
        rig.runDeferredDeletes();
        top += 10;
        if (!rig.window.isNull()) {
            ASSERT_EQ(window.y(), pixels(top)) << "after pair " << pairs;
        }
        ASSERT_LT(++pairs, 10'000) << "never unloaded";
    }
    EXPECT_GE(top, kScreenHeight);
}

TEST(SlideOut, UnloadRemovesTheWindowWhereverItIs) {
    GG1TestRig rig;
    promo::GG1& window = rig.open();
    window.show();
    rig.tick(1);
    window.unload();
    rig.runDeferredDeletes();
    EXPECT_TRUE(rig.window.isNull());
}

} // namespace
