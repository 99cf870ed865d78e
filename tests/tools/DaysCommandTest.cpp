// kesparo-days: its lines for known days, the day report of --report, every way of refusing its
// arguments, and the executable's exit status when its output cannot be written.

#include "tools/days/DaysCommand.h"

#include <QFile>
#include <QProcess>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

namespace {
// A stored day report, as the report window holds it (tests/report/golden).
QByteArray goldenReport(const char* date) {
    QFile file(QStringLiteral(KESPARO_TEST_DATA_DIR "/../report/golden/") + QString::fromLatin1(date) +
               QStringLiteral(".txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        result.push_back(text.substr(start, end - start));
    return result;
}
} // namespace

TEST(DaysCommand, KnownDaysFieldByField) {
    const std::pair<const char*, const char*> cases[] = {
        {"2009-01-25",
         "2009-01-"
         "25\t2008\t12\t30\t0\t1\t星期日\t三十\t\t\t0\t除夕\t\t戊子\t鼠\t中华人民共和国成立六十周年\t水瓶\t"
         "阳性、风象星座,守护行星：天王星(传统上为土星)"},
        {"2009-06-27",
         "2009-06-27\t2009\t5\t5\t1\t7\t星期六\t初五\t\t\t0\t\t\t己丑\t牛\t中华人民共和国成立六十周年\t巨蟹\t"
         "阴性、水象星座守护行星：月亮"},
        {"2011-05-08",
         "2011-05-08\t2011\t4\t6\t0\t1\t星期日\t初六\t\t世界红十字日\t0\t\t国际母亲节\t辛卯\t兔\t"
         "中华人民共和国成立六十二周年\t金牛\t阴性、地象星座，守护行星：金星"},
        {"2009-10-02", "2009-10-02\t2009\t8\t14\t0\t6\t星期五\t十四\t\t国庆节假日\t1\t\t\t己丑\t牛\t"
                       "中华人民共和国成立六十周年\t天秤\t阳性、风象星座，守护行星：金星"},
        {"1900-01-31",
         "1900-01-31\t1900\t1\t1\t0\t4\t星期三\t初一\t\t\t0\t春节\t\t庚子\t鼠\t清朝光绪二十六年\t水瓶\t"
         "阳性、风象星座,守护行星：天王星(传统上为土星)"},
        {"2009-02-04",
         "2009-02-"
         "04\t2009\t1\t10\t0\t4\t星期三\t初十\t立春\t\t0\t\t\t己丑\t牛\t中华人民共和国成立六十周年\t水瓶\t"
         "阳性、风象星座,守护行星：天王星(传统上为土星)"},
    };
    for (const auto& [day, expected] : cases) {
        const DaysCommandResult result = runDaysCommand({QString::fromUtf8(day)});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.out, std::string(expected) + "\n");
    }
}

TEST(DaysCommand, RangeOfDays) {
    const DaysCommandResult result =
        runDaysCommand({QStringLiteral("2008-12-30"), QStringLiteral("2009-01-02")});
    ASSERT_EQ(result.exitCode, 0);
    const auto output = lines(result.out);
    ASSERT_EQ(output.size(), 4u);
    EXPECT_EQ(output[0].substr(0, 10), "2008-12-30");
    EXPECT_EQ(output[3].substr(0, 10), "2009-01-02");

    const DaysCommandResult whole =
        runDaysCommand({QStringLiteral("1900-01-31"), QStringLiteral("2050-01-22")});
    EXPECT_EQ(lines(whole.out).size(), 54779u);
}

TEST(DaysCommand, RefusesBadArguments) {
    const std::pair<QStringList, const char*> cases[] = {
        {{}, "kesparo-days: no date given; usage: kesparo-days FROM [TO]"},
        {{"2009-01-01", "2009-01-02", "2009-01-03"}, "kesparo-days: too many arguments; usage:"},
        {{"2009-1-1"}, "kesparo-days: malformed date '2009-1-1': expected YYYY-MM-DD"},
        {{"tomorrow"}, "kesparo-days: malformed date 'tomorrow'"},
        {{"2009-01-01x"}, "kesparo-days: malformed date"},
        {{"2009-02-29"}, "kesparo-days: no such day: 2009-02-29"},
        {{"2009-13-01"}, "kesparo-days: no such day: 2009-13-01"},
        {{"2009-04-31"}, "kesparo-days: no such day: 2009-04-31"},
        {{"1900-01-30"}, "kesparo-days: date out of range: 1900-01-30"},
        {{"2050-01-23"}, "kesparo-days: date out of range: 2050-01-23"},
        {{"2009-01-01", "2050-01-23"}, "kesparo-days: date out of range: 2050-01-23"},
        {{"2009-01-02", "2009-01-01"}, "kesparo-days: FROM 2009-01-02 is after TO 2009-01-01"},
        // Dates are read exactly; what is quoted back cannot break the line or reach the terminal.
        {{"2009-02-03\n"}, "kesparo-days: malformed date '2009-02-03\\n': expected YYYY-MM-DD"},
        {{" 2009-02-03"}, "kesparo-days: malformed date ' 2009-02-03'"},
        {{"2009-02-03", "\x1b]0;pwned\a"}, "kesparo-days: malformed date '\\x1b]0;pwned\\x07'"},
        {{"2009-\xe2\x80\xae"
          "02-03"},
         "kesparo-days: malformed date '2009-\\u202e02-03'"},
        // No option is passed over.
        {{"-x"}, "kesparo-days: unknown option '-x'; usage:"},
        {{"2009-01-01", "--bogus\r"}, "kesparo-days: unknown option '--bogus\\r'"},
        {{"2009-01-01", "--report"}, "kesparo-days: option '--report' must come first"},
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const DaysCommandResult result = runDaysCommand(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind(message, 0), 0u) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
        EXPECT_EQ(result.err.back(), '\n');
    }
}

// The executable itself: the exit status and the two streams reach the caller, its arguments are
// its own (no toolkit option is taken from them), and output that cannot be written is a failure.
TEST(DaysCommand, ExecutableReportsThroughExitStatusAndStreams) {
    const QString days = QStringLiteral(KESPARO_DAYS_EXECUTABLE);
    const std::string cannotWrite = "kesparo-days: cannot write output: ";
    enum Output { Read, FullDisk, ClosedPipe };
    const std::tuple<QStringList, Output, int, std::string> cases[] = {
        // The arguments, where the output goes, the exit status, and the start of stderr.
        {{"2009-01-26"}, Read, 0, ""},
        {{"2009-02-30"}, Read, 2, "kesparo-days: no such day: 2009-02-30\n"},
        {{"-qmljsdebugger=x", "2009-01-26"},
         Read,
         2,
         "kesparo-days: unknown option '-qmljsdebugger=x'; usage:"},
        {{"-platform", "offscreen", "2009-01-26"}, Read, 2, "kesparo-days: unknown option '-platform'"},
        {{"1900-01-31", "2050-01-22"}, FullDisk, 1, cannotWrite + std::strerror(ENOSPC) + "\n"},
        {{"--report", "2009-06-27"}, FullDisk, 1, cannotWrite + std::strerror(ENOSPC) + "\n"},
        // The shell ignores SIGPIPE for the command and prints its status after what it wrote.
        {{"1900-01-31", "2050-01-22"}, ClosedPipe, 0, cannotWrite + std::strerror(EPIPE) + "\nexit 1\n"},
    };
    for (const auto& [arguments, output, exitCode, error] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess process;
        if (output == FullDisk)
            process.setStandardOutputFile(QStringLiteral("/dev/full"));
        if (output == ClosedPipe)
            process.start(
                QStringLiteral("/bin/sh"),
                QStringList{
                    QStringLiteral("-c"),
                    QStringLiteral("trap '' PIPE; { \"$0\" \"$@\"; echo \"exit $?\" >&2; } | head -c 1 "
                                   ">/dev/null"),
                    days} +
                    arguments);
        else
            process.start(days, arguments);
        ASSERT_TRUE(process.waitForFinished(20000));
        EXPECT_EQ(process.exitCode(), exitCode);
        const std::string out = process.readAllStandardOutput().toStdString();
        const std::string err = process.readAllStandardError().toStdString();
        EXPECT_EQ(err.substr(0, error.size()), error);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), output == ClosedPipe ? 2
                                                            : exitCode           ? 1
                                                                                 : 0)
            << err;
        EXPECT_EQ(out.rfind("2009-01-26\t2009\t1\t1\t0\t", 0) == 0, output == Read && exitCode == 0) << out;
    }
}

