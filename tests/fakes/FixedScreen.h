#pragma once
// A screen that always reports the geometry it was last set to.

#include "platform/Screen.h"

namespace fakes {

class FixedScreen final : public platform::Screen {
public:
    explicit FixedScreen(platform::ScreenGeometry geometry) : geometry_(geometry) {}
    platform::ScreenGeometry geometry() const override { return geometry_; }
    void set(platform::ScreenGeometry geometry) { geometry_ = geometry; }

private:
    platform::ScreenGeometry geometry_;
};

} // namespace fakes
