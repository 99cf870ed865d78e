// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocaleNames.h"

#include <QLocale>

namespace platform {
namespace {
const QLocale& chineseLocale() {
    static const QLocale locale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    return locale;
}
} // namespace

QString chineseMonthName(int month) {
    if (month < 1 || month > 12)
        return {};
    return chineseLocale().standaloneMonthName(month, QLocale::LongFormat);
}

} // namespace platform
