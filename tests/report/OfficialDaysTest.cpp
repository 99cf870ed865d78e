// SPDX-License-Identifier: GPL-3.0-or-later
// The official days: the line format with its warnings, the carried table day by day against the
// outside source it was taken from, and the user's file laid over it, in every state a user's
// file can be found in.

#include "report/OfficialDaysFormat.h"
#include "report/OfficialDaysLoader.h"
#include "tests/engine/TestDate.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

namespace {

QStringList listed(const engine::OfficialDays& days) {
    QStringList lines;
    for (const auto& [day, official] : days)
        lines.append(isoDate(day) + u' ' + official.label());
    return lines;
}

// One file with every kind of line, good (with a byte-order mark, comments, blank lines, spaces for
// TABs, a CR LF end, a name of the longest length, no last line end) and bad, each bad line left
// out with one warning that names its line; a day given again replaces the earlier line's.
TEST(OfficialDaysFormat, ReadsGoodLinesAndWarnsOncePerBadLine) {
    const QByteArray longName = QString(report::kMaxOfficialDayNameLength, u'节').toUtf8();
    const QByteArray text = QByteArray("\xEF\xBB\xBF# 2027 年的安排\n"
                                       "\n"
                                       "2027-01-01\t休\t元旦\n"
                                       "2027-01-02 休  元旦  \r\n"
                                       "   # 缩进的注释\n"
                                       "2027-02-06\t班\tNAME40\n"
                                       "2027-1-02\t休\t元旦\n"
                                       "2027-02-29\t休\t元旦\n"
                                       "2027-03-01\t假\t元旦\n"
                                       "2027-03-02\t休\n"
                                       "2027-03-03\t休\t国庆 中秋\n"
                                       "2027-03-04\t休\t元\xE6\x97\n"
                                       "2027-03-05\t休\tNAME40节\n"
                                       "2027-03-06\t休\t元\x01旦\n"
                                       "2027-01-01\t休\t新年\n"
                                       "2027-03-07\t班\t春节")
                                .replace("NAME40", longName);
    const report::OfficialDaysParse parse = report::parseOfficialDays(text, QStringLiteral("user.tsv"));
    EXPECT_EQ(listed(parse.days),
              (QStringList{"2027-01-01 休 新年", "2027-01-02 休 元旦",
                           "2027-02-06 班 " + QString::fromUtf8(longName), "2027-03-07 班 春节"}));
    const QStringList warnings =
        QStringLiteral("7: expected|8: no such day: 2027-02-29|9: expected|10: expected|"
                       "11: expected|12: not UTF-8|13: expected|14: expected|"
                       "15: the day of line 3 again")
            .split(u'|');
    ASSERT_EQ(parse.warnings.size(), warnings.size()) << parse.warnings.join(u'\n').toStdString();
    for (qsizetype i = 0; i < warnings.size(); ++i)
        EXPECT_TRUE(parse.warnings[i].startsWith("user.tsv:" + warnings[i]))
            << parse.warnings[i].toStdString();
}

// Every day from the December before the first arrangement to the end of the last: the carried
// table, read through the program's own resource and parser, lists exactly the days of the
// outside source, each with its kind and name.
TEST(CarriedOfficialDays, AgreeDayByDayWithTheOutsideSource) {
    std::map<core::DayNumber, engine::OfficialDay> expected;
    for (const QStringList& row : dataRows("official-days-oracle.tsv"))
        expected[dayFromIso(row[0])] = {row.value(1) == u"1" ? engine::OfficialDayKind::WorkingDay
                                                             : engine::OfficialDayKind::DayOff,
                                        row.value(2)};
    ASSERT_GT(expected.size(), 800u);

    EXPECT_TRUE(report::loadOfficialDays(QStringLiteral("/nonexistent/holidays.tsv")).warnings.isEmpty());
    const engine::OfficialDays& carried = report::carriedOfficialDays();
    EXPECT_EQ(carried.size(), expected.size());
    for (core::DayNumber day = core::dayNumber(2001, 12, 1); day <= core::dayNumber(2026, 12, 31); ++day) {
        const auto wanted = expected.find(day);
        const engine::OfficialDay* found = carried.find(day);
        if (wanted == expected.end())
            EXPECT_EQ(found, nullptr) << isoDate(day).toStdString();
        else
            EXPECT_TRUE(found && *found == wanted->second) << isoDate(day).toStdString();
    }
}

enum class Made { Nothing, File, Folder, NamedPipe, SymbolicLink };

struct UserFileCase {
    Made made;
    QByteArray text;     // of the file, or of the file the link points to
    const char* warning; // after the file's path, or none
    bool userDaysApply;
};

const QByteArray kUserLines = "2027-01-01\t休\t元旦\n2026-10-01\t班\t测试\n";

const UserFileCase kUserFileCases[] = {
    {Made::Nothing, {}, nullptr, false},
    {Made::File, kUserLines, nullptr, true},
    {Made::File, kUserLines + "2027-01-02 休\n", ":3: expected", true},
    {Made::Folder, {}, ": not read: not a regular file", false},
    {Made::NamedPipe, {}, ": not read: not a regular file", false},
    {Made::SymbolicLink, kUserLines, ": not read: a symbolic link", false},
    {Made::File, kUserLines + QByteArray(report::kMaxUserHolidayFileBytes, '#'), ": not read: larger than",
     false},
};

bool make(const UserFileCase& c, const QString& path) {
    QFile file(c.made == Made::SymbolicLink ? path + ".real" : path);
    const auto write = [&] { return file.open(QIODevice::WriteOnly) && file.write(c.text) == c.text.size(); };
    switch (c.made) {
    case Made::Nothing:
        return true;
    case Made::File:
        return write();
    case Made::Folder:
        return QDir().mkpath(path);
    case Made::NamedPipe:
        return QProcess::execute("mkfifo", {path}) == 0;
    case Made::SymbolicLink:
        return write() && QFile::link(file.fileName(), path);
    }
    return false;
}

// The user's file adds a day and replaces one, or is left out whole with one warning, in every
// state it can be found in; the carried days stay either way.
TEST(UserOfficialDays, AreLaidOverTheCarriedDaysOrLeftOutWithAWarning) {
    for (const UserFileCase& c : kUserFileCases) {
        SCOPED_TRACE(static_cast<int>(&c - kUserFileCases));
        QTemporaryDir dir;
        const QString path = dir.filePath("holidays.tsv");
        ASSERT_TRUE(dir.isValid() && make(c, path));

        const report::OfficialDaysLoad load = report::loadOfficialDays(path);
        ASSERT_EQ(load.warnings.size(), c.warning ? 1 : 0) << load.warnings.join(u'\n').toStdString();
        EXPECT_TRUE(!c.warning || load.warnings[0].startsWith(path + c.warning))
            << load.warnings[0].toStdString();
        const auto label = [&](int y, int m, int d) {
            const engine::OfficialDay* found = load.days.find(core::dayNumber(y, m, d));
            return found ? found->label() : QString();
        };
        EXPECT_EQ(label(2027, 1, 1), c.userDaysApply ? "休 元旦" : "");
        EXPECT_EQ(label(2026, 10, 1), c.userDaysApply ? "班 测试" : "休 国庆节");
        EXPECT_EQ(label(2026, 10, 2), "休 国庆节");
        EXPECT_EQ(load.days.size(), report::carriedOfficialDays().size() + (c.userDaysApply ? 1 : 0));
    }
}

} // namespace
