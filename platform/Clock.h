// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Today's date, the only thing the calendar reads from the system clock. Behind an interface so
// that tests and tools can fix the date.

#include "core/DayNumber.h"

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // The system's current local date, read afresh at every call.
    virtual core::CivilDate today() const = 0;
};

// The machine's own clock, local time.
class SystemClock final : public Clock {
public:
    core::CivilDate today() const override;
};

// The process-wide system clock.
const Clock& systemClock();

} // namespace platform
