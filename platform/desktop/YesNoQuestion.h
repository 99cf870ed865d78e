#pragma once
// A modal question that the user answers with Yes or No. Behind an interface so that tests can
// script the answer and see what was asked.

#include <QList>
#include <QString>

namespace platform {

class YesNoQuestion {
public:
    virtual ~YesNoQuestion() = default;
    // Asks `text` under the caption `title` and returns true for Yes.
    virtual bool ask(const QString& title, const QString& text) = 0;
};

// A message box with the exclamation (warning) icon and the buttons Yes and No, Yes the default.
// It blocks the program's other windows until it is answered.
class MessageBoxQuestion final : public YesNoQuestion {
public:
    bool ask(const QString& title, const QString& text) override;
};

// Answers every question the same way and keeps what was asked.
class ScriptedQuestion final : public YesNoQuestion {
public:
    struct Asked {
        QString title;
        QString text;
    };
    explicit ScriptedQuestion(bool answer) : answer_(answer) {}
    bool ask(const QString& title, const QString& text) override {
        asked.append({title, text});
        return answer_;
    }
    QList<Asked> asked;

private:
    bool answer_;
};

// The process-wide message-box question.
YesNoQuestion& messageBoxQuestion();

} // namespace platform
