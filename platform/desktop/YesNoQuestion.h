// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A modal question that the user answers with Yes or No. Behind an interface so that tests can
// script the answer and see what was asked.

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

// The process-wide message-box question.
YesNoQuestion& messageBoxQuestion();

} // namespace platform
