// The month drawing through a recording surface: what is drawn, where, in which colour and order.

#include "view/MonthPainter.h"
#include "tests/fakes/FixedClock.h"
#include "tests/view/RecordingSurface.h"

#include <QRectF>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <map>

namespace {

constexpr QRgb kBlack = 0xFF000000, kRed = 0xFFFF0000, kGreen = 0xFF008000, kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF, kBand = 0xFFECE9D8, kLines = 0xFFB6BDD2;

struct Cell {
    QPointF textAt; // where the day line was printed
    QRgb color = 0;
    bool bold = false;
    QStringList lines;
};

struct Drawn {
    RecordingSurface surface{533, 294};
    std::map<int, Cell> cells;
    view::MonthPicture picture;
};

// Draws the month of `state` with today fixed at `today`, and gathers each day cell's lines.
Drawn draw(view::DisplayState state, core::CivilDate today = {1999, 1, 1},
           const engine::OfficialDays& official = {}) {
    const fakes::FixedClock clock(today);
    Drawn drawn;
    drawn.picture = view::drawMonth(drawn.surface, state, clock, official);
    static const QRegularExpression dayLine(QStringLiteral("^(\\d+) "));
    Cell* current = nullptr;
    for (const DrawOp& op : drawn.surface.ops) {
        if (op.kind == DrawOp::Position)
            current = nullptr;
        if (op.kind != DrawOp::Print)
            continue;
        const QRegularExpressionMatch match = dayLine.match(op.text);
        if (match.hasMatch()) {
            current = &drawn.cells[match.captured(1).toInt()];
            *current = {{op.x1, op.y1}, op.color, op.bold, {}};
        }
        if (current)
            current->lines << op.text;
    }
    return drawn;
}

// The column and row of a cell, from where its text stands.
QPoint gridPosition(const Drawn& drawn, int day) {
    const view::MonthGeometry& grid = drawn.picture.geometry;
    const QPointF at = drawn.cells.at(day).textAt;
    return {static_cast<int>((at.x() - 4) / grid.CellWidth),
            static_cast<int>((at.y() - 4 - grid.gridTop()) / grid.CellHeight + 0.01)};
}

} // namespace

TEST(MonthPainter, FirstDayOnSundayAndOnSaturday) {
    const Drawn march2009 = draw({2009, 3, 1}); // 1 March 2009 was a Sunday
    EXPECT_EQ(gridPosition(march2009, 1), QPoint(0, 0));
    EXPECT_EQ(gridPosition(march2009, 31), QPoint(2, 4));
    EXPECT_EQ(march2009.cells.at(1).textAt, QPointF(1 + 4, 12 + 6 + 4));

    const Drawn january2011 = draw({2011, 1, 1}); // a Saturday, 31 days: reaches row 5
    EXPECT_EQ(gridPosition(january2011, 1), QPoint(6, 0));
    EXPECT_EQ(gridPosition(january2011, 30), QPoint(0, 5));
    EXPECT_EQ(gridPosition(january2011, 31), QPoint(1, 5));
}

TEST(MonthPainter, CellCornersRoundHalfToEven) {
    const Drawn drawn = draw({2009, 3, 1});
    const view::MonthGeometry& grid = drawn.picture.geometry;
    EXPECT_FLOAT_EQ(grid.CellWidth, 533.0f / 7);
    EXPECT_FLOAT_EQ(grid.CellHeight, (294.0f - 12 - 4) / 6);
    for (const auto& [day, cell] : drawn.cells) {
        const int position = day - 1;
        const int x = view::roundHalfEven(position % 7 * grid.CellWidth + 1);
        const int y = view::roundHalfEven(position / 7 * grid.CellHeight + 12 + 6);
        EXPECT_EQ(cell.textAt, QPointF(x + 4, y + 4)) << day;
    }
    EXPECT_EQ(view::roundHalfEven(2.5), 2);
    EXPECT_EQ(view::roundHalfEven(3.5), 4);
    EXPECT_EQ(view::roundHalfEven(3.49), 3);
}

TEST(MonthPainter, MonthLengths) {
    EXPECT_EQ(draw({2012, 2, 1}).cells.size(), 29u);
    EXPECT_EQ(draw({2013, 2, 1}).cells.size(), 28u);
    EXPECT_EQ(draw({2000, 2, 1}).cells.size(), 29u);
    EXPECT_EQ(draw({2049, 12, 1}).cells.size(), 31u);
    EXPECT_EQ(draw({2009, 4, 1}).cells.size(), 30u);
}

