#include "report/OfficialDaysFormat.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <optional>
#include <unordered_map>

namespace report {
namespace {

// Blanks between fields are TABs or spaces; a name is printable and has no blanks.
const QRegularExpression& lineForm() {
    static const QRegularExpression form(
        QStringLiteral(
            "^(\\d{4})-(\\d{2})-(\\d{2})[ \\t]+(休|班)[ \\t]+([^\\s\\x{0}-\\x{1f}\\x{7f}]{1,%1})[ \\t]*$")
            .arg(kMaxOfficialDayNameLength));
    return form;
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
        const QRegularExpressionMatch match = lineForm().match(*line);
        if (!match.hasMatch()) {
            warn(lineNumber,
                 QStringLiteral("expected YYYY-MM-DD, 休 or 班, and a name of up to %1 characters "
                                "without blanks, separated by TABs or spaces")
                     .arg(kMaxOfficialDayNameLength));
            continue;
        }
        const int year = match.captured(1).toInt();
        const int month = match.captured(2).toInt();
        const int dayOfMonth = match.captured(3).toInt();
        if (!core::isValidDate(year, month, dayOfMonth)) {
            warn(lineNumber, QStringLiteral("no such day: ") + line->left(10));
            continue;
        }
        const core::DayNumber day = core::dayNumber(year, month, dayOfMonth);
        const auto [earlier, isFirst] = lineOfDay.try_emplace(day, lineNumber);
        if (!isFirst) {
            warn(lineNumber,
                 QStringLiteral("the day of line %1 again; this line replaces it").arg(earlier->second));
            earlier->second = lineNumber;
        }
        const engine::OfficialDayKind kind = match.capturedView(4) == u"休"
                                                 ? engine::OfficialDayKind::DayOff
                                                 : engine::OfficialDayKind::WorkingDay;
        parse.days.set(day, {kind, match.captured(5)});
    }
    return parse;
}

} // namespace report
