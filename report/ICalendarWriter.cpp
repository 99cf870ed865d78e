// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ICalendarWriter.h"

#include "report/ICalendarFolding.h"

#include <QCryptographicHash>

namespace report {
namespace {

// UIDs end in a domain of the project's own, as RFC 5545 advises, so that they cannot clash with
// another program's.
constexpr char kUidDomain[] = "@kesparo.example";

QByteArray basicDate(core::DayNumber day) {
    const core::CivilDate date = core::civilDate(day);
    return QByteArray::number(date.year * 10000 + date.month * 100 + date.day).rightJustified(8, '0');
}

// A TEXT value: backslash, semicolon, comma and line break escaped (RFC 5545, section 3.3.11).
QByteArray text(const QString& value) {
    QByteArray escaped;
    for (const char byte : value.toUtf8()) {
        switch (byte) {
        case '\\':
        case ';':
        case ',':
            escaped.append('\\').append(byte);
            break;
        case '\n':
            escaped.append("\\n");
            break;
        case '\r':
            break;
        default:
            escaped.append(byte);
        }
    }
    return escaped;
}

// Day, kind and a digest of the title: the same event always gets the same UID, and two events of
// one day differ in kind or title.
QByteArray uid(const CalendarEvent& event, const CalendarEventKindInfo& kind) {
    const QByteArray digest = QCryptographicHash::hash(event.title.toUtf8(), QCryptographicHash::Sha1);
    return basicDate(event.day) + '-' + kind.slug + '-' + digest.first(8).toHex() + kUidDomain;
}

void appendEvent(QByteArray& out, const CalendarEvent& event, const QByteArray& stamp) {
    const CalendarEventKindInfo& kind = calendarEventKindInfo(event.kind);
    out.append("BEGIN:VEVENT\r\n");
    appendFoldedLine(out, "UID:" + uid(event, kind));
    appendFoldedLine(out, "DTSTAMP:" + stamp);
    appendFoldedLine(out, "DTSTART;VALUE=DATE:" + basicDate(event.day));
    appendFoldedLine(out, "DTEND;VALUE=DATE:" + basicDate(event.day + 1));
    appendFoldedLine(out, "SUMMARY:" + text(event.title));
    appendFoldedLine(out, "CATEGORIES:" + text(QString::fromUtf16(kind.category)));
    out.append("TRANSP:TRANSPARENT\r\n");
    out.append("END:VEVENT\r\n");
}

} // namespace

QByteArray iCalendarText(const std::vector<CalendarEvent>& events, const QDateTime& stamp) {
    const QByteArray stampText = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    QByteArray out;
    out.reserve(static_cast<qsizetype>(events.size()) * 260 + 200);
    out.append("BEGIN:VCALENDAR\r\n");
    out.append("VERSION:2.0\r\n");
    out.append("PRODID:-//Kesparo//Kesparo " KESPARO_VERSION "//ZH\r\n");
    out.append("CALSCALE:GREGORIAN\r\n");
    appendFoldedLine(out, QByteArrayView("X-WR-CALNAME:Kesparo 万年历"));
    for (const CalendarEvent& event : events)
        appendEvent(out, event, stampText);
    out.append("END:VCALENDAR\r\n");
    return out;
}

QByteArray iCalendarText(core::DayNumber first, core::DayNumber last, CalendarEventKinds kinds,
                         const engine::OfficialDays& official, const QDateTime& stamp) {
    return iCalendarText(calendarEvents(first, last, kinds, official), stamp);
}

} // namespace report
