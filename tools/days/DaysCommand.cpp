#include "tools/days/DaysCommand.h"

#include "engine/clsDate.h"
#include "report/DayReport.h"

#include <QRegularExpression>
#include <optional>

namespace {

constexpr platform::DayNumber kFirstDay = platform::dayNumber(1900, 1, 31);
constexpr platform::DayNumber kLastDay = platform::dayNumber(2050, 1, 22);

const char* const kUsage = "usage: kesparo-days FROM [TO] | kesparo-days --report DATE  (dates as "
                           "YYYY-MM-DD, 1900-01-31..2050-01-22)";

struct ParsedDay {
    std::optional<platform::DayNumber> day;
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
    if (!platform::isValidDate(year, month, day))
        return {std::nullopt, "no such day: " + text.toStdString()};
    const platform::DayNumber number = platform::dayNumber(year, month, day);
    if (number < kFirstDay || number > kLastDay)
        return {std::nullopt,
                "date out of range: " + text.toStdString() + " (the calendar covers 1900-01-31..2050-01-22)"};
    return {number, {}};
}

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString dayLine(clsDate& date, platform::DayNumber number) {
    const platform::CivilDate civil = platform::civilDate(number);
    date.sInitDate(civil.year, civil.month, civil.day);
    const QStringList fields = {
        QString::asprintf("%04d-%02d-%02d", civil.year, civil.month, civil.day),
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
        return refuse(std::string("no date given after --report; ") + kUsage);
    if (dates.size() > 1)
        return refuse(std::string("too many arguments; ") + kUsage);
    const ParsedDay day = parseDay(dates[0]);
    if (!day.day)
        return refuse(day.problem);

    const report::TextResourceLoad load = loadTexts();
    if (!load.ok())
        return refuse(load.failure.toStdString());

    const platform::CivilDate civil = platform::civilDate(*day.day);
    clsDate calendar;
    return {0,
            report::buildDayReport(calendar, load.texts, civil.year, civil.month, civil.day).toStdString(),
            {}};
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
        return refuse(std::string("no date given; ") + kUsage);
    if (arguments.size() > 2)
        return refuse(std::string("too many arguments; ") + kUsage);

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
    for (platform::DayNumber day = *from.day; day <= *to.day; ++day) {
        result.out += dayLine(date, day).toStdString();
        result.out += '\n';
    }
    return result;
}