// --report prints the day's report byte for byte as stored, and nothing else.
TEST(DaysCommand, ReportOfADay) {
    for (const char* date : {"2009-06-27", "2015-09-27"}) {
        SCOPED_TRACE(date);
        const QByteArray golden = goldenReport(date);
        ASSERT_FALSE(golden.isEmpty());
        const DaysCommandResult result =
            runDaysCommand({QStringLiteral("--report"), QString::fromLatin1(date)});
        EXPECT_EQ(result.exitCode, 0);
        EXPECT_EQ(result.err, "");
        EXPECT_TRUE(result.out == golden.toStdString()) << result.out.substr(0, 200);
    }
    // Both ends of the range are reports of their own day.
    const DaysCommandResult first =
        runDaysCommand({QStringLiteral("--report"), QStringLiteral("1900-01-31")});
    EXPECT_EQ(first.exitCode, 0);
    EXPECT_NE(first.out.find("日程信息 (1900年1月31日)\r\n"), std::string::npos);
    EXPECT_NE(first.out.find("农历：庚子(鼠)年一月初一\r\n"), std::string::npos);
    const DaysCommandResult last = runDaysCommand({QStringLiteral("--report"), QStringLiteral("2050-01-22")});
    EXPECT_EQ(last.exitCode, 0);
    EXPECT_NE(last.out.find("日程信息 (2050年1月22日)\r\n"), std::string::npos);
    EXPECT_NE(last.out.find("农历：己巳(蛇)年十二月廿九\r\n"), std::string::npos);
}

