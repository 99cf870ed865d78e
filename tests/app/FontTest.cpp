// The font list: which installed fonts it leaves out, one row per rule and boundary, and the
// font pass that fills it: what it reports for each font, its order, its end, stopping it, and
// that the event loop keeps running while it works.

#include "app/FontFilter.h"
#include "app/FontPass.h"
#include "platform/InstalledFonts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <gtest/gtest.h>
#include <ostream>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// Lists as one readable line each, so a failure shows text rather than bytes.
std::string text(const QStringList& list) {
    return list.join(u" | ").toStdString();
}
std::string text(const std::vector<QString>& list) {
    return text(QStringList(list.begin(), list.end()));
}

// ---------------------------------------------------------------------------------------------
// The exclusion rules

struct FontCase {
    const char* label; // the test's name
    const char* name;  // UTF-8
    bool excluded;
};

void PrintTo(const FontCase& row, std::ostream* out) {
    *out << '"' << row.name << '"';
}

class ExclusionRule : public ::testing::TestWithParam<FontCase> {};

TEST_P(ExclusionRule, DecidesTheName) {
    EXPECT_EQ(app::isExcludedFont(u8(GetParam().name)), GetParam().excluded);
}

const FontCase kRuleCases[] = {
    // Ordinary faces pass.
    {"SimSun", "SimSun", false},
    {"SongInChinese", "宋体", false},
    {"DejaVuSans", "DejaVu Sans", false},
    {"MicrosoftYaHei", "Microsoft YaHei", false},
    {"EmptyName", "", false},
    // The named faces, whatever the case of their letters.
    {"WingdingsCapitalised", "Wingdings", true},
    {"Wingdings2AllCapitals", "WINGDINGS 2", true},
    {"SymbolCapitalised", "Symbol", true},
    {"WebdingsCapitalised", "Webdings", true},
    {"DavidMixedCase", "dAvId", true},
    {"ListedNamePlusSpace", "symbol ", false},
    // Arial: the face itself stays, every longer name starting with it goes.
    {"Arial", "Arial", false},
    {"ArialLowerCase", "arial", false},
    {"ArialCapitals", "ARIAL", false},
    {"ArialBlack", "Arial Black", true},
    {"ArialNarrow", "Arial Narrow", true},
    {"ArialUnicodeMsLowerCase", "arial unicode ms", true},
    {"ArialTrailingSpace", "Arial ", true},
    {"ArialGlued", "Arialx", true},
    {"ArialLessOne", "Aria", false},
    {"ArialInsideName", "My Arial", false},
    // Times New Roman.
    {"TimesNewRoman", "Times New Roman", false},
    {"TimesNewRomanCapitals", "TIMES NEW ROMAN", false},
    {"TimesNewRomanBaltic", "Times New Roman Baltic", true},
    {"TimesNewRomanCeCapitals", "TIMES NEW ROMAN CE", true},
    {"TimesNewRomanTrailingSpace", "Times New Roman ", true},
    {"TimesNewRomanLessOne", "Times New Roma", false},
    // Courier New.
    {"CourierNew", "Courier New", false},
    {"CourierNewCe", "Courier New CE", true},
    {"CourierNewBalticLowerCase", "courier new baltic", true},
    {"CourierNewLessOne", "Courier Ne", false},
    {"Courier", "Courier", false},
    // MingLiU and every name starting with it, in any case.
    {"MingLiU", "MingLiU", true},
    {"MingLiUHkscs", "MingLiU_HKSCS", true},
    {"MingLiUCapitals", "MINGLIU-ExtB", true},
    {"MingLiLessOne", "MingLi", false},
    {"PMingLiU", "PMingLiU", true},
    {"PMingLiUExtB", "PMingLiU-ExtB", true},
    {"PMingLiUHkscs", "PMingLiU_HKSCS", false},
    // Vertical faces.
    {"AtSign", "@", true},
    {"AtSimSun", "@SimSun", true},
    {"AtSongInChinese", "@宋体", true},
    {"AtInside", "Sim@Sun", false},
    {"FullWidthAt", "＠SimSun", false},
    // Two Chinese families.
    {"Fangzheng", "方正舒体", true},
    {"FangzhengAlone", "方正", true},
    {"FangAlone", "方", false},
    {"FangzhengInside", "新方正", false},
    {"Huawen", "华文宋体", true},
    {"HuawenAlone", "华文", true},
    {"HuaAlone", "华", false},
    {"HuawenInside", "中华文字", false},
    // Bold variants, the ending compared with case.
    {"EndsInBold", "Segoe UI Bold", true},
    {"BoldAlone", "Bold", true},
    {"EndsInLowerCaseBold", "Segoe UI bold", false},
    {"EndsInCapitalBold", "Segoe UI BOLD", false},
    {"EndsInBolder", "Bolder", false},
    {"StartsWithBold", "Bold Sans", false},
    {"BoldLessOne", "old", false},
    // GB 18030 compatibility faces.
    {"SimSun18030", "SimSun-18030", true},
    {"Only18030Suffix", "-18030", true},
    {"Only18030", "18030", false},
    {"Underscore18030", "SimSun_18030", false},
    {"Suffix18030ThenSpace", "SimSun-18030 ", false},
    // "MS" with two capitals, nothing else.
    {"MsSansSerif", "MS Sans Serif", true},
    {"MsAlone", "MS", true},
    {"MsGlued", "MSung", true},
    {"MsMixedCase", "Ms Sans Serif", false},
    {"MsLowerCase", "ms sans serif", false},
    {"MsLowerThenCapital", "mS Sans Serif", false},
    {"MsMinchoMixedCase", "Ms Mincho", true},
    {"ArialMs", "Arial MS", true}, // a variant of Arial; "MS" counts only at the start
    {"MsAtEnd", "Lucida MS", false},
    // Single characters: only "@" is left out.
    {"SingleM", "M", false},
    {"SingleS", "S", false},
    {"SingleA", "A", false},
    {"SingleDigit", "7", false},
    {"SingleSong", "宋", false},
};
INSTANTIATE_TEST_SUITE_P(FontFilter, ExclusionRule, ::testing::ValuesIn(kRuleCases),
                         [](const auto& info) { return std::string(info.param.label); });

