// kesparo-days: its lines for known days, and every way of refusing its arguments.

#include "tools/days/DaysCommand.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {
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

// The executable itself: the exit status and the two streams reach the caller.
TEST(DaysCommand, ExecutableReportsThroughExitStatusAndStreams) {
    QProcess good;
    good.start(QStringLiteral(KESPARO_DAYS_EXECUTABLE), {QStringLiteral("2009-01-26")});
    ASSERT_TRUE(good.waitForFinished(10000));
    EXPECT_EQ(good.exitCode(), 0);
    EXPECT_TRUE(good.readAllStandardOutput().startsWith("2009-01-26\t2009\t1\t1\t0\t"));
    EXPECT_TRUE(good.readAllStandardError().isEmpty());

    QProcess bad;
    bad.start(QStringLiteral(KESPARO_DAYS_EXECUTABLE), {QStringLiteral("2009-02-30")});
    ASSERT_TRUE(bad.waitForFinished(10000));
    EXPECT_EQ(bad.exitCode(), 2);
    EXPECT_TRUE(bad.readAllStandardOutput().isEmpty());
    EXPECT_EQ(bad.readAllStandardError(), QByteArray("kesparo-days: no such day: 2009-02-30\n"));
}
