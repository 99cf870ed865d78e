// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TextLookups.h"

namespace report {
namespace {

std::optional<qsizetype> firstContaining(const QStringList& list, const QString& key) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list[i].contains(key))
            return i;
    }
    return std::nullopt;
}

std::optional<QString> elementAt(const QStringList& list, std::optional<qsizetype> index) {
    if (!index || *index < 0 || *index >= list.size())
        return std::nullopt;
    return list[*index];
}

} // namespace

std::optional<qsizetype> birthdayIndex(const TextResources& texts, int month, int day) {
    const QString key = QString::number(month) + u'月' + QString::number(day) + u'日';
    return firstContaining(texts.SignBirthdays, key);
}

std::optional<QString> birthdayCharacter(const TextResources& texts, int month, int day) {
    return elementAt(texts.SignBirthdays, birthdayIndex(texts, month, day));
}

std::optional<QString> birthdayFlower(const TextResources& texts, int month, int day) {
    return elementAt(texts.BirthFlowers, birthdayIndex(texts, month, day));
}

std::optional<QString> dayOfMonthText(const TextResources& texts, int day) {
    // Only days 1..31: the element after the 31st is the empty one after the closing CR LF.
    if (day < 1 || day > 31)
        return std::nullopt;
    return elementAt(texts.DayOfMonthTexts, day - 1);
}

std::optional<QString> signProfile(const TextResources& texts, const QString& signName) {
    const QString key = signName + u'座';
    for (const QString& profile : texts.SignProfiles) {
        if (QStringView(profile).left(3) == key)
            return profile;
    }
    return std::nullopt;
}

std::optional<QString> signLoveText(const TextResources& texts, const QString& signName) {
    return elementAt(texts.SignCouples,
                     firstContaining(texts.SignCouples, signName + QStringLiteral("座的男人和女人")));
}

std::optional<QString> animalLegend(const TextResources& texts, const QString& animalName) {
    return elementAt(texts.ZodiacLegends, firstContaining(texts.ZodiacLegends, animalName));
}

} // namespace report
