#pragma once
// Shared by the report tests: readable strings in failure messages, the program's own texts
// loaded once, and the dates of a leap year in calendar order.

#include "report/TextResourceLoader.h"

#include <QDate>
#include <QString>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

inline const report::TextResourceLoad& programTexts() {
    static const report::TextResourceLoad load = report::loadTextResources();
    return load;
}

struct MonthDay {
    int month;
    int day;
};

// 1 January .. 31 December of a leap year, 29 February the 60th: the order of resources 101 and 104.
inline std::vector<MonthDay> datesOfALeapYear() {
    std::vector<MonthDay> dates;
    for (QDate date(2000, 1, 1); date.year() == 2000; date = date.addDays(1))
        dates.push_back({date.month(), date.day()});
    return dates;
}
