// SPDX-License-Identifier: GPL-3.0-or-later
// The main window offscreen, with a fixed today and a fixed 1280 x 800 screen: start-up and layout,
// every way of moving through the calendar, the toggles, closing and the promotion window, the font
// pass, the day turning, what assistive technology reads, remembered choices and the export.

#include "app/frmMain.h"
#include "app/ExportDialog.h"
#include "app/PictureBox.h"
#include "app/frmInfo.h"
#include "platform/DayChange.h"
#include "report/DayReport.h"
#include "tests/fakes/PlatformFakes.h"
#include "tests/promo/GG1TestRig.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <qpa/qwindowsysteminterface.h>

// Today 2012-09-12, a 1280 x 800 screen with a 40-pixel taskbar, six fonts, choices kept in memory, a
// day change the test announces. MainWindowStart: the test sets the fakes up, then calls start().
class MainWindowTest : public ::testing::Test {
protected:
    fakes::FixedClock clock{{2012, 9, 12}};
    fakes::FixedScreen screen{{QRect(0, 0, 1280 * 15, 800 * 15), QRect(0, 0, 1280 * 15, 760 * 15)}};
    fakes::FixedFonts fonts{{"Arial Black", "宋体", "Arial", "MS Sans Serif", "@SimSun", "SimHei"}};
    fakes::MemoryChoiceStore choices;
    fakes::ManualDayChange dayChange;
    GG1TestRig promotion;
    std::function<report::TextResourceLoad()> loadTexts = [] { return report::loadTextResources(); };
    report::OfficialDaysLoad official{report::carriedOfficialDays(), {}};
    QString saveFileChoice; // what the save question answers
    QStringList told;       // what the window told the user
    std::unique_ptr<frmMain> window;

    frmMain::Services services() {
        return {clock,
                screen,
                fonts,
                choices,
                dayChange,
                loadTexts,
                [this] { return official; },
                [this](const QString&) { return saveFileChoice; },
                [this] { return &promotion.open(); },
                [this](const QString& message) { told << message; }};
    }
    void SetUp() override { start(); }
    void start() {
        window = std::make_unique<frmMain>(services());
        ASSERT_TRUE(window->Form_Load());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        if (window && window->reportWindow())
            window->reportWindow()->unload();
        window.reset();
    }

    template <typename T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* action(const char* name) const { return child<QAction>(name); }
    QPushButton* button(const char* name) const { return child<QPushButton>(name); }
    app::PictureBox* picMain() const { return child<app::PictureBox>("picMain"); }
    QString title() const { return child<QLabel>("Label1")->text(); }
    view::DisplayState state() const { return window->displayState(); }
};

// Failures show text rather than bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

class MainWindowStart : public MainWindowTest {
    void SetUp() override {}
};

namespace {

// Whether the day number of `day`'s cell is drawn in today's blue.
bool drawnBlue(app::PictureBox* grid, int day) {
    const QImage& image = grid->surface().image();
    const QRect cell = grid->cellRect(day);
    for (int y = cell.top(); y < cell.top() + 16; ++y)
        for (int x = cell.left(); x < cell.left() + 24; ++x)
            if (const QRgb c = image.pixel(QPointF(x, y).toPoint() * image.devicePixelRatio());
                qBlue(c) > 200 && qRed(c) < 80 && qGreen(c) < 80)
                return true;
    return false;
}

} // namespace

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
        EXPECT_FALSE(info->isVisible());
        window->showNormal();
        EXPECT_TRUE(info->isVisible());
    }
}

