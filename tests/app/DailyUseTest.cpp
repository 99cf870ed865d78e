// The main window as a daily user meets it: the toggles under window states, the keys after the
// font list, a day that turns while the window is open, a clock outside the calendar, the wheel,
// what assistive technology reads, and the choices kept between runs.

#include "platform/DayChange.h"
#include "tests/app/MainWindowRig.h"

#include "app/ExportDialog.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

namespace {

// Whether the day number of `day`'s cell is drawn in today's blue.
bool drawnBlue(app::PictureBox* grid, int day) {
    const QImage& image = grid->surface().image();
    const QRect cell = grid->cellRect(day);
    const qreal ratio = image.devicePixelRatio();
    for (int y = cell.top(); y < cell.top() + 16; ++y)
        for (int x = cell.left(); x < cell.left() + 24; ++x) {
            const QColor c = image.pixelColor(int(x * ratio), int(y * ratio));
            if (c.blue() > 200 && c.red() < 80 && c.green() < 80)
                return true;
        }
    return false;
}

void turnWheel(QWidget* widget, int eighths) {
    QWheelEvent event(QPointF(50, 100), widget->mapToGlobal(QPointF(50, 100)), {}, QPoint(0, eighths),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

} // namespace

// Maximised or minimised, the toggles record what the user wants; the windows follow on restore,
// on the screen and docked.
TEST_F(MainWindowTest, TogglesWhileMaximisedApplyOnRestore) {
    frmInfo* info = window->reportWindow();
    window->showMaximized();
    QApplication::processEvents();
    const QSize maximised = window->frameGeometry().size();
    child<QPushButton>("Command1")->click();
    child<QPushButton>("Command2")->click();
    child<QPushButton>("Command2")->click();
    EXPECT_FALSE(info->isVisible());
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->frameGeometry().size(), maximised);
    EXPECT_EQ(child<QPushButton>("Command1")->text(), QStringLiteral("↙"));
    EXPECT_TRUE(action("mnuViewShowInfo")->isChecked());

    window->showNormal();
    const double enlarged = 1280 / 20.0 * 17 - info->frameGeometry().width();
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(window->frameGeometry().width() - enlarged) <= 1; }));
    EXPECT_TRUE(info->isVisible());
    EXPECT_GE(window->frameGeometry().left(), 0);
    EXPECT_LE(info->frameGeometry().right(), 1279);
    EXPECT_EQ(info->frameGeometry().left(), window->frameGeometry().right() + 1);
}

// Opened and closed, even with Esc, the font list hands the keys back to the grid.
TEST_F(MainWindowTest, FontListGivesTheKeysBackWhenItCloses) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }));
    auto* combo = child<QComboBox>("Combo1");
    const QString face = picMain()->surface().font().family();
    combo->setFocus(Qt::MouseFocusReason);
    combo->showPopup();
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    // The window's own focus: the offscreen platform does not activate it again by itself.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->focusWidget() == picMain(); }));
    QTest::keyClick(window->focusWidget(), Qt::Key_Down);
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 19}));
    EXPECT_EQ(picMain()->surface().font().family(), face);
}

// Left open across midnight, the grid marks the new today when the day change is announced.
TEST_F(MainWindowTest, TodayFollowsTheClockWhenTheDayTurns) {
    EXPECT_TRUE(drawnBlue(picMain(), 12));
    clock.set({2012, 9, 13});
    dayChange.announce();
    EXPECT_FALSE(drawnBlue(picMain(), 12));
    EXPECT_TRUE(drawnBlue(picMain(), 13));
    EXPECT_EQ(state(), (view::DisplayState{2012, 9, 12})); // the chosen day stays
}

// The system's notice comes just after local midnight: put the process in a zone where midnight
// is 1.5 s away and wait for it.
TEST(DayChange, AnnouncesLocalMidnight) {
    const QByteArray savedZone = qgetenv("TZ");
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const qint64 secondsToMidnight = 86400 - (now / 1000 % 86400); // in UTC
    const qint64 offset = (secondsToMidnight - 2) % 86400;         // local = UTC + offset
    qputenv("TZ", QStringLiteral("KZT-%1:%2:%3")
                      .arg(offset / 3600, 2, 10, QChar(u'0'))
                      .arg(offset / 60 % 60, 2, 10, QChar(u'0'))
                      .arg(offset % 60, 2, 10, QChar(u'0'))
                      .toLatin1());
    tzset();
    EXPECT_LE(platform::msUntilNextLocalMidnight(QDateTime::currentMSecsSinceEpoch()), 3000);
    platform::SystemDayChange notice;
    bool announced = false;
    QObject::connect(&notice, &platform::DayChange::mayHaveChanged, [&] { announced = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return announced; }, 4000));
    if (savedZone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", savedZone);
    tzset();
}

// A clock outside 1901..2049 shows the nearest month of the calendar, without a today mark.
TEST_F(MainWindowStart, ClockOutsideTheCalendarHoldsTheMonthIntoTheRange) {
    const struct {
        core::CivilDate today;
        view::DisplayState shown;
    } cases[] = {
        {{2060, 5, 31}, {2049, 12, 31}}, {{1899, 2, 28}, {1901, 1, 28}}, {{2050, 1, 15}, {2049, 12, 15}}};
    for (const auto& c : cases) {
        clock.set(c.today);
        start();
        EXPECT_EQ(state(), c.shown);
        for (int day = 1; day <= 31; ++day)
            EXPECT_FALSE(drawnBlue(picMain(), day)) << day;
        window->Image2_Click(4);
        EXPECT_EQ(state(), c.shown);
        TearDown();
    }
}

