#pragma once
// A clock that always answers the date it was last set to.

#include "platform/Clock.h"

namespace fakes {

class FixedClock final : public platform::Clock {
public:
    explicit FixedClock(core::CivilDate date) : date_(date) {}
    core::CivilDate today() const override { return date_; }
    void set(core::CivilDate date) { date_ = date; }

private:
    core::CivilDate date_;
};

} // namespace fakes