// Each row one input and where it leads: a click in a day's cell chooses it, whatever the button,
// but not in the header band or an empty cell; the keys reach the grid, Tab too (what
// each key does: the navigation table); the wheel steps a month a notch, parts adding up; each icon
// and menu entry does its own step; 转到今天 reads the clock anew.
TEST_F(MainWindowTest, IconsMenusMouseKeysAndWheel) {
    const view::MonthGeometry grid = window->gridGeometry();
    const auto cell = [&](int column, int row) {
        return QPoint(int(column * grid.CellWidth + 10), int(grid.gridTop() + row * grid.CellHeight + 5));
    };
    const auto wheel = [&](int eighths) {
        QWheelEvent event(QPointF(50, 100), picMain()->mapToGlobal(QPointF(50, 100)), {}, QPoint(0, eighths),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(picMain(), &event);
    };
    const std::pair<std::function<void()>, view::DisplayState> steps[] = {
        {[&] { QTest::mouseClick(picMain(), Qt::LeftButton, {}, cell(6, 0)); }, {2012, 9, 1}}, // a Saturday
        {[&] { QTest::mouseClick(picMain(), Qt::RightButton, {}, cell(2, 2)); }, {2012, 9, 11}},
        {[&] { QTest::mouseClick(picMain(), Qt::LeftButton, {}, cell(0, 0)); }, {2012, 9, 11}},
        {[&] { QTest::mouseClick(picMain(), Qt::LeftButton, {}, QPoint(10, 3)); }, {2012, 9, 11}},
        {[&] { QTest::keyClick(picMain(), Qt::Key_Right); }, {2012, 9, 12}},
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
    EXPECT_TRUE(title().startsWith(QStringLiteral("2020年2月29日")) && picMain()->hasFocus());
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

    QTest::mouseClick(command2, Qt::LeftButton); // a pressed button takes the focus
    EXPECT_EQ(std::tuple(info->isVisible(), command2->text(), menu->isChecked(), picMain()->hasFocus()),
              std::tuple(false, QStringLiteral("→"), false, true));
    EXPECT_NEAR(window->frameGeometry().left(), before.left() + infoWidth / 2, 1);
    window->resize(window->size() + QSize(30, 0));
    QTest::keyClick(picMain(), Qt::Key_Right);
    EXPECT_FALSE(info->isVisible());
    EXPECT_EQ(info->report(), report::buildDayReport(report::loadTextResources().texts, 2012, 9, 13)
                                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    window->resize(window->size() - QSize(30, 0));

    menu->trigger();
    EXPECT_EQ(std::tuple(info->isVisible(), command2->text(), menu->isChecked()),
              std::tuple(true, QStringLiteral("←"), true));
    EXPECT_NEAR(window->frameGeometry().left(), before.left(), 1);

    QTest::mouseClick(command1, Qt::LeftButton);
    EXPECT_TRUE(command1->text() == QStringLiteral("↙") && picMain()->hasFocus());
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
    const QRect maximised = window->frameGeometry();
    for (QPushButton* toggle : {command1, command2, command2})
        toggle->click();
    EXPECT_TRUE(window->isMaximized() && window->frameGeometry() == maximised && !info->isVisible());
    window->showNormal();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->frameGeometry().size() == enlarged.size(); }));
    EXPECT_TRUE(info->isVisible() && window->frameGeometry().left() >= 0 &&
                info->frameGeometry().right() < 1280);
    EXPECT_EQ(info->frameGeometry().left(), window->frameGeometry().right() + 1);
}

// The user's close of the report window (its close button, Alt+F4) is refused; the program's goes
// through. Closing the main window takes the report window along and stops the promotion timer;
// once that has fired (from the promotion's first day on, 3 s after start-up) it opens one window,
// which goes with the main window too. A missing text resource stops start-up, the user told which,
// nothing shown or armed; before the promotion's first day nothing is armed.
TEST_F(MainWindowStart, ClosingTakesTheOtherWindowsAlong) {
    start();
    frmInfo* info = window->reportWindow();
    auto* timer = child<QTimer>("Timer3");
    EXPECT_TRUE(timer->isActive() && timer->interval() == 3000);
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        info->windowHandle());
    EXPECT_TRUE(info->isVisible());
    window->close();
    EXPECT_FALSE(info->isVisible() || window->isVisible() || timer->isActive() || window->promotionWindow());
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
    TearDown();

    loadTexts = [] { return report::TextResourceLoad{{}, QStringLiteral("文字资源 104 缺失")}; };
    window = std::make_unique<frmMain>(services());
    EXPECT_FALSE(window->Form_Load());
    EXPECT_EQ(told, QStringList{QStringLiteral("文字资源 104 缺失")});
    EXPECT_FALSE(window->isVisible() || window->reportWindow() || child<QTimer>("Timer3")->isActive());
    TearDown();
    loadTexts = [] { return report::loadTextResources(); };
    clock.set({2012, 9, 11});
    start();
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
    QStringList captions;
    QObject::connect(window->reportWindow(), &QWidget::windowTitleChanged,
                     [&](const QString& title) { captions << title; });
    window->Image2_Click(2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }, 5000));
    EXPECT_EQ(std::pair(captions.first(), captions.last()),
              std::pair(QStringLiteral("↙ 正在处理字体……1/6"), QStringLiteral("↓ 日程信息")));
    EXPECT_TRUE(combo->isEnabled() && captions.contains(QStringLiteral("↙ 正在处理字体……6/6")));
    EXPECT_EQ(std::tuple(combo->count(), combo->itemText(0), combo->itemText(1), combo->itemText(2)),
              std::tuple(3, QStringLiteral("宋体"), QStringLiteral("Arial"), QStringLiteral("SimHei")));
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
    const QFont face = picMain()->surface().font();
    EXPECT_EQ(std::pair(face.family(), face.pointSize()), std::pair(QStringLiteral("SimHei"), 9));
    EXPECT_EQ(choices.saved.fontFamily, QStringLiteral("SimHei"));
    TearDown();

    window = std::make_unique<frmMain>(services());
    ASSERT_TRUE(window->Form_Load());
    window->close();
    EXPECT_TRUE(window->fontsReady());
    QTest::qWait(50);
    EXPECT_TRUE(child<QComboBox>("Combo1")->count() == 0 && !child<QComboBox>("Combo1")->isEnabled());
}

