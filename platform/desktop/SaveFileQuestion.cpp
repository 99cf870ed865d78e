// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/SaveFileQuestion.h"

#include <QFileDialog>

namespace platform {

QString askWhereToSave(const QString& title, const QString& suggestedPath, const QString& filter) {
    return QFileDialog::getSaveFileName(nullptr, title, suggestedPath, filter);
}

} // namespace platform
