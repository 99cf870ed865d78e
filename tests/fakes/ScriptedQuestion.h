#pragma once
// A yes/no question that answers every time as it was told and keeps what was asked.

#include "platform/desktop/YesNoQuestion.h"

#include <QList>

namespace fakes {

class ScriptedQuestion final : public platform::YesNoQuestion {
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

} // namespace fakes
