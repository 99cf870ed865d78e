// kesparo-days and the calendar's own command line: the lines of known days (tests/data), the
// day report of --report, the iCalendar file of --ics, every way of refusing arguments (one line,
// nothing on stdout, exit 2), and the executables' streams and exit status when their output cannot
// be written or there is no display.

#include "tools/days/DaysCommand.h"
#include "report/ICalendarWriter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {

const QDateTime kStamp = QDateTime::fromSecsSinceEpoch(1780000000, QTimeZone::utc());

// The program's texts, the carried official days (no user file), a fixed moment.
DaysCommandSources sources() {
    return {[] { return report::loadTextResources(); },
            [] {
                return report::OfficialDaysLoad{report::carriedOfficialDays(), {}};
            },
            [] { return kStamp; }};
}

DaysCommandResult run(const QStringList& arguments, DaysCommandSources from = sources()) {
    return runDaysCommand(arguments, from);
}

QByteArray stored(const QString& path) {
    QFile file(QStringLiteral(KESPARO_TEST_DATA_DIR "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

// Each known day's line field by field, the 19th (休/班 and the holiday) included; a run of days.
TEST(DaysCommand, LinesOfDays) {
    for (const QByteArray& line : stored(QStringLiteral("days-known.tsv")).split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const DaysCommandResult result = run({QString::fromUtf8(line.left(10))});
        EXPECT_EQ(std::tuple(result.exitCode, result.out, result.err),
                  std::tuple(0, line.toStdString() + "\n", ""));
    }
    const DaysCommandResult whole = run({QStringLiteral("1900-01-31"), QStringLiteral("2050-01-22")});
    EXPECT_EQ(lineCount(whole.out), 54779u);
    EXPECT_EQ(whole.out.rfind("1900-01-31\t", 0), 0u);
    EXPECT_NE(whole.out.find("\n2050-01-22\t"), std::string::npos);
}

// --report prints the day's report byte for byte as stored; --ics the iCalendar text of the days;
// --help and --version answer on stdout.
TEST(DaysCommand, ReportCalendarHelpAndVersion) {
    for (const char* date : {"2009-06-27", "2015-09-27"}) {
        const DaysCommandResult result = run({QStringLiteral("--report"), QString::fromLatin1(date)});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_TRUE(result.out == stored(QStringLiteral("../report/golden/%1.txt").arg(date)).toStdString())
            << date;
    }
    const DaysCommandResult ics =
        run({QStringLiteral("--ics"), QStringLiteral("2020-01-01"), QStringLiteral("2020-12-31")});
    EXPECT_EQ(ics.exitCode, 0);
    EXPECT_EQ(ics.out,
              report::iCalendarText(core::dayNumber(2020, 1, 1), core::dayNumber(2020, 12, 31),
                                    report::kAllCalendarEventKinds, report::carriedOfficialDays(), kStamp)
                  .toStdString());
    EXPECT_EQ(run({QStringLiteral("--version")}).out, "kesparo-days " KESPARO_VERSION "\n");
    EXPECT_EQ(run({QStringLiteral("--help")}).out.rfind("Usage: kesparo-days FROM [TO]\n", 0), 0u);
}

// The user's own official days count, and each bad line of theirs is one warning that does not
// stop the answer.
TEST(DaysCommand, UsersOfficialDaysAndTheirWarnings) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("holidays.tsv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2027-01-01\t休\t元旦\n2027-13-01\t休\t坏日子\n");
    file.close();
    DaysCommandSources withFile = sources();
    withFile.loadOfficialDays = [path] { return report::loadOfficialDays(path); };
    const DaysCommandResult result = run({QStringLiteral("2027-01-01")}, withFile);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.ends_with("\t休 元旦\n")) << result.out;
    EXPECT_EQ(result.err.rfind("kesparo-days: " + path.toStdString() + ":2: ", 0), 0u) << result.err;
    EXPECT_EQ(lineCount(result.err), 1u);
}

TEST(DaysCommand, RefusesBadArgumentsInOneLine) {
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "no date given; usage: kesparo-days FROM [TO]"},
        {{"2009-01-01", "2009-01-02", "2009-01-03"}, "too many arguments; usage:"},
        {{"2009-1-1"}, "malformed date '2009-1-1': expected YYYY-MM-DD"},
        {{"2009-01-01x"}, "malformed date"},
        {{"2009-02-29"}, "no such day: 2009-02-29"},
        {{"2009-13-01"}, "no such day: 2009-13-01"},
        {{"1900-01-30"}, "date out of range: 1900-01-30 (the calendar covers 1900-01-31..2050-01-22)"},
        {{"2009-01-01", "2050-01-23"}, "date out of range: 2050-01-23"},
        {{"2009-01-02", "2009-01-01"}, "FROM 2009-01-02 is after TO 2009-01-01"},
        // Dates are read exactly; what is quoted back cannot break the line or reach the terminal.
        {{"2009-02-03\n"}, "malformed date '2009-02-03\\n': expected YYYY-MM-DD"},
        {{" 2009-02-03"}, "malformed date ' 2009-02-03'"},
        {{"2009-02-03", "\x1b]0;pwned\a"}, "malformed date '\\x1b]0;pwned\\x07'"},
        {{"2009-\xe2\x80\xae"
          "02-03"},
         "malformed date '2009-\\u202e02-03'"},
        // No option is passed over, and each comes first.
        {{"-x"}, "unknown option '-x'; usage:"},
        {{"2009-01-01", "--bogus\r"}, "unknown option '--bogus\\r'"},
        {{"2009-01-01", "--report"}, "option '--report' must come first"},
        {{"--help", "2009-01-01"}, "too many arguments"},
        {{"--report"}, "no date given after --report; usage:"},
        {{"--report", "2009-01-01", "2009-01-02"}, "too many arguments; usage:"},
        {{"--report", "2010-02-29"}, "no such day: 2010-02-29"},
        {{"--ics", "2020-01-01"}, "--ics needs FROM and TO; usage:"},
        {{"--ics", "2020-12-31", "2020-01-01"}, "FROM 2020-12-31 is after TO 2020-01-01"},
        {{"--ics", "1899-01-01", "2020-01-01"}, "date out of range: 1899-01-01"},
    };
    for (const auto& [arguments, message] : cases) {
        int loads = 0;
        DaysCommandSources counting = sources();
        counting.loadTexts = [&loads] {
            ++loads;
            return report::loadTextResources();
        };
        const DaysCommandResult result = run(arguments, counting);
        EXPECT_EQ(std::tuple(result.exitCode, result.out, lineCount(result.err), loads),
                  std::tuple(2, "", 1u, 0))
            << arguments.join(' ').toStdString();
        EXPECT_EQ(result.err.rfind("kesparo-days: " + std::string(message), 0), 0u) << result.err;
    }
    // Texts that fail to load refuse the report with the loader's own words.
    DaysCommandSources failing = sources();
    failing.loadTexts = [] { return report::TextResourceLoad{{}, QStringLiteral("文字资源 104 缺失")}; };
    EXPECT_EQ(run({QStringLiteral("--report"), QStringLiteral("2009-06-27")}, failing).err,
              "kesparo-days: 文字资源 104 缺失\n");
}

