// SPDX-License-Identifier: GPL-3.0-or-later
// The month drawing through a surface that records instead of drawing: where each day stands, in
// which colour and weight, its lines, the order of the redraw, the title and the official marks.

#include "view/MonthPainter.h"
#include "tests/fakes/PlatformFakes.h"
#include "view/DrawingSurface.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr QRgb kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF008000, kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF, kBand = 0xFFECE9D8, kLines = 0xFFB6BDD2;

// A box, line or mark with its corners, or a printed line and where; in the colour and weight then.
struct DrawOp {
    char kind; // 'g' background colour, 'c' clear, 'x' box, 'l' line, 'p' printed line, 'm' mark
    QRgb color;
    bool bold;
    float x1, y1, x2 = 0, y2 = 0;
    QString text = {};
};

// A 533 x 294 surface whose text is 12 pixels high.
struct RecordingSurface final : view::DrawingSurface {
    std::vector<DrawOp> ops;
    float x = 0, y = 0; // the text position
    QRgb color = 0;
    bool bold = false;

    float width() const override { return 533; }
    float height() const override { return 294; }
    void setBackgroundColor(QRgb background) override { ops.push_back({'g', background, false, 0, 0}); }
    void clear() override { ops.push_back({'c', 0, false, 0, 0}); }
    void setDrawingColor(QRgb drawing) override { color = drawing; }
    void setBold(bool on) override { bold = on; }
    float textHeight(const QString&) const override { return 12; }
    void setTextPosition(float atX, float atY) override { x = atX, y = atY; }
    void setTextX(float atX) override { x = atX; }
    void printLine(const QString& text) override {
        ops.push_back({'p', color, bold, x, y, 0, 0, text});
        x = 0;
        y += 12;
    }
    void line(float x1, float y1, float x2, float y2) override { shape('l', x1, y1, x2, y2); }
    void filledBox(float x1, float y1, float x2, float y2) override { shape('x', x1, y1, x2, y2); }
    void shape(char kind, float x1, float y1, float x2, float y2) {
        ops.push_back({kind, color, bold, x1, y1, x2, y2});
    }
    void printCornerMark(const QString& text, float right, float top) override {
        ops.push_back({'m', color, false, right, top, 0, 0, text});
    }
};

struct Drawn {
    RecordingSurface surface;
    view::MonthPicture picture;
    QString kinds;                            // every operation's kind, in order
    std::map<int, std::vector<DrawOp>> cells; // each day's printed lines, its "8 初七" first
};

// A line belongs to the cell of the day line above it only when printed at the same x one line
// further down, in the same colour and weight.
Drawn draw(view::DisplayState state, core::CivilDate today = {1999, 1, 1},
           const engine::OfficialDays& official = {}) {
    const fakes::FixedClock clock(today);
    Drawn drawn;
    drawn.picture = view::drawMonth(drawn.surface, state, clock, official);
    static const QRegularExpression dayLine(QStringLiteral("^(\\d+) "));
    std::vector<DrawOp>* cell = nullptr;
    for (const DrawOp& op : drawn.surface.ops) {
        drawn.kinds += QChar::fromLatin1(op.kind);
        if (op.kind != 'p')
            continue;
        if (const QRegularExpressionMatch match = dayLine.match(op.text); match.hasMatch())
            cell = &drawn.cells[match.captured(1).toInt()];
        else if (cell &&
                 std::tuple(op.x1, op.y1 - 12, op.color, op.bold) !=
                     std::tuple(cell->back().x1, cell->back().y1, cell->back().color, cell->back().bold))
            cell = nullptr;
        if (cell)
            cell->push_back(op);
    }
    return drawn;
}

} // namespace

// The 1st stands in its weekday's column (Sunday first), cells 533/7 wide and (294 - 12 - 4)/6
// high under the band, text 4 pixels in. Colours: Sunday red, Saturday green, other days black;
// today blue over those; a festival day off red over all. Only the chosen day is bold.
TEST(MonthPainter, DayCellsPlaceColourAndWeight) {
    const struct {
        view::DisplayState shown;
        int day;
        QPointF textAt;
        QRgb color;
        core::CivilDate today = {1999, 1, 1};
    } rows[] = {
        {{2009, 3, 1}, 1, {5, 22}, kRed},                   // 1 March 2009, a Sunday
        {{2009, 3, 1}, 31, {157, 207}, kBlack},             // a Tuesday in row 4
        {{2011, 1, 8}, 1, {462, 22}, kRed},                 // a Saturday, and 元旦: a day off
        {{2011, 1, 8}, 8, {462, 68}, kGreen},               // Saturday
        {{2011, 1, 8}, 31, {81, 254}, kBlack},              // row 5
        {{2011, 1, 5}, 8, {462, 68}, kBlue, {2011, 1, 8}},  // today on a Saturday
        {{2011, 1, 5}, 2, {5, 68}, kBlue, {2011, 1, 2}},    // today on a Sunday
        {{2011, 1, 5}, 1, {462, 22}, kRed, {2011, 1, 1}},   // today, and a day off
        {{2012, 1, 5}, 1, {5, 22}, kRed, {2012, 1, 1}},     // Sunday, day off and today
        {{2011, 1, 5}, 8, {462, 68}, kGreen, {2011, 2, 8}}, // today in another month
    };
    for (const auto& row : rows) {
        const Drawn drawn = draw(row.shown, row.today);
        const DrawOp& first = drawn.cells.at(row.day).front();
        EXPECT_EQ(std::pair(QPointF(first.x1, first.y1), first.color), std::pair(row.textAt, row.color))
            << row.day;
        for (const auto& [day, lines] : drawn.cells)
            EXPECT_EQ(lines.front().bold, day == row.shown.CurDay) << day;
    }
}

