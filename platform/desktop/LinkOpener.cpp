// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/LinkOpener.h"

#include <QDesktopServices>

namespace platform {

void DesktopLinkOpener::open(const QUrl& url) {
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return;
    QDesktopServices::openUrl(url);
}

LinkOpener& desktopLinkOpener() {
    static DesktopLinkOpener opener;
    return opener;
}

} // namespace platform
