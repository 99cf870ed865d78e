// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/days/DaysCommand.h"

#include "core/IsoDate.h"
#include "core/QuotedArgument.h"
#include "engine/CalendarRange.h"
#include "engine/clsDate.h"
#include "report/DayReport.h"
#include "report/ICalendarWriter.h"

#include <algorithm>
#include <optional>
#include <variant>

namespace {

QString isoDate(const core::CivilDate& date) {
    return QString::asprintf("%04d-%02d-%02d", date.year, date.month, date.day);
}

// The calendar's range as it is written in messages: "1900-01-31..2050-01-22".
const std::string kRange =
    (isoDate(engine::kFirstDate) + QStringLiteral("..") + isoDate(engine::kLastDate)).toStdString();

const std::string kUsage = "usage: kesparo-days FROM [TO] | --report DATE | --ics FROM TO | --help | "
                           "--version  (dates as YYYY-MM-DD, " +
                           kRange + ")";

const std::string kHelp =
    "Usage: kesparo-days FROM [TO]\n"
    "       kesparo-days --report DATE\n"
    "       kesparo-days --ics FROM TO\n"
    "The Chinese calendar's answers for the days FROM..TO (dates as YYYY-MM-DD, " +
    kRange +
    "),\n"
    "one line per day, UTF-8, 19 fields separated by TABs: date, lunar year, month,\n"
    "day, leap (1/0), weekday number (Sunday = 1), weekday name, lunar day name,\n"
    "solar term, solar festival, day off (1/0), lunar festival, weekday-rule festival,\n"
    "stem-branch and zodiac animal of the lunar year, era, star sign and its\n"
    "description, and the official day (休 NAME, 班 NAME or empty).\n"
    "  --report DATE   the day report of DATE, as the report window holds it (CR LF)\n"
    "  --ics FROM TO   the days' solar terms, festivals and official days off and\n"
    "                  working days as an iCalendar (RFC 5545) file\n"
    "  --help          this text\n"
    "  --version       the program's name and version\n"
    "Exit status: 0 done, 1 the output could not be written, 2 bad arguments.\n"
    "Official days of your own: $XDG_DATA_HOME/kesparo/holidays.tsv (see kesparo-days(1)).\n";

// What the command is asked to do.
enum class Mode { Days, Report, ICalendar, Help, Version };

struct Request {
    Mode mode = Mode::Days;
    QStringList dates;
};

// The options, each of which chooses a mode and comes first.
constexpr std::pair<const char*, Mode> kOptions[] = {{"--report", Mode::Report},
                                                     {"--ics", Mode::ICalendar},
                                                     {"--help", Mode::Help},
                                                     {"--version", Mode::Version}};

// Reads the arguments: the one place that decides what each of them is. An argument that starts
// with '-' is an option, known or refused; every other one is a date.
std::variant<Request, std::string> readArguments(const QStringList& arguments) {
    Request request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-')) {
            request.dates << argument;
            continue;
        }
        const auto option =
            std::find_if(std::begin(kOptions), std::end(kOptions),
                         [&argument](const auto& known) { return argument == QLatin1String(known.first); });
        if (option == std::end(kOptions))
            return "unknown option " + core::quotedArgument(argument) + "; " + kUsage;
        if (i > 0)
            return "option " + core::quotedArgument(argument) + " must come first; " + kUsage;
        request.mode = option->second;
    }
    return request;
}

struct ParsedDay {
    std::optional<core::DayNumber> day;
    std::string problem;
};

ParsedDay parseDay(const QString& text) {
    const std::optional<core::CivilDate> date = core::isoDateForm(text);
    if (!date)
        return {std::nullopt, "malformed date " + core::quotedArgument(text) + ": expected YYYY-MM-DD"};
    if (!core::isValidDate(date->year, date->month, date->day))
        return {std::nullopt, "no such day: " + text.toStdString()};
    const core::DayNumber number = core::dayNumber(*date);
    if (number < engine::kFirstDay || number > engine::kLastDay)
        return {std::nullopt,
                "date out of range: " + text.toStdString() + " (the calendar covers " + kRange + ")"};
    return {number, {}};
}

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString dayLine(clsDate& date, core::DayNumber number, const engine::OfficialDays& official) {
    const core::CivilDate civil = core::civilDate(number);
    date.sInitDate(civil.year, civil.month, civil.day);
    const engine::OfficialDay* officialDay = official.find(number);
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
        officialDay ? officialDay->label() : QString(),
    };
    return fields.join(u'\t');
}

