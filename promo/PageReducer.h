// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fetched promotion page, reduced before the web view sees it to what a promotion page needs:
// text, links, paragraphs and line breaks, headings, lists, simple tables, bold, italic and
// underline, font colours and sizes and a few inline styles. Everything else is dropped: scripts,
// style sheets, images, frames, forms, comments, unknown attributes and every link that is not
// http or https. The result is well formed and bounded in depth, size and unbroken text, so that
// no page a server can send within the fetch limits makes laying it out slow or large.

#include <QString>
#include <QStringView>
#include <QUrl>
#include <cstddef>

namespace promo {

// The bounds of a reduced page. A promotion page is a screenful of links and a few lines of text:
// each bound lies far above what such a page needs and far below what makes the view slow. Tables
// cost the view most (each cell is laid out several times over, and a table in a cell multiplies
// that), so they are bound tightest, and a table inside a table keeps its text but loses its rows
// and cells. bench/PageBench.cpp feeds the view pages that press against each bound.
namespace page_bounds {
inline constexpr std::size_t kMaxOpen = 16; // elements open at once; deeper start tags are dropped
inline constexpr int kMaxElements = 300;    // start tags written; later ones are dropped
inline constexpr int kMaxTableParts = 64;   // rows and cells of all tables; later ones are dropped
inline constexpr int kMaxRowCells = 8;      // cells in one row; later ones are dropped
inline constexpr qsizetype kMaxText = 2048; // characters of text; the page is cut off after them
// Characters without a place to break the line: a zero-width space offers one after every 40th.
inline constexpr int kMaxRun = 40;
inline constexpr qsizetype kMaxHref = 1024; // characters of a link's address; longer links are dropped
inline constexpr qsizetype kMaxStyle = 256; // characters of a style attribute; longer ones are dropped
} // namespace page_bounds

// The page `html` that came from `address`, reduced; links are made absolute against `address`.
// An empty string when nothing of the page is left to read (an empty page, or one of only markup
// and white space).
QString reducePage(QStringView html, const QUrl& address);

} // namespace promo
