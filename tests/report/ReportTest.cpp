// SPDX-License-Identifier: GPL-3.0-or-later
// The text resources and the day report: the stored files in resources/ read byte for byte, GBK
// decoding by both conversions, loading with the failures that stop start-up, the report's lookups
// on the program's own texts, whole reports against stored goldens, and the frame of the report
// on small made-up texts.

#include "report/DayReport.h"
#include "report/TextLookups.h"
#include "report/TextResourceLoader.h"
#include "tests/engine/TestDate.h"

#include <QDate>
#include <QMap>

namespace {

using report::buildDayReport;
using report::TextResources;

const report::TextResourceLoad& programTexts() {
    static const report::TextResourceLoad load = report::loadTextResources();
    return load;
}

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

QByteArray storedBytes(const StoredFile& file) {
    QFile stored(QStringLiteral(KESPARO_RESOURCE_DIR "/") + QLatin1String(file.name));
    return stored.open(QIODevice::ReadOnly) ? stored.readAll() : QByteArray();
}

class StoredText : public testing::TestWithParam<StoredFile> {};

TEST_P(StoredText, IsGbkRecordsJoinedByCrLfAndCarriedByTheProgram) {
    const StoredFile& file = GetParam();
    const QByteArray bytes = storedBytes(file);
    ASSERT_FALSE(bytes.isEmpty()) << file.name;
    EXPECT_EQ(platform::QtResourceStore(report::kTextResourcePrefix).bytes(file.id), bytes);
    EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF")) << "byte-order mark";
    EXPECT_FALSE(bytes.contains('\0')) << "zero byte (padding)";
    EXPECT_EQ(bytes.endsWith("\r\n"), file.closingCrLf);
    const std::optional<QString> text = platform::gbkDecoder().decode(bytes);
    ASSERT_TRUE(text.has_value()) << "not GBK";
    const QStringList parts = text->split("\r\n");
    ASSERT_EQ(parts.size(), file.records + (file.closingCrLf ? 1 : 0));
    for (qsizetype i = 0; i < file.records; ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(parts[i].isEmpty());
        EXPECT_FALSE(parts[i].contains(u'\r') || parts[i].contains(u'\n')) << "bare CR or LF";
        // Backslashes and dollars only as the break mark of this file.
        const QString rest =
            file.breakMark ? QString(parts[i]).remove(QLatin1String(file.breakMark)) : parts[i];
        EXPECT_FALSE(rest.contains(u'\\') || rest.contains(u'$')) << "stray break mark";
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, StoredText, testing::ValuesIn(kFiles),
                         [](const auto& info) { return std::to_string(info.param.id); });

// The texts the program carries (the stored bytes, as checked above) and the report's lookups.
// For every date the first element of 101 holding its key is its own record, though the key can
// stand inside another's ("1月1日" in "(11月1日)", "2月1日" in "(12月1日)"): 1 January the first, 29
// February the 60th, never the empty element after 104's or 105's closing CR LF. 101's head names
// the calendar's sign of the date. (104's sections are checked with the birthday texts.)
TEST(TextLookups, EveryDateFindsItsOwnRecords) {
    ASSERT_TRUE(programTexts().ok()) << programTexts().failure.toStdString();
    const TextResources& t = programTexts().texts;
    const clsDate calendar;
    qsizetype i = 0;
    for (QDate d(2000, 1, 1); d.year() == 2000; d = d.addDays(1), ++i) {
        const QString date = QString("%1月%2日").arg(d.month()).arg(d.day());
        SCOPED_TRACE(date.toStdString());
        ASSERT_EQ(report::birthdayIndex(t, d.month(), d.day()), i);
        EXPECT_TRUE(report::birthdayCharacter(t, d.month(), d.day())
                        .value_or("")
                        .startsWith(calendar.Constellation(d.month(), d.day()) + "座的生日(" + date + ")："));
        EXPECT_TRUE(report::birthdayFlower(t, d.month(), d.day())
                        .value_or("")
                        .startsWith(date + "出生的人：\\n【生日花】"));
        EXPECT_TRUE(report::dayOfMonthText(t, d.day())
                        .value_or("")
                        .startsWith(QString::number(d.day()) + "日出生的人"));
    }
    EXPECT_EQ(report::birthdayIndex(t, 4, 31), std::nullopt); // no other key holds "4月31日"
    EXPECT_EQ(report::dayOfMonthText(t, 32), std::nullopt);
    EXPECT_EQ(report::dayOfMonthText(t, 0), std::nullopt);
}

// 102 and 106 in their orders of the signs, each profile its head and 17 pairs of a label ending
// in a full-width colon and its text; every sign the calendar names finds both. 103 with the
// traditional head and the heading with the same character; the calendar's simplified name of
// each animal finds its own record first, though the horse and the pig follow other records.
TEST(TextLookups, SignsAndAnimalsStandInTheirOrder) {
    const TextResources& t = programTexts().texts;
    const QString couplesOrder = "水瓶狮子双鱼处女摩羯天秤金牛天蝎双子射手巨蟹白羊";
    const QString profilesOrder = "白羊金牛双子巨蟹狮子处女天秤天蝎射手摩羯水瓶双鱼";
    const QString heads = "鼠馬牛羊虎猴兔鷄龍狗蛇豬", names = "鼠马牛羊虎猴兔鸡龙狗蛇猪";
    const clsDate calendar;
    for (qsizetype i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(t.SignCouples.value(i).startsWith(couplesOrder.mid(2 * i, 2) + "座的男人和女人\\n"));
        EXPECT_TRUE(t.SignProfiles.value(i).startsWith(profilesOrder.mid(2 * i, 2) + "座人的资料：$"));
        const QStringList segments = t.SignProfiles.value(i).split(u'$');
        ASSERT_EQ(segments.size(), 35);
        for (qsizetype label = 1; label < 35; label += 2)
            EXPECT_TRUE(segments[label].size() > 1 && segments[label].endsWith(u'：') &&
                        segments[label + 1].size() > 20)
                << label;
        const QString sign = calendar.Constellation(i + 1, 1);
        EXPECT_TRUE(report::signProfile(t, sign).value_or("").startsWith(sign + "座人的资料："));
        EXPECT_TRUE(report::signLoveText(t, sign).value_or("").startsWith(sign + "座的男人和女人"));

        EXPECT_TRUE(
            t.ZodiacLegends.value(i).startsWith(QString(heads[i]) + "\\n“" + heads[i] + "”字的传说："));
        const QString animal = calendar.YearAttribute(2008 + i); // 2008 the rat's
        EXPECT_EQ(report::animalLegend(t, animal), t.ZodiacLegends.value(names.indexOf(animal)));
    }
}

// Qt's codec and the operating system's conversion read every stored text alike, and both refuse
// what is not GBK: bytes GBK never uses or leaves to the user, a bad byte between good characters,
// a lead byte cut off at the end, 0x7F as a trail byte.
class GbkDecoding : public testing::TestWithParam<std::pair<const platform::GbkDecoder*, bool>> {};

TEST_P(GbkDecoding, ReadsTheStoredTextsAndRefusesWhatIsNotGbk) {
    if (!GetParam().second)
        GTEST_SKIP() << "no such GBK conversion here";
    const platform::GbkDecoder& decoder = *GetParam().first;
    EXPECT_EQ(decoder.decode(""), QString());
    for (const StoredFile& file : kFiles)
        EXPECT_EQ(decoder.decode(storedBytes(file)), platform::gbkDecoder().decode(storedBytes(file)))
            << file.id;
    for (const QByteArrayView bytes : {"\xFF", "\xAA\xA1", "\xC4\xE3\xFF\xBA\xC3", "ab\xC4", "\x81\x7F"})
        EXPECT_EQ(decoder.decode(bytes), std::nullopt) << bytes.toByteArray().toHex().toStdString();
}

const platform::QtGbkDecoder qtDecoder;
const platform::NativeGbkDecoder nativeDecoder;
INSTANTIATE_TEST_SUITE_P(Conversions, GbkDecoding,
                         testing::Values(std::pair{&qtDecoder, platform::QtGbkDecoder::isAvailable()},
                                         std::pair{&nativeDecoder,
                                                   platform::NativeGbkDecoder::isAvailable()}));

// Hands out given bytes and notes which ids were asked for, in order.
struct FakeStore final : platform::ResourceStore {
    QMap<int, QByteArray> resources;
    mutable std::vector<int> asked;
    std::optional<QByteArray> bytes(int id) const override {
        asked.push_back(id);
        return resources.contains(id) ? std::optional(resources.value(id)) : std::nullopt;
    }
};

// The six in id order, split at every CR LF; then missing, empty, a GBK character cut off and a
// byte outside GBK: the failure names the resource, nothing after it is read, nothing is kept.
TEST(TextResourceLoader, ReadsTheSixOrStopsAtTheFirstFailure) {
    FakeStore store;
    for (int id = 101; id <= 106; ++id)
        store.resources[id] = QByteArray::number(id) + "a\r\nb";
    store.resources[104] = "\r\nx\ny\\n\r\n\r\nz\rw\r\n";
    const report::TextResourceLoad load = report::loadTextResources(store, platform::gbkDecoder());
    ASSERT_TRUE(load.ok()) << load.failure.toStdString();
    EXPECT_EQ(store.asked, (std::vector<int>{101, 102, 103, 104, 105, 106}));
    const TextResources& t = load.texts;
    EXPECT_EQ(
        (QList<QStringList>{t.SignBirthdays, t.SignCouples, t.ZodiacLegends, t.DayOfMonthTexts,
                            t.SignProfiles}),
        (QList<QStringList>{{"101a", "b"}, {"102a", "b"}, {"103a", "b"}, {"105a", "b"}, {"106a", "b"}}));
    // Bare LF, bare CR and break marks stay inside their parts; empty parts are kept.
    EXPECT_EQ(t.BirthFlowers, QStringList({"", "x\ny\\n", "", "z\rw", ""}));

    const std::pair<int, std::optional<QByteArray>> failures[] = {
        {104, std::nullopt}, {101, ""}, {103, "\xC4\xE3\xBA"}, {106, "ok\r\n\xFF"}};
    for (const auto& [failing, bytes] : failures) {
        SCOPED_TRACE(failing);
        store = {};
        for (int id = 101; id <= 106; ++id) {
            if (id != failing || bytes)
                store.resources[id] = id == failing ? *bytes : "\xC4\xE3";
        }
        const report::TextResourceLoad failed = report::loadTextResources(store, platform::gbkDecoder());
        EXPECT_FALSE(failed.ok());
        EXPECT_TRUE(failed.failure.contains(QString::number(failing))) << failed.failure.toStdString();
        EXPECT_EQ(store.asked.back(), failing);
        EXPECT_TRUE(failed.texts.SignBirthdays.isEmpty()); // all or nothing
    }
}

// The report of each day with the program's own texts, byte for byte as UTF-8 with CR LF:
//   2009-01-25  除夕 closing a 30-day 腊月; January before the new year (戊子, 鼠); 水瓶
//   2009-05-10  a weekday festival alone, after the space; 金牛
//   2009-05-28  端午节 on 五月初五 of a year that repeats its fifth month; 双子
//   2009-06-26  a solar festival alone, before the space; 闰五月初四
//   2009-06-27  闰五月初五, no 端午节: no festival of any kind; 巨蟹
//   2010-01-15  摩羯; January before the new year (己丑, 牛), 十二月初一
//   2010-03-31  a 31st, so the last day-of-month text; 白羊
//   2012-02-29  29 February: the 60th birthday and flower records; 双鱼
//   2013-02-09  除夕 closing a 29-day 腊月; February before the new year (壬辰, 龙)
//   2015-09-27  世界旅游日, 国际聋人节 (fourth Sunday of September) and 中秋节 on one day; 天秤
class DayReportGolden : public testing::TestWithParam<QDate> {};

TEST_P(DayReportGolden, MatchesTheStoredReport) {
    ASSERT_TRUE(programTexts().ok()) << programTexts().failure.toStdString();
    const QDate d = GetParam();
    QFile file(QStringLiteral(KESPARO_GOLDEN_DIR "/") + d.toString(Qt::ISODate) + ".txt");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    // Compared as std::string, so that a failure shows the lines that differ.
    EXPECT_EQ(buildDayReport(programTexts().texts, d.year(), d.month(), d.day()).toUtf8().toStdString(),
              file.readAll().toStdString());
}

INSTANTIATE_TEST_SUITE_P(ChosenDays, DayReportGolden,
                         testing::Values(QDate(2009, 1, 25), QDate(2009, 5, 10), QDate(2009, 5, 28),
                                         QDate(2009, 6, 26), QDate(2009, 6, 27), QDate(2010, 1, 15),
                                         QDate(2010, 3, 31), QDate(2012, 2, 29), QDate(2013, 2, 9),
                                         QDate(2015, 9, 27)),
                         [](const auto& info) { return info.param.toString("'d'yyyyMMdd").toStdString(); });

// Made-up texts with one short record per section.
TextResources smallTexts() {
    TextResources t;
    t.SignBirthdays = {"巨蟹座的生日(6月26日)：前一天", "巨蟹座的生日(6月27日)：性格"};
    t.BirthFlowers = {"6月26日出生的人：", "6月27日出生的人：\\n【生日花】凌霄"};
    for (int day = 1; day <= 31; ++day)
        t.DayOfMonthTexts << QStringLiteral("%1日出生的人").arg(day);
    t.DayOfMonthTexts << QString();
    t.SignProfiles = {"巨蟹座人的资料：$优点：$体贴", ""};
    t.SignCouples = {"巨蟹座的男人和女人\\n恋爱"};
    t.ZodiacLegends = {"鼠\\n鼠的传说", "牛\\n牛的传说"};
    return t;
}

// Nothing found adds nothing: the headings, separators and fixed line breaks stand alone, the
// flower heading runs into the separator, and the report ends with "属相：". Without a profile,
// one empty line stands between the birthday character's blank line and the love text.
TEST(DayReport, MissingRecordsLeaveOnlyTheFrame) {
    // "|" stands for CR LF, "=" for the separator line.
    const QString frame =
        QString("=|日程信息 (2012年2月29日)|=|年份：中华人民共和国成立六十三周年|"
                "公历：2012年2月29日 星期三|农历：壬辰(龙)年二月初八|=|公历节日：| |农历节日：||=|"
                "%1|=|生日花语 - =|星座：双鱼座(阴性、水象星座，守护行星：海王星)||=|属相：")
            .replace(u'|', "\r\n")
            .replace(u'=', QString(35, u'='));
    EXPECT_EQ(buildDayReport(TextResources{}, 2012, 2, 29), frame.arg(""));
    EXPECT_EQ(buildDayReport(smallTexts(), 2012, 2, 29), frame.arg("29日出生的人"));

    TextResources texts = smallTexts();
    texts.SignProfiles = {"狮子座人的资料：$"};
    EXPECT_TRUE(
        buildDayReport(texts, 2009, 6, 27).contains("(6月27日)：性格\r\n\r\n\r\n巨蟹座的男人和女人\r\n"));
}

// Break marks become CR LF exactly where they stand: every occurrence, left to right, without
// overlap; a backslash before another n stays, a capital N is no mark, bare LF passes through.
// 101 and 105 records are quoted as they stand, marks and all.
TEST(DayReport, BreakMarksReplacedExactlyAndEverywhere) {
    TextResources texts = smallTexts();
    texts.BirthFlowers[1] = "6月27日\\n\\na\\\\nb\\Nc\nd$e\\n";
    texts.SignProfiles[0] = "巨蟹座$$x\\ny$";
    texts.SignCouples[0] = "巨蟹座的男人和女人\\\\n$\\n";
    texts.ZodiacLegends[1] = "牛\\n\\n\n";
    texts.SignBirthdays[1] = "巨蟹座的生日(6月27日)：\\n$";
    texts.DayOfMonthTexts[26] = "27日\\n$\n";
    const QString report = buildDayReport(texts, 2009, 6, 27);
    SCOPED_TRACE(report.toStdString());
    EXPECT_TRUE(report.contains("\r\n27日\\n$\n\r\n"));
    EXPECT_TRUE(report.contains("生日花语 - 6月27日\r\n\r\na\\\r\nb\\Nc\nd$e\r\n\r\n==="));
    EXPECT_TRUE(report.contains("\r\n巨蟹座的生日(6月27日)：\\n$\r\n\r\n巨蟹座\r\n\r\nx\\ny\r\n\r\n\r\n\r\n"
                                "巨蟹座的男人和女人\\\r\n$\r\n\r\n==="));
    EXPECT_TRUE(report.endsWith("属相：牛\r\n\r\n\n\r\n"));
}

} // namespace
