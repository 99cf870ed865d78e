// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the iCalendar export over the whole range the window shows, 1901-2049, every kind:
// finding the events, writing the text, and both together as kesparo-days --ics and the window's
// export run them, next to the full day table of the same years (kesparo-days FROM TO); and
// reading the official days, which the program does at start-up.

#include "report/ICalendarWriter.h"
#include "report/OfficialDaysFormat.h"
#include "report/OfficialDaysLoader.h"
#include "tools/days/DaysCommand.h"

#include <QFile>
#include <QTimeZone>
#include <benchmark/benchmark.h>

namespace {

const core::DayNumber kFirst = core::dayNumber(1901, 1, 1);
const core::DayNumber kLast = core::dayNumber(2049, 12, 31);
const QDateTime kStamp = QDateTime::fromSecsSinceEpoch(1780000000, QTimeZone::utc());

void BM_ICalendarExport_1901_2049(benchmark::State& state) {
    const engine::OfficialDays& official = report::carriedOfficialDays();
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray text =
            report::iCalendarText(kFirst, kLast, report::kAllCalendarEventKinds, official, kStamp);
        bytes = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ICalendarExport_1901_2049)->Unit(benchmark::kMillisecond);

void BM_CalendarEvents_1901_2049(benchmark::State& state) {
    const engine::OfficialDays& official = report::carriedOfficialDays();
    std::size_t count = 0;
    for (auto _ : state) {
        const auto events = report::calendarEvents(kFirst, kLast, report::kAllCalendarEventKinds, official);
        count = events.size();
        benchmark::DoNotOptimize(events.data());
    }
    state.counters["events"] = static_cast<double>(count);
}
BENCHMARK(BM_CalendarEvents_1901_2049)->Unit(benchmark::kMillisecond);

void BM_ICalendarText_1901_2049(benchmark::State& state) {
    const auto events =
        report::calendarEvents(kFirst, kLast, report::kAllCalendarEventKinds, report::carriedOfficialDays());
    for (auto _ : state)
        benchmark::DoNotOptimize(report::iCalendarText(events, kStamp).data());
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(events.size()));
}
BENCHMARK(BM_ICalendarText_1901_2049)->Unit(benchmark::kMillisecond);

// kesparo-days 1901-01-01 2049-12-31: the 19-field line of every day, as text.
void BM_DayTable_1901_2049(benchmark::State& state) {
    const DaysCommandSources sources{[] { return report::loadTextResources(); },
                                     [] {
                                         return report::OfficialDaysLoad{report::carriedOfficialDays(), {}};
                                     },
                                     [] { return kStamp; }};
    std::size_t bytes = 0;
    for (auto _ : state) {
        const DaysCommandResult result =
            runDaysCommand({QStringLiteral("1901-01-01"), QStringLiteral("2049-12-31")}, sources);
        bytes = result.out.size();
        benchmark::DoNotOptimize(result.out.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_DayTable_1901_2049)->Unit(benchmark::kMillisecond);

// kesparo-days --ics 1901-01-01 2049-12-31, the same way.
void BM_ICalendarCommand_1901_2049(benchmark::State& state) {
    const DaysCommandSources sources{[] { return report::loadTextResources(); },
                                     [] {
                                         return report::OfficialDaysLoad{report::carriedOfficialDays(), {}};
                                     },
                                     [] { return kStamp; }};
    for (auto _ : state)
        benchmark::DoNotOptimize(runDaysCommand({QStringLiteral("--ics"), QStringLiteral("1901-01-01"),
                                                 QStringLiteral("2049-12-31")},
                                                sources)
                                     .out.data());
}
BENCHMARK(BM_ICalendarCommand_1901_2049)->Unit(benchmark::kMillisecond);

// Parsing the carried table, as every start does once.
void BM_ParseCarriedOfficialDays(benchmark::State& state) {
    QFile file(QString::fromLatin1(report::kOfficialDaysResource));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    for (auto _ : state)
        benchmark::DoNotOptimize(report::parseOfficialDays(bytes, file.fileName()).days.size());
}
BENCHMARK(BM_ParseCarriedOfficialDays)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