// The faces left out by their whole name. Each is checked with its first letter in capitals
// (so only the lower-case comparison can catch it), with a letter more and with one letter less
// (so a prefix or a part does not count).
const char* const kNamedFaces[] = {
    "wingdings",
    "wingdings 2",
    "wingdings 3",
    "webdings",
    "symbol",
    "simplified arabic bold",
    "simplified arabic fixed",
    "simplified arabic",
    "rod",
    "pmingliu",
    "pmingliu-extb",
    "narkisim",
    "mv boli",
    "mt extra",
    "ms reference sans serif",
    "ms reference specialty",
    "ms outlook",
    "ms mincho",
    "ms pmincho",
    "ms gothic",
    "ms pgothic",
    "ms ui gothic",
    "aharoni",
    "arabic typesetting",
    "arabic transparent",
    "bookshelf symbol 7",
    "david",
};

class NamedFace : public ::testing::TestWithParam<const char*> {};

TEST_P(NamedFace, IsLeftOutByItsWholeNameOnly) {
    const QString name = u8(GetParam());
    const QString capitalised = name.left(1).toUpper() + name.mid(1);
    EXPECT_TRUE(app::isExcludedFont(capitalised)) << capitalised.toStdString();
    EXPECT_FALSE(app::isExcludedFont(capitalised + u'x')) << capitalised.toStdString() << "x";
    EXPECT_FALSE(app::isExcludedFont(capitalised.chopped(1))) << capitalised.chopped(1).toStdString();
}

INSTANTIATE_TEST_SUITE_P(FontFilter, NamedFace, ::testing::ValuesIn(kNamedFaces), [](const auto& info) {
    std::string label = std::to_string(info.index) + "_";
    for (const char* c = info.param; *c; ++c)
        label += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return label;
});

// ---------------------------------------------------------------------------------------------
// The progress caption

struct CaptionCase {
    int current;
    int total;
    const char16_t* expected;
};

class ProgressCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(ProgressCaption, CountsInPlainDecimal) {
    const CaptionCase& row = GetParam();
    EXPECT_EQ(app::fontPassCaption(row.current, row.total).toStdString(),
              QString::fromUtf16(row.expected).toStdString());
}

// Spelled with escapes so a look-alike arrow or three dots in place of the ellipses shows up.
INSTANTIATE_TEST_SUITE_P(
    FontPass, ProgressCaption,
    ::testing::Values(CaptionCase{1, 1, u"\u2199 \u6B63\u5728\u5904\u7406\u5B57\u4F53\u2026\u20261/1"},
                      CaptionCase{12, 245, u"↙ 正在处理字体……12/245"},
                      CaptionCase{7, 10, u"↙ 正在处理字体……7/10"},
                      CaptionCase{300, 300, u"↙ 正在处理字体……300/300"},
                      CaptionCase{1, 32767, u"↙ 正在处理字体……1/32767"}));

