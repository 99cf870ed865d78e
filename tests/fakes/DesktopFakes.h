#pragma once
// Test doubles for the desktop shell of platform/desktop/: a desktop folder at a path the test
// chooses (a temporary folder, or none), and a link opener, a yes/no question and an error message
// that show nothing and keep, in order, what they were given.

#include "platform/desktop/DesktopFolder.h"
#include "platform/desktop/ErrorMessage.h"
#include "platform/desktop/LinkOpener.h"
#include "platform/desktop/YesNoQuestion.h"

#include <QList>

namespace fakes {

struct FixedDesktopFolder final : platform::DesktopFolder {
    explicit FixedDesktopFolder(QString path) : folder(std::move(path)) {}
    QString path() const override { return folder; }
    QString folder;
};

struct RecordingLinkOpener final : platform::LinkOpener {
    void open(const QUrl& url) override { opened.append(url); }
    QList<QUrl> opened;
};

struct Shown {
    QString title;
    QString text;
};

// Answers every question as it was told.
struct ScriptedQuestion final : platform::YesNoQuestion {
    explicit ScriptedQuestion(bool answer) : answer(answer) {}
    bool ask(const QString& title, const QString& text) override {
        asked.append({title, text});
        return answer;
    }
    bool answer;
    QList<Shown> asked;
};

struct RecordingErrorMessage final : platform::ErrorMessage {
    void show(const QString& title, const QString& text) override { shown.append({title, text}); }
    QList<Shown> shown;
};

} // namespace fakes
