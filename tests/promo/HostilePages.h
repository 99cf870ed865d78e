#pragma once
// Pages that a hostile server could send as the promotion page, each within the fetch limits
// (at most 1 MiB): markup that costs a layout engine far more than its size, for the page tests
// and the page benchmark.

#include <QByteArray>
#include <utility>
#include <vector>

namespace hostile {

inline constexpr qsizetype kPageLimit = 1024 * 1024;

// `unit` repeated to fill `size` bytes, after `start`.
inline QByteArray repeated(const QByteArray& unit, qsizetype size = kPageLimit,
                           const QByteArray& start = {}) {
    QByteArray page = start;
    page.reserve(size);
    while (page.size() + unit.size() <= size)
        page += unit;
    return page;
}

// Named pages. The first stalls a view that lays out whatever it gets for some ten seconds only
// (the layout of nested tables takes about twice as long for each level), so that a test that
// stops at the first stall ends soon.
inline std::vector<std::pair<const char*, QByteArray>> pages() {
    return {
        {"tables nested 20 deep", repeated("<table><tr><td>", 20 * 15) + "x"},
        {"1 MiB of Chinese paragraphs", repeated(QByteArray("<p>今日特价 今日特价 今日特价</p>"))},
        {"1 MiB of br", repeated("<br>")},
        {"tables nested 30 deep", repeated("<table><tr><td>", 30 * 15) + "x"},
        {"tables nested to 1 MiB", repeated("<table><tr><td>x")},
        {"a table below 15 divs", repeated("<div>", 15 * 5) + "<table><td>x<td>y"},
        {"one 1 MiB word", repeated("x", kPageLimit, "<p>")},
        {"1 MiB of nested div", repeated("<div>a")},
        {"1 MiB of nested ul li", repeated("<ul><li>a")},
        {"1 MiB of nested b i", repeated("<b><i>a")},
        {"1 MiB of unclosed p font a", repeated("<p><font color=red size=7><a href=/x>a")},
        {"1 MiB of cells in one row", repeated("<td>a", kPageLimit, "<table><tr>")},
        {"1 MiB long table", repeated("<tr><td>a</td><td>b</td></tr>", kPageLimit, "<table border=1>")},
        {"1 MiB of styled spans",
         repeated("<span style=\"font-size:48pt;color:#f00;font-weight:bold\">特价 </span>")},
        {"1 MiB unterminated comment", repeated("x", kPageLimit, "<p>shown<!--")},
        {"1 MiB table of Chinese cells",
         repeated("<tr><td>特价特价特价特价特价特价</td><td>今日特价今日特价</td></tr>", kPageLimit,
                  "<table border=1>")},
        {"1 MiB of long links", repeated("<a href=\"/" + QByteArray(1000, 'x') + "\">特价</a>")},
    };
}

} // namespace hostile
