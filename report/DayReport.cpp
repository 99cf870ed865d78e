// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/DayReport.h"

#include "engine/clsDate.h"
#include "platform/LocaleNames.h"
#include "report/TextLookups.h"

namespace report {
namespace {

using namespace Qt::Literals::StringLiterals;

const QString kCrLf = u"\r\n"_s;
const QString kBackslashN = u"\\n"_s; // a backslash and n, two characters
const QString kDollar = u"$"_s;

// A quoted record with its line-break marks turned into CR LF: every occurrence, left to right,
// compared exactly. Bare LF characters in the record stay as they are.
QString withLineBreaks(QString record, const QString& mark) {
    return record.replace(mark, kCrLf, Qt::CaseSensitive);
}

} // namespace

QString buildDayReport(const TextResources& texts, int year, int month, int day) {
    clsDate calendar;
    calendar.sInitDate(year, month, day);
    const int lunarYear = calendar.lYear();
    const QString sign = calendar.Constellation(month, day);
    const QString animal = calendar.YearAttribute(lunarYear);
    const QString separatorLine = QString::fromLatin1(kReportSeparator) + kCrLf;
    const QString solarDate =
        QString::number(year) + u'年' + QString::number(month) + u'月' + QString::number(day) + u'日';

    QString s;
    s.reserve(6000); // the longest reports run to about 4000 characters

    // Heading, era, and the day's solar and lunar dates.
    s += separatorLine;
    s += u"日程信息 ("_s + solarDate + u')' + kCrLf;
    s += separatorLine;
    s += u"年份："_s + calendar.Era(year) + kCrLf;
    s += u"公历："_s + solarDate + u' ' + calendar.sWeekDayStr() + kCrLf;
    s += u"农历："_s + calendar.GanZhi(lunarYear) + u'(' + animal + u")年"_s;
    if (calendar.IsLeap())
        s += u'闰';
    s += platform::chineseMonthName(calendar.lMonth()) + calendar.CDayStr(calendar.lDay()) + kCrLf;
    s += separatorLine;

    // Festivals: the line under each heading stands even when it is empty.
    s += u"公历节日："_s + kCrLf + calendar.sHoliday() + u' ' + calendar.wHoliday() + kCrLf;
    s += u"农历节日："_s + kCrLf + calendar.lHoliday() + kCrLf;
    s += separatorLine;

    s += dayOfMonthText(texts, day).value_or(QString()) + kCrLf;
    s += separatorLine;

    s += u"生日花语 - "_s;
    if (const std::optional<QString> flower = birthdayFlower(texts, month, day))
        s += withLineBreaks(*flower, kBackslashN) + kCrLf;
    s += separatorLine;

    // The star sign: its birthday character, its profile and its love text.
    s += u"星座："_s + sign + u"座("_s + calendar.Constellation2(month, day) + u')' + kCrLf;
    if (const std::optional<QString> character = birthdayCharacter(texts, month, day))
        s += *character + kCrLf + kCrLf;
    if (const std::optional<QString> profile = signProfile(texts, sign))
        s += withLineBreaks(*profile, kDollar) + kCrLf + kCrLf;
    s += kCrLf;
    if (const std::optional<QString> love = signLoveText(texts, sign))
        s += withLineBreaks(*love, kBackslashN) + kCrLf;
    s += separatorLine;

    s += u"属相："_s;
    if (const std::optional<QString> legend = animalLegend(texts, animal))
        s += withLineBreaks(*legend, kBackslashN) + kCrLf;
    return s;
}

} // namespace report
