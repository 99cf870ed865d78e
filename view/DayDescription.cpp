// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/DayDescription.h"

#include "engine/clsDate.h"
#include "platform/LocaleNames.h"

#include <QStringList>

namespace view {

QString describeDay(int year, int month, int day, const engine::OfficialDays& official) {
    clsDate calendar;
    calendar.sInitDate(year, month, day);
    QStringList words = {
        QStringLiteral("%1年%2月%3日").arg(year).arg(month).arg(day),
        calendar.sWeekDayStr(),
        QStringLiteral("农历") + (calendar.IsLeap() ? QStringLiteral("闰") : QString()) +
            platform::chineseMonthName(calendar.lMonth()) + calendar.CDayStr(calendar.lDay()),
    };
    for (const QString& extra :
         {calendar.lSolarTerm(), calendar.sHoliday(), calendar.lHoliday(), calendar.wHoliday()}) {
        if (!extra.isEmpty())
            words << extra;
    }
    if (const engine::OfficialDay* entry = official.find(calendar.SolarDate()))
        words << entry->label();
    return words.join(u' ');
}

} // namespace view
