// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The official days off (休) and working days (班) of the State Council's yearly arrangements:
// which days the arrangements move, each with the holiday it belongs to, looked up by day.

#include "core/DayNumber.h"

#include <QString>
#include <map>

namespace engine {

enum class OfficialDayKind {
    DayOff,     // 休: a day off, the holiday itself or a weekday given in exchange
    WorkingDay, // 班: a weekend day worked in exchange
};

struct OfficialDay {
    OfficialDayKind kind = OfficialDayKind::DayOff;
    QString name; // the holiday's name, as 国庆节

    // The one-character mark of the grid cell: 休 or 班.
    QString mark() const;
    // The mark, a space and the name: "休 国庆节", as tooltips and kesparo-days show it.
    QString label() const;

    friend bool operator==(const OfficialDay&, const OfficialDay&) = default;
};

class OfficialDays {
public:
    // The day's entry, or nullptr for an ordinary day. Valid until the table next changes.
    const OfficialDay* find(core::DayNumber day) const;

    // Gives `day` the entry `official`, replacing what it had.
    void set(core::DayNumber day, OfficialDay official);

    // Lays `other` over this table date by date: its days are added, or replace the days here.
    void overrideWith(const OfficialDays& other);

    std::size_t size() const { return days_.size(); }
    auto begin() const { return days_.begin(); }
    auto end() const { return days_.end(); }

private:
    std::map<core::DayNumber, OfficialDay> days_;
};

} // namespace engine
