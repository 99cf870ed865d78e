// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/TextResourceLoader.h"

#include <array>

namespace report {
namespace {

struct ResourceSlot {
    int id;
    QStringList TextResources::*array;
    const char16_t* title; // what the user reads in a failure message
};

// In id order, the order in which they are read.
constexpr std::array<ResourceSlot, 6> kSlots = {{
    {101, &TextResources::SignBirthdays, u"生日性格"},
    {102, &TextResources::SignCouples, u"星座爱情"},
    {103, &TextResources::ZodiacLegends, u"生肖传说"},
    {104, &TextResources::BirthFlowers, u"生日花语"},
    {105, &TextResources::DayOfMonthTexts, u"日子性格"},
    {106, &TextResources::SignProfiles, u"星座资料"},
}};

QString failure(const ResourceSlot& slot, const QString& reason) {
    return QStringLiteral("程序无法启动：文字资源 %1（%2）%3。")
        .arg(QString::number(slot.id), QString::fromUtf16(slot.title), reason);
}

} // namespace

TextResourceLoad loadTextResources(const platform::ResourceStore& store,
                                   const platform::GbkDecoder& decoder) {
    TextResourceLoad load;
    for (const ResourceSlot& slot : kSlots) {
        const std::optional<QByteArray> bytes = store.bytes(slot.id);
        if (!bytes) {
            load.failure = failure(slot, QStringLiteral("缺失"));
            break;
        }
        if (bytes->isEmpty()) {
            load.failure = failure(slot, QStringLiteral("是空的"));
            break;
        }
        const std::optional<QString> text = decoder.decode(*bytes);
        if (!text) {
            load.failure = failure(slot, QStringLiteral("不是有效的 GBK 文本"));
            break;
        }
        load.texts.*slot.array = text->split(QStringLiteral("\r\n"), Qt::KeepEmptyParts);
    }
    if (!load.ok())
        load.texts = {};
    return load;
}

TextResourceLoad loadTextResources() {
    const platform::QtResourceStore store(QString::fromLatin1(kTextResourcePrefix));
    return loadTextResources(store, platform::gbkDecoder());
}

} // namespace report
