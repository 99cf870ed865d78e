// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// clsDate: one day, held at once as a solar (Gregorian) date and as a Chinese lunar date, and
// every name the calendar shows for it: lunar day name, solar term, festivals, stems and
// branches, zodiac animal, star sign and era.
//
// Set it with sInitDate (solar) or lInitDate (lunar), then read. The lunar calendar covers the
// solar days 1900-01-31 .. 2050-01-22; every argument outside that range still gets a defined
// answer (see sInitDate and lInitDate), never undefined behaviour. The tables are compile-time
// constants shared by all objects, so an object is a few words and cheap to make and copy.

#include "core/DayNumber.h"
#include "platform/Clock.h"

#include <QString>
#include <cstdint>

class clsDate {
public:
    explicit clsDate(const platform::Clock& clock = platform::systemClock()) : clock_(&clock) {}

    QString lSolarTerm() const;  // the solar term whose day this is, or empty
    QString wHoliday() const;    // the festival on this weekday of the month, or empty
    QString lHoliday() const;    // 除夕 or the lunar festival, or empty
    QString sHoliday() const;    // the solar festival, or empty
    bool sHolidayRecess() const; // the solar festival is a day off
    bool IsLeap() const { return IsLeap_; }
    int lDay() const { return lDay_; }
    int lMonth() const { return lMonth_; }
    int lYear() const { return lYear_; }
    int sWeekDay() const;                       // 1 (Sunday) .. 7 (Saturday)
    QString sWeekDayStr() const;                // 星期日 .. 星期六
    QString Constellation2(int m, int d) const; // star sign description of month m, day d
    int sDay() const { return sDay_; }
    int sMonth() const { return sMonth_; }
    int sYear() const { return sYear_; }
    bool IsToday(int y, int m, int d) const; // the system date is y-m-d (the object's date aside)
    QString Era(int y) const;
    QString GanZhi(int num) const;              // stem-branch name of year num
    QString YearAttribute(int y) const;         // zodiac animal of year y
    QString UpNumber(const QString& Dxs) const; // decimal digits in Chinese numerals
    QString CDayStr(int d) const;               // name of lunar day d: 初一 .. 三十
    QString Constellation(int m, int d) const;  // star sign name of month m, day d

    // The solar date y-m-d. Each value is first held to 16 bits (-32768..32767); a month or day
    // beyond its range rolls over (month 13 is January of the next year, day 0 the last day of
    // the month before) while sYear, sMonth and sDay keep the values given. Days before
    // 1900-01-31 get the first lunar day of the range; days after 2050-01-22 get lunar year 2050,
    // a year of twelve 29-day months, and end at its last day.
    void sInitDate(int y, int m, int d);

    // The lunar date y-m-d, in the leap repetition of month m when LeapFlag is set and y repeats
    // m (otherwise the flag is ignored). The day is not checked against the month's length: a
    // day past its end lands in the next month. Out-of-range arguments are first held to lunar
    // years 1900..2050, months 1..12 and days 1..30.
    void lInitDate(int y, int m, int d, bool LeapFlag = false);

    core::DayNumber SolarDate() const { return SolarDate_; }

private:
    static bool TestBit(std::uint32_t value, int n);
    static QString DigitStr(QChar ch);
    static int lMonthDayCount(int y, int m);
    static int lLeapDayCount(int y);
    static int lLeapMonth(int y);

    const platform::Clock* clock_;
    int sYear_ = 0;
    int sMonth_ = 0;
    int sDay_ = 0;
    int lYear_ = 0;
    int lMonth_ = 0;
    int lDay_ = 0;
    bool IsLeap_ = false;
    core::DayNumber SolarDate_ = 0;
};
