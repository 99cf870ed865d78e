// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/OfficialDaysFormat.h"

#include "core/IsoDate.h"

#include <QList>
#include <QStringDecoder>
#include <optional>
#include <unordered_map>

namespace report {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The fields of a line: the runs between blanks (TABs or spaces). A line that starts with a blank
// has an empty first field, so that it does not parse.
QList<QStringView> fieldsOf(QStringView line) {
    QList<QStringView> fields;
    qsizetype start = 0;
    while (start < line.size()) {
        qsizetype end = start;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        fields << line.sliced(start, end - start);
        start = end;
        while (start < line.size() && isBlank(line[start]))
            ++start;
    }
    return fields;
}

// A name is printable and has no blanks of any kind.
bool isName(QStringView name) {
    if (name.isEmpty() || name.size() > kMaxOfficialDayNameLength)
        return false;
    for (const QChar c : name)
        if (c.isSpace() || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    return true;
}

// The line as text, or nothing when it is not UTF-8. A byte-order mark at its start is dropped.
std::optional<QString> decodeLine(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

bool isCommentOrBlank(const QString& line) {
    const QString trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(u'#');
}

} // namespace

OfficialDaysParse parseOfficialDays(QByteArrayView text, const QString& fileName) {
    OfficialDaysParse parse;
    std::unordered_map<core::DayNumber, qsizetype> lineOfDay;
    const auto warn = [&](qsizetype lineNumber, const QString& problem) {
        parse.warnings.append(fileName + u':' + QString::number(lineNumber) + QStringLiteral(": ") + problem);
    };

    qsizetype lineNumber = 0;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView bytes = text.sliced(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (bytes.endsWith('\r'))
            bytes.chop(1);

        const std::optional<QString> line = decodeLine(bytes);
        if (!line) {
            warn(lineNumber, QStringLiteral("not UTF-8 text"));
            continue;
        }
        if (isCommentOrBlank(*line))
            continue;
        const QList<QStringView> fields = fieldsOf(*line);
        const std::optional<core::CivilDate> date =
            fields.size() == 3 ? core::isoDateForm(fields[0]) : std::nullopt;
        if (!date || (fields[1] != u"休" && fields[1] != u"班") || !isName(fields[2])) {
            warn(lineNumber,
                 QStringLiteral("expected YYYY-MM-DD, 休 or 班, and a name of up to %1 characters "
                                "without blanks, separated by TABs or spaces")
                     .arg(kMaxOfficialDayNameLength));
            continue;
        }
        if (!core::isValidDate(date->year, date->month, date->day)) {
            warn(lineNumber, QStringLiteral("no such day: ") + line->left(10));
            continue;
        }
        const core::DayNumber day = core::dayNumber(*date);
        const auto [earlier, isFirst] = lineOfDay.try_emplace(day, lineNumber);
        if (!isFirst) {
            warn(lineNumber,
                 QStringLiteral("the day of line %1 again; this line replaces it").arg(earlier->second));
            earlier->second = lineNumber;
        }
        const engine::OfficialDayKind kind =
            fields[1] == u"休" ? engine::OfficialDayKind::DayOff : engine::OfficialDayKind::WorkingDay;
        parse.days.set(day, {kind, fields[2].toString()});
    }
    return parse;
}

} // namespace report
