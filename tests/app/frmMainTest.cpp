// The main window offscreen, with a fixed today and a fixed 1280 x 800 screen: start-up, the
// commands of the icon strip and the menu, the toggles, layout keeping, mouse, keys and focus.

#include "report/DayReport.h"
#include "tests/app/MainWindowRig.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <qpa/qwindowsysteminterface.h>

TEST_F(MainWindowTest, StartsOnTodayWithTitleMenusAndReportWindow) {
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 12}));
    EXPECT_TRUE(title().startsWith(QStringLiteral("2012年9月12日 星期三")));
    EXPECT_EQ(child<QLabel>("Label2")->text(), title());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kesparo - [") + title() + u']');
    EXPECT_EQ(action("mnuCalendarLastMonth")->text(), QStringLiteral("上个月(&A)\tPage Up"));
    EXPECT_EQ(action("mnuCalendarNextMonth")->text(), QStringLiteral("下个月(&E)\tPage Down"));
    EXPECT_EQ(action("mnuCalendarLastYear")->text(), QStringLiteral("上一年(&L)"));
    EXPECT_EQ(action("mnuCalendarNextYear")->text(), QStringLiteral("下一年(&N)"));
    EXPECT_TRUE(action("mnuViewShowInfo")->isChecked());
    EXPECT_TRUE(window->reportWindow()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }, 5000));
    EXPECT_EQ(window->reportWindow()->windowTitle(), QStringLiteral("↓ 日程信息"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(533, 366));
    EXPECT_TRUE(picMain()->hasFocus());
    const QString tips[] = {QStringLiteral("上一年"), QStringLiteral("上一月"), QStringLiteral("下一月"),
                            QStringLiteral("下一年"), QStringLiteral("转到今天")};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(window->findChild<QToolButton*>(QStringLiteral("Image2_%1").arg(i))->toolTip(), tips[i]);
}

TEST_F(MainWindowTest, PairIsCentredAndReportWindowDocked) {
    const QRect main = window->frameGeometry();
    const QRect info = window->reportWindow()->frameGeometry();
    EXPECT_EQ(info.left(), main.right() + 1);
    EXPECT_EQ(info.top(), main.top());
    EXPECT_EQ(info.height(), main.height());
    EXPECT_NEAR(main.left(), (1280 - main.width() - info.width()) / 2, 1);
    EXPECT_NEAR(main.top(), (800 - main.height()) / 2, 1);
}

TEST_F(MainWindowTest, IconAndMenuCommands) {
    window->findChild<QToolButton*>(QStringLiteral("Image2_2"))->click();
    EXPECT_EQ(state(), (view::DisplayState{2012, 10, 1}));
    EXPECT_TRUE(title().startsWith(QStringLiteral("2012年10月1日")));
    action("mnuCalendarNextYear")->trigger();
    EXPECT_EQ(state(), (view::DisplayState{2013, 10, 1}));
    action("mnuCalendarLastMonth")->trigger();
    EXPECT_EQ(state(), (view::DisplayState{2013, 9, 1}));
    action("mnuCalendarLastYear")->trigger();
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 1}));
    action("mnuCalendarNextMonth")->trigger();
    EXPECT_EQ(state(), (view::DisplayState{2012, 10, 1}));
    clock.set({2020, 2, 29});
    window->findChild<QToolButton*>(QStringLiteral("Image2_4"))->click();
    EXPECT_EQ(state(), (view::DisplayState{2020, 2, 29}));
    window->Image2_Click(7); // no such command: only a redraw
    EXPECT_EQ(state(), (view::DisplayState{2020, 2, 29}));
}

TEST_F(MainWindowTest, ClampsAtBothEndsOfTheRange) {
    setState(1901, 1, 10);
    window->Image2_Click(1);
    EXPECT_EQ(state(), (view::DisplayState{1901, 12, 1}));
    window->Image2_Click(0);
    EXPECT_EQ(state(), (view::DisplayState{1901, 12, 1}));
    setState(2049, 12, 10);
    window->Image2_Click(2);
    EXPECT_EQ(state(), (view::DisplayState{2049, 1, 1}));
    window->Image2_Click(3);
    EXPECT_EQ(state(), (view::DisplayState{2049, 1, 1}));
}

