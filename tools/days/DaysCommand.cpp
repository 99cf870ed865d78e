#include "tools/days/DaysCommand.h"

#include "engine/CalendarRange.h"
#include "engine/clsDate.h"
#include "report/DayReport.h"

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

const std::string kUsage =
    "usage: kesparo-days FROM [TO] | kesparo-days --report DATE  (dates as YYYY-MM-DD, " + kRange + ")";

// An argument as a message quotes it: in single quotes, on one line, with every control character
// written as an escape, so that no argument can break the line or speak to the terminal.
std::string quoted(const QString& argument) {
    QString text = QStringLiteral("'");
    for (const QChar c : argument) {
        switch (c.unicode()) {
        case u'\\':
            text += QLatin1String("\\\\");
            break;
        case u'\n':
            text += QLatin1String("\\n");
            break;
        case u'\r':
            text += QLatin1String("\\r");
            break;
        case u'\t':
            text += QLatin1String("\\t");
            break;
        default:
            if (c.category() == QChar::Other_Control)
                text += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else if (c.category() == QChar::Other_Format || c.category() == QChar::Separator_Line ||
                     c.category() == QChar::Separator_Paragraph)
                text += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                text += c;
        }
    }
    return (text + u'\'').toStdString();
}

// What the command is asked to do.
enum class Mode { Days, Report };

struct Request {
    Mode mode = Mode::Days;
    QStringList dates;
};

// The options, each of which chooses a mode and comes first.
constexpr std::pair<const char*, Mode> kOptions[] = {{"--report", Mode::Report}};

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
            return "unknown option " + quoted(argument) + "; " + kUsage;
        if (i > 0)
            return "option " + quoted(argument) + " must come first; " + kUsage;
        request.mode = option->second;
    }
    return request;
}

struct ParsedDay {
    std::optional<core::DayNumber> day;
    std::string problem;
};

// A date exactly as YYYY-MM-DD: ten characters, ASCII digits and two hyphens, nothing before or
// after.
bool isIsoDateForm(const QString& text) {
    if (text.size() != 10)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (i == 4 || i == 7 ? text[i] != u'-' : (text[i] < u'0' || text[i] > u'9'))
            return false;
    return true;
}

ParsedDay parseDay(const QString& text) {
    if (!isIsoDateForm(text))
        return {std::nullopt, "malformed date " + quoted(text) + ": expected YYYY-MM-DD"};
    const int year = text.first(4).toInt();
    const int month = text.sliced(5, 2).toInt();
    const int day = text.sliced(8, 2).toInt();
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

// One line per day from FROM to TO.
DaysCommandResult daysCommand(const QStringList& dates) {
    if (dates.isEmpty())
        return refuse("no date given; " + kUsage);
    if (dates.size() > 2)
        return refuse("too many arguments; " + kUsage);

    const ParsedDay from = parseDay(dates[0]);
    if (!from.day)
        return refuse(from.problem);
    const ParsedDay to = dates.size() == 2 ? parseDay(dates[1]) : from;
    if (!to.day)
        return refuse(to.problem);
    if (*from.day > *to.day)
        return refuse("FROM " + dates[0].toStdString() + " is after TO " + dates[1].toStdString());

    DaysCommandResult result;
    result.out.reserve(static_cast<std::size_t>(*to.day - *from.day + 1) * 160);
    clsDate date;
    for (core::DayNumber day = *from.day; day <= *to.day; ++day) {
        result.out += dayLine(date, day).toStdString();
        result.out += '\n';
    }
    return result;
}

} // namespace

DaysCommandResult runDaysCommand(const QStringList& arguments) {
    return runDaysCommand(arguments, [] { return report::loadTextResources(); });
}

DaysCommandResult runDaysCommand(const QStringList& arguments,
                                 const std::function<report::TextResourceLoad()>& loadTexts) {
    const std::variant<Request, std::string> read = readArguments(arguments);
    if (const std::string* problem = std::get_if<std::string>(&read))
        return refuse(*problem);
    const Request& request = std::get<Request>(read);
    if (request.mode == Mode::Report)
        return reportCommand(request.dates, loadTexts);
    return daysCommand(request.dates);
}
