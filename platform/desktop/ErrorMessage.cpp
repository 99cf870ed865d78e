#include "platform/desktop/ErrorMessage.h"

#include <QMessageBox>

namespace platform {

void showErrorMessage(const QString& title, const QString& text) {
    QMessageBox::critical(nullptr, title, text);
}

} // namespace platform
