// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a web link in the user's default browser. Behind an interface so that tests can record
// the links instead of starting a browser.

#include <QUrl>

namespace platform {

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // Opens `url`; what cannot be opened is silently dropped.
    virtual void open(const QUrl& url) = 0;
};

// Hands http and https links to the desktop's default handler and ignores every other scheme, so
// that a page can never make us start a local program or open a local file.
class DesktopLinkOpener final : public LinkOpener {
public:
    void open(const QUrl& url) override;
};

// The process-wide desktop link opener.
LinkOpener& desktopLinkOpener();

} // namespace platform
