// SPDX-License-Identifier: GPL-3.0-or-later
// Month names come from Qt's Chinese (China) data, whatever the machine's locale.

#include "platform/LocaleNames.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(LocaleNames, ChineseNamesWhateverTheDefaultLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QStringList names =
        QStringLiteral(",一月,二月,三月,四月,五月,六月,七月,八月,九月,十月,十一月,十二月,").split(u',');
    for (int month = 0; month <= 13; ++month)
        EXPECT_EQ(platform::chineseMonthName(month).toStdString(), names[month].toStdString()) << month;
    QLocale::setDefault(saved);
}
