// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DayChange.h"

#include <QDateTime>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>
#endif

namespace platform {

namespace {
// How long after midnight the notice comes: late enough that the local date has surely turned.
constexpr qint64 kAfterMidnightMs = 500;
} // namespace

qint64 msUntilNextLocalMidnight(qint64 nowMs) {
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(nowMs);
    const QDateTime next = now.date().addDays(1).startOfDay();
    return next.toMSecsSinceEpoch() - nowMs + kAfterMidnightMs;
}

#ifdef Q_OS_LINUX

// A timer file on the real-time clock, armed for an absolute moment: a sleep past that moment
// makes it fire on waking, and setting the clock cancels it, which reads as an error ECANCELED.
// The time zone's file lives in /etc, which is watched as a folder because the file itself is
// replaced, not changed, when the zone is set.
class SystemDayChange::Watch {
public:
    explicit Watch(SystemDayChange* owner)
        : fd_(timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC)), zoneFolder_(owner) {
        if (fd_ >= 0) {
            notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, owner);
            QObject::connect(notifier_, &QSocketNotifier::activated, owner, [this, owner] {
                std::uint64_t expirations = 0;
                // ECANCELED (the clock was set) and an expiry both mean: look at the date again.
                [[maybe_unused]] const ssize_t got = ::read(fd_, &expirations, sizeof expirations);
                owner->announce();
            });
        }
        zoneFolder_.addPath(QStringLiteral("/etc"));
        QObject::connect(&zoneFolder_, &QFileSystemWatcher::directoryChanged, owner,
                         [owner] { owner->announce(); });
    }
    ~Watch() {
        delete notifier_;
        if (fd_ >= 0)
            ::close(fd_);
    }
    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

    bool arm(qint64 atMs) {
        if (fd_ < 0)
            return false;
        itimerspec when{};
        when.it_value.tv_sec = static_cast<time_t>(atMs / 1000);
        when.it_value.tv_nsec = static_cast<long>(atMs % 1000) * 1'000'000;
        return timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &when, nullptr) == 0;
    }

private:
    int fd_;
    QSocketNotifier* notifier_ = nullptr;
    QFileSystemWatcher zoneFolder_;
};

#else

// Elsewhere a plain timer for the next midnight, set again after every notice.
class SystemDayChange::Watch {
public:
    explicit Watch(SystemDayChange* owner) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, owner, [owner] { owner->announce(); });
    }
    bool arm(qint64 atMs) {
        timer_.start(std::chrono::milliseconds(atMs - QDateTime::currentMSecsSinceEpoch()));
        return true;
    }

private:
    QTimer timer_;
};

#endif

SystemDayChange::SystemDayChange(QObject* parent) : DayChange(parent), watch_(new Watch(this)) {
    arm();
}

SystemDayChange::~SystemDayChange() {
    delete watch_;
}

void SystemDayChange::arm() {
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    watch_->arm(now + msUntilNextLocalMidnight(now));
}

void SystemDayChange::announce() {
    arm();
    emit mayHaveChanged();
}

} // namespace platform
