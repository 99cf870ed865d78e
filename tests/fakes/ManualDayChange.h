#pragma once
// A day-change notice that comes only when the test says so.

#include "platform/DayChange.h"

namespace fakes {

class ManualDayChange final : public platform::DayChange {
public:
    void announce() { emit mayHaveChanged(); }
};

} // namespace fakes
