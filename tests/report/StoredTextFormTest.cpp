// The stored text files in resources/, read byte for byte: GBK without byte-order mark or zero
// padding, records joined by CR LF, the counts, heads, orders and break marks that the report's
// lookups rely on, and the same bytes inside the program.

#include "ReportTestSupport.h"
#include "engine/clsDate.h"
#include "platform/text/GbkDecoder.h"
#include "platform/text/ResourceStore.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct StoredFile {
    int id;
    const char* name;
    qsizetype records;
    bool closingCrLf; // a CR LF after the last record as well
    const char* breakMark;
};

const StoredFile kFiles[] = {
    {101, "101-sign-birthdays.txt", 366, false, nullptr}, {102, "102-sign-couples.txt", 12, false, "\\n"},
    {103, "103-zodiac-legends.txt", 12, false, "\\n"},    {104, "104-birth-flowers.txt", 366, true, "\\n"},
    {105, "105-day-of-month.txt", 31, true, nullptr},     {106, "106-sign-profiles.txt", 12, true, "$"},
};

QByteArray storedBytes(int id) {
    for (const StoredFile& file : kFiles) {
        if (file.id == id) {
            QFile stored(QStringLiteral(KESPARO_RESOURCE_DIR "/") + QLatin1String(file.name));
            return stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray();
        }
    }
    return {};
}

// The records of a stored file, without the empty part after a closing CR LF.
QStringList storedRecords(int id) {
    QStringList parts =
        platform::gbkDecoder().decode(storedBytes(id)).value_or(QString()).split(QStringLiteral("\r\n"));
    if (id >= 104)
        parts.removeLast();
    return parts;
}

class StoredText : public testing::TestWithParam<StoredFile> {};

TEST_P(StoredText, IsGbkRecordsJoinedByCrLf) {
    const StoredFile& file = GetParam();
    const QByteArray bytes = storedBytes(file.id);
    ASSERT_FALSE(bytes.isEmpty()) << file.name;
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "byte-order mark";
    EXPECT_FALSE(bytes.contains('\0')) << "zero byte (padding)";
    EXPECT_EQ(bytes.endsWith("\r\n"), file.closingCrLf);

    const std::optional<QString> text = platform::gbkDecoder().decode(bytes);
    ASSERT_TRUE(text.has_value()) << "not GBK";
    const QStringList parts = text->split(QStringLiteral("\r\n"));
    ASSERT_EQ(parts.size(), file.records + (file.closingCrLf ? 1 : 0));
    for (qsizetype i = 0; i < file.records; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(parts[i].isEmpty());
        EXPECT_FALSE(parts[i].contains(u'\r') || parts[i].contains(u'\n')) << "bare CR or LF";
        // Backslashes and dollars only as the break mark of this file.
        QString rest = parts[i];
        if (file.breakMark)
            rest.remove(QLatin1String(file.breakMark));
        EXPECT_FALSE(rest.contains(u'\\') || rest.contains(u'$')) << "stray break mark";
    }
    if (file.breakMark) {
        EXPECT_TRUE(parts[0].contains(QLatin1String(file.breakMark)));
    }
}

TEST_P(StoredText, TheProgramCarriesTheSameBytes) {
    const platform::QtResourceStore store(QString::fromLatin1(report::kTextResourcePrefix));
    EXPECT_EQ(store.bytes(GetParam().id), storedBytes(GetParam().id));
}

INSTANTIATE_TEST_SUITE_P(Resources, StoredText, testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::to_string(info.param.id); });