TEST(FontPass, DoneCaption) {
    EXPECT_EQ(app::fontPassDoneCaption().toStdString(),
              QString::fromUtf16(u"\u2193 \u65E5\u7A0B\u4FE1\u606F").toStdString());
}

// ---------------------------------------------------------------------------------------------
// The pass

// Keeps everything a pass reports, in order, as readable lines.
class PassLog {
public:
    explicit PassLog(app::FontPass& pass) {
        QObject::connect(&pass, &app::FontPass::progress, [this](int current, int total) {
            lines.push_back(app::fontPassCaption(current, total));
            ++progressCount;
        });
        QObject::connect(&pass, &app::FontPass::fontAccepted, [this](int position, const QString& name) {
            lines.push_back(QStringLiteral("+%1 %2").arg(position).arg(name));
        });
        QObject::connect(&pass, &app::FontPass::finished,
                         [this] { lines.push_back(QStringLiteral("finished")); });
    }
    std::vector<QString> lines;
    int progressCount = 0;
};

bool runToEnd(app::FontPass& pass) {
    return QTest::qWaitFor([&] { return !pass.isRunning(); }, 5000);
}

// Serves events for a while, so that anything still scheduled would be reported.
void serveEventsFor(std::chrono::milliseconds time) {
    QTest::qWait(static_cast<int>(time.count()));
}

// The expected lines of a log, each given in UTF-8.
std::string lines(std::initializer_list<const char*> utf8) {
    QStringList result;
    for (const char* line : utf8)
        result.push_back(u8(line));
    return text(result);
}

TEST(FontPass, ReportsEveryFontThenFinishes) {
    platform::FixedFonts fonts({u8("Arial"), u8("@SimSun"), u8("宋体"), u8("Wingdings"), u8("SimHei")});
    app::FontPass pass(fonts);
    PassLog log(pass);
    EXPECT_EQ(pass.state(), app::FontPass::State::Idle);

    pass.start();
    EXPECT_EQ(pass.state(), app::FontPass::State::Running);
    EXPECT_TRUE(log.lines.empty()) << "start() reports nothing itself";
    ASSERT_TRUE(runToEnd(pass));

    EXPECT_EQ(text(log.lines),
              lines({"↙ 正在处理字体……1/5", "+0 Arial", "↙ 正在处理字体……2/5", "↙ 正在处理字体……3/5",
                     "+0 宋体", "↙ 正在处理字体……4/5", "↙ 正在处理字体……5/5", "+2 SimHei", "finished"}));
    EXPECT_EQ(text(pass.acceptedNames()), text(QStringList({u8("宋体"), u8("Arial"), u8("SimHei")})));
    EXPECT_EQ(pass.state(), app::FontPass::State::Finished);
}

TEST(FontPass, EmptyListOnlyFinishes) {
    platform::FixedFonts fonts({});
    app::FontPass pass(fonts);
    PassLog log(pass);
    pass.start();
    ASSERT_TRUE(runToEnd(pass));
    EXPECT_EQ(text(log.lines), lines({"finished"}));
    EXPECT_EQ(pass.state(), app::FontPass::State::Finished);
    EXPECT_TRUE(pass.acceptedNames().isEmpty());
}

TEST(FontPass, EveryFontLeftOutStillCountsAndFinishes) {
    platform::FixedFonts fonts({u8("@宋体"), u8("MS Sans Serif")});
    app::FontPass pass(fonts);
    PassLog log(pass);
    pass.start();
    ASSERT_TRUE(runToEnd(pass));
    EXPECT_EQ(text(log.lines), lines({"↙ 正在处理字体……1/2", "↙ 正在处理字体……2/2", "finished"}));
}

// Chinese names first by their pinyin, then Latin names alphabetically whatever their case;
// every reported position, followed as it comes, gives the list in that order.
TEST(FontPass, KeepsTheListInNameOrder) {
    const QStringList arrival = {u8("consolas"),    u8("宋体"), u8("Calibri"), u8("黑体"),
                                 u8("Bahnschrift"), u8("楷体"), u8("Arial"),   u8("仿宋"),
                                 u8("DejaVu Sans"), u8("Arial")};
    platform::FixedFonts fonts(arrival);
    app::FontPass pass(fonts);
    QStringList built;
    QObject::connect(&pass, &app::FontPass::fontAccepted, [&](int position, const QString& name) {
        ASSERT_GE(position, 0);
        ASSERT_LE(position, built.size());
        built.insert(position, name);
    });
    pass.start();
    ASSERT_TRUE(runToEnd(pass));

    const QStringList expected = {u8("仿宋"),     u8("黑体"),       u8("楷体"),        u8("宋体"),
                                  u8("Arial"),    u8("Arial"),      u8("Bahnschrift"), u8("Calibri"),
                                  u8("consolas"), u8("DejaVu Sans")};
    EXPECT_EQ(text(built), text(expected));
    EXPECT_EQ(text(pass.acceptedNames()), text(expected));
}

