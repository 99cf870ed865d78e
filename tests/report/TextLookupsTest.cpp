// The six lookups of the day report, on the program's own texts and on small made-up arrays.

#include "report/TextLookups.h"
#include "ReportTestSupport.h"
#include "engine/clsDate.h"

#include <gtest/gtest.h>

namespace {

using report::TextResources;

const TextResources& texts() {
    return programTexts().texts;
}

// A key can stand inside another date's record: "1月1日" inside 1 November's "(11月1日)", "2月1日"
// inside 1 December's "(12月1日)", and any date may be named in an earlier record's text. The
// first match must still be the date's own record, for every date: 1 January the first, 29
// February the 60th, never the empty element after 104's closing CR LF.
TEST(TextLookups, EveryDateFindsItsOwnBirthdayAndFlower) {
    const std::vector<MonthDay> dates = datesOfALeapYear();
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const auto [month, day] = dates[i];
        const QString date = QStringLiteral("%1月%2日").arg(month).arg(day);
        SCOPED_TRACE(date.toStdString());
        ASSERT_EQ(report::birthdayIndex(texts(), month, day), static_cast<qsizetype>(i));
        EXPECT_TRUE(report::birthdayCharacter(texts(), month, day).value_or("").contains(u'(' + date + u')'));
        EXPECT_TRUE(report::birthdayFlower(texts(), month, day)
                        .value_or("")
                        .startsWith(date + QStringLiteral("出生的人：")));
    }
    EXPECT_EQ(report::birthdayIndex(texts(), 4, 31), std::nullopt); // no other key holds "4月31日"
}

TEST(TextLookups, DayOfMonthIsTheElementBeforeIt) {
    EXPECT_TRUE(report::dayOfMonthText(texts(), 1).value_or("").startsWith(QStringLiteral("1日出生的人")));
    EXPECT_TRUE(report::dayOfMonthText(texts(), 24).value_or("").startsWith(QStringLiteral("24日出生的人")));
    EXPECT_TRUE(report::dayOfMonthText(texts(), 31).value_or("").startsWith(QStringLiteral("31日出生的人")));
    // The empty element after the closing CR LF is no day's text.
    EXPECT_EQ(report::dayOfMonthText(texts(), 32), std::nullopt);
    EXPECT_EQ(report::dayOfMonthText(texts(), 0), std::nullopt);
}

// With the names the calendar gives, every sign finds both its profile and its love text.
TEST(TextLookups, EverySignFindsItsProfileAndLoveText) {
    const clsDate calendar;
    QStringList signs;
    for (const auto [month, day] : datesOfALeapYear()) {
        if (!signs.contains(calendar.Constellation(month, day)))
            signs << calendar.Constellation(month, day);
    }
    ASSERT_EQ(signs.size(), 12);
    for (const QString& sign : signs) {
        SCOPED_TRACE(sign.toStdString());
        EXPECT_TRUE(report::signProfile(texts(), sign)
                        .value_or("")
                        .startsWith(sign + QStringLiteral("座人的资料：")));
        EXPECT_TRUE(report::signLoveText(texts(), sign)
                        .value_or("")
                        .startsWith(sign + QStringLiteral("座的男人和女人")));
    }
    EXPECT_EQ(report::signProfile(texts(), QStringLiteral("山羊")), std::nullopt);
    EXPECT_EQ(report::signLoveText(texts(), QStringLiteral("天平")), std::nullopt);
}

TEST(TextLookups, TheProfileKeyMustOpenTheRecord) {
    TextResources t;
    t.SignProfiles = {"前言：白羊座人", "白羊座", "白羊座人的资料：$b", ""};
    EXPECT_EQ(report::signProfile(t, QStringLiteral("白羊")), QStringLiteral("白羊座"));
    EXPECT_EQ(report::signProfile(t, QStringLiteral("白羊座")), std::nullopt); // four characters
    t.SignProfiles.removeAt(1);
    EXPECT_EQ(report::signProfile(t, QStringLiteral("白羊")), QStringLiteral("白羊座人的资料：$b"));
}

// The years 2000 .. 2011 run through the twelve animals, from the dragon.
TEST(TextLookups, EveryYearFindsItsAnimalsLegend) {
    const clsDate calendar;
    const QString heads = QStringLiteral("龍蛇馬羊猴鷄狗豬鼠牛虎兔");
    for (int year = 2000; year < 2012; ++year) {
        SCOPED_TRACE(year);
        const QChar head = heads[year - 2000];
        EXPECT_TRUE(report::animalLegend(texts(), calendar.YearAttribute(year))
                        .value_or("")
                        .startsWith(head + QStringLiteral("\\n“") + head + QStringLiteral("”")));
    }
    EXPECT_EQ(report::animalLegend(texts(), QStringLiteral("麒麟")), std::nullopt);
}

// Should 101 ever hold more records than 104, a date found past 104's end gets no flower.
TEST(TextLookups, AFlowerIndexPastTheEndFindsNothing) {
    TextResources t;
    t.SignBirthdays = {"x", "(1月1日)"};
    t.BirthFlowers = {"a"};
    EXPECT_EQ(report::birthdayIndex(t, 1, 1), 1);
    EXPECT_EQ(report::birthdayFlower(t, 1, 1), std::nullopt);
}

} // namespace
