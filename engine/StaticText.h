// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's names live in compile-time tables of UTF-16 text. A QString over such a table
// shares its storage: no allocation, no copy.

#include <QString>
#include <string_view>

namespace engine {

inline QString staticText(std::u16string_view text) {
    return QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                                static_cast<qsizetype>(text.size()));
}

} // namespace engine
