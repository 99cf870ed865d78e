// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tells the calendar when the local date may have changed: at local midnight, when the system
// clock is set, when the time zone changes, and after the machine wakes from sleep. It waits on
// the system (no polling), so an idle calendar costs nothing. Behind a small base so that tests
// can announce a new day themselves.

#include <QObject>

namespace platform {

class DayChange : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // Today may be another day than before: read the clock again.
    void mayHaveChanged();
};

// The system's own notice. On Linux a timer on the real-time clock for the next local midnight
// (it fires late after a sleep that crossed midnight, and is cancelled when the clock is set)
// and a watch on /etc/localtime; elsewhere a timer for the next local midnight.
class SystemDayChange final : public DayChange {
    Q_OBJECT
public:
    explicit SystemDayChange(QObject* parent = nullptr);
    ~SystemDayChange() override;

private:
    void arm();
    void announce();

    class Watch;
    Watch* watch_;
};

// Milliseconds from the local time `nowMs` (since the epoch, UTC) to a moment just after the next
// local midnight of the zone the process runs in.
qint64 msUntilNextLocalMidnight(qint64 nowMs);

} // namespace platform
