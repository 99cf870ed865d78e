// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page of 24 shopping links, six centred rows of four, that the promotion window shows when
// its remote page cannot be loaded. It is written into the web view line by line, exactly as
// built here, so that the page looks the same whatever went wrong with the remote one.

#include <QStringList>

namespace promo {

// The page's 25 lines, in the order they are written.
QStringList builtInPageLines();

} // namespace promo
