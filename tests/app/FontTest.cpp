// The font list: which installed fonts it leaves out, every rule at its boundary, and the font
// pass that fills it: what it reports for each font, its order, its end, stopping it, and that
// the event loop keeps running while it works.

#include "app/FontFilter.h"
#include "app/FontPass.h"
#include "platform/InstalledFonts.h"
#include "tests/fakes/FixedFonts.h"

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

// Each rule at its boundary: the case it compares in, a name as long as the rule's text, one
// character shorter, one longer, and the text elsewhere than where the rule looks for it.
TEST(FontFilter, ExclusionRules) {
    const auto expect = [](bool excluded, std::initializer_list<const char*> names) {
        for (const char* name : names)
            EXPECT_EQ(app::isExcludedFont(QString::fromUtf8(name)), excluded) << '"' << name << '"';
    };
    // Arial, Times New Roman and Courier New stay, in any case, but not their variants;
    // MingLiU goes with all its variants, PMingLiU only by its listed names.
    expect(true, {"Arial Black", "arial unicode ms", "Arial ", "TIMES NEW ROMAN CE", "Times New Roman ",
                  "Courier New CE", "MingLiU", "MINGLIU-ExtB", "WINGDINGS 2", "dAvId"});
    expect(false, {"", "M", "宋体", "SimSun", "ARIAL", "Aria", "My Arial", "Times New Roman",
                   "Times New Roma", "Courier New", "Courier Ne", "MingLi", "PMingLiU_HKSCS"});
    // "@", 方正 and 华文 at the start, "Bold" and "-18030" at the end, "MS" at the start, with case.
    expect(true, {"@", "@宋体", "方正", "方正舒体", "华文", "华文宋体", "Bold", "Segoe UI Bold", "-18030",
                  "SimSun-18030", "MS", "MSung"});
    expect(false,
           {"Sim@Sun", "＠SimSun", "方", "新方正", "华", "中华文字", "Segoe UI bold", "Bold Sans", "old",
            "18030", "SimSun_18030", "SimSun-18030 ", "Ms Sans Serif", "mS Sans Serif", "Lucida MS"});

    // The faces left out by their whole name, compared in lower case: each with a capital first
    // letter; with a letter more or one less it is another name.
    const QStringList named =
        QString("wingdings|wingdings 2|wingdings 3|webdings|symbol|simplified arabic bold|"
                "simplified arabic fixed|simplified arabic|rod|pmingliu|pmingliu-extb|"
                "narkisim|mv boli|mt extra|ms reference sans serif|ms reference specialty|"
                "ms outlook|ms mincho|ms pmincho|ms gothic|ms pgothic|ms ui gothic|"
                "aharoni|arabic typesetting|arabic transparent|bookshelf symbol 7|david")
            .split(u'|');
    for (const QString& lower : named) {
        const QString name = lower.left(1).toUpper() + lower.mid(1);
        EXPECT_TRUE(app::isExcludedFont(name)) << name.toStdString();
        EXPECT_FALSE(app::isExcludedFont(name + u'x')) << name.toStdString() << "x";
        EXPECT_FALSE(app::isExcludedFont(name.chopped(1))) << name.chopped(1).toStdString();
    }
}

// Keeps everything a pass reports, in order: "3/5" for progress, "+0 Arial" for an accepted font;
// builds the list from the reported positions; the handler that logs `stopAt` stops the pass.
struct PassLog {
    explicit PassLog(app::FontPass& pass, const QString& stopAt = {}) {
        const auto add = [this, &pass, stopAt](const QString& line) {
            lines << line;
            if (line == stopAt)
                pass.stop();
        };
        QObject::connect(&pass, &app::FontPass::progress, [add](int current, int total) {
            add(QStringLiteral("%1/%2").arg(current).arg(total));
        });
        QObject::connect(&pass, &app::FontPass::fontAccepted, [this, add](int position, const QString& name) {
            add(QStringLiteral("+%1 %2").arg(position).arg(name));
            ASSERT_TRUE(position >= 0 && position <= list.size()) << position;
            list.insert(position, name);
        });
        QObject::connect(&pass, &app::FontPass::finished, [add] { add("finished"); });
    }
    QStringList lines, list;
};

bool runToEnd(app::FontPass& pass) {
    return QTest::qWaitFor([&] { return !pass.isRunning(); }, 5000);
}

