// The main window offscreen, with a fixed today and a fixed 1280 x 800 screen: start-up and layout,
// every way of moving through the calendar, the toggles, closing and the promotion window.

#include "report/DayReport.h"
#include "tests/app/MainWindowRig.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <qpa/qwindowsysteminterface.h>

// Comes up on today, the grid holding the keys, the pair centred and the report window docked; the
// icon carries every drawn size so none is scaled (a scaled 16 px icon blurs). Never smaller than
// designed; wider, the font list keeps to the right edge and the grid takes the width; moved, or
// pulled away, the report window docks again; minimised or maximised it hides until restored.
TEST_F(MainWindowTest, StartsOnTodayCentredAndKeepsItsLayout) {
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 12}));
    EXPECT_TRUE(title().startsWith(QStringLiteral("2012年9月12日 星期三")));
    EXPECT_EQ(child<QLabel>("Label2")->text(), title());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kesparo - [") + title() + u']');
    EXPECT_TRUE(picMain()->hasFocus());
    frmInfo* info = window->reportWindow();
    const QRect main = window->frameGeometry();
    const auto docked = [&] {
        const QRect outer = window->frameGeometry(), beside = info->frameGeometry();
        return beside == QRect(outer.right() + 1, outer.top(), beside.width(), outer.height());
    };
    EXPECT_TRUE(info->isVisible() && docked());
    EXPECT_NEAR(main.left(), (1280 - main.width() - info->frameGeometry().width()) / 2, 1);
    EXPECT_NEAR(main.top(), (800 - main.height()) / 2, 1);
    QList<int> sides;
    for (const QSize& size : window->windowIcon().availableSizes())
        sides << (size.width() == size.height() ? size.width() : -1);
    std::sort(sides.begin(), sides.end());
    EXPECT_EQ(sides, QList<int>({16, 22, 24, 32, 48, 64, 128, 256}));

    window->resize(200, 100);
    EXPECT_EQ(window->centralWidget()->size(), QSize(533, 366));
    window->resize(window->width() + 100, window->height());
    EXPECT_EQ(child<QComboBox>("Combo1")->geometry().right() + 1, window->centralWidget()->width() - 8);
    EXPECT_EQ(picMain()->width(), window->centralWidget()->width());
    window->move(window->pos() + QPoint(40, 30));
    EXPECT_TRUE(docked());
    info->move(10, 10);
    EXPECT_TRUE(docked());
    for (const auto show : {&QWidget::showMinimized, &QWidget::showMaximized}) {
        (window.get()->*show)();
        QApplication::processEvents();
        EXPECT_FALSE(info->isVisible());
        window->showNormal();
        QApplication::processEvents();
        EXPECT_TRUE(info->isVisible());
    }
}

// Each row one input and where it leads: a click in a day's cell chooses it, whatever the button
// and modifiers, but not in the header band or an empty cell; the keys reach the grid, Tab too; the
// wheel steps a month a notch, parts adding up; each icon and menu entry does its own step;
// 转到今天 reads the clock anew.
TEST_F(MainWindowTest, IconsMenusMouseKeysAndWheel) {
    const view::MonthGeometry grid = window->gridGeometry();
    const auto click = [&](Qt::MouseButton button, int column, int row) {
        QTest::mouseClick(
            picMain(), button, Qt::ShiftModifier,
            QPoint(int(column * grid.CellWidth + 10), int(grid.gridTop() + row * grid.CellHeight + 5)));
    };
    const auto wheel = [&](int eighths) {
        QWheelEvent event(QPointF(50, 100), picMain()->mapToGlobal(QPointF(50, 100)), {}, QPoint(0, eighths),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picMain(), &event);
    };
    const std::pair<std::function<void()>, view::DisplayState> steps[] = {
        {[&] { click(Qt::LeftButton, 6, 0); }, {2012, 9, 1}}, // September 2012 begins on a Saturday
        {[&] { click(Qt::RightButton, 2, 2); }, {2012, 9, 11}},
        {[&] { click(Qt::LeftButton, 0, 0); }, {2012, 9, 11}},
        {[&] { QTest::mouseClick(picMain(), Qt::LeftButton, {}, QPoint(10, 3)); }, {2012, 9, 11}},
        {[&] { QTest::keyClick(picMain(), Qt::Key_Right); },
         {2012, 9, 12}}, // each key: the navigation table in tests/view
        {[&] { QTest::keyClick(picMain(), Qt::Key_Down, Qt::ShiftModifier); }, {2012, 9, 19}},
        {[&] { QTest::keyClick(picMain(), Qt::Key_Tab); }, {2012, 9, 19}},
        {[&] { QTest::keyClick(picMain(), Qt::Key_PageDown); }, {2012, 10, 1}},
        {[&] { wheel(-120); }, {2012, 11, 1}}, // towards the user: forward
        {[&] { wheel(60); }, {2012, 11, 1}},
        {[&] { wheel(300); }, {2012, 8, 1}},
        {[&] { window->findChild<QToolButton*>("Image2_2")->click(); }, {2012, 9, 1}},
        {[&] { window->findChild<QToolButton*>("Image2_0")->click(); }, {2011, 9, 1}},
        {[&] { action("mnuCalendarNextYear")->trigger(); }, {2012, 9, 1}},
        {[&] { action("mnuCalendarLastMonth")->trigger(); }, {2012, 8, 1}},
        {[&] { action("mnuCalendarLastYear")->trigger(); }, {2011, 8, 1}},
        {[&] { action("mnuCalendarNextMonth")->trigger(); }, {2011, 9, 1}},
        {[&] { window->Image2_Click(7); }, {2011, 9, 1}}, // no such command: only a redraw
        {[&] { window->findChild<QToolButton*>("Image2_4")->click(); }, {2020, 2, 29}}};
    clock.set({2020, 2, 29});
    for (const auto& [input, expected] : steps) {
        input();
        EXPECT_EQ(state(), expected) << "step " << &input - &steps[0].first;
    }
    EXPECT_TRUE(title().startsWith(QStringLiteral("2020年2月29日")));
    EXPECT_TRUE(picMain()->hasFocus());
}

