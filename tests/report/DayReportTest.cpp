// The day report: whole reports of chosen days against stored goldens, and the frame of the
// report on small made-up texts, where every line can be read off the test.

#include "report/DayReport.h"
#include "ReportTestSupport.h"
#include "report/TextLookups.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using report::TextResources;

const QString kSeparator = QStringLiteral("===================================");

QString buildReport(const TextResources& texts, int year, int month, int day) {
    clsDate calendar;
    return report::buildDayReport(calendar, texts, year, month, day);
}

QString reportLine(const QString& report, int index) {
    return report.split(QStringLiteral("\r\n")).value(index);
}

// The first line where two reports part, for a readable failure instead of two 9 KB strings.
std::string firstDifference(const QByteArray& expected, const QByteArray& actual) {
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i) {
        if (want.value(i) != got.value(i)) {
            return "line " + std::to_string(i + 1) + "\n  expected: " + want.value(i).toStdString() +
                   "\n  actual:   " + got.value(i).toStdString();
        }
    }
    return {};
}

// ---------------------------------------------------------------------------------------------
// Goldens: the report of each day with the program's own texts, byte for byte as UTF-8 with CR LF.
//
//   2009-01-25  除夕 closing a 30-day 腊月; January before the new year (戊子, 鼠); 水瓶
//   2009-06-27  闰五月初五; no festival of any kind; 巨蟹
//   2010-01-15  摩羯; January before the new year (己丑, 牛), 十二月初一
//   2010-03-31  a 31st, so the last day-of-month text; 白羊
//   2012-02-29  29 February: the 60th birthday and flower records; 双鱼
//   2013-02-09  除夕 closing a 29-day 腊月; February before the new year (壬辰, 龙)
//   2015-09-27  世界旅游日, 国际聋人节 (fourth Sunday of September) and 中秋节 on one day; 天秤

struct GoldenDay {
    int year;
    int month;
    int day;
};

class DayReportGolden : public testing::TestWithParam<GoldenDay> {};