// One font a slice, so the bookkeeping carries over slice boundaries; only an idle pass starts;
// an empty list only finishes. The captions are spelled with escapes so a look-alike arrow or
// three dots in place of the ellipses shows up.
TEST(FontPass, ReportsEveryFontThenFinishesOnce) {
    EXPECT_EQ(app::fontPassCaption(12, 245).toStdU16String(),
              u"\u2199 \u6B63\u5728\u5904\u7406\u5B57\u4F53\u2026\u202612/245");
    EXPECT_EQ(app::fontPassDoneCaption().toStdU16String(), u"\u2193 \u65E5\u7A0B\u4FE1\u606F");
    using Row = std::pair<QStringList, std::string>;
    for (const auto& [names, expected] :
         {Row{{"Arial", "@SimSun", "宋体", "Wingdings", "SimHei"},
              "1/5 | +0 Arial | 2/5 | 3/5 | +0 宋体 | 4/5 | 5/5 | +2 SimHei | finished"},
          Row{{}, "finished"}}) {
        fakes::FixedFonts fonts(names);
        app::FontPass pass(fonts);
        pass.setSliceBudget(0ns);
        PassLog log(pass);
        EXPECT_EQ(pass.state(), State::Idle);
        pass.start();
        pass.start();
        EXPECT_EQ(pass.state(), State::Running);
        EXPECT_TRUE(log.lines.empty()) << "start() reports nothing itself";
        ASSERT_TRUE(runToEnd(pass));
        pass.start();
        pass.stop();
        QTest::qWait(20);
        EXPECT_EQ(text(log.lines), expected);
        EXPECT_EQ(pass.state(), State::Finished);
        EXPECT_EQ(pass.sliceCount(), std::max<qsizetype>(names.size(), 1));
    }
}

// Chinese names first by their pinyin, then Latin names alphabetically whatever their case;
// names that sort equal ("Café" precomposed, then with a combining accent) keep the order in
// which they came. Each font takes its handler 3 ms, so the pass must hand back to the event
// loop several times: a timer and a posted event are served while fonts are still to come.
TEST(FontPass, FillsTheListInNameOrderWhileTheEventLoopRuns) {
    const QString precomposed = QString::fromUtf16(u"Caf\u00E9"),
                  combining = QString::fromUtf16(u"Cafe\u0301");
    fakes::FixedFonts fonts({"consolas", "宋体", "Calibri", "黑体", "Bahnschrift", "楷体", "Arial", "仿宋",
                             "DejaVu Sans", "Arial", precomposed, combining});
    app::FontPass pass(fonts);
    PassLog log(pass);
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
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] { timerRanMidPass = timerRanMidPass || midPass(); });
    ticker.start();
    pass.start();
    ASSERT_TRUE(runToEnd(pass));

    const QStringList expected = {"仿宋",    "黑体",    "楷体",        "宋体",
                                  "Arial",   "Arial",   "Bahnschrift", precomposed,
                                  combining, "Calibri", "consolas",    "DejaVu Sans"};
    EXPECT_EQ(text(log.list), text(expected));
    EXPECT_EQ(text(pass.acceptedNames()), text(expected));
    EXPECT_GE(pass.sliceCount(), 3);
    EXPECT_LE(pass.longestSlice(), 50ms);
    EXPECT_TRUE(postedCallRanMidPass);
    EXPECT_TRUE(timerRanMidPass);
}

// Stopping (the main window closing) ends the pass where it is: nothing more is reported.
TEST(FontPass, StopEndsItWhereItIs) {
    const QStringList six = {"Arial", "SimSun", "SimHei", "KaiTi", "FangSong", "NSimSun"};
    // From a handler of progress() or fontAccepted(), in the middle of a slice.
    for (const auto& [stopAt, expected] : {std::pair{"3/6", "1/6 | +0 Arial | 2/6 | +1 SimSun | 3/6"},
                                           std::pair{"+0 Arial", "1/6 | +0 Arial"}}) {
        fakes::FixedFonts fonts(six);
        app::FontPass pass(fonts);
        PassLog log(pass, stopAt);
        pass.start();
        QTest::qWait(30);
        EXPECT_EQ(text(log.lines), expected);
        EXPECT_EQ(pass.state(), State::Stopped);
    }
    // From outside a slice, between two (one font a slice).
    fakes::FixedFonts fonts(six);
    app::FontPass pass(fonts);
    pass.setSliceBudget(0ns);
    PassLog log(pass);
    pass.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.lines.contains("+1 SimSun"); }, 5000));
    pass.stop();
    const std::string seen = text(log.lines);
    QTest::qWait(30);
    EXPECT_EQ(text(log.lines), seen);
    EXPECT_FALSE(log.lines.contains("6/6"));
    EXPECT_EQ(pass.state(), State::Stopped);
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
