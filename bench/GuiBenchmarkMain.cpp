// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the benchmarks that need widgets: an application on Qt's offscreen platform, then
// Google Benchmark as usual.

#include <QApplication>
#include <benchmark/benchmark.h>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