// The system's notice comes just after local midnight: put the process in a zone where midnight
// is under two seconds away and wait for it.
TEST(DayChange, AnnouncesLocalMidnight) {
    const auto restoreZone = qScopeGuard([saved = qgetenv("TZ")] {
        saved.isNull() ? qunsetenv("TZ") : qputenv("TZ", saved);
        tzset();
    });
    const qint64 secondsToMidnight = 86400 - QDateTime::currentSecsSinceEpoch() % 86400; // in UTC
    const int offset = int((secondsToMidnight - 2) % 86400); // local = UTC + offset
    qputenv("TZ", QTime(0, 0).addSecs(offset).toString(QStringLiteral("'KZT-'hh:mm:ss")).toLatin1());
    tzset();
    platform::SystemDayChange notice;
    QSignalSpy announced(&notice, &platform::DayChange::mayHaveChanged);
    EXPECT_TRUE(announced.wait(4000));
}

// Left open across midnight, the grid marks the new today when the day change is announced, and
// the chosen day stays. A clock outside 1901..2049 shows the nearest month of the calendar without
// a today mark, and 转到今天 stays there (which day, at every edge: the navigation table).
TEST_F(MainWindowStart, TodaysMarkFollowsTheClock) {
    start();
    EXPECT_TRUE(drawnBlue(picMain(), 12));
    clock.set({2012, 9, 13});
    dayChange.announce();
    EXPECT_TRUE(!drawnBlue(picMain(), 12) && drawnBlue(picMain(), 13));
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 12}));
    for (const auto& [today, shown] :
         {std::pair{core::CivilDate{2060, 5, 31}, view::DisplayState{2049, 12, 31}},
          {{1899, 2, 28}, {1901, 1, 28}}}) {
        TearDown();
        clock.set(today);
        start();
        EXPECT_EQ(state(), shown);
        for (int day = 1; day <= 31; ++day)
            EXPECT_FALSE(drawnBlue(picMain(), day)) << day;
        window->Image2_Click(4);
        EXPECT_EQ(state(), shown);
    }
}

// The grid reads as a table of named day cells whose selection and focus follow the chosen day;
// the icons, buttons and font list have names. (desktop_check.py reads the events through AT-SPI.)
TEST_F(MainWindowTest, AssistiveTechnologyReadsTheGrid) {
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(picMain());
    ASSERT_TRUE(grid && grid->role() == QAccessible::Table && grid->tableInterface());
    QAccessibleTableInterface* table = grid->tableInterface();
    EXPECT_EQ(std::pair(table->columnCount(), table->rowCount()), std::pair(7, 6));
    EXPECT_EQ(table->columnDescription(0), QStringLiteral("星期日"));
    // September 2012 begins on a Saturday: the 12th stands in row 2, column 3.
    QAccessibleInterface* twelfth = table->cellAt(2, 3);
    EXPECT_TRUE(
        twelfth->text(QAccessible::Name).startsWith(QStringLiteral("2012年9月12日 星期三 农历七月廿七")));
    EXPECT_TRUE(twelfth->state().selected && twelfth->state().focused && grid->focusChild() == twelfth);
    EXPECT_TRUE(table->cellAt(0, 0)->text(QAccessible::Name).isEmpty()); // before the 1st
    EXPECT_TRUE(table->cellAt(5, 0)->text(QAccessible::Name).endsWith(QStringLiteral(" 休 中秋节")));
    EXPECT_EQ(grid->childAt(twelfth->rect().center().x(), twelfth->rect().center().y()), twelfth);

    QTest::keyClick(picMain(), Qt::Key_Right);
    EXPECT_TRUE(!twelfth->state().selected && table->cellAt(2, 4)->state().focused);
    EXPECT_EQ(table->selectedCells(), QList{table->cellAt(2, 4)});

    const char* named[][2] = {{"Image2_0", "上一年"},   {"Image2_1", "上个月"},      {"Image2_2", "下个月"},
                              {"Image2_3", "下一年"},   {"Image2_4", "今天"},        {"Combo1", "字体"},
                              {"Command1", "放大窗口"}, {"Command2", "隐藏日程信息"}};
    for (const auto& [name, accessibleName] : named)
        EXPECT_EQ(child<QWidget>(name)->accessibleName(), QString::fromUtf8(accessibleName)) << name;
}

