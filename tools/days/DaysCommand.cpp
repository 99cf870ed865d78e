#include "tools/days/DaysCommand.h"

#include "engine/CalendarRange.h"
#include "engine/clsDate.h"
#include "report/DayReport.h"

#include <QRegularExpression>
#include <optional>

namespace {

QString isoDate(const core::CivilDate& date) {
    return QString::asprintf("%04d-%02d-%02d", date.year, date.month, date.day);
}

// The calendar's range as it is written in messages: "1900-01-31..2050-01-22".
const std::string kRange =
    (isoDate(engine::kFirstDate) + QStringLiteral("..") + isoDate(engine::kLastDate)).toStdString();

const std::string kUsage =
    "usage: kesparo-days FROM [TO] | kesparo-days --report DATE  (dates as YYYY-MM-DD, " + kRange + ")";

struct ParsedDay {
    std::optional<core::DayNumber> day;
    std::string problem;
};

ParsedDay parseDay(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {std::nullopt, "malformed date '" + text.toStdString() + "': expected YYYY-MM-DD"};
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int day = match.captured(3).toInt();
    if (!core::isValidDate(year, month, day))
        return {std::nullopt, "no such day: " + text.toStdString()};
    const core::DayNumber number = core::dayNumber(year, month, day);
    if (number < engine::kFirstDay || number > engine::kLastDay)
        return {std::nullopt,
                "date out of range: " + text.toStdString() + " (the calendar covers " + kRange + ")"};
    return {number, {}};
}

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString dayLine(clsDate& date, core::DayNumber number) {
    const core::CivilDate civil = core::civilDate(number);
    date.sInitDate(civil.year, civil.month, civil.day);
    const QStringList fields = {
        isoDate(civil),
        QString::number(date.lYear()),
        QString::number(date.lMonth()),
        QString::number(date.lDay()),
        flag(date.IsLeap()),
        QString::number(date.sWeekDay()),
        date.sWeekDayStr(),
        date.CDayStr(date.lDay()),
        date.lSolarTerm(),
        date.sHoliday(),
        flag(date.sHolidayRecess()),
        date.lHoliday(),
        date.wHoliday(),
        date.GanZhi(date.lYear()),
        date.YearAttribute(date.lYear()),
        date.Era(date.sYear()),
        date.Constellation(date.sMonth(), date.sDay()),
        date.Constellation2(date.sMonth(), date.sDay()),
    };
    return fields.join(u'\t');
}

DaysCommandResult refuse(std::string problem) {
    return {2, {}, "kesparo-days: " + problem + "\n"};
}

// The report of one day: CR LF line ends as in the report window, UTF-8.
DaysCommandResult reportCommand(const QStringList& dates,
                                const std::function<report::TextResourceLoad()>& loadTexts) {
    if (dates.isEmpty())
        return refuse("no date given after --report; " + kUsage);
    if (dates.size() > 1)
        return refuse("too many arguments; " + kUsage);
    const ParsedDay day = parseDay(dates[0]);
    if (!day.day)
        return refuse(day.problem);

    const report::TextResourceLoad load = loadTexts();
    if (!load.ok())
        return refuse(load.failure.toStdString());

    const core::CivilDate civil = core::civilDate(*day.day);
    return {0, report::buildDayReport(load.texts, civil.year, civil.month, civil.day).toStdString(), {}};
}

} // namespace

DaysCommandResult runDaysCommand(const QStringList& arguments) {
    return runDaysCommand(arguments, [] { return report::loadTextResources(); });
}

DaysCommandResult runDaysCommand(const QStringList& arguments,
                                 const std::function<report::TextResourceLoad()>& loadTexts) {
    if (!arguments.isEmpty() && arguments[0] == QStringLiteral("--report"))
        return reportCommand(arguments.mid(1), loadTexts);
    if (arguments.isEmpty())
        return refuse("no date given; " + kUsage);
    if (arguments.size() > 2)
        return refuse("too many arguments; " + kUsage);

    const ParsedDay from = parseDay(arguments[0]);
    if (!from.day)
        return refuse(from.problem);
    const ParsedDay to = arguments.size() == 2 ? parseDay(arguments[1]) : from;
    if (!to.day)
        return refuse(to.problem);
    if (*from.day > *to.day)
        return refuse("FROM " + arguments[0].toStdString() + " is after TO " + arguments[1].toStdString());

    DaysCommandResult result;
    result.out.reserve(static_cast<std::size_t>(*to.day - *from.day + 1) * 160);
    clsDate date;
    for (core::DayNumber day = *from.day; day <= *to.day; ++day) {
        result.out += dayLine(date, day).toStdString();
        result.out += '\n';
    }
    return result;
}