TEST_F(MainWindowTest, MouseChoosesADay) {
    const view::MonthGeometry grid = window->gridGeometry();
    // September 2012 begins on a Saturday (column 6).
    QTest::mouseClick(picMain(), Qt::LeftButton, {},
                      QPoint(int(6 * grid.CellWidth + 10), int(grid.gridTop() + 5)));
    EXPECT_EQ(state().CurDay, 1);
    QTest::mouseClick(picMain(), Qt::RightButton, Qt::ShiftModifier,
                      QPoint(int(2 * grid.CellWidth + 10), int(grid.gridTop() + 2 * grid.CellHeight + 5)));
    EXPECT_EQ(state().CurDay, 11);
    const QString before = title();
    QTest::mouseClick(picMain(), Qt::LeftButton, {}, QPoint(10, 3)); // header band
    EXPECT_EQ(state().CurDay, 11);
    QTest::mouseClick(picMain(), Qt::LeftButton, {}, QPoint(10, int(grid.gridTop() + 5))); // empty cell
    EXPECT_EQ(state().CurDay, 11);
    EXPECT_EQ(title(), before);
}

TEST_F(MainWindowTest, KeysMoveTheChosenDay) {
    QTest::keyClick(picMain(), Qt::Key_Right);
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 13}));
    QTest::keyClick(picMain(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 20}));
    QTest::keyClick(picMain(), Qt::Key_Up);
    QTest::keyClick(picMain(), Qt::Key_Left);
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 12}));
    QTest::keyClick(picMain(), Qt::Key_PageDown);
    EXPECT_EQ(state(), (view::DisplayState{2012, 10, 1}));
    QTest::keyClick(picMain(), Qt::Key_PageUp);
    QTest::keyClick(picMain(), Qt::Key_PageUp);
    EXPECT_EQ(state(), (view::DisplayState{2012, 8, 1}));
    QTest::keyClick(picMain(), Qt::Key_Home);
    QTest::keyClick(picMain(), Qt::Key_Tab);
    EXPECT_EQ(state(), (view::DisplayState{2012, 8, 1}));
    EXPECT_TRUE(picMain()->hasFocus());
}

TEST_F(MainWindowTest, ReportToggleAndItsMenuCheck) {
    frmInfo* info = window->reportWindow();
    auto* command2 = child<QPushButton>("Command2");
    QAction* menu = action("mnuViewShowInfo");
    const int infoWidth = info->frameGeometry().width();
    const int left = window->frameGeometry().left();

    command2->click();
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(command2->text(), QStringLiteral("→"));
    EXPECT_FALSE(menu->isChecked()); // the check mark says what the report window does
    EXPECT_NEAR(window->frameGeometry().left(), left + infoWidth / 2, 1);
    EXPECT_TRUE(picMain()->hasFocus());

    menu->trigger();
    EXPECT_TRUE(info->isVisible());
    EXPECT_TRUE(menu->isChecked());
    EXPECT_EQ(command2->text(), QStringLiteral("←"));
    EXPECT_NEAR(window->frameGeometry().left(), left, 1);

    // Hidden, the report window stays hidden whatever the layout does.
    command2->click();
    window->resize(window->size() + QSize(30, 0));
    EXPECT_FALSE(info->isVisible());
}

TEST_F(MainWindowTest, EnlargeAndRestore) {
    auto* command1 = child<QPushButton>("Command1");
    const QSize before = window->frameGeometry().size();
    const int infoWidth = window->reportWindow()->frameGeometry().width();
    command1->click();
    EXPECT_EQ(command1->text(), QStringLiteral("↙"));
    EXPECT_NEAR(window->frameGeometry().width(), 1280 / 20.0 * 17 - infoWidth, 1);
    EXPECT_NEAR(window->frameGeometry().height(), 800 / 20.0 * 17, 1);
    EXPECT_NEAR(window->frameGeometry().left(), (1280 - window->frameGeometry().width() - infoWidth) / 2, 1);
    EXPECT_EQ(window->reportWindow()->frameGeometry().height(), window->frameGeometry().height());
    EXPECT_GT(child<app::PictureBox>("picMain")->width(), 533);
    command1->click();
    EXPECT_EQ(command1->text(), QStringLiteral("↗"));
    EXPECT_EQ(window->frameGeometry().size(), before);
    EXPECT_TRUE(picMain()->hasFocus());
}