TEST_P(DayReportGolden, MatchesTheStoredReport) {
    ASSERT_TRUE(programTexts().ok()) << programTexts().failure.toStdString();
    const auto [year, month, day] = GetParam();
    const QString name = QString::asprintf("%04d-%02d-%02d.txt", year, month, day);
    QFile file(QStringLiteral(KESPARO_GOLDEN_DIR "/") + name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray golden = file.readAll();

    clsDate calendar;
    const QByteArray report =
        report::buildDayReport(calendar, programTexts().texts, year, month, day).toUtf8();
    EXPECT_EQ(firstDifference(golden, report), "");
    EXPECT_TRUE(report == golden) << "sizes " << golden.size() << " and " << report.size();

    // The calendar is left on the chosen day.
    EXPECT_EQ(calendar.sYear(), year);
    EXPECT_EQ(calendar.sMonth(), month);
    EXPECT_EQ(calendar.sDay(), day);
    EXPECT_EQ(calendar.SolarDate(), platform::dayNumber(year, month, day));
}

INSTANTIATE_TEST_SUITE_P(ChosenDays, DayReportGolden,
                         testing::Values(GoldenDay{2009, 1, 25}, GoldenDay{2009, 6, 27},
                                         GoldenDay{2010, 1, 15}, GoldenDay{2010, 3, 31},
                                         GoldenDay{2012, 2, 29}, GoldenDay{2013, 2, 9},
                                         GoldenDay{2015, 9, 27}),
                         [](const testing::TestParamInfo<GoldenDay>& info) {
                             return QString::asprintf("d%04d%02d%02d", info.param.year, info.param.month,
                                                      info.param.day)
                                 .toStdString();
                         });

// ---------------------------------------------------------------------------------------------
// The frame, on made-up texts with one short record per section.

TextResources smallTexts() {
    TextResources t;
    t.SignBirthdays = {QStringLiteral("巨蟹座的生日(6月26日)：前一天"),
                       QStringLiteral("巨蟹座的生日(6月27日)：性格")};
    t.BirthFlowers = {QStringLiteral("6月26日出生的人："),
                      QStringLiteral("6月27日出生的人：\\n【生日花】凌霄")};
    for (int day = 1; day <= 31; ++day)
        t.DayOfMonthTexts << QStringLiteral("%1日出生的人").arg(day);
    t.DayOfMonthTexts << QString();
    t.SignProfiles = {QStringLiteral("巨蟹座人的资料：$优点：$体贴"), QString()};
    t.SignCouples = {QStringLiteral("巨蟹座的男人和女人\\n恋爱")};
    t.ZodiacLegends = {QStringLiteral("鼠\\n鼠的传说"), QStringLiteral("牛\\n牛的传说")};
    return t;
}

// Every step in its order: headings, separators, the space between the two solar festival
// names, the blank lines after the birthday character and the profile, the one before the love
// text.
TEST(DayReport, EveryLineInItsPlace) {
    const QString expected =
        QStringList{
            kSeparator,
            "日程信息 (2009年6月27日)",
            kSeparator,
            "年份：中华人民共和国成立六十周年",
            "公历：2009年6月27日 星期六",
            "农历：己丑(牛)年闰五月初五",
            kSeparator,
            "公历节日：",
            " ",
            "农历节日：",
            "",
            kSeparator,
            "27日出生的人",
            kSeparator,
            "生日花语 - 6月27日出生的人：",
            "【生日花】凌霄",
            kSeparator,
            "星座：巨蟹座(阴性、水象星座守护行星：月亮)",
            "巨蟹座的生日(6月27日)：性格",
            "",
            "巨蟹座人的资料：",
            "优点：",
            "体贴",
            "",
            "",
            "巨蟹座的男人和女人",
            "恋爱",
            kSeparator,
            "属相：牛",
            "牛的传说",
            "",
        }
            .join(QStringLiteral("\r\n"));
    EXPECT_EQ(buildReport(smallTexts(), 2009, 6, 27), expected);
}

// Nothing found adds nothing: the headings, separators and fixed line breaks stand alone, the
// flower heading runs into the separator, and the report ends with "属相：".
TEST(DayReport, MissingRecordsLeaveOnlyTheFrame) {
    const auto frame = [](const QString& dayOfMonthLine) {
        return QStringList{
            kSeparator,
            "日程信息 (2012年2月29日)",
            kSeparator,
            "年份：中华人民共和国成立六十三周年",
            "公历：2012年2月29日 星期三",
            "农历：壬辰(龙)年二月初八",
            kSeparator,
            "公历节日：",
            " ",
            "农历节日：",
            "",
            kSeparator,
            dayOfMonthLine,
            kSeparator,
            "生日花语 - " + kSeparator,
            "星座：双鱼座(阴性、水象星座，守护行星：海王星)",
            "",
            kSeparator,
            "属相：",
        }
            .join(QStringLiteral("\r\n"));
    };
    EXPECT_EQ(buildReport(TextResources{}, 2012, 2, 29), frame(QString()));

    // Texts that hold records, but none for this date, sign or animal, add nothing either.
    EXPECT_EQ(buildReport(smallTexts(), 2012, 2, 29), frame(QStringLiteral("29日出生的人")));
}

// A sign without a profile: after the birthday character and its blank line comes one more
// empty line, then the love text.
TEST(DayReport, MissingProfileLeavesOneEmptyLine) {
    TextResources texts = smallTexts();
    texts.SignProfiles = {QStringLiteral("狮子座人的资料：$")};
    const QString report = buildReport(texts, 2009, 6, 27);
    EXPECT_TRUE(report.contains(QStringLiteral("(6月27日)：性格\r\n\r\n\r\n巨蟹座的男人和女人\r\n")))
        << report.toStdString();
}

// Break marks become CR LF exactly where they stand: every occurrence, left to right, without
// overlap; a backslash before another n stays, a capital N is no mark, bare LF passes through.
// 101 and 105 records are quoted as they stand, marks and all.
TEST(DayReport, BreakMarksReplacedExactlyAndEverywhere) {
    TextResources texts = smallTexts();
    texts.BirthFlowers[1] = QStringLiteral("6月27日\\n\\na\\\\nb\\Nc\nd$e\\n");
    texts.SignProfiles[0] = QStringLiteral("巨蟹座$$x\\ny$");
    texts.SignCouples[0] = QStringLiteral("巨蟹座的男人和女人\\\\n$\\n");
    texts.ZodiacLegends[1] = QStringLiteral("牛\\n\\n\n");
    texts.SignBirthdays[1] = QStringLiteral("巨蟹座的生日(6月27日)：\\n$");
    texts.DayOfMonthTexts[26] = QStringLiteral("27日\\n$\n");
    const QString report = buildReport(texts, 2009, 6, 27);

    EXPECT_TRUE(report.contains(QStringLiteral("\r\n27日\\n$\n\r\n"))) << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("生日花语 - 6月27日\r\n\r\na\\\r\nb\\Nc\nd$e\r\n\r\n"
                                               "===")))
        << report.toStdString();
    EXPECT_TRUE(report.contains(QStringLiteral("\r\n巨蟹座的生日(6月27日)：\\n$\r\n\r\n"
                                               "巨蟹座\r\n\r\nx\\ny\r\n\r\n\r\n\r\n"
                                               "巨蟹座的男人和女人\\\r\n$\r\n\r\n===")))
        << report.toStdString();
    EXPECT_TRUE(report.endsWith(QStringLiteral("属相：牛\r\n\r\n\n\r\n"))) << report.toStdString();
}

