// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/text/ResourceStore.h"

#include <QFile>

namespace platform {

std::optional<QByteArray> QtResourceStore::bytes(int id) const {
    QFile file(prefix_ + u'/' + QString::number(id));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

} // namespace platform