TEST(DaysCommand, ReportRefusesBadArguments) {
    const std::pair<QStringList, const char*> cases[] = {
        {{"--report"},
         "kesparo-days: no date given after --report; usage: kesparo-days FROM [TO] | kesparo-days "
         "--report DATE"},
        {{"--report", "2009-01-01", "2009-01-02"}, "kesparo-days: too many arguments; usage:"},
        {{"--report", "2009-6-27"}, "kesparo-days: malformed date '2009-6-27': expected YYYY-MM-DD"},
        {{"--report", "--report"}, "kesparo-days: option '--report' must come first"},
        {{"--report", "2010-02-29"}, "kesparo-days: no such day: 2010-02-29"},
        {{"--report", "2009-06-31"}, "kesparo-days: no such day: 2009-06-31"},
        {{"--report", "1900-01-30"}, "kesparo-days: date out of range: 1900-01-30"},
        {{"--report", "2050-01-23"}, "kesparo-days: date out of range: 2050-01-23"},
        {{"2009-06-27", "--report"}, "kesparo-days: option '--report' must come first"},
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        int loads = 0;
        const DaysCommandResult result = runDaysCommand(arguments, [&loads] {
            ++loads;
            return report::loadTextResources();
        });
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind(message, 0), 0u) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
        EXPECT_EQ(result.err.back(), '\n');
        EXPECT_EQ(loads, 0); // a refused date needs no texts
    }
}

TEST(DaysCommand, ReportRefusedWhenTheTextsFailToLoad) {
    const QString failure = QStringLiteral("程序无法启动：文字资源 104（生日花语）缺失。");
    const DaysCommandResult result =
        runDaysCommand({QStringLiteral("--report"), QStringLiteral("2009-06-27")}, [&failure] {
            report::TextResourceLoad load;
            load.failure = failure;
            return load;
        });
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "kesparo-days: " + failure.toStdString() + "\n");
}

// The executable writes the report's bytes unchanged: CR LF stays CR LF, UTF-8 stays UTF-8.
TEST(DaysCommand, ExecutableWritesTheReportUnchanged) {
    QProcess good;
    good.start(QStringLiteral(KESPARO_DAYS_EXECUTABLE),
               {QStringLiteral("--report"), QStringLiteral("2010-03-31")});
    ASSERT_TRUE(good.waitForFinished(10000));
    EXPECT_EQ(good.exitCode(), 0);
    const QByteArray golden = goldenReport("2010-03-31");
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_TRUE(good.readAllStandardOutput() == golden);
    EXPECT_TRUE(good.readAllStandardError().isEmpty());

    QProcess bad;
    bad.start(QStringLiteral(KESPARO_DAYS_EXECUTABLE), {QStringLiteral("--report")});
    ASSERT_TRUE(bad.waitForFinished(10000));
    EXPECT_EQ(bad.exitCode(), 2);
    EXPECT_TRUE(bad.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(bad.readAllStandardError().startsWith("kesparo-days: no date given after --report; usage:"));
}
