// The promotion page's reducer: what it keeps and what it drops, one row per rule, and the bounds
// it holds every hostile page to.

#include "promo/PageReducer.h"
#include "tests/promo/HostilePages.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

using namespace promo::page_bounds;

const QUrl kAddress(QStringLiteral("http://127.0.0.1/promo/"));

TEST(PageReducer, KeepsTextLinksAndSimpleMarkupAndDropsEverythingElse) {
    const std::pair<const char*, const char*> cases[] = {
        // The page, and the body of the reduced page (none: nothing left to show).
        {"<p align=CENTER>今日<b>特价</b></p>", "<p align=\"center\">今日<b>特价</b></p>"},
        {"<h1 align=right>t</h1><hr><br/><center>c</center>",
         "<h1 align=\"right\">t</h1><hr><br><center>c</center>"},
        // Scripts, styles and the like go with their content; comments and declarations go.
        {"<script>alert(1)</script><style>p{}</style><title>t</title>文", "文"},
        {"<script>a</scriptx>b</SCRIPT >文", "文"},
        {"<!DOCTYPE html><!-- <b>x</b> -->文<?xml?></ >", "文"},
        {"<img src=x>文<iframe src=y>z</iframe><input value=v><object data=x>o</object>", "文o"},
        {"<section><article>文</article></section>", "文"},
        // Links: http and https only, made absolute; other attributes go.
        {"<a href=\"/deals?a=1&amp;b=2\" target=_blank>x</a>",
         "<a href=\"http://127.0.0.1/deals?a=1&amp;b=2\">x</a>"},
        {"<a href=\"javascript:alert(1)\">x</a><a href=\"file:///etc/passwd\">y</a><a "
         "href=HTTPS://Example.COM/a>z</a>",
         "<a>x</a><a>y</a><a href=\"https://example.com/a\">z</a>"},
        // Attributes: only the known ones, with plain values.
        {"<font color=red size=9 face=x onclick=\"y\">a</font><font size=+2 color=\"#F0f\">b</font>",
         "<font color=\"red\">a</font><font size=\"+2\" color=\"#f0f\">b</font>"},
        {"<p "
         "style=\"color:#F00;background:url(http://x/"
         ");font-weight:bold;font-size:12px;position:absolute\">a</p>",
         "<p style=\"color:#f00;font-weight:bold;font-size:12px\">a</p>"},
        {"<table width=50% border=99 cellpadding=3 onclick=x><tr bgcolor=#fff><td width=2001 align=left "
         "valign=top colspan=9>a</td></tr></table>",
         "<table width=\"50%\" cellpadding=\"3\"><tr bgcolor=\"#fff\"><td align=\"left\" "
         "valign=\"top\">a</td></tr></table>"},
        // Elements left open are closed where a browser would close them, and at the end.
        {"<p>a<p>b<div>c</div>", "<p>a</p><p>b</p><div>c</div>"},
        {"<ul><li>a<li>b</ul>", "<ul><li>a</li><li>b</li></ul>"},
        {"<b>a<i>b</b>c", "<b>a<i>b</i></b>c"},
        {"<b>文", "<b>文</b>"},
        {"文<a href=\"x", "文"}, // a tag the page never ends
        // Tables: rows and cells only inside a table, and no table inside a table.
        {"<table><td>a<td>b<tr><td>c</table>",
         "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td></tr></table>"},
        {"<td>x</td><tr>y", "xy"},
        {"<table><tr><td><table><tr><td>a</td></tr></table>b</td></tr></table>",
         "<table><tr><td>ab</td></tr></table>"},
        {"<b><table><tr><td>a</b>c</td></tr></table>", "<b><table><tr><td>ac</td></tr></table></b>"},
        // Text: references decoded or passed on, white space collapsed, control characters dropped.
        {"&lt;b&gt; &amp; &copy; &#x4E2D;&#25991; &unknown; & x &#0; &lt",
         "&lt;b&gt; &amp; © 中文 &unknown; &amp; x � &amp;lt"},
        {"a \n\t b\x01\x1b"
         "c",
         "a bc"},
        {"a < b <3", "a &lt; b &lt;3"},
        // Nothing to show.
        {"", nullptr},
        {" \n ", nullptr},
        {"<p></p><br><img src=x>", nullptr},
        {"<script>document.write('x')</script>", nullptr},
        {"&nbsp;", nullptr},
    };
    for (const auto& [page, body] : cases) {
        SCOPED_TRACE(page);
        const QString reduced = promo::reducePage(QString::fromUtf8(page), kAddress);
        EXPECT_EQ(reduced.toStdString(),
                  body ? "<html><body>" + std::string(body) + "</body></html>" : std::string());
    }
    EXPECT_EQ(promo::reducePage(u"<body bgcolor=\"#C0C0FF\" onload=x>文", kAddress),
              QStringLiteral("<html><body bgcolor=\"#c0c0ff\">文</body></html>"));
}

