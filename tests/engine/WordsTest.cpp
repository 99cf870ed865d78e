// SPDX-License-Identifier: GPL-3.0-or-later
// The names clsDate gives: Chinese numerals, lunar day and weekday names, eras, stems and branches,
// zodiac animals and star signs, row by row from tests/data/words.tsv.

#include "engine/WeekdayName.h"
#include "tests/engine/TestDate.h"

#include <functional>
#include <map>

TEST(Words, EveryCallGivesTheNameInTheTable) {
    const clsDate date;
    const auto monthDay = [&](QString (clsDate::*name)(int, int) const) {
        return [&date, name](const QString& a) {
            return (date.*name)(a.section(u' ', 0, 0).toInt(), a.section(u' ', 1, 1).toInt());
        };
    };
    const auto number = [&](QString (clsDate::*name)(int) const) {
        return [&date, name](const QString& a) { return (date.*name)(a.toInt()); };
    };
    const std::map<QString, std::function<QString(const QString&)>> calls = {
        {"UpNumber", [&](const QString& a) { return date.UpNumber(a); }},
        {"CDayStr", number(&clsDate::CDayStr)},
        {"Era", number(&clsDate::Era)},
        {"GanZhi", number(&clsDate::GanZhi)},
        {"YearAttribute", number(&clsDate::YearAttribute)},
        {"weekdayName", [](const QString& a) { return engine::weekdayName(a.toInt()); }},
        {"Constellation", monthDay(&clsDate::Constellation)},
        {"Constellation2", monthDay(&clsDate::Constellation2)},
    };
    for (const QStringList& row : dataRows("words.tsv"))
        EXPECT_EQ(calls.at(row[0])(row.value(1)), row.value(2)) << row.join(u'|').toStdString();
}