TEST_F(MainWindowTest, LayoutFollowsSizeMoveAndState) {
    window->resize(200, 100); // smaller than designed: held at the design size
    EXPECT_GE(window->centralWidget()->width(), 533);
    EXPECT_GE(window->centralWidget()->height(), 366);

    window->resize(window->width() + 100, window->height());
    auto* combo = child<QComboBox>("Combo1");
    EXPECT_EQ(combo->geometry().right() + 1, window->centralWidget()->width() - 8);
    EXPECT_EQ(picMain()->width(), window->centralWidget()->width());
    EXPECT_EQ(child<QLabel>("Label1")->pos(), QPoint(64, 24));

    window->move(window->pos() + QPoint(40, 30));
    EXPECT_EQ(window->reportWindow()->frameGeometry().left(), window->frameGeometry().right() + 1);
    EXPECT_EQ(window->reportWindow()->frameGeometry().top(), window->frameGeometry().top());

    window->reportWindow()->move(10, 10); // pulled away, it docks again
    EXPECT_EQ(window->reportWindow()->frameGeometry().left(), window->frameGeometry().right() + 1);

    window->showMinimized();
    QApplication::processEvents();
    EXPECT_FALSE(window->reportWindow()->isVisible());
    window->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(window->reportWindow()->isVisible());
    window->showMaximized();
    QApplication::processEvents();
    EXPECT_FALSE(window->reportWindow()->isVisible());
    window->showNormal();
    QApplication::processEvents();
    EXPECT_TRUE(window->reportWindow()->isVisible());
}

TEST_F(MainWindowTest, ReportWindowLetsTheProgramCloseIt) {
    EXPECT_TRUE(window->reportWindow()->close()); // e.g. the application quitting at logout
}

TEST_F(MainWindowTest, FocusReturnsToTheGrid) {
    auto* command1 = child<QPushButton>("Command1");
    command1->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(picMain()->hasFocus());
    child<QPushButton>("Command2")->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(picMain()->hasFocus());
}

TEST_F(MainWindowTest, ReportWindowRefusesTheUsersCloseAndGoesWithTheMainWindow) {
    frmInfo* info = window->reportWindow();
    // The window system's close (the close button, Alt+F4) is refused.
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        info->windowHandle());
    EXPECT_TRUE(info->isVisible());
    window->close(); // the main window takes the report window with it
    EXPECT_FALSE(info->isVisible());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, PromotionOpensOnceThreeSecondsAfterStartOnOrAfterItsDate) {
    auto* timer = child<QTimer>("Timer3");
    EXPECT_TRUE(timer->isActive()); // today is 2012-09-12, the first day
    EXPECT_EQ(timer->interval(), 3000);
    EXPECT_TRUE(timer->isSingleShot() || timer->interval() == 3000);
    QMetaObject::invokeMethod(timer, "timeout");
    ASSERT_NE(window->promotionWindow(), nullptr);
    EXPECT_TRUE(window->promotionWindow()->isVisible());
    EXPECT_FALSE(timer->isActive());
    promo::GG1* first = window->promotionWindow();
    window->Timer3_Timer(); // never a second one
    EXPECT_EQ(window->promotionWindow(), first);
}

TEST_F(MainWindowTest, ClosingTakesAnOpenPromotionWindowAlong) {
    window->Timer3_Timer();
    QPointer<promo::GG1> promotionWindow = window->promotionWindow();
    ASSERT_TRUE(promotionWindow);
    window->close();
    GG1TestRig::runDeferredDeletes();
    EXPECT_TRUE(promotionWindow.isNull());
    EXPECT_FALSE(window->reportWindow()->isVisible());
}

TEST_F(MainWindowTest, ClosingWithoutAPromotionWindowOpensNone) {
    window->close();
    EXPECT_EQ(window->promotionWindow(), nullptr);
    EXPECT_FALSE(child<QTimer>("Timer3")->isActive());
}

TEST_F(MainWindowStart, NoPromotionBeforeItsDate) {
    clock.set({2012, 9, 11});
    start();
    EXPECT_FALSE(child<QTimer>("Timer3")->isActive());
}

