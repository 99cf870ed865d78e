// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which installed fonts the font list leaves out: symbol and dingbat faces, vertical faces
// (their names begin with "@"), most special-purpose Western, Arabic and Hebrew faces, the
// style variants of Arial, Times New Roman and Courier New, bold variants, the GB 18030
// compatibility faces, the "MS" faces and two families of Chinese display fonts.

#include <QString>

namespace app {

// True when `name` is not offered in the font list. Every rule compares exactly and with case,
// unless it says it compares the lower-case name; where a name is shorter than the text a rule
// looks for at its start or end, the whole name is compared.
bool isExcludedFont(const QString& name);

} // namespace app