// 101 and 104: one record per date in calendar order, so element i of both belongs to one date;
// 101's head names the star sign the calendar gives that date.
TEST(StoredTexts, BirthdaysAndFlowersRunThroughALeapYear) {
    const QStringList birthdays = storedRecords(101);
    const QStringList flowers = storedRecords(104);
    const std::vector<MonthDay> dates = datesOfALeapYear();
    ASSERT_EQ(birthdays.size(), 366);
    ASSERT_EQ(flowers.size(), 366);
    const clsDate calendar;
    static const char* const sections[] = {"【生日花】",   "【花语】", "【守护星】", "【命运】",
                                           "【代表人物】", "【性格】", "【优点】",   "【缺点】"};
    for (std::size_t i = 0; i < dates.size(); ++i) {
        const auto [month, day] = dates[i];
        const QString date = QStringLiteral("%1月%2日").arg(month).arg(day);
        SCOPED_TRACE(date.toStdString());
        EXPECT_TRUE(birthdays[i].startsWith(calendar.Constellation(month, day) + QStringLiteral("座的生日(") +
                                            date + QStringLiteral(")：")));
        EXPECT_TRUE(flowers[i].startsWith(date + QStringLiteral("出生的人：\\n【生日花】")));
        qsizetype from = 0;
        for (const char* section : sections) {
            from = flowers[i].indexOf(QStringLiteral("\\n") + QString::fromUtf8(section), from);
            EXPECT_GE(from, 0) << section << " missing or out of order";
        }
    }
}

TEST(StoredTexts, SignsAndAnimalsStandInTheirOrder) {
    const auto heads = [](const QStringList& records, qsizetype length) {
        QStringList result;
        for (const QString& record : records)
            result << record.left(length);
        return result.join(u' ');
    };
    EXPECT_EQ(heads(storedRecords(102), 11),
              QStringLiteral(
                  "水瓶座的男人和女人\\n 狮子座的男人和女人\\n 双鱼座的男人和女人\\n 处女座的男人和女人\\n "
                  "摩羯座的男人和女人\\n 天秤座的男人和女人\\n 金牛座的男人和女人\\n 天蝎座的男人和女人\\n "
                  "双子座的男人和女人\\n 射手座的男人和女人\\n 巨蟹座的男人和女人\\n 白羊座的男人和女人\\n"));
    EXPECT_EQ(heads(storedRecords(106), 9),
              QStringLiteral(
                  "白羊座人的资料：$ 金牛座人的资料：$ 双子座人的资料：$ 巨蟹座人的资料：$ 狮子座人的资料：$ "
                  "处女座人的资料：$ 天秤座人的资料：$ 天蝎座人的资料：$ 射手座人的资料：$ "
                  "摩羯座人的资料：$ 水瓶座人的资料：$ 双鱼座人的资料：$"));

    // 103: the traditional head, the heading with the same character, and the simplified name that
    // the calendar gives, found in its own record and in none before it.
    const QStringList legends = storedRecords(103);
    const QString headChars = QStringLiteral("鼠馬牛羊虎猴兔鷄龍狗蛇豬");
    const QString names = QStringLiteral("鼠马牛羊虎猴兔鸡龙狗蛇猪");
    ASSERT_EQ(legends.size(), 12);
    for (qsizetype i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(legends[i].startsWith(headChars[i] + QStringLiteral("\\n“") + headChars[i] +
                                          QStringLiteral("”字的传说：")));
        EXPECT_TRUE(legends[i].contains(names[i]));
        for (qsizetype before = 0; before < i; ++before)
            EXPECT_FALSE(legends[before].contains(names[i])) << "record " << before;
    }
}

TEST(StoredTexts, DaysOfTheMonthAndProfilesHaveTheirShape) {
    const QStringList days = storedRecords(105);
    ASSERT_EQ(days.size(), 31);
    for (int k = 0; k < 31; ++k)
        EXPECT_TRUE(days[k].startsWith(QString::number(k + 1) + QStringLiteral("日出生的人"))) << k;

    // A profile: its head, then 17 pairs of a label ending in a full-width colon and its text.
    const QStringList profiles = storedRecords(106);
    EXPECT_TRUE(profiles.value(0).startsWith(QStringLiteral("白羊座人的资料：$星座辩解方式：$")));
    for (const QString& profile : profiles) {
        const QStringList segments = profile.split(u'$');
        ASSERT_EQ(segments.size(), 35) << profile.left(3).toStdString();
        for (qsizetype label = 1; label < 35; label += 2) {
            EXPECT_TRUE(segments[label].endsWith(u'：') && segments[label].size() > 1) << label;
            EXPECT_GT(segments[label + 1].size(), 20) << label;
        }
    }
}

} // namespace
