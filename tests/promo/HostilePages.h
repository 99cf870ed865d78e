// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pages that a hostile server could send as the promotion page, each within the fetch limit of
// 1 MiB, for the page tests and the page benchmark; tests/data/hostile-pages.tsv gives the recipes.

#include "tests/tools/DataTable.h"

#include <utility>
#include <vector>

namespace hostile {

// Each page's name and bytes, in the order of the recipes.
inline std::vector<std::pair<QByteArray, QByteArray>> pages() {
    std::vector<std::pair<QByteArray, QByteArray>> pages;
    for (const QStringList& recipe : testDataRows(QStringLiteral("hostile-pages.tsv"))) {
        const QByteArray start = recipe[1].toUtf8(), unit = recipe[2].toUtf8();
        const qsizetype fits = (1024 * 1024 - start.size()) / unit.size();
        pages.emplace_back(recipe[0].toUtf8(),
                           start + unit.repeated(recipe[3].isEmpty() ? fits : recipe[3].toInt()) +
                               recipe[4].toUtf8());
    }
    return pages;
}

} // namespace hostile