TEST(MonthPainter, TextColours) {
    // January 2011: the 1st a Saturday and 元旦 (a day off), the 2nd a Sunday, the 8th a Saturday.
    const Drawn plain = draw({2011, 1, 5});
    EXPECT_EQ(plain.cells.at(1).color, kRed);   // Saturday, but a festival day off
    EXPECT_EQ(plain.cells.at(2).color, kRed);   // Sunday
    EXPECT_EQ(plain.cells.at(3).color, kBlack); // Monday
    EXPECT_EQ(plain.cells.at(8).color, kGreen); // Saturday

    EXPECT_EQ(draw({2011, 1, 5}, {2011, 1, 8}).cells.at(8).color, kBlue);  // today on a Saturday
    EXPECT_EQ(draw({2011, 1, 5}, {2011, 1, 1}).cells.at(1).color, kRed);   // today, and a day off
    EXPECT_EQ(draw({2011, 1, 5}, {2011, 1, 2}).cells.at(2).color, kBlue);  // today on a Sunday
    EXPECT_EQ(draw({2012, 1, 5}, {2012, 1, 1}).cells.at(1).color, kRed);   // Sunday, day off, today
    EXPECT_EQ(draw({2011, 1, 5}, {2011, 2, 8}).cells.at(8).color, kGreen); // today in another month
    // Every line of a cell has the cell's colour.
    const Drawn october = draw({2009, 10, 1});
    for (const DrawOp& op : october.surface.printed()) {
        if (op.text == QStringLiteral("国庆节假日")) {
            EXPECT_EQ(op.color, kRed);
        }
    }
}

TEST(MonthPainter, ChosenDayBoldAndHeaderNeverBold) {
    for (int chosen : {1, 15, 31}) {
        const Drawn drawn = draw({2009, 1, static_cast<std::int16_t>(chosen)});
        for (const auto& [day, cell] : drawn.cells)
            EXPECT_EQ(cell.bold, day == chosen) << day;
        const auto printed = drawn.surface.printed();
        for (std::size_t i = printed.size() - 7; i < printed.size(); ++i) {
            EXPECT_TRUE(printed[i].text.startsWith(QStringLiteral("星期")));
            EXPECT_FALSE(printed[i].bold);
            EXPECT_EQ(printed[i].color, kBlack);
        }
    }
}

TEST(MonthPainter, CellLines) {
    // 1932-08-08: solar festival, lunar festival and term, in that order.
    const Drawn busy = draw({1932, 8, 1});
    EXPECT_EQ(busy.cells.at(8).lines,
              (QStringList{QStringLiteral("8 初七"), QStringLiteral("中国男子节 父亲节"),
                           QStringLiteral("七夕情人节"), QStringLiteral("立秋")}));
    EXPECT_EQ(busy.cells.at(9).lines, QStringList{QStringLiteral("9 初八")});
    // Weekday festivals are not drawn in the grid: 2009-05-10 is 国际母亲节.
    EXPECT_EQ(draw({2009, 5, 1}).cells.at(10).lines, QStringList{QStringLiteral("10 十六")});
    // Follow-on lines start at the cell's text column, one line further down each.
    const auto printed = busy.surface.printed();
    const auto first = std::find_if(printed.begin(), printed.end(),
                                    [](const DrawOp& op) { return op.text == QStringLiteral("8 初七"); });
    ASSERT_NE(first, printed.end());
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ((first + i)->x1, first->x1);
        EXPECT_EQ((first + i)->y1, first->y1 + 12 * i);
    }
}

