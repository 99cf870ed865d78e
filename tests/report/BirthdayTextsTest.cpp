// SPDX-License-Identifier: GPL-3.0-or-later
// The birthday texts (resource 104) as one careful writer's work: every record's length and
// sections, a distinct flower for (nearly) every day with one Latin name each way, no stock phrase
// running through a section, the reader addressed as 你, fortunes for ordinary people, people with
// their birth year. Each rule is also shown to catch a record broken on purpose.

#include "report/TextResourceLoader.h"
#include "tests/engine/TestDate.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <functional>

namespace {

const QStringList kSections = {"生日花", "花语", "守护星", "命运", "代表人物", "性格", "优点", "缺点"};
const QStringList kProse = {"花语", "守护星", "命运", "性格", "优点", "缺点"};
constexpr double kMaxRecurringShare = 0.10; // of a section's 6-character runs, found in another record too

// The sections of one record by heading; empty when the record does not have the eight in order.
QHash<QString, QString> sectionsOf(const QString& record) {
    static const QRegularExpression heading("^【(.+?)】");
    QHash<QString, QString> sections;
    const QStringList parts = record.split(QStringLiteral("\\n")).mid(1);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QRegularExpressionMatch match = heading.match(parts[i]);
        if (!match.hasMatch() || i >= kSections.size() || match.captured(1) != kSections[i])
            return {};
        sections.insert(match.captured(1), parts[i].mid(match.capturedLength()));
    }
    return sections.size() == kSections.size() ? sections : QHash<QString, QString>{};
}

// What an editor would object to in the 366 records, one line per fault.
QStringList faults(const QStringList& records) {
    static const QRegularExpression flowerForm("^(\\p{Han}+)（([A-Z][a-z]+ [a-z][a-z-]+)）$");
    static const QRegularExpression peopleForm("^[^（）、]+（\\d{4}年）(、[^（）、]+（\\d{4}年）){1,3}$");
    static const QRegularExpression fame("作品|成名|舞台|后世");
    QStringList found;
    QList<QHash<QString, QString>> all;
    QHash<QString, QString> latinOf, nameOf;
    for (const QString& record : records) {
        const QHash<QString, QString> s = sectionsOf(record);
        const QString date = record.section(u'：', 0, 0);
        if (s.isEmpty() || record.size() < 271 || record.size() > 407) {
            found << date + ": form or length";
            continue;
        }
        all << s;
        const QRegularExpressionMatch flower = flowerForm.match(s["生日花"]);
        const QString name = flower.captured(1), latin = flower.captured(2);
        if (!flower.hasMatch() || latinOf.value(name, latin) != latin || nameOf.value(latin, name) != name)
            found << date + ": flower " + s["生日花"];
        latinOf.insert(name, latin);
        nameOf.insert(latin, name);
        if (!peopleForm.match(s["代表人物"]).hasMatch())
            found << date + ": people";
        for (const char* addressed : {"守护星", "命运", "性格"})
            if (!s[addressed].contains(u'你'))
                found << date + ": " + addressed + " does not speak to 你";
        if (record.contains(QStringLiteral("此日生人")) || s["命运"].contains(fame))
            found << date + ": voice";
    }
    if (latinOf.size() < 350)
        found << QStringLiteral("only %1 distinct flowers").arg(latinOf.size());
    for (const QString& section : kProse) {
        QHash<QString, QSet<int>> owners; // each 6-character run: the records that hold it
        qsizetype runs = 0, recurring = 0;
        for (int i = 0; i < all.size(); ++i)
            for (qsizetype k = 0; k + 6 <= all[i][section].size(); ++k, ++runs)
                owners[all[i][section].mid(k, 6)].insert(i);
        for (int i = 0; i < all.size(); ++i)
            for (qsizetype k = 0; k + 6 <= all[i][section].size(); ++k)
                recurring += owners[all[i][section].mid(k, 6)].size() > 1;
        if (recurring > kMaxRecurringShare * runs)
            found
                << QStringLiteral("%1: %2 % recurring").arg(section).arg(100.0 * recurring / runs, 0, 'f', 1);
    }
    return found;
}

} // namespace

TEST(BirthdayTexts, ReadAsOneWritersWork) {
    const report::TextResourceLoad load = report::loadTextResources();
    ASSERT_TRUE(load.ok());
    const QStringList records = load.texts.BirthFlowers.mid(0, 366);
    EXPECT_EQ(faults(records), QStringList());

    // One record broken at a time, one way per rule: each is caught.
    const std::function<void(QStringList&)> breakages[] = {
        [](QStringList& r) { r[0].replace("\\n【守护星】", "【守护星】"); },
        [](QStringList& r) { r[1] += QString(90, u'好'); },
        [](QStringList& r) {
            for (int i = 0; i < 20; ++i) // twenty days more share a flower with another
                r[i].replace(sectionsOf(r[i])["生日花"], sectionsOf(r[100 + i])["生日花"]);
        },
        [](QStringList& r) {
            const QString latin = sectionsOf(r[4])["生日花"].section(u'（', 1).chopped(1);
            r[5].replace(QRegularExpression("（[A-Z][a-z]+ [a-z-]+）"), "（" + latin + "）");
        },
        [](QStringList& r) { r[6].replace(QRegularExpression("（\\d{4}年）"), QString()); },
        [](QStringList& r) { r[7].replace(u'你', u'他'); },
        [](QStringList& r) { r[8].replace("【命运】", "【命运】后世记得你的作品。"); },
        [](QStringList& r) {
            for (QString& record : r)
                record.replace("【守护星】", "【守护星】本旬由木星主管，视野开阔。");
        },
    };
    for (std::size_t i = 0; i < std::size(breakages); ++i) {
        QStringList broken = records;
        breakages[i](broken);
        EXPECT_FALSE(faults(broken).isEmpty()) << "breakage " << i;
    }
}
