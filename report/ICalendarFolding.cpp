// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ICalendarFolding.h"

namespace report {
namespace {

// The second, third or fourth byte of a UTF-8 character: 10xxxxxx.
bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

void appendFoldedLine(QByteArray& out, QByteArrayView line) {
    qsizetype room = kMaxContentLineOctets; // the first physical line has no leading space
    while (line.size() > room) {
        qsizetype cut = room;
        while (cut > 0 && isContinuationByte(line[cut]))
            --cut;
        if (cut == 0) // no character starts in reach: not UTF-8, so any break keeps the bytes
            cut = room;
        out.append(line.first(cut));
        out.append("\r\n ");
        line = line.sliced(cut);
        room = kMaxContentLineOctets - 1;
    }
    out.append(line);
    out.append("\r\n");
}

} // namespace report
