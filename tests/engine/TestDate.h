// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small helpers shared by the engine and report tests: days written as text, a clsDate set to one
// and all it holds, and the TAB-separated tables in tests/data.

#include "core/DayNumber.h"
#include "engine/clsDate.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>
#include <tuple>

// The days the lunar calendar promises to cover, written out here rather than taken from the engine.
inline const core::DayNumber kFirstDay = core::dayNumber(1900, 1, 31),
                             kLastDay = core::dayNumber(2050, 1, 22);

inline QString isoDate(core::DayNumber day) {
    const core::CivilDate date = core::civilDate(day);
    return QString::asprintf("%04d-%02d-%02d", date.year, date.month, date.day);
}

inline clsDate dayOf(core::DayNumber day) {
    const core::CivilDate date = core::civilDate(day);
    clsDate calendar;
    calendar.sInitDate(date.year, date.month, date.day);
    return calendar;
}

inline core::DayNumber dayFromIso(const QString& iso) {
    return core::dayNumber(iso.left(4).toInt(), iso.mid(5, 2).toInt(), iso.mid(8, 2).toInt());
}

inline clsDate solarDay(const QString& iso) {
    return dayOf(dayFromIso(iso));
}

// Everything a clsDate holds.
inline auto state(const clsDate& d) {
    return std::tuple(d.SolarDate(), d.sYear(), d.sMonth(), d.sDay(), d.lYear(), d.lMonth(), d.lDay(),
                      d.IsLeap());
}

// The rows of tests/data/<name>, at least one, without comment lines (#) and the column names;
// empty fields kept.
inline QList<QStringList> dataRows(const QString& name) {
    QFile file(QStringLiteral(KESPARO_TEST_DATA_DIR "/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts))
        if (!line.startsWith(u'#'))
            rows.append(line.split(u'\t'));
    EXPECT_GT(rows.size(), 1) << name.toStdString();
    return rows.mid(1);
}

// Lets gtest print QStrings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
