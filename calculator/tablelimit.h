#pragma once

#include "toolkit/numbertext.h"

#include <QStringView>

#include <cstdint>

namespace mjcalc {

inline constexpr std::int32_t kHighestTableLimit = 65536;

enum class LimitAction {
    Ignore,  // empty box: the limit in force stays
    TooHigh, // above the highest limit: say so and put the highest limit in the box
    Accept,  // a new limit (0 means none)
    Typo,    // not a limit at all
};

struct LimitDecision {
    LimitAction action = LimitAction::Ignore;
    std::int32_t limit = 0; // only for Accept
};

// What one edit of the table-limit box means. The number the text starts with decides "too
// high" as soon as it is typed, so the player is stopped at the keystroke that went past; the
// whole text must then be a number that fits, written the player's way.
[[nodiscard]] LimitDecision decideTableLimit(QStringView text, NumberSeparators separators = {});

} // namespace mjcalc
