#pragma once

#include "calculator/scoring.h"
#include "toolkit/breakdown.h"

namespace mjcalc {

// How a hand's points were built and what the table pays for them, for a player who wants to
// check the figures.
[[nodiscard]] Breakdown describeHand(const HandScore& score, std::int32_t tableLimit, bool east);

} // namespace mjcalc
