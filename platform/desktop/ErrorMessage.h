#pragma once
// A modal message that tells the user something went wrong, with an OK button.

#include <QString>

namespace platform {

void showErrorMessage(const QString& title, const QString& text);

} // namespace platform
