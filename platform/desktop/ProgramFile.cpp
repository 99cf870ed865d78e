// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop/ProgramFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

ProgramFile runningProgram() {
    const QString path = QCoreApplication::applicationFilePath();
    return {QFileInfo(path).completeBaseName(), QDir::toNativeSeparators(path)};
}

} // namespace platform
