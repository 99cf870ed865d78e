// SPDX-License-Identifier: GPL-3.0-or-later
// The font list: which installed fonts it leaves out, and the font pass that fills it: what it
// reports for each font, its order, its end, stopping it, and the event loop running meanwhile.

#include "app/FontFilter.h"
#include "app/FontPass.h"
#include "platform/InstalledFonts.h"
#include "tests/fakes/PlatformFakes.h"

#include <QFile>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;
using State = app::FontPass::State;

// A list as one readable line, so a failure shows text rather than bytes.
std::string text(const QStringList& list) {
    return list.join(u" | ").toStdString();
}

// Each rule at its boundary: tests/data/font-exclusions.txt.
TEST(FontFilter, ExclusionRules) {
    QFile file(QStringLiteral(KESPARO_TEST_DATA_DIR "/font-exclusions.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int rows = 0;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts)) {
        const QString kind = line.section(u' ', 0, 0);
        if (line.startsWith(u'#'))
            continue;
        ASSERT_TRUE(kind == u"in" || kind == u"out") << line.toStdString();
        EXPECT_EQ(app::isExcludedFont(line.section(u'"', 1, -2)), kind == u"out") << line.toStdString();
        ++rows;
    }
    EXPECT_EQ(rows, 131); // the file was read whole
}

// One font a slice, so the bookkeeping carries over slice boundaries; only an idle pass starts,
// once; an empty list only finishes. Stopped from a handler of progress() or fontAccepted(), in the
// middle of a slice, it ends there. (Stopped between slices: the main window closing.)
TEST(FontPass, ReportsEveryFontThenFinishesOnce) {
    const QStringList six = {"Arial", "SimSun", "SimHei", "KaiTi", "FangSong", "NSimSun"};
    for (const auto& [names, stopAt, expected] :
         {std::tuple{QStringList{"Arial", "@SimSun", "宋体", "Wingdings", "SimHei"}, "",
                     "1/5 | +0 Arial | 2/5 | 3/5 | +0 宋体 | 4/5 | 5/5 | +2 SimHei | finished"},
          {QStringList{}, "", "finished"},
          {six, "3/6", "1/6 | +0 Arial | 2/6 | +1 SimSun | 3/6"},
          {six, "+0 Arial", "1/6 | +0 Arial"}}) {
        fakes::FixedFonts fonts(names);
        app::FontPass pass(fonts);
        pass.setSliceBudget(0ns);
        QStringList log; // "3/5" for progress, "+0 Arial" for a font accepted at position 0
        const auto add = [&, stopAt = QString::fromUtf8(stopAt)](const QString& line) {
            log << line;
            if (line == stopAt)
                pass.stop();
        };
        QObject::connect(&pass, &app::FontPass::progress,
                         [&](int at, int of) { add(QStringLiteral("%1/%2").arg(at).arg(of)); });
        QObject::connect(&pass, &app::FontPass::fontAccepted, [&](int position, const QString& name) {
            add(QStringLiteral("+%1 %2").arg(position).arg(name));
        });
        QObject::connect(&pass, &app::FontPass::finished, [&] { add(QStringLiteral("finished")); });
        EXPECT_EQ(pass.state(), State::Idle);
        pass.start();
        pass.start();
        EXPECT_TRUE(pass.state() == State::Running && log.empty()) << "start() reports nothing itself";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !pass.isRunning(); }, 5000));
        pass.start();
        pass.stop();
        QTest::qWait(20);
        EXPECT_EQ(text(log), expected);
        EXPECT_EQ(pass.state(), *stopAt ? State::Stopped : State::Finished);
        EXPECT_EQ(pass.sliceCount(), std::max<qsizetype>(log.filter(QStringLiteral("/")).size(), 1));
    }
}

// Chinese names first by their pinyin, then Latin names alphabetically whatever their case; names
// that sort equal ("Café" precomposed, then with a combining accent) keep the order in which they
// came. Each font takes its handler 3 ms, so the pass must hand back to the event loop several
// times: a timer and a posted event are served while fonts are still to come.
TEST(FontPass, FillsTheListInNameOrderWhileTheEventLoopRuns) {
    fakes::FixedFonts fonts({"consolas", "宋体", "Calibri", "黑体", "Bahnschrift", "楷体", "Arial", "仿宋",
                             "DejaVu Sans", "Arial", "Caf\u00E9", "Cafe\u0301"});
    app::FontPass pass(fonts);
    int processed = 0;
    bool timerRanMidPass = false, postedCallRanMidPass = false;
    const auto midPass = [&] { return processed > 0 && processed < 12; };
    QTimer ticker;
    QObject::connect(&pass, &app::FontPass::progress, [&](int current) {
        processed = current;
        if (current == 1) // a queued call is a posted event
            QMetaObject::invokeMethod(
                &ticker, [&] { postedCallRanMidPass = midPass(); }, Qt::QueuedConnection);
        std::this_thread::sleep_for(3ms);
    });
    QObject::connect(&ticker, &QTimer::timeout, [&] { timerRanMidPass = timerRanMidPass || midPass(); });
    ticker.start(0);
    pass.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !pass.isRunning(); }, 5000));
    EXPECT_EQ(text(pass.acceptedNames()),
              text({"仿宋", "黑体", "楷体", "宋体", "Arial", "Arial", "Bahnschrift", "Caf\u00E9",
                    "Cafe\u0301", "Calibri", "consolas", "DejaVu Sans"}));
    EXPECT_LE(pass.longestSlice(), 50ms);
    EXPECT_TRUE(postedCallRanMidPass && timerRanMidPass);
}

} // namespace

// Families as people know them: once each, without the foundry tags Qt adds where several
// foundries make one ("C059 [UKWN]"); on this machine too.
TEST(InstalledFonts, EachFamilyOnceWithoutFoundryTags) {
    EXPECT_EQ(
        platform::withoutFoundries({"C059 [UKWN]", "C059 [URW]", "Arial", "Mono [x] Sans", "Arial", "C059"}),
        (QStringList{"C059", "Arial", "Mono [x] Sans"}));
    QStringList installed = platform::installedFonts().families();
    EXPECT_EQ(installed.removeDuplicates(), 0);
    for (const QString& family : installed)
        EXPECT_FALSE(family.endsWith(u']')) << family.toStdString();
}
