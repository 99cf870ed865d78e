// Loading the six text resources: order, decoding, splitting, and the failures that stop start-up.

#include "report/TextResourceLoader.h"
#include "ReportTestSupport.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

// Hands out given bytes and notes which ids were asked for, in order.
class FakeStore final : public platform::ResourceStore {
public:
    QMap<int, QByteArray> resources;
    mutable std::vector<int> asked;
    std::optional<QByteArray> bytes(int id) const override {
        asked.push_back(id);
        if (!resources.contains(id))
            return std::nullopt;
        return resources.value(id);
    }
};

// Takes the bytes as Latin-1, so that the test sees exactly what the loader splits.
class Latin1Decoder final : public platform::GbkDecoder {
public:
    std::optional<QString> decode(QByteArrayView bytes) const override { return QString::fromLatin1(bytes); }
};

FakeStore sixResources() {
    FakeStore store;
    for (int id = 101; id <= 106; ++id)
        store.resources[id] = QByteArray::number(id) + "a\r\nb";
    return store;
}

TEST(TextResourceLoader, ReadsTheSixInIdOrderIntoTheirArrays) {
    const FakeStore store = sixResources();
    const report::TextResourceLoad load = report::loadTextResources(store, Latin1Decoder());
    ASSERT_TRUE(load.ok()) << load.failure.toStdString();
    EXPECT_EQ(store.asked, (std::vector<int>{101, 102, 103, 104, 105, 106}));
    const report::TextResources& t = load.texts;
    EXPECT_EQ(t.SignBirthdays, QStringList({"101a", "b"}));
    EXPECT_EQ(t.SignCouples, QStringList({"102a", "b"}));
    EXPECT_EQ(t.ZodiacLegends, QStringList({"103a", "b"}));
    EXPECT_EQ(t.BirthFlowers, QStringList({"104a", "b"}));
    EXPECT_EQ(t.DayOfMonthTexts, QStringList({"105a", "b"}));
    EXPECT_EQ(t.SignProfiles, QStringList({"106a", "b"}));
}

TEST(TextResourceLoader, SplitsAtEveryCrLfKeepingEveryPart) {
    FakeStore store = sixResources();
    store.resources[104] = "\r\nx\ny\\n\r\n\r\nz\rw\r\n";
    const report::TextResourceLoad load = report::loadTextResources(store, Latin1Decoder());
    // Bare LF, bare CR and break marks stay inside their parts; empty parts are kept.
    EXPECT_EQ(load.texts.BirthFlowers, QStringList({"", "x\ny\\n", "", "z\rw", ""}));
}

TEST(TextResourceLoader, AFailureNamesTheResourceAndStopsLoading) {
    const struct {
        const char* what;
        int id;
        std::optional<QByteArray> bytes; // nothing: the resource is missing
    } cases[] = {
        {"missing", 104, std::nullopt},
        {"empty", 101, QByteArray()},
        {"cut-off GBK character", 103, QByteArray("\xC4\xE3\xBA")},
        {"byte outside GBK", 106, QByteArray("ok\r\n\xFF")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FakeStore store;
        for (int id = 101; id <= 106; ++id)
            store.resources[id] = "\xC4\xE3";
        if (c.bytes)
            store.resources[c.id] = *c.bytes;
        else
            store.resources.remove(c.id);
        const report::TextResourceLoad load = report::loadTextResources(store, platform::gbkDecoder());
        EXPECT_FALSE(load.ok());
        EXPECT_TRUE(load.failure.contains(QString::number(c.id))) << load.failure.toStdString();
        EXPECT_EQ(store.asked.back(), c.id);
        EXPECT_TRUE(load.texts.SignBirthdays.isEmpty()); // all or nothing
    }
}

TEST(TextResourceLoader, LoadsTheProgramsOwnTexts) {
    const report::TextResourceLoad& load = programTexts();
    ASSERT_TRUE(load.ok()) << load.failure.toStdString();
    const report::TextResources& t = load.texts;
    EXPECT_EQ(t.SignBirthdays.size(), 366);
    EXPECT_EQ(t.SignCouples.size(), 12);
    EXPECT_EQ(t.ZodiacLegends.size(), 12);
    // After the closing CR LF of 104, 105 and 106: one empty element, no zero padding.
    for (const QStringList* list : {&t.BirthFlowers, &t.DayOfMonthTexts, &t.SignProfiles})
        EXPECT_EQ(list->last(), QString());
    EXPECT_EQ(t.BirthFlowers.size(), 367);
    EXPECT_EQ(t.DayOfMonthTexts.size(), 32);
    EXPECT_EQ(t.SignProfiles.size(), 13);
    EXPECT_TRUE(t.SignBirthdays.first().startsWith(QStringLiteral("摩羯座的生日(1月1日)：")));
    EXPECT_FALSE(t.SignCouples.last().contains(QChar(0)));
    EXPECT_FALSE(t.ZodiacLegends.last().contains(QChar(0)));
}

} // namespace
