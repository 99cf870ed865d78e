// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates written as YYYY-MM-DD, the one form the command line and the official-days files take.

#include "core/DayNumber.h"

#include <QStringView>
#include <optional>

namespace core {

// The date written exactly as YYYY-MM-DD (ten characters: ASCII digits with hyphens at the fifth
// and eighth place, nothing before or after), or nothing. Whether the day exists is not checked:
// "2009-02-30" comes back as written.
inline std::optional<CivilDate> isoDateForm(QStringView text) {
    if (text.size() != 10)
        return std::nullopt;
    int digits[8];
    int count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (i == 4 || i == 7) {
            if (c != u'-')
                return std::nullopt;
        } else if (c < u'0' || c > u'9') {
            return std::nullopt;
        } else {
            digits[count++] = c - u'0';
        }
    }
    return CivilDate{digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3],
                     digits[4] * 10 + digits[5], digits[6] * 10 + digits[7]};
}

} // namespace core
