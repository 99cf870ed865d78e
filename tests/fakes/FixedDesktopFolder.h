#pragma once
// A desktop folder at a path the test chooses (a temporary folder, or none).

#include "platform/desktop/DesktopFolder.h"

#include <utility>

namespace fakes {

class FixedDesktopFolder final : public platform::DesktopFolder {
public:
    explicit FixedDesktopFolder(QString path) : path_(std::move(path)) {}
    QString path() const override { return path_; }

private:
    QString path_;
};

} // namespace fakes
