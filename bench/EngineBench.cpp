// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the calendar engine: sInitDate over every day of the range, one grid day (the
// conversion and every property a grid cell and the title read), and the same conversions by
// Debian's liblunar-date for comparison.

#include "engine/clsDate.h"

#include <benchmark/benchmark.h>
#include <lunar-date/lunar-date.h>
#include <vector>

namespace {

const std::vector<core::CivilDate>& everyDay() {
    static const std::vector<core::CivilDate> days = [] {
        std::vector<core::CivilDate> all;
        for (core::DayNumber day = core::dayNumber(1900, 1, 31); day <= core::dayNumber(2050, 1, 22); ++day)
            all.push_back(core::civilDate(day));
        return all;
    }();
    return days;
}

// One pass converts every day of the range; the reported time is per day.
void BM_sInitDate_EveryDay(benchmark::State& state) {
    clsDate date;
    for (auto _ : state)
        for (const core::CivilDate& day : everyDay()) {
            date.sInitDate(day.year, day.month, day.day);
            benchmark::DoNotOptimize(date.lDay());
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(everyDay().size()));
}
BENCHMARK(BM_sInitDate_EveryDay)->Unit(benchmark::kMillisecond);

// What the month grid reads for one cell, plus the title's names, for every day of a decade.
void BM_GridDay(benchmark::State& state) {
    const auto& days = everyDay();
    const std::size_t count = 3653;
    const std::size_t offset = days.size() / 2;
    clsDate date;
    for (auto _ : state)
        for (std::size_t i = offset; i < offset + count; ++i) {
            const core::CivilDate& day = days[i];
            date.sInitDate(day.year, day.month, day.day);
            benchmark::DoNotOptimize(date.CDayStr(date.lDay()));
            benchmark::DoNotOptimize(date.sHoliday());
            benchmark::DoNotOptimize(date.sHolidayRecess());
            benchmark::DoNotOptimize(date.lHoliday());
            benchmark::DoNotOptimize(date.wHoliday());
            benchmark::DoNotOptimize(date.lSolarTerm());
            benchmark::DoNotOptimize(date.sWeekDay());
            benchmark::DoNotOptimize(date.IsToday(day.year, day.month, day.day));
            benchmark::DoNotOptimize(date.sWeekDayStr());
            benchmark::DoNotOptimize(date.GanZhi(date.lYear()));
            benchmark::DoNotOptimize(date.YearAttribute(date.lYear()));
            benchmark::DoNotOptimize(date.IsLeap());
            benchmark::DoNotOptimize(date.lMonth());
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
}
BENCHMARK(BM_GridDay)->Unit(benchmark::kMillisecond);

// liblunar-date converting the same days (at noon), for the ratio in the figures.
void BM_LiblunarDate_EveryDay(benchmark::State& state) {
    LunarDate* date = lunar_date_new();
    for (auto _ : state)
        for (const core::CivilDate& day : everyDay()) {
            GError* error = nullptr;
            lunar_date_set_solar_date(date, static_cast<GDateYear>(day.year),
                                      static_cast<GDateMonth>(day.month), static_cast<GDateDay>(day.day), 12,
                                      &error);
            if (error)
                g_error_free(error);
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(everyDay().size()));
    lunar_date_free(date);
}
BENCHMARK(BM_LiblunarDate_EveryDay)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
