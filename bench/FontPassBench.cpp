// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the font pass: how long it takes to fill the font list from 300 installed fonts, and
// the longest time it keeps the event loop waiting (no slice may take more than 50 ms). The
// handlers do what the main window does: a caption per font, an entry per accepted font, and
// at the end the done caption and the selection of the current face.

#include "app/FontFilter.h"
#include "app/FontPass.h"
#include "platform/InstalledFonts.h"
#include "tests/fakes/PlatformFakes.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr auto kLongestAllowedSlice = std::chrono::milliseconds(50);

// 300 names as a Chinese Windows machine might list them: common Western and Chinese faces,
// faces the list leaves out, and numbered faces to make up the count, in no particular order.
QStringList threeHundredFonts() {
    const char* const common[] = {
        "Arial",
        "Arial Black",
        "Arial Narrow",
        "Times New Roman",
        "Times New Roman Baltic",
        "Courier New",
        "Courier New CE",
        "Wingdings",
        "Wingdings 2",
        "Webdings",
        "Symbol",
        "MS Sans Serif",
        "MS Gothic",
        "Ms Shell Dlg",
        "Microsoft YaHei",
        "Microsoft YaHei UI",
        "SimSun",
        "NSimSun",
        "SimSun-18030",
        "SimHei",
        "KaiTi",
        "FangSong",
        "宋体",
        "新宋体",
        "黑体",
        "楷体",
        "仿宋",
        "微软雅黑",
        "@宋体",
        "@黑体",
        "方正舒体",
        "方正姚体",
        "华文宋体",
        "华文楷体",
        "华文细黑",
        "MingLiU",
        "PMingLiU",
        "MingLiU_HKSCS",
        "Segoe UI",
        "Segoe UI Bold",
        "Tahoma",
        "Verdana",
        "Georgia",
        "Calibri",
        "Cambria",
        "Consolas",
        "Impact",
        "Lucida Console",
        "DejaVu Sans",
        "Noto Sans CJK SC",
    };
    QStringList names;
    for (const char* name : common)
        names.push_back(QString::fromUtf8(name));
    for (int i = 0; names.size() < 300; ++i)
        names.push_back(QStringLiteral("Face %1").arg((i * 97) % 1000, 3, 10, QLatin1Char('0')));
    return names;
}

// Runs one pass to its end with the main window's handlers; returns its total time.
std::chrono::nanoseconds runPass(app::FontPass& pass, QWidget& report, QComboBox& list) {
    QEventLoop loop;
    QObject::connect(&pass, &app::FontPass::progress, &report, [&](int current, int total) {
        report.setWindowTitle(app::fontPassCaption(current, total));
    });
    QObject::connect(&pass, &app::FontPass::fontAccepted, &list,
                     [&](int position, const QString& name) { list.insertItem(position, name); });
    QObject::connect(&pass, &app::FontPass::finished, &loop, [&] {
        report.setWindowTitle(app::fontPassDoneCaption());
        list.setCurrentIndex(list.findText(QStringLiteral("宋体")));
        list.setEnabled(true);
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    list.setEnabled(false);
    pass.start();
    loop.exec();
    return std::chrono::nanoseconds(clock.nsecsElapsed());
}

void passOver(benchmark::State& state, const platform::InstalledFonts& fonts) {
    std::chrono::nanoseconds longest{0};
    int slices = 0;
    for (auto _ : state) {
        QWidget report;
        report.show();
        QComboBox list;
        list.setPlaceholderText(QStringLiteral("字体"));
        list.show();
        app::FontPass pass(fonts);
        state.SetIterationTime(std::chrono::duration<double>(runPass(pass, report, list)).count());
        longest = std::max(longest, pass.longestSlice());
        slices = std::max(slices, pass.sliceCount());
    }
    state.counters["fonts"] = static_cast<double>(fonts.families().size());
    state.counters["slices"] = slices;
    state.counters["longest_slice_ms"] = std::chrono::duration<double, std::milli>(longest).count();
    if (longest > kLongestAllowedSlice)
        state.SkipWithError("a slice of the font pass took longer than 50 ms");
}

void BM_FontPass300(benchmark::State& state) {
    const fakes::FixedFonts fonts(threeHundredFonts());
    passOver(state, fonts);
}
BENCHMARK(BM_FontPass300)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same over the fonts of this machine, reading the font database included.
void BM_FontPassInstalled(benchmark::State& state) {
    passOver(state, platform::installedFonts());
}
BENCHMARK(BM_FontPassInstalled)->UseManualTime()->Unit(benchmark::kMillisecond);

// The exclusion rules alone, over the 300 names.
void BM_ExclusionRules300(benchmark::State& state) {
    const QStringList names = threeHundredFonts();
    for (auto _ : state) {
        int excluded = 0;
        for (const QString& name : names)
            excluded += app::isExcludedFont(name);
        benchmark::DoNotOptimize(excluded);
    }
}
BENCHMARK(BM_ExclusionRules300)->Unit(benchmark::kMicrosecond);

} // namespace
