#pragma once
// An error message that shows nothing and keeps every message it was asked to show.

#include "platform/desktop/ErrorMessage.h"

#include <QList>

namespace fakes {

class RecordingErrorMessage final : public platform::ErrorMessage {
public:
    struct Shown {
        QString title;
        QString text;
    };
    void show(const QString& title, const QString& text) override { shown.append({title, text}); }
    QList<Shown> shown;
};

} // namespace fakes
