// Month names come from Qt's Chinese (China) data, whatever the machine's locale.

#include "platform/LocaleNames.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(LocaleNames, ChineseNamesWhateverTheDefaultLocale) {
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(platform::chineseMonthName(1), QStringLiteral("一月"));
    EXPECT_EQ(platform::chineseMonthName(5), QStringLiteral("五月"));
    EXPECT_EQ(platform::chineseMonthName(11), QStringLiteral("十一月"));
    EXPECT_EQ(platform::chineseMonthName(12), QStringLiteral("十二月"));
    EXPECT_TRUE(platform::chineseMonthName(13).isEmpty());
    QLocale::setDefault(saved);
}
