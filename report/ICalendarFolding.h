// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Folding of iCalendar content lines (RFC 5545, section 3.1): a line longer than 75 octets is
// broken into physical lines of at most 75 octets each, every one after the first starting with
// a single space that a reader removes when it joins them again. A break never falls inside the
// bytes of one UTF-8 character, which matters for Chinese text: three octets a character, so a
// title of a few dozen characters is already folded.

#include <QByteArray>
#include <QByteArrayView>

namespace report {

inline constexpr qsizetype kMaxContentLineOctets = 75;

// Appends the UTF-8 content line `line` (without its line break) to `out`, folded, each physical
// line ended by CR LF.
void appendFoldedLine(QByteArray& out, QByteArrayView line);

} // namespace report