// "Café" spelled with a combining accent and with a precomposed letter: the same name to the
// collation, so they stay in the order in which they came, both ways round.
TEST(FontPass, NamesThatSortEqualKeepTheirOrder) {
    const QString combining = QString::fromUtf16(u"Cafe\u0301");
    const QString precomposed = QString::fromUtf16(u"Caf\u00E9");
    for (const QStringList& arrival :
         {QStringList{combining, precomposed}, QStringList{precomposed, combining}}) {
        platform::FixedFonts fonts(arrival);
        app::FontPass pass(fonts);
        pass.start();
        ASSERT_TRUE(runToEnd(pass));
        EXPECT_EQ(text(pass.acceptedNames()), text(arrival));
    }
}

TEST(FontPass, RunsOnlyOnce) {
    platform::FixedFonts fonts({u8("Arial"), u8("SimSun")});
    app::FontPass pass(fonts);
    PassLog log(pass);
    pass.start();
    pass.start();
    ASSERT_TRUE(runToEnd(pass));
    pass.start();
    pass.stop();
    serveEventsFor(20ms);
    EXPECT_EQ(log.progressCount, 2);
    EXPECT_EQ(log.lines.back().toStdString(), "finished");
    EXPECT_EQ(pass.state(), app::FontPass::State::Finished);
}

// ---------------------------------------------------------------------------------------------
// Stopping the pass (the main window closing): it ends where it is and reports nothing more.

platform::FixedFonts sixFonts() {
    return platform::FixedFonts(
        {u8("Arial"), u8("SimSun"), u8("SimHei"), u8("KaiTi"), u8("FangSong"), u8("NSimSun")});
}

TEST(FontPassStop, BeforeTheFirstSlice) {
    auto fonts = sixFonts();
    app::FontPass pass(fonts);
    PassLog log(pass);
    pass.start();
    pass.stop();
    serveEventsFor(30ms);
    EXPECT_TRUE(log.lines.empty());
    EXPECT_EQ(pass.state(), app::FontPass::State::Stopped);
}

TEST(FontPassStop, BetweenSlices) {
    auto fonts = sixFonts();
    app::FontPass pass(fonts);
    pass.setSliceBudget(0ns); // one font a slice
    PassLog log(pass);
    pass.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.progressCount >= 2; }, 5000));
    pass.stop();
    const auto seen = log.lines;
    serveEventsFor(30ms);
    EXPECT_EQ(text(log.lines), text(seen));
    EXPECT_LT(log.progressCount, 6);
    EXPECT_EQ(pass.state(), app::FontPass::State::Stopped);
}

TEST(FontPassStop, FromTheProgressHandler) {
    auto fonts = sixFonts();
    app::FontPass pass(fonts);
    PassLog log(pass);
    QObject::connect(&pass, &app::FontPass::progress, [&](int current, int) {
        if (current == 3)
            pass.stop();
    });
    pass.start();
    serveEventsFor(30ms);
    EXPECT_EQ(text(log.lines), lines({"↙ 正在处理字体……1/6", "+0 Arial", "↙ 正在处理字体……2/6", "+1 SimSun",
                                      "↙ 正在处理字体……3/6"}));
    EXPECT_EQ(pass.state(), app::FontPass::State::Stopped);
}

TEST(FontPassStop, FromTheAcceptedHandler) {
    auto fonts = sixFonts();
    app::FontPass pass(fonts);
    PassLog log(pass);
    QObject::connect(&pass, &app::FontPass::fontAccepted, [&](int, const QString&) { pass.stop(); });
    pass.start();
    serveEventsFor(30ms);
    EXPECT_EQ(text(log.lines), lines({"↙ 正在处理字体……1/6", "+0 Arial"}));
    EXPECT_EQ(pass.state(), app::FontPass::State::Stopped);
}

// ---------------------------------------------------------------------------------------------
// The event loop while the pass runs

