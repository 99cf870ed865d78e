// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/OfficialDays.h"

namespace engine {

QString OfficialDay::mark() const {
    return kind == OfficialDayKind::DayOff ? QStringLiteral("休") : QStringLiteral("班");
}

QString OfficialDay::label() const {
    return mark() + u' ' + name;
}

const OfficialDay* OfficialDays::find(core::DayNumber day) const {
    const auto found = days_.find(day);
    return found == days_.end() ? nullptr : &found->second;
}

void OfficialDays::set(core::DayNumber day, OfficialDay official) {
    days_.insert_or_assign(day, std::move(official));
}

void OfficialDays::overrideWith(const OfficialDays& other) {
    for (const auto& [day, official] : other.days_)
        days_.insert_or_assign(day, official);
}

} // namespace engine
