// SPDX-License-Identifier: GPL-3.0-or-later
// kesparo-days and the calendar's own command line: the lines of known days (tests/data), the
// day report of --report, the iCalendar file of --ics, every way of refusing arguments (one line,
// nothing on stdout, exit 2), and the executables' streams and exit status when their output cannot
// be written or there is no display.

#include "tools/days/DaysCommand.h"
#include "report/ICalendarWriter.h"
#include "tests/tools/DataTable.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

const QDateTime kStamp = QDateTime::fromSecsSinceEpoch(1780000000, QTimeZone::utc());

int loads = 0; // of the texts and the official days, by sources()

// The program's texts, the carried official days (no user file), a fixed moment.
DaysCommandSources sources() {
    return {[] { return ++loads, report::loadTextResources(); },
            [] {
                return ++loads, report::OfficialDaysLoad{report::carriedOfficialDays(), {}};
            },
            [] { return kStamp; }};
}

DaysCommandResult run(const QStringList& arguments, DaysCommandSources from = sources()) {
    return runDaysCommand(arguments, from);
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

// Each known day's line field by field, the 19th (休/班 and the holiday) included; a run of days.
// The user's own official days count, and each bad line of theirs is one warning that does not stop
// the answer.
TEST(DaysCommand, LinesOfDays) {
    const QList<QStringList> known = testDataRows(QStringLiteral("days-known.tsv"));
    EXPECT_EQ(known.size(), 6);
    for (const QStringList& row : known) {
        const DaysCommandResult result = run({row[0]});
        EXPECT_EQ(std::tuple(result.exitCode, result.out, result.err),
                  std::tuple(0, row.join(u'\t').toStdString() + "\n", ""));
    }
    const DaysCommandResult whole = run({QStringLiteral("1900-01-31"), QStringLiteral("2050-01-22")});
    EXPECT_EQ(lineCount(whole.out), 54779u);
    EXPECT_EQ(whole.out.rfind("1900-01-31\t", 0), 0u);
    EXPECT_NE(whole.out.find("\n2050-01-22\t"), std::string::npos);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("holidays.tsv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) &&
                file.write("2027-01-01\t休\t元旦\n2027-13-01\t休\t坏日子\n") > 0);
    file.close();
    DaysCommandSources withFile = sources();
    withFile.loadOfficialDays = [path] { return report::loadOfficialDays(path); };
    const DaysCommandResult result = run({QStringLiteral("2027-01-01")}, withFile);
    EXPECT_TRUE(result.exitCode == 0 && result.out.ends_with("\t休 元旦\n")) << result.out;
    EXPECT_EQ(result.err.rfind("kesparo-days: " + path.toStdString() + ":2: ", 0), 0u) << result.err;
    EXPECT_EQ(lineCount(result.err), 1u);
}

// --report prints the day's report byte for byte as stored; --ics the iCalendar text of the days.
TEST(DaysCommand, ReportAndCalendar) {
    const DaysCommandResult report = run({QStringLiteral("--report"), QStringLiteral("2015-09-27")});
    EXPECT_EQ(report.exitCode, 0);
    EXPECT_TRUE(report.out == testData(QStringLiteral("../report/golden/2015-09-27.txt")).toStdString());
    const DaysCommandResult ics =
        run({QStringLiteral("--ics"), QStringLiteral("2020-01-01"), QStringLiteral("2020-12-31")});
    EXPECT_EQ(ics.exitCode, 0);
    EXPECT_EQ(ics.out,
              report::iCalendarText(core::dayNumber(2020, 1, 1), core::dayNumber(2020, 12, 31),
                                    report::kAllCalendarEventKinds, report::carriedOfficialDays(), kStamp)
                  .toStdString());
}

// Every refusal (tests/data/days-refusals.tsv) is one line on stderr, nothing on stdout and exit
// status 2, before anything is loaded.
TEST(DaysCommand, RefusesBadArgumentsInOneLine) {
    const QList<QStringList> cases = testDataRows(QStringLiteral("days-refusals.tsv"));
    EXPECT_EQ(cases.size(), 24);
    for (const QStringList& row : cases) {
        const int loadsBefore = loads;
        const DaysCommandResult result = run(row.mid(1));
        EXPECT_EQ(std::tuple(result.exitCode, result.out, lineCount(result.err), loads - loadsBefore),
                  std::tuple(2, "", 1u, 0))
            << row.join(u' ').toStdString();
        EXPECT_EQ(result.err.rfind("kesparo-days: " + row[0].toStdString(), 0), 0u) << result.err;
    }
    // Texts that fail to load refuse the report with the loader's own words.
    DaysCommandSources failing = sources();
    failing.loadTexts = [] { return report::TextResourceLoad{{}, QStringLiteral("文字资源 104 缺失")}; };
    EXPECT_EQ(run({QStringLiteral("--report"), QStringLiteral("2009-06-27")}, failing).err,
              "kesparo-days: 文字资源 104 缺失\n");
}

// The executables themselves (tests/data/command-line-runs.tsv): exit status and streams reach the
// caller, the arguments are their own (no toolkit takes any), output that cannot be written is a
// failure, and the calendar answers --help and --version without a display.
TEST(CommandLine, ExecutablesReportThroughExitStatusAndStreams) {
    const QList<QStringList> cases = testDataRows(QStringLiteral("command-line-runs.tsv"));
    EXPECT_EQ(cases.size(), 14);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(display));
    for (const QStringList& row : cases) {
        SCOPED_TRACE(row.join(u' ').toStdString());
        const QString program = row[0] == QLatin1String("kesparo") ? QStringLiteral(KESPARO_EXECUTABLE)
                                                                   : QStringLiteral(KESPARO_DAYS_EXECUTABLE);
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("/bin/sh"),
                      QStringList{QStringLiteral("-c"), row[1], program} + row.mid(6));
        ASSERT_TRUE(process.waitForFinished(20000));
        const std::string out =
            QString(row[4]).replace(QLatin1String("@VERSION@"), KESPARO_VERSION).toStdString();
        const std::string err = row[5].toStdString();
        const std::string stdOut = process.readAllStandardOutput().toStdString();
        const std::string stdErr = process.readAllStandardError().toStdString();
        EXPECT_EQ(process.exitCode(), row[2].toInt());
        EXPECT_EQ(stdOut.substr(0, out.size()), out);
        EXPECT_EQ(stdErr.substr(0, err.size()), err);
        EXPECT_EQ(lineCount(stdErr), row[3].toUInt()) << stdErr;
    }
}