DaysCommandResult refuse(std::string problem) {
    return {2, {}, "kesparo-days: " + problem + "\n"};
}

// The official days, and their warnings as lines for stderr.
engine::OfficialDays officialDays(const DaysCommandSources& sources, std::string& err) {
    report::OfficialDaysLoad load = sources.loadOfficialDays();
    for (const QString& warning : std::as_const(load.warnings))
        err += "kesparo-days: " + warning.toStdString() + "\n";
    return std::move(load.days);
}

// The first and last day of FROM TO, both given, FROM not after TO; or why not.
std::variant<std::pair<core::DayNumber, core::DayNumber>, std::string> readRange(const QStringList& dates) {
    const ParsedDay from = parseDay(dates[0]);
    if (!from.day)
        return from.problem;
    const ParsedDay to = dates.size() == 2 ? parseDay(dates[1]) : from;
    if (!to.day)
        return to.problem;
    if (*from.day > *to.day)
        return "FROM " + dates[0].toStdString() + " is after TO " + dates[1].toStdString();
    return std::pair(*from.day, *to.day);
}

// The report of one day: CR LF line ends as in the report window, UTF-8.
DaysCommandResult reportCommand(const QStringList& dates, const DaysCommandSources& sources) {
    if (dates.isEmpty())
        return refuse("no date given after --report; " + kUsage);
    if (dates.size() > 1)
        return refuse("too many arguments; " + kUsage);
    const ParsedDay day = parseDay(dates[0]);
    if (!day.day)
        return refuse(day.problem);

    const report::TextResourceLoad load = sources.loadTexts();
    if (!load.ok())
        return refuse(load.failure.toStdString());

    const core::CivilDate civil = core::civilDate(*day.day);
    return {0, report::buildDayReport(load.texts, civil.year, civil.month, civil.day).toStdString(), {}};
}

// One line per day from FROM to TO.
DaysCommandResult daysCommand(const QStringList& dates, const DaysCommandSources& sources) {
    if (dates.isEmpty())
        return refuse("no date given; " + kUsage);
    if (dates.size() > 2)
        return refuse("too many arguments; " + kUsage);
    const auto range = readRange(dates);
    if (const std::string* problem = std::get_if<std::string>(&range))
        return refuse(*problem);
    const auto [first, last] = std::get<0>(range);

    DaysCommandResult result;
    const engine::OfficialDays official = officialDays(sources, result.err);
    result.out.reserve(static_cast<std::size_t>(last - first + 1) * 170);
    clsDate date;
    for (core::DayNumber day = first; day <= last; ++day) {
        result.out += dayLine(date, day, official).toStdString();
        result.out += '\n';
    }
    return result;
}

// The events of FROM..TO, every kind, as an iCalendar file.
DaysCommandResult iCalendarCommand(const QStringList& dates, const DaysCommandSources& sources) {
    if (dates.size() != 2)
        return refuse((dates.size() < 2 ? "--ics needs FROM and TO; " : "too many arguments; ") + kUsage);
    const auto range = readRange(dates);
    if (const std::string* problem = std::get_if<std::string>(&range))
        return refuse(*problem);
    const auto [first, last] = std::get<0>(range);
    DaysCommandResult result;
    const engine::OfficialDays official = officialDays(sources, result.err);
    result.out = report::iCalendarText(first, last, report::kAllCalendarEventKinds, official, sources.now())
                     .toStdString();
    return result;
}

} // namespace

DaysCommandSources DaysCommandSources::ofThisSystem() {
    return {[] { return report::loadTextResources(); }, [] { return report::loadOfficialDays(); },
            [] { return QDateTime::currentDateTimeUtc(); }};
}

DaysCommandResult runDaysCommand(const QStringList& arguments, const DaysCommandSources& sources) {
    const std::variant<Request, std::string> read = readArguments(arguments);
    if (const std::string* problem = std::get_if<std::string>(&read))
        return refuse(*problem);
    const Request& request = std::get<Request>(read);
    switch (request.mode) {
    case Mode::Report:
        return reportCommand(request.dates, sources);
    case Mode::ICalendar:
        return iCalendarCommand(request.dates, sources);
    case Mode::Help:
    case Mode::Version:
        if (!request.dates.isEmpty())
            return refuse("too many arguments; " + kUsage);
        return {
            0, request.mode == Mode::Help ? kHelp : std::string("kesparo-days " KESPARO_VERSION "\n"), {}};
    case Mode::Days:
        break;
    }
    return daysCommand(request.dates, sources);
}
