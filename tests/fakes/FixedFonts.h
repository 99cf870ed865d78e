#pragma once
// Installed fonts that are exactly the names given.

#include "platform/InstalledFonts.h"

#include <utility>

namespace fakes {

class FixedFonts final : public platform::InstalledFonts {
public:
    explicit FixedFonts(QStringList names) : names_(std::move(names)) {}
    QStringList families() const override { return names_; }

private:
    QStringList names_;
};

} // namespace fakes
