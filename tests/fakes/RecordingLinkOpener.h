#pragma once
// A link opener that starts no browser and remembers every link it was asked to open, in order.

#include "platform/desktop/LinkOpener.h"

#include <QList>

namespace fakes {

class RecordingLinkOpener final : public platform::LinkOpener {
public:
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

} // namespace fakes
