// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FontFilter.h"

#include <QStringView>
#include <algorithm>
#include <array>

namespace app {

namespace {

// Faces left out by their whole name, compared in lower case.
constexpr std::array<QStringView, 27> kExcludedNames = {
    u"wingdings",
    u"wingdings 2",
    u"wingdings 3",
    u"webdings",
    u"symbol",
    u"simplified arabic bold",
    u"simplified arabic fixed",
    u"simplified arabic",
    u"rod",
    u"pmingliu",
    u"pmingliu-extb",
    u"narkisim",
    u"mv boli",
    u"mt extra",
    u"ms reference sans serif",
    u"ms reference specialty",
    u"ms outlook",
    u"ms mincho",
    u"ms pmincho",
    u"ms gothic",
    u"ms pgothic",
    u"ms ui gothic",
    u"aharoni",
    u"arabic typesetting",
    u"arabic transparent",
    u"bookshelf symbol 7",
    u"david",
};

// The three standard Western faces stay, their style and script variants ("Arial Black",
// "Times New Roman Baltic", "Courier New CE") go: a lower-case name that starts with the face
// is left out unless it is exactly as long as the face's name.
constexpr std::array<QStringView, 3> kFacesWithoutVariants = {u"times new roman", u"arial", u"courier new"};

} // namespace

bool isExcludedFont(const QString& name) {
    const QString lower = name.toLower();
    if (std::find(kExcludedNames.begin(), kExcludedNames.end(), QStringView(lower)) != kExcludedNames.end())
        return true;
    for (const QStringView face : kFacesWithoutVariants) {
        if (lower.startsWith(face) && name.size() != face.size())
            return true;
    }
    if (lower.startsWith(u"mingliu")) // MingLiU and all its variants
        return true;
    if (name.startsWith(u'@')) // the vertical twin of a Chinese face
        return true;
    if (name.startsWith(u"方正") || name.startsWith(u"华文")) // display families, not text faces
        return true;
    return name.endsWith(u"Bold") || name.endsWith(u"-18030") || name.startsWith(u"MS");
}

} // namespace app
