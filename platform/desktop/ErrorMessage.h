// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A modal message that tells the user something went wrong, with an OK button. Behind an interface
// so that tests can see what the user would be told.

#include <QString>

namespace platform {

class ErrorMessage {
public:
    virtual ~ErrorMessage() = default;
    virtual void show(const QString& title, const QString& text) = 0;
};

// A message box with the critical icon. It blocks the program's other windows until it is closed.
class MessageBoxErrorMessage final : public ErrorMessage {
public:
    void show(const QString& title, const QString& text) override;
};

// The process-wide message-box error message.
ErrorMessage& messageBoxErrorMessage();

} // namespace platform