TEST_F(MainWindowTest, WheelStepsOneMonthPerNotch) {
    turnWheel(picMain(), -120); // towards the user: the next month
    EXPECT_EQ(state(), (view::DisplayState{2012, 10, 1}));
    turnWheel(picMain(), 60); // half a notch: nothing yet
    EXPECT_EQ(state(), (view::DisplayState{2012, 10, 1}));
    turnWheel(picMain(), 300); // with the half before: three notches back
    EXPECT_EQ(state(), (view::DisplayState{2012, 7, 1}));
    setState(2049, 12, 1);
    turnWheel(picMain(), -120); // clamped like Page Down
    EXPECT_EQ(state(), (view::DisplayState{2049, 1, 1}));
}

// The grid reads as a table of named day cells whose selection and focus follow the chosen day;
// the icons, buttons and font list have names. (The events that tell a screen reader need a
// platform with accessibility: tests/app/atspi_check.py reads them through AT-SPI.)
TEST_F(MainWindowTest, AssistiveTechnologyReadsTheGrid) {
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(picMain());
    ASSERT_NE(grid, nullptr);
    QAccessibleTableInterface* table = grid->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(grid->role(), QAccessible::Table);
    EXPECT_EQ(table->columnCount(), 7);
    EXPECT_EQ(table->rowCount(), 6);
    EXPECT_EQ(table->columnDescription(0), QStringLiteral("星期日"));
    // September 2012 begins on a Saturday: the 12th stands in row 2, column 3.
    QAccessibleInterface* twelfth = table->cellAt(2, 3);
    EXPECT_EQ(twelfth->text(QAccessible::Name), picMain()->describeDay(12));
    EXPECT_TRUE(
        twelfth->text(QAccessible::Name).startsWith(QStringLiteral("2012年9月12日 星期三 农历七月廿七")));
    EXPECT_TRUE(twelfth->state().selected);
    EXPECT_TRUE(twelfth->state().focused);
    EXPECT_EQ(grid->focusChild(), twelfth);
    EXPECT_TRUE(table->cellAt(0, 0)->text(QAccessible::Name).isEmpty()); // before the 1st
    EXPECT_TRUE(table->cellAt(5, 0)->text(QAccessible::Name).endsWith(QStringLiteral(" 休 中秋节")));
    EXPECT_EQ(grid->childAt(twelfth->rect().center().x(), twelfth->rect().center().y()), twelfth);

    QTest::keyClick(picMain(), Qt::Key_Right);
    QAccessibleInterface* thirteenth = table->cellAt(2, 4);
    EXPECT_FALSE(twelfth->state().selected);
    EXPECT_TRUE(thirteenth->state().focused);
    EXPECT_EQ(table->selectedCells(), QList{thirteenth});

    const char* named[][2] = {{"Image2_0", "上一年"},   {"Image2_1", "上个月"},      {"Image2_2", "下个月"},
                              {"Image2_3", "下一年"},   {"Image2_4", "今天"},        {"Combo1", "字体"},
                              {"Command1", "放大窗口"}, {"Command2", "隐藏日程信息"}};
    for (const auto& [name, accessibleName] : named)
        EXPECT_EQ(child<QWidget>(name)->accessibleName(), QString::fromUtf8(accessibleName)) << name;
}

// Started with remembered choices, the window comes up as it was left; a face that is gone
// falls back to the default; every toggle and font choice is saved.
TEST_F(MainWindowStart, RememberedChoicesStartAsLeftAndEveryChangeIsSaved) {
    choices.saved = {QStringLiteral("SimHei"), true, false};
    start();
    EXPECT_EQ(picMain()->surface().font().family(), QStringLiteral("SimHei"));
    EXPECT_FALSE(window->reportWindow()->isVisible());
    EXPECT_EQ(child<QPushButton>("Command2")->text(), QStringLiteral("→"));
    EXPECT_FALSE(action("mnuViewShowInfo")->isChecked());
    EXPECT_EQ(child<QPushButton>("Command1")->text(), QStringLiteral("↙"));
    EXPECT_NEAR(window->frameGeometry().width(), 1280 / 20.0 * 17, 1); // no report beside it
    EXPECT_EQ(choices.saves, 0);

    child<QPushButton>("Command2")->click();
    EXPECT_EQ(choices.saved, (platform::RememberedChoices{QStringLiteral("SimHei"), true, true}));
    child<QPushButton>("Command1")->click();
    EXPECT_EQ(choices.saved, (platform::RememberedChoices{QStringLiteral("SimHei"), false, true}));
    TearDown();

    choices.saved = {QStringLiteral("Gone Sans"), false, true};
    start();
    EXPECT_EQ(picMain()->surface().font().family(), QStringLiteral("宋体"));
    EXPECT_TRUE(window->reportWindow()->isVisible());
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
        EXPECT_TRUE(save->isEnabled());
        save->click();
    });
    action("mnuCalendarExport")->trigger();
    QFile file(saveFileChoice);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    const auto events = report::calendarEvents(core::dayNumber(2012, 1, 1), core::dayNumber(2012, 12, 31),
                                               report::kAllCalendarEventKinds, report::carriedOfficialDays());
    EXPECT_EQ(text.count("BEGIN:VEVENT"), qsizetype(events.size()));
    EXPECT_TRUE(text.contains("SUMMARY:休 国庆节"));
    EXPECT_TRUE(told.isEmpty());

    EXPECT_FALSE(window->exportICalendar(dir.filePath("no/such/folder.ics"), 2012, 2012,
                                         report::kAllCalendarEventKinds));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].contains(QStringLiteral("folder.ics")));
}