// A cell's lines: the day and its lunar day, then the solar festival, the lunar festival and the
// term; festivals fixed to a weekday (Mother's Day, 2009-05-10) are not drawn. The title names the
// lunar year the day falls in, without a leap mark (2009-06-27 is the fifth of the repeated fifth).
TEST(MonthPainter, CellLinesAndTitle) {
    for (const auto& [shown, day, lines] :
         {std::tuple{view::DisplayState{1932, 8, 1}, 8, "8 初七|中国男子节 父亲节|七夕情人节|立秋"},
          {{1932, 8, 1}, 9, "9 初八"},
          {{2011, 1, 1}, 1, "1 廿七|元旦"}, // in the red of a day off
          {{2009, 5, 1}, 10, "10 十六"}}) {
        const Drawn drawn = draw(shown);
        QStringList printed;
        for (const DrawOp& line : drawn.cells.at(day))
            printed << line.text;
        EXPECT_EQ(printed.join(u'|'), QString::fromUtf8(lines));
    }
    for (const auto& [shown, title] :
         {std::pair{view::DisplayState{2012, 9, 12}, "2012年9月12日 星期三  壬辰(龙) 七月廿七"},
          {{2009, 1, 20}, "2009年1月20日 星期二  戊子(鼠) 十二月廿五"},
          {{2009, 1, 26}, "2009年1月26日 星期一  己丑(牛) 一月初一"},
          {{2009, 6, 27}, "2009年6月27日 星期六  己丑(牛) 五月初五"}})
        EXPECT_EQ(draw(shown).picture.title, QString::fromUtf8(title));
}

// White background, header band, separator, every cell (a white box, then its lines), 13 grid lines,
// the weekday names last, not bold though the chosen day drawn last was. An official working day
// (班, dark) or day off (休, red) is marked at its cell's top-right after its lines; no other day.
TEST(MonthPainter, OrderOfTheRedrawAndOfficialMarks) {
    engine::OfficialDays official;
    official.set(core::dayNumber(2012, 9, 29),
                 {engine::OfficialDayKind::WorkingDay, QStringLiteral("国庆节")});
    official.set(core::dayNumber(2012, 9, 30), {engine::OfficialDayKind::DayOff, QStringLiteral("中秋节")});
    const Drawn drawn = draw({2012, 9, 30}, {1999, 1, 1}, official);
    const std::vector<DrawOp>& ops = drawn.surface.ops;
    const view::MonthGeometry& grid = drawn.picture.geometry;
    ASSERT_TRUE(
        QRegularExpression(QStringLiteral("^gcxx(xp+){28}xp+mxp+ml{13}p{7}$")).match(drawn.kinds).hasMatch())
        << drawn.kinds.toStdString();
    const auto box = [](const DrawOp& op) { return std::tuple(op.color, op.x1, op.y1, op.x2, op.y2); };
    EXPECT_EQ(ops[0].color, kWhite);
    EXPECT_EQ(box(ops[2]), std::tuple(kBand, 0.f, 0.f, 533.f, 16.f));   // the band, corners included
    EXPECT_EQ(box(ops[3]), std::tuple(kLines, 0.f, 17.f, 533.f, 17.f)); // the separator
    for (std::size_t i = 4; i < ops.size(); ++i)
        EXPECT_TRUE((ops[i].kind != 'x' || ops[i].color == kWhite) &&
                    (ops[i].kind != 'l' || ops[i].color == kLines))
            << i;
    EXPECT_FLOAT_EQ(ops[ops.size() - 8].y1, 6 * grid.CellHeight + 16); // the bottom edge
    const QStringList names = QStringLiteral("星期日 星期一 星期二 星期三 星期四 星期五 星期六").split(u' ');
    for (int i = 0; i < 7; ++i) {
        const DrawOp& name = ops[ops.size() - 7 + i];
        EXPECT_EQ(name.text, names[i]);
        EXPECT_EQ(std::tuple(name.color, name.bold, name.y1), std::tuple(kBlack, false, 3.f));
        EXPECT_FLOAT_EQ(name.x1, i * grid.CellWidth + 3);
    }
    for (const auto& [at, day, text, color] :
         {std::tuple{drawn.kinds.indexOf(u'm'), 29, "班", QRgb(0xFF303030)},
          {drawn.kinds.lastIndexOf(u'm'), 30, "休", kRed}}) {
        const QPoint corner = grid.cellCorner(day);
        EXPECT_EQ(std::pair(ops[at].text, ops[at].color), std::pair(QString::fromUtf8(text), color));
        EXPECT_EQ(QPointF(ops[at].x1, ops[at].y1), QPointF(corner.x() + grid.CellWidth - 2, corner.y() + 2));
    }
}
