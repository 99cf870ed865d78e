#include "platform/LocaleNames.h"

#include <QLocale>

namespace platform {
namespace {
const QLocale& chineseLocale() {
    static const QLocale locale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    return locale;
}
} // namespace

QString chineseWeekdayName(int weekday) {
    if (weekday < 1 || weekday > 7)
        return {};
    // Qt counts Monday = 1 .. Sunday = 7.
    return chineseLocale().dayName(weekday == 1 ? 7 : weekday - 1, QLocale::LongFormat);
}

QString chineseMonthName(int month) {
    if (month < 1 || month > 12)
        return {};
    return chineseLocale().standaloneMonthName(month, QLocale::LongFormat);
}

} // namespace platform
