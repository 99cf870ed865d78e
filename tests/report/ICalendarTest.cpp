// SPDX-License-Identifier: GPL-3.0-or-later
// The iCalendar export: folding of long lines at UTF-8 character boundaries, the events a day
// gives, and a whole year's export read back by Debian's python3-icalendar.

#include "engine/CalendarRange.h"
#include "report/ICalendarFolding.h"
#include "report/ICalendarWriter.h"
#include "report/OfficialDaysLoader.h"

#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

// Titles that start after 0, 1 and 2 ASCII bytes put octet 75 on each byte of a three-byte
// character; four-byte characters as well. Every physical line is as full as the characters allow,
// within 75 octets, continued by one space, and a whole UTF-8 text by itself.
TEST(Folding, KeepsEveryLineWithin75OctetsAndEveryCharacterWhole) {
    const QByteArray lines[] = {
        "SUMMARY:立春",
        "X:" + QByteArray(73, 'a'),
        "X:" + QByteArray(74, 'a'),
        "SUMMARY:" + QByteArray("国际盲人节").repeated(12),
        "SUMMARY:a" + QByteArray("国际盲人节").repeated(12),
        "SUMMARY:ab" + QByteArray("国际盲人节").repeated(12),
        "SUMMARY:a" + QByteArray("\xF0\xA0\x80\x80").repeated(60),
    };
    for (const QByteArray& line : lines) {
        SCOPED_TRACE(line.toStdString());
        QByteArray folded;
        report::appendFoldedLine(folded, line);
        ASSERT_TRUE(folded.endsWith("\r\n"));
        const QList<QByteArray> physical = folded.chopped(2).split('\n');
        EXPECT_EQ(physical.size() == 1, line.size() <= report::kMaxContentLineOctets);
        QByteArray joined;
        for (qsizetype i = 0; i < physical.size(); ++i) {
            QByteArray part = physical[i];
            const bool last = i + 1 == physical.size();
            ASSERT_TRUE(last || part.endsWith('\r'));
            part.chop(last ? 0 : 1);
            EXPECT_LE(part.size(), report::kMaxContentLineOctets) << i;
            EXPECT_TRUE(last || part.size() > report::kMaxContentLineOctets - 4) << i;
            ASSERT_TRUE(i == 0 || part.startsWith(' '));
            part.remove(0, i == 0 ? 0 : 1);
            QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = decoder(part);
            EXPECT_FALSE(decoder.hasError() || decoded.contains(QChar::ReplacementCharacter)) << i;
            joined += part;
        }
        EXPECT_EQ(joined, line);
    }
}

// Festivals that share a date give one event each; only the kinds chosen are found; days outside
// the calendar's range have none.
TEST(CalendarEvents, OneEventForEachFestivalOfTheKindsChosen) {
    using report::CalendarEventKind;
    const core::DayNumber day = core::dayNumber(2020, 3, 12);
    engine::OfficialDays official;
    official.set(day, {engine::OfficialDayKind::WorkingDay, QStringLiteral("测试")});
    const auto events = [&](core::DayNumber first, core::DayNumber last, report::CalendarEventKinds kinds) {
        return report::calendarEvents(first, last, kinds, official);
    };
    EXPECT_EQ(events(day, day, report::kAllCalendarEventKinds),
              (std::vector<report::CalendarEvent>{{day, CalendarEventKind::SolarFestival, "植树节"},
                                                  {day, CalendarEventKind::SolarFestival, "孙中山逝世纪念日"},
                                                  {day, CalendarEventKind::OfficialWorkingDay, "班 测试"}}));
    EXPECT_TRUE(events(day, day, CalendarEventKind::OfficialDayOff).empty());
    EXPECT_EQ(events(day - 71, day + 294, CalendarEventKind::SolarTerm).size(), 24u); // all of 2020
    EXPECT_TRUE(
        events(engine::kFirstDay - 400, engine::kFirstDay - 1, report::kAllCalendarEventKinds).empty());
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The whole of 2020 in every kind, with the carried official days and a user's day whose long
// name holds a comma, a semicolon and a backslash, exported twice at different moments.
TEST(ICalendarExport, ARealParserReadsEveryEventOfAYearBack) {
    engine::OfficialDays official = report::carriedOfficialDays();
    official.set(core::dayNumber(2020, 12, 31),
                 {engine::OfficialDayKind::DayOff,
                  QStringLiteral("第2个测试用的很长的节日名称,含逗号;分号\\反斜杠与更多的汉字")});
    const core::DayNumber first = core::dayNumber(2020, 1, 1), last = core::dayNumber(2020, 12, 31);
    const QDateTime morning(QDate(2026, 5, 1), QTime(8, 30), QTimeZone(8 * 3600));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath("a.ics"), b = dir.filePath("b.ics");
    const auto kinds = report::kAllCalendarEventKinds;
    ASSERT_TRUE(writeFile(a, report::iCalendarText(first, last, kinds, official, morning)));
    ASSERT_TRUE(writeFile(b, report::iCalendarText(first, last, kinds, official, morning.addSecs(43200))));

    QProcess python;
    python.start(KESPARO_SYSTEM_PYTHON,
                 {KESPARO_CHECK_ICALENDAR, a, b, KESPARO_TEST_DATA_DIR "/icalendar-2020.tsv"});
    ASSERT_TRUE(python.waitForFinished(60000))
        << "python3 did not run: " << python.errorString().toStdString();
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
}

} // namespace
