#pragma once
// Today's date, the only thing the calendar reads from the system clock. Behind an interface so
// that tests and tools can fix the date.

#include "platform/DayNumber.h"

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // The system's current local date, read afresh at every call.
    virtual CivilDate today() const = 0;
};

// The machine's own clock, local time.
class SystemClock final : public Clock {
public:
    CivilDate today() const override;
};

// A clock that always answers the same date.
class FixedClock final : public Clock {
public:
    explicit FixedClock(CivilDate date) : date_(date) {}
    CivilDate today() const override { return date_; }
    void set(CivilDate date) { date_ = date; }

private:
    CivilDate date_;
};

// The process-wide system clock.
const Clock& systemClock();

} // namespace platform
