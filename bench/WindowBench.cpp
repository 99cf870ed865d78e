// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of the main window: a full redraw (month grid, title and report) at the design size,
// and the whole start-up of the program from process start to its first picture on screen.

#include "app/frmInfo.h"
#include "app/frmMain.h"
#include "tests/fakes/PlatformFakes.h"
#include "view/Navigation.h"

#include <QElapsedTimer>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

void BM_ReDrawCalendar(benchmark::State& state) {
    fakes::FixedClock clock({2012, 9, 12});
    fakes::FixedScreen screen({QRect(0, 0, 19200, 12000), QRect(0, 0, 19200, 11400)});
    fakes::FixedFonts fonts({});
    fakes::MemoryChoiceStore choices;
    fakes::ManualDayChange dayChange;
    frmMain window({clock, screen, fonts, choices, dayChange, [] { return report::loadTextResources(); },
                    [] { return report::loadOfficialDays(QString()); },
                    [](const QString&) { return QString(); },
                    [] { return static_cast<promo::GG1*>(nullptr); }, [](const QString&) {}});
    if (!window.Form_Load()) {
        state.SkipWithError("the text resources did not load");
        return;
    }
    int day = 0;
    for (auto _ : state) {
        window.picMain_KeyDown(day++ % 2 ? view::LeftArrow
                                         : view::RightArrow); // a key moves the chosen day and redraws
    }
    window.reportWindow()->unload();
}
BENCHMARK(BM_ReDrawCalendar)->Unit(benchmark::kMicrosecond);

// Starts the program (offscreen) and waits until it has painted its month once and quit.
void BM_StartupToFirstPicture(benchmark::State& state) {
    const QString program = QStringLiteral(KESPARO_EXECUTABLE);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("KESPARO_EXIT_AFTER_FIRST_PICTURE"), QStringLiteral("1"));
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(program, {});
        if (!process.waitForFinished(10000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not start and quit");
            break;
        }
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_StartupToFirstPicture)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
