// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/YesNoQuestion.h"

#include <QMessageBox>

namespace platform {

bool MessageBoxQuestion::ask(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

YesNoQuestion& messageBoxQuestion() {
    static MessageBoxQuestion question;
    return question;
}

} // namespace platform