TEST(MonthPainter, OrderOfTheRedraw) {
    const Drawn drawn = draw({2009, 3, 1});
    const auto& ops = drawn.surface.ops;
    ASSERT_GE(ops.size(), 6u);
    EXPECT_EQ(ops[0].kind, DrawOp::Background);
    EXPECT_EQ(ops[0].color, kWhite);
    EXPECT_EQ(ops[1].kind, DrawOp::Clear);
    // Header band, then its separator: a box of no height under it.
    EXPECT_EQ(ops[3].kind, DrawOp::Box);
    EXPECT_EQ(ops[3].color, kBand);
    EXPECT_EQ(QRectF(QPointF(ops[3].x1, ops[3].y1), QPointF(ops[3].x2, ops[3].y2)), QRectF(0, 0, 533, 16));
    EXPECT_EQ(ops[5].kind, DrawOp::Box);
    EXPECT_EQ(ops[5].color, kLines);
    EXPECT_EQ(ops[5].y1, 17);
    EXPECT_EQ(ops[5].y2, 17);

    // Then every cell (white box before its text), then 13 grid lines, then the 7 weekday names.
    std::vector<DrawOp::Kind> tail;
    int lines = 0, whiteBoxes = 0;
    bool linesStarted = false;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Box && op.color == kWhite) {
            EXPECT_FALSE(linesStarted);
            ++whiteBoxes;
        }
        if (op.kind == DrawOp::Line) {
            linesStarted = true;
            ++lines;
            EXPECT_EQ(op.color, kLines);
        }
        if (op.kind == DrawOp::Print && op.text.startsWith(QStringLiteral("星期"))) {
            EXPECT_EQ(lines, 13);
        }
    }
    EXPECT_EQ(whiteBoxes, 31);
    EXPECT_EQ(lines, 13);
    const auto lastLine =
        std::find_if(ops.rbegin(), ops.rend(), [](const DrawOp& op) { return op.kind == DrawOp::Line; });
    EXPECT_FLOAT_EQ(lastLine->y1, 6 * drawn.picture.geometry.CellHeight + 16); // the bottom edge
    const QStringList expected = {QStringLiteral("星期日"), QStringLiteral("星期一"),
                                  QStringLiteral("星期二"), QStringLiteral("星期三"),
                                  QStringLiteral("星期四"), QStringLiteral("星期五"),
                                  QStringLiteral("星期六")};
    const auto printed = drawn.surface.printed();
    for (int i = 0; i < 7; ++i) {
        const DrawOp& name = printed[printed.size() - 7 + i];
        EXPECT_EQ(name.text, expected[i]);
        EXPECT_FLOAT_EQ(name.x1, i * drawn.picture.geometry.CellWidth + 3);
        EXPECT_EQ(name.y1, 3);
    }
}

TEST(MonthPainter, TitleNamesTheLunarYearOfTheDay) {
    EXPECT_EQ(draw({2012, 9, 12}).picture.title, QStringLiteral("2012年9月12日 星期三  壬辰(龙) 七月廿七"));
    EXPECT_EQ(draw({2009, 1, 20}).picture.title, QStringLiteral("2009年1月20日 星期二  戊子(鼠) 十二月廿五"));
    EXPECT_EQ(draw({2009, 1, 26}).picture.title, QStringLiteral("2009年1月26日 星期一  己丑(牛) 一月初一"));
    // No leap mark in the title: 2009-06-27 is the fifth of the repeated fifth month.
    EXPECT_EQ(draw({2009, 6, 27}).picture.title, QStringLiteral("2009年6月27日 星期六  己丑(牛) 五月初五"));
}

// An official day off (休, red) or working day (班, dark) is marked in its cell's top-right corner,
// after the cell's lines; other days have no mark.
TEST(MonthPainter, OfficialMarksInTheTopRightCorner) {
    engine::OfficialDays official;
    official.set(core::dayNumber(2012, 9, 29),
                 {engine::OfficialDayKind::WorkingDay, QStringLiteral("国庆节")});
    official.set(core::dayNumber(2012, 9, 30), {engine::OfficialDayKind::DayOff, QStringLiteral("中秋节")});
    const Drawn drawn = draw({2012, 9, 1}, {1999, 1, 1}, official);
    const view::MonthGeometry& grid = drawn.picture.geometry;
    std::vector<DrawOp> marks;
    for (const DrawOp& op : drawn.surface.ops)
        if (op.kind == DrawOp::Mark)
            marks.push_back(op);
    ASSERT_EQ(marks.size(), 2u);
    const struct {
        int day;
        const char* mark;
        QRgb color;
    } expected[] = {{29, "班", 0xFF303030}, {30, "休", kRed}};
    for (std::size_t i = 0; i < 2; ++i) {
        const QPoint corner = grid.cellCorner(expected[i].day);
        EXPECT_EQ(marks[i].text, QString::fromUtf8(expected[i].mark));
        EXPECT_EQ(marks[i].color, expected[i].color);
        EXPECT_FLOAT_EQ(marks[i].x1, corner.x() + grid.CellWidth - 2);
        EXPECT_FLOAT_EQ(marks[i].y1, corner.y() + 2);
    }
}