TEST(FontPassSlices, ZeroBudgetTakesOneFontPerSlice) {
    auto fonts = sixFonts();
    app::FontPass pass(fonts);
    pass.setSliceBudget(0ns);
    pass.start();
    ASSERT_TRUE(runToEnd(pass));
    EXPECT_EQ(pass.sliceCount(), 6);
}

TEST(FontPassSlices, AShortPassTakesOneSlice) {
    auto fonts = sixFonts();
    app::FontPass pass(fonts);
    pass.start();
    ASSERT_TRUE(runToEnd(pass));
    EXPECT_EQ(pass.sliceCount(), 1);
}

// Each font takes its handler 2 ms, 60 ms in all: the pass must hand back to the event loop
// several times, so that a timer and a posted event are served while fonts are still to come.
TEST(FontPassSlices, TimersAndPostedEventsRunWhileTheListFills) {
    constexpr int kFonts = 30;
    QStringList names;
    for (int i = 0; i < kFonts; ++i)
        names.push_back(QStringLiteral("Face %1").arg(i));
    platform::FixedFonts fonts(names);
    app::FontPass pass(fonts);
    int processed = 0;
    QObject::connect(&pass, &app::FontPass::progress, [&](int current, int) {
        processed = current;
        std::this_thread::sleep_for(2ms);
    });

    std::vector<int> seenByTimer;
    QTimer ticker;
    ticker.setInterval(0);
    QObject::connect(&ticker, &QTimer::timeout, [&] { seenByTimer.push_back(processed); });

    // Records how far the pass had got when a posted event reached it.
    struct Receiver : QObject {
        int* processed = nullptr;
        int seen = -1;
        bool event(QEvent* event) override {
            if (event->type() != QEvent::User)
                return QObject::event(event);
            seen = *processed;
            return true;
        }
    } receiver;
    receiver.processed = &processed;
    QObject::connect(&pass, &app::FontPass::progress, [&](int current, int) {
        if (current == 1)
            QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    });

    ticker.start();
    pass.start();
    ASSERT_TRUE(runToEnd(pass));
    ticker.stop();

    EXPECT_GE(pass.sliceCount(), 3);
    EXPECT_LE(pass.longestSlice(), 50ms);
    EXPECT_GT(receiver.seen, 0);
    EXPECT_LT(receiver.seen, kFonts);
    const bool timerRanMidPass = std::any_of(seenByTimer.begin(), seenByTimer.end(),
                                             [](int seen) { return seen > 0 && seen < kFonts; });
    EXPECT_TRUE(timerRanMidPass);
}

// ---------------------------------------------------------------------------------------------
// The list filled as FontPass.h shows: nothing is selected while it fills; at the end the
// current face is selected once, or, when that face is not offered, nothing is.

struct FaceCase {
    const char* label;
    const char* face;
    int selected; // -1: none
};

class FontListAtTheEnd : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FontListAtTheEnd, SelectsTheCurrentFace) {
    platform::FixedFonts fonts({u8("SimSun"), u8("@宋体"), u8("宋体"), u8("Arial"), u8("Arial Black")});
    app::FontPass pass(fonts);
    QComboBox list;
    list.setPlaceholderText(u8("字体"));
    list.setEnabled(false);
    int selections = 0;
    bool selectedTooEarly = false;
    QObject::connect(&list, &QComboBox::currentIndexChanged, [&] { ++selections; });
    QObject::connect(&pass, &app::FontPass::fontAccepted, [&](int position, const QString& name) {
        list.insertItem(position, name);
        selectedTooEarly = selectedTooEarly || list.currentIndex() != -1;
    });
    QObject::connect(&pass, &app::FontPass::finished, [&] {
        list.setCurrentIndex(list.findText(u8(GetParam().face)));
        list.setEnabled(true);
    });
    pass.start();
    ASSERT_TRUE(runToEnd(pass));

    EXPECT_FALSE(selectedTooEarly);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.currentIndex(), GetParam().selected);
    EXPECT_EQ(selections, GetParam().selected == -1 ? 0 : 1);
    EXPECT_TRUE(list.isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    FontPass, FontListAtTheEnd,
    ::testing::Values(FaceCase{"FirstEntry", "宋体", 0}, FaceCase{"MiddleEntry", "Arial", 1},
                      FaceCase{"LastEntry", "SimSun", 2}, FaceCase{"ExcludedFace", "Arial Black", -1},
                      FaceCase{"OtherCase", "simsun", -1}, FaceCase{"NotInstalled", "KaiTi", -1}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