TEST_F(MainWindowStart, AMissingTextResourceStopsStartUpAndSaysWhich) {
    loadTexts = [] {
        report::TextResourceLoad load;
        load.failure = QStringLiteral("文字资源 104 缺失");
        return load;
    };
    window = std::make_unique<frmMain>(services());
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(told, QStringList{QStringLiteral("文字资源 104 缺失")});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->reportWindow(), nullptr);
    EXPECT_FALSE(child<QTimer>("Timer3")->isActive());
}

TEST_F(MainWindowTest, ReportFollowsEveryRedrawEvenWhileHidden) {
    frmInfo* info = window->reportWindow();
    const report::TextResources texts = report::loadTextResources().texts;
    EXPECT_EQ(
        info->report(),
        report::buildDayReport(texts, 2012, 9, 12).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    child<QPushButton>("Command2")->click(); // hide it
    QTest::keyClick(picMain(), Qt::Key_Right);
    EXPECT_FALSE(info->isVisible());
    EXPECT_TRUE(info->report().contains(QStringLiteral("日程信息 (2012年9月13日)")));
    EXPECT_TRUE(info->report().startsWith(QStringLiteral("===================================\n")));
}

// The font pass runs from the event loop; these tests look at the window before any event is
// served.
class FontPassInMainWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        window = std::make_unique<frmMain>(services());
        ASSERT_TRUE(window->Form_Load());
    }
};

TEST_F(FontPassInMainWindowTest, FillsTheListWhileTheWindowIsInUse) {
    auto* combo = child<QComboBox>("Combo1");
    EXPECT_EQ(window->reportWindow()->windowTitle(), QStringLiteral("日程信息"));
    EXPECT_FALSE(window->fontsReady());
    EXPECT_FALSE(combo->isEnabled());
    QList<int> selections; // only the end of the pass selects, once
    QObject::connect(combo, &QComboBox::currentIndexChanged, [&](int index) { selections << index; });
    QStringList captions;
    QObject::connect(window->reportWindow(), &QWidget::windowTitleChanged,
                     [&](const QString& title) { captions << title; });
    window->Image2_Click(2); // the window works meanwhile
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }, 5000));
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_EQ(captions.first(), QStringLiteral("↙ 正在处理字体……1/6"));
    EXPECT_TRUE(captions.contains(QStringLiteral("↙ 正在处理字体……6/6")));
    EXPECT_EQ(captions.last(), QStringLiteral("↓ 日程信息"));
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i)
        listed << combo->itemText(i);
    EXPECT_EQ(listed.size(), 3);
    EXPECT_TRUE(listed.contains(QStringLiteral("Arial")));
    EXPECT_TRUE(listed.contains(QStringLiteral("宋体")));
    EXPECT_TRUE(listed.contains(QStringLiteral("SimHei")));
    // The grid's own face is selected at the end.
    EXPECT_EQ(combo->currentText(), QStringLiteral("宋体"));
    EXPECT_EQ(selections, QList<int>{combo->currentIndex()});
}

TEST_F(FontPassInMainWindowTest, ChoosingAFontRedrawsInThatFace) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }, 5000));
    auto* combo = child<QComboBox>("Combo1");
    combo->setCurrentIndex(combo->findText(QStringLiteral("SimHei")));
    EXPECT_EQ(picMain()->surface().font().family(), QStringLiteral("SimHei"));
    EXPECT_EQ(picMain()->surface().font().pointSize(), 9);
}

TEST_F(FontPassInMainWindowTest, ClosingDuringThePassStopsIt) {
    auto* combo = child<QComboBox>("Combo1");
    ASSERT_FALSE(window->fontsReady());
    window->close();
    EXPECT_TRUE(window->fontsReady());
    QTest::qWait(50);
    EXPECT_EQ(combo->count(), 0); // nothing more was added
    EXPECT_FALSE(combo->isEnabled());
}

TEST_F(MainWindowStart, AFaceThatIsNotListedIsNotSelected) {
    fonts = fakes::FixedFonts({QStringLiteral("Arial"), QStringLiteral("@宋体")});
    start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }, 5000));
    auto* combo = child<QComboBox>("Combo1");
    EXPECT_EQ(combo->count(), 1);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->placeholderText(), QStringLiteral("宋体"));
    EXPECT_TRUE(combo->isEnabled());
}
