// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/clsDate.h"

#include "engine/ChineseWords.h"
#include "engine/CycleNames.h"
#include "engine/FestivalTables.h"
#include "engine/LunarYearTable.h"
#include "engine/SolarTermTable.h"
#include "engine/StarSignTable.h"
#include "engine/StaticText.h"
#include "engine/WeekdayName.h"

#include <algorithm>
#include <array>
#include <limits>

using engine::staticText;

namespace {

// The 32 single-bit masks 2^0 .. 2^31.
constexpr std::array<std::uint32_t, 32> BitMask = [] {
    std::array<std::uint32_t, 32> masks{};
    for (int n = 0; n < 32; ++n)
        masks[n] = std::uint32_t{1} << n;
    return masks;
}();

// Two-character names built once from their parts, so that reading one allocates nothing.
using TwoCharacters = std::array<char16_t, 2>;

// The sixty stem-branch names, from 甲子.
constexpr std::array<TwoCharacters, 60> CycleYearNames = [] {
    std::array<TwoCharacters, 60> names{};
    for (int k = 0; k < 60; ++k)
        names[k] = {engine::StemNames[k % 10][0], engine::BranchNames[k % 12][0]};
    return names;
}();

// Lunar day names 1..49 (index 0 unused): the prefix of the tens, the digit of the units.
constexpr std::array<TwoCharacters, 50> DayNames = [] {
    std::array<TwoCharacters, 50> names{};
    for (int d = 1; d < 50; ++d)
        names[d] = {engine::DayPrefixes[d / 10][0], engine::DigitNames[d % 10][0]};
    return names;
}();

QString twoCharacters(const TwoCharacters& name) {
    return staticText(std::u16string_view(name.data(), 2));
}

int holdTo16Bits(int value) {
    return std::clamp(value, int{std::numeric_limits<std::int16_t>::min()},
                      int{std::numeric_limits<std::int16_t>::max()});
}

// The slot of lunar year y in the year tables.
int yearSlot(int y) {
    return y - engine::kFirstLunarYear;
}

template <std::size_t N>
const engine::HolidayRecord* findByDate(const std::array<engine::HolidayRecord, N>& table, int month,
                                        int day) {
    for (const engine::HolidayRecord& record : table)
        if (record.Month == month && record.Day == day)
            return &record;
    return nullptr;
}

const engine::StarSignRange* findStarSign(int m, int d) {
    // A month-day that is no date of the leap year 2000 (02-30, month 13) has no sign.
    if (!core::isValidDate(2000, m, d))
        return nullptr;
    const int key = m * 100 + d;
    for (const engine::StarSignRange& range : engine::StarSignTable)
        if (range.fromMonth * 100 + range.fromDay <= key && key <= range.toMonth * 100 + range.toDay)
            return &range;
    return nullptr;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Solar terms, stems and branches, zodiac

QString clsDate::lSolarTerm() const {
    // Only the terms of the object's own solar year are tried, in calendar order.
    for (int index = 0; index < 24; ++index)
        if (engine::termDay(sYear_, index) == SolarDate_)
            return staticText(engine::TermNames[index]);
    return {};
}

QString clsDate::GanZhi(int num) const {
    return twoCharacters(CycleYearNames[core::floorMod(std::int64_t{num} - engine::kCycleStartYear, 60)]);
}

QString clsDate::YearAttribute(int y) const {
    return staticText(engine::AnimalNames[core::floorMod(std::int64_t{y} - engine::kRatYear, 12)]);
}

// ---------------------------------------------------------------------------------------------
// Festivals

QString clsDate::wHoliday() const {
    // The n-th occurrence of a weekday in a month: the 1st..7th hold the first, 8th..14th the
    // second, and so on.
    const core::CivilDate date = core::civilDate(SolarDate_);
    const int weekday = sWeekDay();
    const int occurrence = (date.day - 1) / 7 + 1;
    QString result;
    for (const engine::HolidayRecord& record : engine::wHolidayTable)
        if (record.Month == date.month && record.Flag == weekday && record.Day == occurrence)
            result = staticText(record.Name);
    return result;
}

QString clsDate::lHoliday() const {
    if (lMonth_ == 12 && (lDay_ == 29 || lDay_ == 30)) {
        // The last day of the year is the one whose next day begins a new lunar year. Look at
        // the next day on a copy, so this object is left as it was.
        clsDate next(*this);
        const core::CivilDate tomorrow = core::civilDate(SolarDate_ + 1);
        next.sInitDate(tomorrow.year, tomorrow.month, tomorrow.day);
        return next.lYear_ == lYear_ + 1 ? staticText(engine::kNewYearsEve) : QString();
    }
    if (IsLeap_)
        return {};
    const engine::HolidayRecord* record = findByDate(engine::lHolidayTable, lMonth_, lDay_);
    return record ? staticText(record->Name) : QString();
}

QString clsDate::sHoliday() const {
    const engine::HolidayRecord* record = findByDate(engine::sHolidayTable, sMonth_, sDay_);
    return record ? staticText(record->Name) : QString();
}

bool clsDate::sHolidayRecess() const {
    const engine::HolidayRecord* record = findByDate(engine::sHolidayTable, sMonth_, sDay_);
    return record && record->Flag == 1;
}

// ---------------------------------------------------------------------------------------------
// Weekday, star signs, today

int clsDate::sWeekDay() const {
    return core::weekday(SolarDate_);
}

QString clsDate::sWeekDayStr() const {
    return engine::weekdayName(sWeekDay());
}

QString clsDate::Constellation2(int m, int d) const {
    const engine::StarSignRange* sign = findStarSign(m, d);
    return sign ? staticText(sign->description) : QString();
}

QString clsDate::Constellation(int m, int d) const {
    const engine::StarSignRange* sign = findStarSign(m, d);
    return sign ? staticText(sign->name) : QString();
}

bool clsDate::IsToday(int y, int m, int d) const {
    return clock_->today() == core::CivilDate{y, m, d};
}

// ---------------------------------------------------------------------------------------------
// Chinese number and date words

QString clsDate::Era(int y) const {
    const auto count = [this](int n) { return UpNumber(QString::number(n)); };
    if (y < 1874)
        return QStringLiteral("未知");
    if (y == 1874)
        return QStringLiteral("清朝同治十三年");
    if (y == 1875)
        return QStringLiteral("清朝光绪元年");
    if (y <= 1908)
        return QStringLiteral("清朝光绪") + count(y - 1874) + QStringLiteral("年");
    if (y == 1909)
        return QStringLiteral("清朝宣统元年");
    if (y <= 1911)
        return QStringLiteral("清朝宣统") + count(y - 1909 + 1) + QStringLiteral("年");
    if (y == 1912)
        return QStringLiteral("中华民国元年");
    if (y <= 1948)
        return QStringLiteral("中华民国") + count(y - 1912 + 1) + QStringLiteral("年");
    if (y == 1949)
        return QStringLiteral("中华人民共和国成立了");
    if (y == 2000)
        return QStringLiteral("千禧年");
    return QStringLiteral("中华人民共和国成立") + count(y - 1949) + QStringLiteral("周年");
}

QString clsDate::UpNumber(const QString& Dxs) const {
    // Only spaces are trimmed; any other character that is not a digit reads as zero.
    qsizetype first = 0;
    qsizetype last = Dxs.size();
    while (first < last && Dxs[first] == u' ')
        ++first;
    while (last > first && Dxs[last - 1] == u' ')
        --last;
    const QStringView digits = QStringView(Dxs).mid(first, last - first);

    const QString zero = staticText(engine::NumeralDigits[0]);
    const auto withUnit = [&zero](const QString& digit, char16_t unit) {
        return digit == zero ? digit : digit + QChar(unit);
    };
    const auto orUnit = [&zero](const QString& digit, char16_t unit) {
        return digit == zero ? QString(QChar(unit)) : digit + QChar(unit);
    };

    // Digit by digit from the right; a zero is written only between two written digits or
    // units, never at the end and never twice in a row.
    QString result;
    for (qsizetype i = 1; i <= digits.size(); ++i) {
        QString w = DigitStr(digits[digits.size() - i]);
        switch (i) {
        case 1:
            w = w == zero ? QString() : w;
            break;
        case 2:
        case 6:
            w = withUnit(w, u'十');
            break;
        case 3:
        case 7:
            w = withUnit(w, u'百');
            break;
        case 4:
        case 8:
            w = withUnit(w, u'千');
            break;
        case 5:
            // A 万 group of four zeros under a written 亿 writes nothing: 100000000 is 一亿.
            w = w == zero && digits.size() >= 9 && digits.mid(digits.size() - 8, 3).count(u'0') == 3
                    ? zero
                    : orUnit(w, u'万');
            break;
        case 9:
            w = orUnit(w, u'亿');
            break;
        default:
            break; // ten digits and more: the bare digit
        }
        const bool skipZero =
            w == zero && (result.isEmpty() || result[0] == u'零' || result[0] == u'万' || result[0] == u'亿');
        if (!skipZero)
            result = w + result;
    }
    return result;
}

QString clsDate::CDayStr(int d) const {
    switch (d) {
    case 10:
        return QStringLiteral("初十");
    case 20:
        return QStringLiteral("二十");
    case 30:
        return QStringLiteral("三十");
    default:
        break;
    }
    // 0 and anything beyond the table's 1..49 has no name.
    if (d < 1 || d > 49)
        return {};
    return twoCharacters(DayNames[d]);
}

// ---------------------------------------------------------------------------------------------
// Conversions

void clsDate::sInitDate(int y, int m, int d) {
    sYear_ = holdTo16Bits(y);
    sMonth_ = holdTo16Bits(m);
    sDay_ = holdTo16Bits(d);
    SolarDate_ = core::dayNumber(sYear_, sMonth_, sDay_);
    IsLeap_ = false;

    if (SolarDate_ < engine::LunarYearStart.front()) {
        lYear_ = engine::kFirstLunarYear;
        lMonth_ = 1;
        lDay_ = 1;
        return;
    }

    // The lunar year is the last one that begins on or before the day; the slot after 2049
    // begins the day after the range and stands for lunar year 2050.
    const auto after =
        std::upper_bound(engine::LunarYearStart.begin(), engine::LunarYearStart.end(), SolarDate_);
    const int slot = static_cast<int>(after - engine::LunarYearStart.begin()) - 1;
    lYear_ = engine::kFirstLunarYear + slot;
    int n = SolarDate_ - engine::LunarYearStart[slot] + 1; // day of the lunar year, from 1

    // Walk the months in order; the leap month follows the ordinary month of the same number.
    const int leap = lLeapMonth(lYear_);
    int month = 1;
    for (;;) {
        const int length = IsLeap_ ? lLeapDayCount(lYear_) : lMonthDayCount(lYear_, month);
        if (n <= length)
            break;
        n -= length;
        if (!IsLeap_ && month == leap) {
            IsLeap_ = true;
        } else {
            IsLeap_ = false;
            if (++month > 12) {
                // Only past the twelve 29-day months of lunar 2050: stay on its last day.
                month = 12;
                n = 29;
                break;
            }
        }
    }
    lMonth_ = month;
    lDay_ = n;
}

void clsDate::lInitDate(int y, int m, int d, bool LeapFlag) {
    lYear_ = std::clamp(y, engine::kFirstLunarYear, engine::kLastLunarYear + 1);
    lMonth_ = std::clamp(m, 1, 12);
    lDay_ = std::clamp(d, 1, 30);

    const int leap = lLeapMonth(lYear_);
    IsLeap_ = LeapFlag && lMonth_ == leap;

    int n = 0; // days of the year before the month
    for (int i = 1; i < lMonth_; ++i)
        n += lMonthDayCount(lYear_, i);
    if (IsLeap_)
        n += lMonthDayCount(lYear_, lMonth_); // the ordinary month comes first
    else if (leap > 0 && lMonth_ > leap)
        n += lLeapDayCount(lYear_);

    SolarDate_ = engine::LunarYearStart[yearSlot(lYear_)] + n + lDay_ - 1;
    const core::CivilDate date = core::civilDate(SolarDate_);
    sYear_ = date.year;
    sMonth_ = date.month;
    sDay_ = date.day;
}

// ---------------------------------------------------------------------------------------------
// Private operations

bool clsDate::TestBit(std::uint32_t value, int n) {
    return n >= 0 && n < 32 && (BitMask[n] & value) != 0;
}

QString clsDate::DigitStr(QChar ch) {
    const int value = ch >= u'0' && ch <= u'9' ? ch.unicode() - u'0' : 0;
    return staticText(engine::NumeralDigits[value]);
}

int clsDate::lMonthDayCount(int y, int m) {
    return TestBit(engine::LunarYearData[yearSlot(y)], 16 - m) ? 30 : 29;
}

int clsDate::lLeapDayCount(int y) {
    return lLeapMonth(y) == 0 ? 0 : 29 + (TestBit(engine::LunarYearData[yearSlot(y)], 16) ? 1 : 0);
}

int clsDate::lLeapMonth(int y) {
    return static_cast<int>(engine::LunarYearData[yearSlot(y)] & 0xF);
}