// The shape of a reduced page, read back from its markup.
struct Shape {
    bool wellFormed = true;
    std::size_t deepest = 0; // open elements inside the body
    int startTags = 0;
    int tableParts = 0;
    int widestRow = 0;
    bool tableInTable = false;
    qsizetype text = 0;
    int longestRun = 0; // of ASCII letters and digits with no place to break
};

Shape shapeOf(const QString& page) {
    if (page.isEmpty())
        return {};
    static const QRegularExpression token(QStringLiteral("<(/?)([a-z0-9]+)[^>]*>|&[a-z0-9#]+;|."),
                                          QRegularExpression::DotMatchesEverythingOption);
    Shape shape;
    QStringList open;
    int rowCells = 0;
    int run = 0;
    for (const QRegularExpressionMatch& match : token.globalMatch(page)) {
        const QString name = match.captured(2);
        if (name.isEmpty()) {
            const QChar c = match.captured(0)[0];
            shape.text += c != QChar(0x200B);
            run = c.isLetterOrNumber() && c.unicode() < 0x80 ? run + 1 : 0;
            shape.longestRun = std::max(shape.longestRun, run);
        } else if (match.captured(1) == QLatin1String("/")) {
            shape.wellFormed = shape.wellFormed && !open.isEmpty() && open.takeLast() == name;
        } else if (name != QLatin1String("br") && name != QLatin1String("hr")) {
            shape.tableInTable =
                shape.tableInTable || (name == QLatin1String("table") && open.contains(name));
            open << name;
            shape.deepest = std::max(shape.deepest, std::size_t(open.size()));
        }
        if (!name.isEmpty() && match.captured(1).isEmpty()) {
            ++shape.startTags;
            rowCells = name == QLatin1String("tr") ? 0 : rowCells + (name == QLatin1String("td"));
            shape.widestRow = std::max(shape.widestRow, rowCells);
            shape.tableParts += name == QLatin1String("tr") || name == QLatin1String("td");
        }
    }
    shape.startTags -= 2; // html and body
    shape.deepest -= 2;
    shape.wellFormed = shape.wellFormed && open.isEmpty();
    return shape;
}

TEST(PageReducer, HoldsEveryHostilePageToItsBounds) {
    for (const auto& [name, page] : hostile::pages()) {
        SCOPED_TRACE(name);
        const QString reduced = promo::reducePage(QString::fromUtf8(page), kAddress);
        const Shape shape = shapeOf(reduced);
        EXPECT_TRUE(shape.wellFormed);
        EXPECT_LE(shape.deepest, kMaxOpen);
        EXPECT_LE(shape.startTags, kMaxElements);
        EXPECT_LE(shape.tableParts, kMaxTableParts);
        EXPECT_LE(shape.widestRow, kMaxRowCells);
        EXPECT_FALSE(shape.tableInTable);
        EXPECT_LE(shape.text, kMaxText);
        EXPECT_LE(shape.longestRun, kMaxRun);
    }
}

} // namespace
