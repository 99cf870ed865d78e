// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The date from which the promotion window opens by itself, a few seconds after start-up.

#include "core/DayNumber.h"

namespace promo {

inline constexpr core::CivilDate kPromotionStart{2012, 9, 12};

// Whether the promotion window opens in a run started on `today`: on or after the start date.
constexpr bool promotionOpens(const core::CivilDate& today) {
    return today >= kPromotionStart;
}

} // namespace promo
