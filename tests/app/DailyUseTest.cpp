// The main window as a daily user meets it: a day that turns while the window is open, a clock
// outside the calendar, what assistive technology reads, the choices kept between runs and the
// iCalendar export.

#include "app/ExportDialog.h"
#include "platform/DayChange.h"
#include "tests/app/MainWindowRig.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QScopeGuard>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>

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

// The system's notice comes just after local midnight: put the process in a zone where midnight
// is 1.5 s away and wait for it.
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
    bool announced = false;
    QObject::connect(&notice, &platform::DayChange::mayHaveChanged, [&] { announced = true; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return announced; }, 4000));
}

// Left open across midnight, the grid marks the new today when the day change is announced, and
// the chosen day stays. A clock outside 1901..2049 shows the nearest month of the calendar without
// a today mark, and 转到今天 stays there (which day, at every edge: the navigation table).
TEST_F(MainWindowStart, TodaysMarkFollowsTheClock) {
    start();
    EXPECT_TRUE(drawnBlue(picMain(), 12));
    clock.set({2012, 9, 13});
    dayChange.announce();
    EXPECT_FALSE(drawnBlue(picMain(), 12));
    EXPECT_TRUE(drawnBlue(picMain(), 13));
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
    ASSERT_TRUE(grid && grid->tableInterface());
    QAccessibleTableInterface* table = grid->tableInterface();
    EXPECT_EQ(grid->role(), QAccessible::Table);
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

// Started with remembered choices, the window comes up as it was left, and saves every toggle. A
// remembered face that is gone falls back to the grid's own; that face not installed either, the
// font list selects nothing and shows its name.
TEST_F(MainWindowStart, RememberedChoicesStartAsLeftAndEveryChangeIsSaved) {
    choices.saved = {QStringLiteral("SimHei"), true, false};
    start();
    EXPECT_EQ(std::tuple(picMain()->surface().font().family(), button("Command1")->text(),
                         button("Command2")->text(), action("mnuViewShowInfo")->isChecked()),
              std::tuple(QStringLiteral("SimHei"), QStringLiteral("↙"), QStringLiteral("→"), false));
    EXPECT_FALSE(window->reportWindow()->isVisible());
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
    EXPECT_EQ(picMain()->surface().font().family(), QStringLiteral("宋体"));
    EXPECT_TRUE(window->reportWindow()->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fontsReady(); }, 5000));
    auto* combo = child<QComboBox>("Combo1");
    EXPECT_EQ(std::pair(combo->count(), combo->currentIndex()), std::pair(1, -1));
    EXPECT_EQ(combo->placeholderText(), QStringLiteral("宋体"));
    EXPECT_TRUE(combo->isEnabled());
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
    const auto events = report::calendarEvents(core::dayNumber(2012, 1, 1), core::dayNumber(2012, 12, 31),
                                               report::kAllCalendarEventKinds, report::carriedOfficialDays());
    EXPECT_EQ(text.count("BEGIN:VEVENT"), qsizetype(events.size()));
    EXPECT_TRUE(text.contains("SUMMARY:休 国庆节"));
    EXPECT_TRUE(told.isEmpty());

    EXPECT_FALSE(window->exportICalendar(dir.filePath("no/such/folder.ics"), 2012, 2012,
                                         report::kAllCalendarEventKinds));
    EXPECT_TRUE(told.size() == 1 && told[0].contains(QStringLiteral("folder.ics")))
        << told.join(u'\n').toStdString();
}