// The executables themselves: exit status and streams reach the caller, the arguments are their
// own (no toolkit takes any), output that cannot be written is a failure, and the calendar answers
// --help and --version without a display.
TEST(CommandLine, ExecutablesReportThroughExitStatusAndStreams) {
    const QString days = QStringLiteral(KESPARO_DAYS_EXECUTABLE);
    const QString calendar = QStringLiteral(KESPARO_EXECUTABLE);
    const std::string cannotWrite = "kesparo-days: cannot write output: ";
    enum Output { Read, FullDisk, ClosedPipe };
    const std::tuple<QString, QStringList, Output, int, std::string, std::string> cases[] = {
        // The program, its arguments, where the output goes, the exit status, stdout's and stderr's start.
        {days, {"2009-01-26"}, Read, 0, "2009-01-26\t2009\t1\t1\t0\t", ""},
        {days, {"2009-02-30"}, Read, 2, "", "kesparo-days: no such day: 2009-02-30\n"},
        {days,
         {"-qmljsdebugger=x", "2009-01-26"},
         Read,
         2,
         "",
         "kesparo-days: unknown option '-qmljsdebugger=x'"},
        {days,
         {"-platform", "offscreen", "2009-01-26"},
         Read,
         2,
         "",
         "kesparo-days: unknown option '-platform'"},
        {days, {"1900-01-31", "2050-01-22"}, FullDisk, 1, "", cannotWrite + std::strerror(ENOSPC) + "\n"},
        {days, {"--report", "2010-03-31"}, Read, 0, "===================================\r\n", ""},
        {days, {"--ics", "2020-01-01", "2020-01-31"}, Read, 0, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", ""},
        // The shell ignores SIGPIPE for the command and prints its status after what it wrote.
        {days,
         {"1900-01-31", "2050-01-22"},
         ClosedPipe,
         0,
         "",
         cannotWrite + std::strerror(EPIPE) + "\nexit 1\n"},
        {calendar, {"--help"}, Read, 0, "Usage: kesparo [--help | --version]\n", ""},
        {calendar, {"--version"}, Read, 0, "kesparo " KESPARO_VERSION "\n", ""},
        {calendar, {"--version"}, FullDisk, 1, "", "kesparo: cannot write output: "},
        {calendar,
         {"-x"},
         Read,
         2,
         "",
         "kesparo: unknown option '-x'; usage: kesparo [--help | --version]\n"},
    };
    for (const auto& [program, arguments, output, exitCode, out, err] : cases) {
        SCOPED_TRACE((program + u' ' + arguments.join(u' ')).toStdString());
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(display));
        process.setProcessEnvironment(environment);
        if (output == FullDisk)
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
        if (output == ClosedPipe)
            process.start(
                QStringLiteral("/bin/sh"),
                QStringList{QStringLiteral("-c"),
                            QStringLiteral("trap '' PIPE; { \"$0\" \"$@\"; echo \"exit $?\" >&2; } | "
                                           "head -c 1 >/dev/null"),
                            program} +
                    arguments);
        else
            process.start(program, arguments);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitCode(), exitCode);
        const std::string stdOut = process.readAllStandardOutput().toStdString();
        const std::string stdErr = process.readAllStandardError().toStdString();
        EXPECT_EQ(stdOut.substr(0, out.size()), out);
        EXPECT_EQ(stdErr.substr(0, err.size()), err);
        EXPECT_EQ(lineCount(stdErr), output == ClosedPipe ? 2u : exitCode ? 1u : 0u) << stdErr;
    }
}
