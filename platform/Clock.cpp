// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Clock.h"

#include <QDate>
#include <chrono>

namespace platform {

core::CivilDate SystemClock::today() const {
    // Turning the instant into a local date goes through the time-zone rules and costs far more
    // than reading the clock, and the month grid asks for every cell; so the local date is
    // worked out again only when the clock has moved on to another second.
    struct Memo {
        std::chrono::system_clock::time_point second;
        core::CivilDate date;
    };
    thread_local Memo memo;
    const auto second = std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
    if (second != memo.second || memo.date.year == 0) {
        const QDate now = QDate::currentDate();
        memo = {second, {now.year(), now.month(), now.day()}};
    }
    return memo.date;
}

const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}

} // namespace platform
