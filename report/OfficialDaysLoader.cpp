// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/OfficialDaysLoader.h"

#include "platform/UserFile.h"
#include "report/OfficialDaysFormat.h"

#include <QFile>

namespace report {
namespace {

const OfficialDaysParse& carriedParse() {
    static const OfficialDaysParse parse = [] {
        QFile file(QString::fromLatin1(kOfficialDaysResource));
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        OfficialDaysParse parsed = parseOfficialDays(bytes, file.fileName());
        if (bytes.isEmpty())
            parsed.warnings.append(file.fileName() + QStringLiteral(": missing from the program"));
        return parsed;
    }();
    return parse;
}

} // namespace

const engine::OfficialDays& carriedOfficialDays() {
    return carriedParse().days;
}

OfficialDaysLoad loadOfficialDays(const QString& userFile) {
    OfficialDaysLoad load{carriedParse().days, carriedParse().warnings};
    const platform::UserFileRead read = platform::readUserFile(userFile, kMaxUserHolidayFileBytes);
    switch (read.outcome) {
    case platform::UserFileRead::Outcome::Absent:
        break;
    case platform::UserFileRead::Outcome::Refused:
        load.warnings.append(userFile + QStringLiteral(": not read: ") + read.problem);
        break;
    case platform::UserFileRead::Outcome::Read: {
        const OfficialDaysParse user = parseOfficialDays(read.bytes, userFile);
        load.days.overrideWith(user.days);
        load.warnings.append(user.warnings);
        break;
    }
    }
    return load;
}

OfficialDaysLoad loadOfficialDays() {
    return loadOfficialDays(platform::userHolidayFilePath());
}

} // namespace report