// The report toggle and its menu entry hide and show the report window, keep caption and check
// mark in step and centre the pair again; hidden, the report window stays hidden whatever the
// layout does, and its report still follows the chosen day. Enlarged: 17/20 of the screen less the
// report window, centred; restored: the size before. Neither button keeps the keys. Maximised, the
// toggles record what the user wants and apply on restore, on the screen and docked.
TEST_F(MainWindowTest, ReportAndEnlargeToggles) {
    frmInfo* info = window->reportWindow();
    auto* command1 = button("Command1");
    auto* command2 = button("Command2");
    QAction* menu = action("mnuViewShowInfo");
    const QRect before = window->frameGeometry();
    const int infoWidth = info->frameGeometry().width();
    EXPECT_TRUE(menu->isChecked());

    command2->click();
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(std::pair(command2->text(), menu->isChecked()), std::pair(QStringLiteral("→"), false));
    EXPECT_NEAR(window->frameGeometry().left(), before.left() + infoWidth / 2, 1);
    window->resize(window->size() + QSize(30, 0));
    QTest::keyClick(picMain(), Qt::Key_Right);
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(info->report(), report::buildDayReport(report::loadTextResources().texts, 2012, 9, 13)
                                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    window->resize(window->size() - QSize(30, 0));

    menu->trigger();
    EXPECT_TRUE(info->isVisible());
    EXPECT_EQ(std::pair(command2->text(), menu->isChecked()), std::pair(QStringLiteral("←"), true));
    EXPECT_NEAR(window->frameGeometry().left(), before.left(), 1);

    command1->click();
    EXPECT_EQ(command1->text(), QStringLiteral("↙"));
    const QRect enlarged = window->frameGeometry();
    EXPECT_NEAR(enlarged.width(), 1280 / 20.0 * 17 - infoWidth, 1);
    EXPECT_NEAR(enlarged.height(), 800 / 20.0 * 17, 1);
    EXPECT_NEAR(enlarged.left(), (1280 - enlarged.width() - infoWidth) / 2, 1);
    EXPECT_EQ(info->frameGeometry().height(), enlarged.height());
    command1->click();
    EXPECT_EQ(command1->text(), QStringLiteral("↗"));
    EXPECT_EQ(window->frameGeometry(), before);
    for (QPushButton* button : {command1, command2}) {
        button->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(picMain()->hasFocus()) << button->objectName().toStdString();
    }

    window->showMaximized();
    QApplication::processEvents();
    const QRect maximised = window->frameGeometry();
    command1->click();
    command2->click();
    command2->click();
    EXPECT_TRUE(window->isMaximized() && window->frameGeometry() == maximised && !info->isVisible());
    window->showNormal();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return std::abs(window->frameGeometry().width() - enlarged.width()) <= 1; }));
    EXPECT_TRUE(info->isVisible() && window->frameGeometry().left() >= 0 &&
                info->frameGeometry().right() < 1280);
    EXPECT_EQ(info->frameGeometry().left(), window->frameGeometry().right() + 1);
}

