// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/ErrorMessage.h"

#include <QMessageBox>

namespace platform {

void MessageBoxErrorMessage::show(const QString& title, const QString& text) {
    QMessageBox::critical(nullptr, title, text);
}

ErrorMessage& messageBoxErrorMessage() {
    static MessageBoxErrorMessage message;
    return message;
}

} // namespace platform
