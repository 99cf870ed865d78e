#pragma once
// Small helpers shared by the engine tests: dates written as text, and a clsDate set to one.

#include "core/DayNumber.h"
#include "engine/clsDate.h"

#include <QString>
#include <string>

inline core::CivilDate parseIsoDate(const std::string& text) {
    return {std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2))};
}

inline std::string isoDate(const core::CivilDate& date) {
    return QString::asprintf("%04d-%02d-%02d", date.year, date.month, date.day).toStdString();
}

inline std::string isoDate(core::DayNumber day) {
    return isoDate(core::civilDate(day));
}

inline clsDate solarDay(const std::string& iso) {
    const core::CivilDate date = parseIsoDate(iso);
    clsDate calendar;
    calendar.sInitDate(date.year, date.month, date.day);
    return calendar;
}

inline std::string solarOf(const clsDate& date) {
    return isoDate(core::CivilDate{date.sYear(), date.sMonth(), date.sDay()});
}

// Lets gtest print QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
