#include "platform/Clock.h"

#include <QDate>

namespace platform {

CivilDate SystemClock::today() const {
    const QDate now = QDate::currentDate();
    return {now.year(), now.month(), now.day()};
}

const Clock& systemClock() {
    static const SystemClock clock;
    return clock;
}

} // namespace platform