// The user's close of the report window (its close button, Alt+F4) is refused; the program's goes
// through. Closing the main window takes the report window along and stops the promotion timer;
// once it has fired (from its first day on, 3 s after start-up) it opens one promotion window,
// which also goes with the main window.
TEST_F(MainWindowTest, ClosingTakesTheOtherWindowsAlong) {
    frmInfo* info = window->reportWindow();
    auto* timer = child<QTimer>("Timer3");
    EXPECT_TRUE(timer->isActive() && timer->interval() == 3000);
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        info->windowHandle());
    EXPECT_TRUE(info->isVisible());
    window->close();
    EXPECT_FALSE(info->isVisible() || window->isVisible() || timer->isActive());
    EXPECT_EQ(window->promotionWindow(), nullptr);

    TearDown();
    start();
    EXPECT_TRUE(window->reportWindow()->close()); // as when the application quits at logout
    QMetaObject::invokeMethod(child<QTimer>("Timer3"), "timeout");
    const QPointer<promo::GG1> first = window->promotionWindow();
    ASSERT_TRUE(first && first->isVisible());
    window->Timer3_Timer();
    EXPECT_EQ(window->promotionWindow(), first);
    window->close();
    GG1TestRig::runDeferredDeletes();
    EXPECT_TRUE(first.isNull());
}

// Before its first day the promotion is not armed. A missing text resource stops start-up: the user
// is told which, and nothing is shown or armed.
TEST_F(MainWindowStart, NoPromotionBeforeItsDateAndNoStartWithoutTexts) {
    clock.set({2012, 9, 11});
    start();
    EXPECT_FALSE(child<QTimer>("Timer3")->isActive());
    TearDown();

    clock.set({2012, 9, 12});
    loadTexts = [] { return report::TextResourceLoad{{}, QStringLiteral("文字资源 104 缺失")}; };
    window = std::make_unique<frmMain>(services());
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(told, QStringList{QStringLiteral("文字资源 104 缺失")});
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->reportWindow(), nullptr);
    EXPECT_FALSE(child<QTimer>("Timer3")->isActive());
}

// The font pass runs from the event loop: the window is used before it has served any event, while
// the report window's caption counts the fonts. At the end the grid's face is selected, once. The
// list closed, even with Esc, hands the keys back to the grid; a face chosen from it draws the grid
// and is remembered. Closing the window during the pass stops it there.
TEST_F(MainWindowStart, FontPassFillsTheListWhileTheWindowIsInUse) {
    window = std::make_unique<frmMain>(services());
    ASSERT_TRUE(window->Form_Load());
    auto* combo = child<QComboBox>("Combo1");
    EXPECT_FALSE(window->fontsReady() || combo->isEnabled());
    EXPECT_EQ(window->reportWindow()->windowTitle(), QStringLiteral("日程信息"));
    QStringList captions;
    QObject::connect(window->reportWindow(), &QWidget::windowTitleChanged,
                     [&](const QString& title) { captions << title; });
    window->Image2_Click(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }, 5000));
    EXPECT_TRUE(combo->isEnabled());
    EXPECT_EQ(std::pair(captions.first(), captions.last()),
              std::pair(QStringLiteral("↙ 正在处理字体……1/6"), QStringLiteral("↓ 日程信息")));
    EXPECT_TRUE(captions.contains(QStringLiteral("↙ 正在处理字体……6/6")));
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i)
        listed << combo->itemText(i);
    EXPECT_EQ(listed,
              (QStringList{QStringLiteral("宋体"), QStringLiteral("Arial"), QStringLiteral("SimHei")}));
    EXPECT_EQ(combo->currentText(), QStringLiteral("宋体"));
    EXPECT_EQ(choices.saves, 0);
    combo->setFocus(Qt::MouseFocusReason);
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    // The window's own focus: the offscreen platform does not activate it again by itself.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->focusWidget() == picMain(); }));
    QTest::keyClick(window->focusWidget(), Qt::Key_Down);
    EXPECT_EQ(state(), (view::DisplayState{2012, 10, 8}));
    EXPECT_EQ(picMain()->surface().font().family(), QStringLiteral("宋体"));
    combo->setCurrentIndex(combo->findText(QStringLiteral("SimHei")));
    EXPECT_EQ(picMain()->surface().font().family(), QStringLiteral("SimHei"));
    EXPECT_EQ(picMain()->surface().font().pointSize(), 9);
    EXPECT_EQ(choices.saved.fontFamily, QStringLiteral("SimHei"));
    TearDown();

    window = std::make_unique<frmMain>(services());
    ASSERT_TRUE(window->Form_Load());
    window->close();
    EXPECT_TRUE(window->fontsReady());
    QTest::qWait(50);
    EXPECT_EQ(child<QComboBox>("Combo1")->count(), 0);
    EXPECT_FALSE(child<QComboBox>("Combo1")->isEnabled());
}