// Started with remembered choices, the window comes up as it was left, and saves every toggle. A
// remembered face that is gone falls back to the grid's own; that face not installed either, the
// font list selects nothing and shows its name.
TEST_F(MainWindowStart, RememberedChoicesStartAsLeftAndEveryChangeIsSaved) {
    choices.saved = {QStringLiteral("SimHei"), true, false};
    start();
    EXPECT_EQ(std::tuple(picMain()->surface().font().family(), button("Command1")->text(),
                         button("Command2")->text(), action("mnuViewShowInfo")->isChecked(),
                         window->reportWindow()->isVisible()),
              std::tuple(QStringLiteral("SimHei"), QStringLiteral("↙"), QStringLiteral("→"), false, false));
    EXPECT_NEAR(window->frameGeometry().width(), 1280 / 20.0 * 17, 1); // no report beside it
    EXPECT_EQ(choices.saves, 0);
    button("Command2")->click();
    EXPECT_EQ(choices.saved, (platform::RememberedChoices{QStringLiteral("SimHei"), true, true}));
    button("Command1")->click();
    EXPECT_EQ(choices.saved, (platform::RememberedChoices{QStringLiteral("SimHei"), false, true}));
    TearDown();

    choices.saved = {QStringLiteral("Gone Sans"), false, true};
    fonts = fakes::FixedFonts({QStringLiteral("Arial"), QStringLiteral("@宋体")});
    start();
    EXPECT_EQ(std::pair(picMain()->surface().font().family(), window->reportWindow()->isVisible()),
              std::pair(QStringLiteral("宋体"), true));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }, 5000));
    auto* combo = child<QComboBox>("Combo1");
    EXPECT_EQ(std::tuple(combo->count(), combo->currentIndex(), combo->placeholderText(), combo->isEnabled()),
              std::tuple(1, -1, QStringLiteral("宋体"), true));
}

// 导出 iCalendar… offers the shown year and every kind, and saves those events whole where the
// user chose; a file that cannot be written is told, by its name.
TEST_F(MainWindowTest, ExportsTheChosenYearsAsICalendar) {
    QTemporaryDir dir;
    saveFileChoice = dir.filePath("kesparo-2012.ics");
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<app::ExportDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(std::pair(dialog->fromYear(), dialog->toYear()), std::pair(2012, 2012));
        EXPECT_EQ(dialog->kinds(), report::kAllCalendarEventKinds);
        auto* save = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save);
        dialog->findChild<QSpinBox*>("fromYear")->setValue(2013);
        EXPECT_FALSE(save->isEnabled()); // backwards
        dialog->findChild<QSpinBox*>("fromYear")->setValue(2012);
        save->click();
    });
    action("mnuCalendarExport")->trigger();
    QFile file(saveFileChoice);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("DTSTART;VALUE=DATE:20120101") && text.contains("DTSTART;VALUE=DATE:20121221"));
    EXPECT_FALSE(text.contains("DTSTART;VALUE=DATE:2011") || text.contains("DTSTART;VALUE=DATE:2013"));
    EXPECT_TRUE(text.contains("SUMMARY:休 国庆节") && told.isEmpty());

    EXPECT_FALSE(window->exportICalendar(dir.filePath("no/such/folder.ics"), 2012, 2012,
                                         report::kAllCalendarEventKinds));
    EXPECT_TRUE(told.size() == 1 && told[0].contains(QStringLiteral("folder.ics")));
    EXPECT_TRUE(told.size() == 1 && told[0].contains(QString::fromLocal8Bit(std::strerror(ENOENT))));
}
