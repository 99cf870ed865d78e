// The engine against a calendar that no one here wrote: the first day of every lunar month and
// the day of every solar term of 1900..2049, computed by an independent astronomical library
// (provenance in the header of each data file in tests/data).

#include "engine/clsDate.h"
#include "tests/engine/TestDate.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

std::vector<std::vector<std::string>> readTable(const std::string& name) {
    std::ifstream in(std::string(KESPARO_TEST_DATA_DIR) + "/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (header) { // column names
            header = false;
            continue;
        }
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, '\t');)
            fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

const core::DayNumber kFirst = core::dayNumber(1900, 1, 31);
const core::DayNumber kLast = core::dayNumber(2050, 1, 22);

} // namespace

TEST(AgainstIndependentCalendar, EveryLunarMonthBeginsAndEndsOnItsDay) {
    const auto rows = readTable("lunar-month-starts.tsv");
    ASSERT_EQ(rows.size(), 1855u);
    for (const auto& row : rows) {
        const int year = std::stoi(row[0]);
        const int month = std::stoi(row[1]);
        const bool leap = row[2] == "1";
        const int length = std::stoi(row[4]);
        SCOPED_TRACE(row[3]);

        const clsDate first = solarDay(row[3]);
        EXPECT_EQ(first.lYear(), year);
        EXPECT_EQ(first.lMonth(), month);
        EXPECT_EQ(first.lDay(), 1);
        EXPECT_EQ(first.IsLeap(), leap);

        clsDate lastDay;
        const core::CivilDate end = core::civilDate(first.SolarDate() + length - 1);
        lastDay.sInitDate(end.year, end.month, end.day);
        EXPECT_EQ(lastDay.lDay(), length);
        EXPECT_EQ(lastDay.lMonth(), month);

        clsDate back;
        back.lInitDate(year, month, 1, leap);
        EXPECT_EQ(solarOf(back), row[3]);
    }
}

// Every term day of the range names its term, and no other day of the range names one.
TEST(AgainstIndependentCalendar, EverySolarTermFallsOnItsDay) {
    const auto rows = readTable("solar-term-days.tsv");
    ASSERT_EQ(rows.size(), 3600u);
    int termDaysInRange = 0;
    for (const auto& row : rows) {
        const clsDate date = solarDay(row[3]);
        if (date.SolarDate() < kFirst || date.SolarDate() > kLast)
            continue;
        ++termDaysInRange;
        EXPECT_EQ(date.lSolarTerm(), QString::fromStdString(row[2])) << row[3];
    }
    int namedDays = 0;
    clsDate date;
    for (core::DayNumber day = kFirst; day <= kLast; ++day) {
        const core::CivilDate civil = core::civilDate(day);
        date.sInitDate(civil.year, civil.month, civil.day);
        namedDays += date.lSolarTerm().isEmpty() ? 0 : 1;
    }
    // 2050's 小寒 and 大寒 fall inside the range but after the data's last year.
    EXPECT_EQ(namedDays, termDaysInRange + 2);
}