// ---------------------------------------------------------------------------------------------
// Calendar lines, with the program's own texts.

// "闰" stands between "年" and the month name, only in a leap month.
TEST(DayReport, LeapMarkOnlyInALeapMonth) {
    const std::pair<GoldenDay, const char*> cases[] = {
        {{2009, 5, 27}, "农历：己丑(牛)年五月初四"},    // the ordinary fifth month
        {{2009, 6, 23}, "农历：己丑(牛)年闰五月初一"},  // first day of its leap repetition
        {{2009, 7, 21}, "农历：己丑(牛)年闰五月廿九"},  // its last day
        {{2009, 7, 22}, "农历：己丑(牛)年六月初一"},    // and the month after
        {{2012, 5, 21}, "农历：壬辰(龙)年闰四月初一"},  // a leap fourth month
        {{2014, 10, 24}, "农历：甲午(马)年闰九月初一"}, // a leap ninth month
        {{2009, 12, 16}, "农历：己丑(牛)年十一月初一"},
    };
    for (const auto& [date, line] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(reportLine(buildReport(programTexts().texts, date.year, date.month, date.day), 5),
                  QString::fromUtf8(line));
    }
}

// The 农历 line and the 属相 section name the lunar year of the day, which before the lunar new
// year is the year before the solar one; the 年份 line keeps the solar year's era.
TEST(DayReport, LunarYearNamedUntilItsLastDay) {
    const QString eve = buildReport(programTexts().texts, 2010, 2, 13);
    EXPECT_EQ(reportLine(eve, 3), QStringLiteral("年份：中华人民共和国成立六十一周年"));
    EXPECT_EQ(reportLine(eve, 5), QStringLiteral("农历：己丑(牛)年十二月三十"));
    EXPECT_TRUE(eve.contains(QStringLiteral("属相：牛\r\n“牛”字的传说："))) << eve.toStdString();

    const QString newYear = buildReport(programTexts().texts, 2010, 2, 14);
    EXPECT_EQ(reportLine(newYear, 5), QStringLiteral("农历：庚寅(虎)年一月初一"));
    EXPECT_EQ(reportLine(newYear, 10), QStringLiteral("春节"));
    EXPECT_TRUE(newYear.contains(QStringLiteral("属相：虎\r\n“虎”字的传说："))) << newYear.toStdString();
}

// The solar festival, one space, the weekday festival: the space stands whichever is missing.
TEST(DayReport, FestivalLines) {
    const std::tuple<GoldenDay, const char*, const char*> cases[] = {
        {{2009, 10, 1}, "国庆节 国际音乐日 ", ""},
        {{2009, 5, 10}, " 国际母亲节", ""},
        {{2011, 5, 8}, "世界红十字日 国际母亲节", ""},
        {{2009, 5, 28}, " ", "端午节"},
        {{2009, 6, 26}, "国际禁毒日 ", ""}, // the leap month's 初四: no lunar festival
    };
    for (const auto& [date, solar, lunar] : cases) {
        SCOPED_TRACE(solar);
        const QString report = buildReport(programTexts().texts, date.year, date.month, date.day);
        EXPECT_EQ(reportLine(report, 7), QStringLiteral("公历节日："));
        EXPECT_EQ(reportLine(report, 8), QString::fromUtf8(solar));
        EXPECT_EQ(reportLine(report, 9), QStringLiteral("农历节日："));
        EXPECT_EQ(reportLine(report, 10), QString::fromUtf8(lunar));
    }
}

} // namespace
